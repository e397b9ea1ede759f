// What the menu-reading hook (menu_reader_hook.dll) writes for the test that asked: the
// items of a tracked popup menu, copied inside the process that tracks it, into a named
// shared memory block the test created.
#pragma once

#include <windows.h>

namespace e2e {

// The message the test sends to the "#32768" window: wParam the asking process, lParam
// its request number; they name the block "QuilletMenuPage-<wParam>-<lParam>".
constexpr const char* kReadMenuMessage = "Quillet test: read this menu";
constexpr const char* kMenuPageName = "QuilletMenuPage-%lu-%lu";
constexpr const char* kMenuReaderHook = "MenuReaderHook";

struct MenuPageItem {
    UINT id;
    UINT state;         // GetMenuState by position: MF_CHECKED, MF_GRAYED, MF_SEPARATOR...
    char caption[80];   // the item's string, or the caption an owner-drawn item carries as its data
};

struct MenuPage {
    LONG written;       // 1 once the hook has filled the page
    LONG count;         // items of the menu, -1 when the window had no menu
    MenuPageItem items[64];
};

// The menus a watched process opens and closes (menu_reader_hook.dll's MenuWatchHook on
// its thread counts each WM_INITMENUPOPUP and WM_EXITMENULOOP there), in the block
// "QuilletMenuWatch-<that process>".
constexpr const char* kMenuWatchName = "QuilletMenuWatch-%lu";
constexpr const char* kMenuWatchHook = "MenuWatchHook";

struct MenuWatch {
    LONG opened;        // popup menus opened (the window menu's not counted)
    UINT firstIds[32];  // the command of the first item of each, in order
    LONG loopsEnded;    // menu loops ended
};

} // namespace e2e
