#include "tests/harness/menu_reader.h"

#include "tests/harness/menu_page.h"
#include "tests/harness/staged_app.h"

#include <cstdio>
#include <cstring>

namespace e2e {

namespace {
HMODULE HookLibrary()
{
    static HMODULE library = LoadLibraryA(FromTestProgramFolder("menu_reader_hook.dll").c_str());
    return library;
}
} // namespace

std::vector<MenuItem> ReadMenu(HWND menuWindow)
{
    HMODULE hookLibrary = HookLibrary();
    static LONG requests = 0;
    const auto hook = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(hookLibrary, kMenuReaderHook)));
    const DWORD thread = GetWindowThreadProcessId(menuWindow, nullptr);
    if (!hook || !thread)
        return {};
    const LONG request = InterlockedIncrement(&requests);
    char name[64] = "";
    std::snprintf(name, sizeof name, kMenuPageName, static_cast<unsigned long>(GetCurrentProcessId()),
                  static_cast<unsigned long>(request));
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(MenuPage), name);
    if (!mapping)
        return {};
    std::vector<MenuItem> items;
    auto* page = static_cast<MenuPage*>(MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(MenuPage)));
    HHOOK installed = page ? SetWindowsHookExA(WH_CALLWNDPROC, hook, hookLibrary, thread) : nullptr;
    if (installed) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(menuWindow, RegisterWindowMessageA(kReadMenuMessage), GetCurrentProcessId(),
                            static_cast<LPARAM>(request), SMTO_ABORTIFHUNG, 5000, &ignored);
        UnhookWindowsHookEx(installed);
        if (page->written) {
            const int capacity = static_cast<int>(sizeof page->items / sizeof page->items[0]);
            for (int i = 0; i < page->count && i < capacity; ++i) {
                const MenuPageItem& item = page->items[i];
                const std::size_t length = strnlen(item.caption, sizeof item.caption);
                items.push_back({item.id, item.state, std::string(item.caption, length)});
            }
        }
    }
    if (page)
        UnmapViewOfFile(page);
    CloseHandle(mapping);
    return items;
}

const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, UINT id)
{
    for (const MenuItem& item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

MenuOpenings::MenuOpenings(HWND window)
{
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    const auto hook = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(HookLibrary(), kMenuWatchHook)));
    char name[64] = "";
    std::snprintf(name, sizeof name, kMenuWatchName, static_cast<unsigned long>(process));
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(MenuWatch), name);
    if (mapping_)
        watch_ = static_cast<const MenuWatch*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, sizeof(MenuWatch)));
    if (watch_ && hook && thread)
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, hook, HookLibrary(), thread);
}

MenuOpenings::~MenuOpenings()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (watch_)
        UnmapViewOfFile(watch_);
    if (mapping_)
        CloseHandle(mapping_);
}

int MenuOpenings::Count() const { return watch_ ? static_cast<int>(watch_->opened) : 0; }
int MenuOpenings::LoopsEnded() const { return watch_ ? static_cast<int>(watch_->loopsEnded) : 0; }

UINT MenuOpenings::FirstItemOf(int index) const
{
    const int capacity = static_cast<int>(sizeof watch_->firstIds / sizeof watch_->firstIds[0]);
    return watch_ && index >= 0 && index < Count() && index < capacity ? watch_->firstIds[index] : 0;
}

} // namespace e2e
