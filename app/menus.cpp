#include "app/menus.h"

#include "app/main_window.h"
#include "corvex/include/corvex.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "docs/editor_settings.h"
#include "docs/languages.h"
#include "skin/skinned_menus.h"

#include <commctrl.h>
#include <cstring>

namespace {

constexpr int kFirstMacroCommand = 900;

void TrackAtCursor(HMENU menu)
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, Main().Frame(), nullptr);
}

// The toolbar button's rectangle on the screen; false when the bar has no such button.
bool ToolbarButtonRect(int command, RECT& button)
{
    HWND toolbar = Main().Toolbar();
    const int index = static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, command, 0));
    if (index < 0 || !SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button)))
        return false;
    MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&button), 2);
    return true;
}

// Opens a menu below a toolbar button, keeping the button clear.
void TrackUnderToolbarButton(HMENU menu, int command)
{
    RECT button = {};
    if (!ToolbarButtonRect(command, button))
        return;
    TPMPARAMS keepClear = {sizeof keepClear, button};
    TrackPopupMenuEx(menu, TPM_VERTICAL, button.left, button.bottom, Main().Frame(), &keepClear);
}

} // namespace

HMENU BuildMenu(MenuIndex index)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return nullptr;
    UINT position = 0;
    for (const CommandEntry& item : MenuCommands(index)) {
        UINT flags = MF_BYPOSITION | MF_OWNERDRAW;
        if (item.rule == ItemRule::StartsGrayed)
            flags |= MF_GRAYED;
        if (IsSeparatorCaption(item.caption))
            flags |= MF_SEPARATOR;
        // Owner-drawn: the last argument is the item's data, its caption.
        InsertMenuW(menu, position++, flags, static_cast<UINT>(item.id), reinterpret_cast<LPCWSTR>(item.caption));
    }
    return menu;
}

void RemeasureMenuItems()
{
    for (int index = 0; index < kMenuCount; ++index) {
        HMENU menu = Main().Menu(static_cast<MenuIndex>(index));
        const int count = menu ? GetMenuItemCount(menu) : 0;
        for (int position = 0; position < count; ++position) {
            MENUITEMINFOW info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
            if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) || !(info.fType & MFT_OWNERDRAW))
                continue;
            const UINT flags = MF_BYPOSITION | MF_OWNERDRAW | (info.fType & MFT_SEPARATOR) |
                               (info.fState & (MFS_GRAYED | MFS_CHECKED));
            ModifyMenuW(menu, static_cast<UINT>(position), flags, info.wID,
                        reinterpret_cast<LPCWSTR>(info.dwItemData));
        }
    }
}

void SetMenuItemState(HMENU menu, UINT command, UINT state)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoW(menu, command, FALSE, &info))
        return;
    ModifyMenuW(menu, command, MF_BYCOMMAND | MF_OWNERDRAW | state, command,
                reinterpret_cast<LPCWSTR>(info.dwItemData));
}

void EnableMacroMenuItem(int index)
{
    if (index >= 0 && index < kMacroCount)
        EnableMenuItem(Main().Menu(kMacroMenu), kFirstMacroCommand + index, MF_BYCOMMAND | MF_ENABLED);
}

void EnableRecordedMacroItems()
{
    for (int i = 0; i < kMacroCount; ++i)
        if (CorvexGetMacro(i, nullptr) != 0)
            EnableMacroMenuItem(i);
}

void ShowTabMenu()
{
    Document* active = ActiveDocument();
    if (!active)
        return;
    HMENU menu = Main().Menu(kTabMenu);
    ApplyItemRules(menu, kTabMenu);
    TrackAtCursor(menu);
}

void ShowEditorMenu()
{
    HWND control = ActiveControl();
    if (!control)
        return;
    HMENU menu = Main().Menu(kEditorMenu);
    ApplyItemRules(menu, kEditorMenu);
    TrackAtCursor(menu);
}

void ShowLanguageMenu()
{
    HWND control = ActiveControl();
    if (!control)
        return;
    RECT button = {};
    if (!ToolbarButtonRect(kLanguageButton, button))
        return;
    char name[kLanguageNameSize] = {};
    editor::Send(control, corvex::GetLanguage, 0, reinterpret_cast<LPARAM>(name));
    name[kLanguageNameSize - 1] = '\0';
    CheckLanguageMenuItems(Main().Menu(kLanguageMenu), name);
    TrackUnderToolbarButton(Main().Menu(kLanguageMenu), kLanguageButton);
}

void ShowMacroMenu()
{
    if (ActiveControl())
        TrackUnderToolbarButton(Main().Menu(kMacroMenu), kMacroButton);
}
