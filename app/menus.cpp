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

struct MenuItem {
    UINT command;       // separators take a free identifier of their menu's range
    const char* caption;
    UINT state;         // MF_GRAYED for items that start grayed
};

const MenuItem kFileItems[] = {
    {1100, "&new", 0}, {1101, "&open", 0}, {1102, "&close", 0}, {1103, "c&lose all", 0},
    {1104, kSeparatorCaption, 0},
    {1105, "&save", 0}, {1106, "sa&ve as", 0}, {1107, "save &all", 0},
    {1108, kSeparatorCaption, 0},
    {1109, "&print", 0},
    {1110, kSeparatorCaption, 0},
    {1111, "&exit", 0},
};
const MenuItem kEditItems[] = {
    {1200, "&undo", 0}, {1201, "&redo", 0},
    {1202, kSeparatorCaption, 0},
    {1203, "&cut", 0}, {1204, "c&opy", 0}, {1205, "&paste", 0},
    {1206, kSeparatorCaption, 0},
    {1207, "&select all", 0},
    {1208, kSeparatorCaption, 0},
    {1210, "to &lower case", 0}, {1209, "to upp&er case", 0}, {1211, "show &whitespaces", 0},
};
const MenuItem kSearchItems[] = {
    {1300, "&find", 0}, {1301, "find &next", 0}, {1302, "find &prev", 0}, {1303, "&replace", 0},
    {1304, kSeparatorCaption, 0},
    {1305, "toggle &bookmark", 0}, {1306, "ne&xt bookmark", 0}, {1307, "pre&v bookmark", 0},
    {1308, "clear &all bookmarks", 0},
    {1309, kSeparatorCaption, 0},
    {1310, "&goto line", 0}, {1311, "&match brace", 0},
};
const MenuItem kHelpItems[] = {
    {1400, "&contents", 0}, {1401, kSeparatorCaption, 0}, {1402, "&about", 0},
};
const MenuItem kTrayItems[] = {
    {400, "&always on top", 0},
    {401, kSeparatorCaption, 0},
    {402, "&skins", 0}, {403, "&options", 0},
    {404, kSeparatorCaption, 0},
    {405, "&help", 0}, {406, "a&bout", 0},
    {407, kSeparatorCaption, 0},
    {408, "&exit", 0},
};
const MenuItem kTabItems[] = {
    {500, "&new tab", 0}, {501, kSeparatorCaption, 0}, {502, "&add to favourites", 0},
    {503, kSeparatorCaption, 0}, {504, "&close tab", 0}, {505, "close &other tabs", 0},
};
const MenuItem kEditorItems[] = {
    {600, "&undo", 0}, {601, "&redo", 0},
    {602, kSeparatorCaption, 0},
    {603, "&cut", 0}, {604, "c&opy", 0}, {605, "&paste", 0},
    {606, kSeparatorCaption, 0},
    {607, "&select all", 0},
    {608, kSeparatorCaption, 0},
    {610, "to &lower case", 0}, {609, "to upp&er case", 0}, {611, "show &whitespaces", 0},
    {612, kSeparatorCaption, 0},
    {613, "toggle &bookmark", 0}, {614, "clear &all bookmarks", 0},
    {615, kSeparatorCaption, 0},
    {616, "se&ttings", 0},
};
const MenuItem kClipboardItemItems[] = {
    {700, "&paste", 0}, {702, kSeparatorCaption, 0}, {701, "&delete", 0}, {703, "delete &all", 0},
};
const MenuItem kFavouritesItemItems[] = {
    {800, "&open", 0}, {801, "open &all", 0},
    {802, kSeparatorCaption, 0},
    {803, "a&dd...", 0},
    {805, kSeparatorCaption, 0},
    {804, "d&elete", 0}, {806, "delete a&ll", 0},
    {807, kSeparatorCaption, 0},
    {808, "open on &startup", 0},
};
const MenuItem kMacroItems[] = {
    {900, "play macro &1", MF_GRAYED}, {901, "play macro &2", MF_GRAYED}, {902, "play macro &3", MF_GRAYED},
    {903, "play macro &4", MF_GRAYED}, {904, "play macro &5", MF_GRAYED}, {905, "play macro &6", MF_GRAYED},
    {906, "play macro &7", MF_GRAYED}, {907, "play macro &8", MF_GRAYED}, {908, "play macro &9", MF_GRAYED},
    {909, "play macro 1&0", MF_GRAYED},
    {910, kSeparatorCaption, 0},
    {911, "&record a macro", 0},
};
const MenuItem kLanguageItems[] = {
    {1000, "&none", 0}, {1001, "&asp", 0}, {1002, "&basic", 0}, {1003, "&c/c++", 0},
    {1004, "cold&fusion", 0}, {1005, "&html", 0}, {1006, "&java", 0}, {1007, "pasca&l", 0},
    {1008, "&php", 0}, {1009, "&sql", 0}, {1010, "&xml", 0},
};

struct MenuTable {
    const MenuItem* items;
    std::size_t count;
};

template <std::size_t N>
constexpr MenuTable Table(const MenuItem (&items)[N])
{
    return {items, N};
}

// In the order the menus are built, which is the order of MenuIndex.
const MenuTable kMenus[kMenuCount] = {
    Table(kFileItems), Table(kEditItems), Table(kSearchItems), Table(kHelpItems),
    Table(kTrayItems), Table(kTabItems), Table(kEditorItems), Table(kClipboardItemItems),
    Table(kFavouritesItemItems), Table(kMacroItems), Table(kLanguageItems),
};

constexpr int kFirstMacroCommand = 900;
constexpr int kLanguageButtonIndex = 13;
constexpr int kMacroButtonIndex = 14;
constexpr UINT kTabFavouritesCommand = 502;


HMENU BuildMenu(const MenuTable& table)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return nullptr;
    for (std::size_t position = 0; position < table.count; ++position) {
        const MenuItem& item = table.items[position];
        UINT flags = MF_BYPOSITION | MF_OWNERDRAW | item.state;
        if (IsSeparatorCaption(item.caption))
            flags |= MF_SEPARATOR;
        InsertMenuA(menu, static_cast<UINT>(position), flags, item.command, item.caption);
    }
    return menu;
}

void TrackAtCursor(HMENU menu)
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, Main().frame, nullptr);
}

// Opens a menu below the toolbar button at `buttonIndex`, keeping the button clear.
void TrackUnderToolbarButton(HMENU menu, int buttonIndex)
{
    MainWindow& main = Main();
    RECT button = {};
    if (!SendMessageA(main.toolbar, TB_GETITEMRECT, buttonIndex, reinterpret_cast<LPARAM>(&button)))
        return;
    MapWindowPoints(main.toolbar, nullptr, reinterpret_cast<POINT*>(&button), 2);
    TPMPARAMS keepClear = {sizeof keepClear, button};
    TrackPopupMenuEx(menu, TPM_VERTICAL, button.left, button.bottom, main.frame, &keepClear);
}

} // namespace

void BuildMenus(MainWindow& main)
{
    for (int i = 0; i < kMenuCount; ++i) {
        main.menus[i] = BuildMenu(kMenus[i]);
        RegisterFlatMenu(main.frame, main.menus[i]);
    }
}

void DestroyMenus(MainWindow& main)
{
    for (HMENU& menu : main.menus) {
        if (menu)
            DestroyMenu(menu);
        menu = nullptr;
    }
}

void SetMenuItemState(HMENU menu, UINT command, UINT state)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(menu, command, FALSE, &info))
        return;
    ModifyMenuA(menu, command, MF_BYCOMMAND | MF_OWNERDRAW | state, command,
                reinterpret_cast<const char*>(info.dwItemData));
}

void EnableMacroMenuItem(int index)
{
    if (index >= 0 && index < kMacroCount)
        EnableMenuItem(Main().menus[kMacroMenu], kFirstMacroCommand + index, MF_BYCOMMAND | MF_ENABLED);
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
    HMENU menu = Main().menus[kTabMenu];
    SetMenuItemState(menu, kTabFavouritesCommand, active->path.empty() ? MF_GRAYED : MF_ENABLED);
    TrackAtCursor(menu);
}

void ShowEditorMenu()
{
    HWND control = ActiveControl();
    if (!control)
        return;
    struct Query {
        UINT command;
        UINT message;
    };
    static const Query kQueries[] = {
        {600, corvex::CanUndo}, {601, corvex::CanRedo}, {603, corvex::CanCut},
        {604, corvex::CanCopy}, {605, corvex::CanPaste},
    };
    HMENU menu = Main().menus[kEditorMenu];
    for (const Query& query : kQueries)
        EnableMenuItem(menu, query.command,
                       MF_BYCOMMAND | (editor::Send(control, query.message) ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, 611,
                  MF_BYCOMMAND | (editor::Send(control, corvex::IsWhitespaceShown) ? MF_CHECKED : MF_UNCHECKED));
    TrackAtCursor(menu);
}

void ShowLanguageMenu()
{
    HWND control = ActiveControl();
    if (!control)
        return;
    MainWindow& main = Main();
    RECT button = {};
    if (!SendMessageA(main.toolbar, TB_GETITEMRECT, kLanguageButtonIndex, reinterpret_cast<LPARAM>(&button)))
        return;
    char name[kLanguageNameSize] = {};
    editor::Send(control, corvex::GetLanguage, 0, reinterpret_cast<LPARAM>(name));
    name[kLanguageNameSize - 1] = '\0';
    CheckLanguageMenuItems(main.menus[kLanguageMenu], name);
    TrackUnderToolbarButton(main.menus[kLanguageMenu], kLanguageButtonIndex);
}

void ShowMacroMenu()
{
    if (ActiveControl())
        TrackUnderToolbarButton(Main().menus[kMacroMenu], kMacroButtonIndex);
}
