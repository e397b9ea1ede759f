// menu_reader_hook.dll: a WH_CALLWNDPROC hook that the test sets on the thread tracking a
// popup menu in another process. The system loads this library into that process; on the
// test's message the hook reads the menu there, where menu handles are valid (a menu
// cannot be read from outside its process under Wine), and leaves the items in the
// test's shared memory block. Its second hook, set for a whole test, counts the popup
// menus the program opens, however soon they close again.
#include "tests/harness/menu_page.h"

#include <cstdio>
#include <cstring>

namespace {

void CopyCaption(char (&to)[80], const char* from)
{
    to[0] = '\0';
    if (from && !IsBadStringPtrA(from, sizeof to - 1))
        lstrcpynA(to, from, sizeof to);
}

void ReadMenuInto(HWND window, WPARAM asker, LPARAM request)
{
    char name[64] = "";
    std::snprintf(name, sizeof name, e2e::kMenuPageName, static_cast<unsigned long>(asker),
                  static_cast<unsigned long>(request));
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
    if (!mapping)
        return;
    auto* page = static_cast<e2e::MenuPage*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(e2e::MenuPage)));
    if (page) {
        constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, kGetMenuHandle, 0, 0));
        const int count = menu ? GetMenuItemCount(menu) : -1;
        page->count = count;
        for (int i = 0; i < count && i < static_cast<int>(sizeof page->items / sizeof page->items[0]); ++i) {
            e2e::MenuPageItem& item = page->items[i];
            item.id = GetMenuItemID(menu, i);
            item.state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
            info.dwTypeData = item.caption;
            info.cch = sizeof item.caption;
            item.caption[0] = '\0';
            if (GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW))
                CopyCaption(item.caption, reinterpret_cast<const char*>(info.dwItemData));
        }
        page->written = 1;
        UnmapViewOfFile(page);
    }
    CloseHandle(mapping);
}

e2e::MenuWatch* OpenMenuWatch(HANDLE& mapping)
{
    char name[64] = "";
    std::snprintf(name, sizeof name, e2e::kMenuWatchName, static_cast<unsigned long>(GetCurrentProcessId()));
    mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
    if (!mapping)
        return nullptr;
    auto* watch = static_cast<e2e::MenuWatch*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(e2e::MenuWatch)));
    if (!watch)
        CloseHandle(mapping);
    return watch;
}

void CountMenuLoopEnd()
{
    HANDLE mapping = nullptr;
    if (e2e::MenuWatch* watch = OpenMenuWatch(mapping)) {
        InterlockedIncrement(&watch->loopsEnded);
        UnmapViewOfFile(watch);
        CloseHandle(mapping);
    }
}

void CountMenuOpening(HMENU menu)
{
    HANDLE mapping = nullptr;
    if (e2e::MenuWatch* watch = OpenMenuWatch(mapping)) {
        const LONG index = watch->opened;
        if (index >= 0 && index < static_cast<LONG>(sizeof watch->firstIds / sizeof watch->firstIds[0]))
            watch->firstIds[index] = GetMenuItemID(menu, 0);
        InterlockedIncrement(&watch->opened);
        UnmapViewOfFile(watch);
        CloseHandle(mapping);
    }
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuWatchHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == WM_INITMENUPOPUP && !HIWORD(call->lParam))
            CountMenuOpening(reinterpret_cast<HMENU>(call->wParam));
        else if (call->message == WM_EXITMENULOOP)
            CountMenuLoopEnd();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuReaderHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == RegisterWindowMessageA(e2e::kReadMenuMessage))
            ReadMenuInto(call->hwnd, call->wParam, call->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
