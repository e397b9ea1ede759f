#include "app/menu_bar.h"

#include "app/main_window.h"
#include "app/menus.h"
#include "corvex/include/corvex.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "tools/tool_windows.h"

namespace {

// File items that need a document.
const UINT kFileDocumentItems[] = {1102, 1103, 1105, 1106, 1107, 1109};

// Edit items enabled only when the active editor answers their query.
struct QueriedItem {
    UINT command;
    UINT query;
};
const QueriedItem kEditQueriedItems[] = {
    {1200, corvex::CanUndo}, {1201, corvex::CanRedo}, {1203, corvex::CanCut},
    {1204, corvex::CanCopy}, {1205, corvex::CanPaste},
};
const UINT kEditDocumentItems[] = {1207, 1209, 1210};
constexpr UINT kShowWhitespaceItem = 1211;
const UINT kSearchItems[] = {1300, 1301, 1302, 1303, 1305, 1306, 1307, 1308, 1310, 1311};

UINT EnabledWhen(bool on) { return on ? MF_ENABLED : MF_GRAYED; }

template <std::size_t N>
void EnableAll(HMENU menu, const UINT (&items)[N], bool on)
{
    for (UINT item : items)
        SetMenuItemState(menu, item, EnabledWhen(on));
}

void PrepareEditMenu(HMENU menu, HWND control)
{
    for (const QueriedItem& item : kEditQueriedItems)
        SetMenuItemState(menu, item.command, EnabledWhen(control && editor::Send(control, item.query)));
    EnableAll(menu, kEditDocumentItems, control != nullptr);
    UINT whitespace = MF_GRAYED;
    if (control)
        whitespace = MF_ENABLED | (editor::Send(control, corvex::IsWhitespaceShown) ? MF_CHECKED : MF_UNCHECKED);
    SetMenuItemState(menu, kShowWhitespaceItem, whitespace);
}

HMENU MenuOfButton(int command)
{
    MainWindow& main = Main();
    switch (command) {
    case kFileButton: return main.menus[kFileMenu];
    case kEditButton: return main.menus[kEditMenu];
    case kSearchButton: return main.menus[kSearchMenu];
    case kHelpButton: return main.menus[kHelpMenu];
    default: return nullptr;
    }
}

} // namespace

void PrepareMenuBarMenu(int command)
{
    Document* active = ActiveDocument();
    HWND control = active ? active->control : nullptr;
    HMENU menu = MenuOfButton(command);
    switch (command) {
    case kFileButton: EnableAll(menu, kFileDocumentItems, control != nullptr); break;
    case kEditButton: PrepareEditMenu(menu, control); break;
    case kSearchButton: EnableAll(menu, kSearchItems, control != nullptr); break;
    default: break;
    }
}

void OpenMenuBarMenu(int command)
{
    if (command < kFileButton || command > kHelpButton)
        return;
    MainWindow& main = Main();
    SendMessageA(main.menuBar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
    SendMessageA(main.menuBar, TB_PRESSBUTTON, command, MAKELPARAM(TRUE, 0));
    RECT button = {};
    if (SendMessageA(main.menuBar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button))) {
        MapWindowPoints(main.menuBar, nullptr, reinterpret_cast<POINT*>(&button), 2);
        if (command == kFavouritesButton) {
            ShowFavouritesPopup(button);
        } else if (command == kClipboardButton) {
            ShowClipboardPopup(button);
        } else {
            PrepareMenuBarMenu(command);
            TPMPARAMS keepClear = {sizeof keepClear, button};
            TrackPopupMenuEx(MenuOfButton(command), TPM_VERTICAL, button.left, button.bottom, main.frame,
                             &keepClear);
        }
    }
    SendMessageA(main.menuBar, TB_PRESSBUTTON, command, MAKELPARAM(FALSE, 0));
}

LRESULT PaintMenuBar(NMTBCUSTOMDRAW*) { return CDRF_DODEFAULT; }
