#include "tests/harness/menu_reader.h"

#include "tests/harness/menu_page.h"
#include "tests/harness/staged_app.h"

#include <cstdio>
#include <cstring>

namespace e2e {

std::vector<MenuItem> ReadMenu(HWND menuWindow)
{
    static HMODULE hookLibrary = LoadLibraryA(FromTestProgramFolder("menu_reader_hook.dll").c_str());
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

} // namespace e2e
