// The program's commands in one place: every item of the eleven menus, the sixteen
// toolbar buttons and the six menu-bar buttons, each with its identifier, caption, the
// rule that grays or checks it when its menu opens, and the code that runs it. The
// menus are built from this table, the bars take their buttons from it, the menu-bar
// menus are prepared by its rules, and WM_COMMAND is dispatched through it.
#pragma once

#include <windows.h>
#include <cstddef>

// Indexes of the eleven menus, in the order they are built.
enum MenuIndex {
    kFileMenu, kEditMenu, kSearchMenu, kHelpMenu, kTrayMenu, kTabMenu, kEditorMenu,
    kClipboardItemMenu, kFavouritesItemMenu, kMacroMenu, kLanguageMenu,
};
constexpr int kMenuCount = 11;

// Both bars number their buttons from 700: the menu bar 700-705, the toolbar 700-715.
// The same numbers are also clipboard item commands (700-703): which one a WM_COMMAND
// means depends on who sent it (see CommandSource).
constexpr int kFirstButtonCommand = 700;
constexpr int kMenuBarButtonCount = 6;
constexpr int kToolbarButtonCount = 16;

// Menu-bar buttons.
constexpr int kFileButton = 700;
constexpr int kEditButton = 701;
constexpr int kSearchButton = 702;
constexpr int kFavouritesButton = 703;
constexpr int kClipboardButton = 704;
constexpr int kHelpButton = 705;

// Toolbar buttons with a press-and-hold drop-down, and those whose menus open under them.
constexpr int kOpenButton = 701;
constexpr int kPasteButton = 710;
constexpr int kLanguageButton = 713;
constexpr int kMacroButton = 714;

// Items of the clipboard's and the favourites' item menus that the tool windows run.
constexpr int kPasteClipboardItem = 700;
constexpr int kOpenFavouriteItem = 800;
constexpr int kOpenAllFavouritesItem = 801;
constexpr int kDeleteFavouriteItem = 804;
constexpr int kOpenOnStartupItem = 808;

// Who sent a command: a toolbar button, a menu-bar button (which only opens its menu),
// a menu item or one of the program's own posts (notification code 0), or a control
// notifying its parent (anything else, which is no command).
enum class CommandSource { Toolbar, MenuBar, Menu, Other };

// What decides an item's state each time its menu opens.
enum class ItemRule : unsigned char {
    Fixed,         // as built
    StartsGrayed,  // grayed until enabled by name (the play-macro items)
    NeedsEditor,   // grayed without an active editor
    EditorQuery,   // enabled when the active editor answers `query` with nonzero
    Whitespace,    // grayed without an active editor, checked while it shows whitespace
    NeedsPath,     // grayed when the active document has no file
};

using CommandHandler = void (*)(int command);

struct CommandEntry {
    int id;
    const char* caption;  // menus only; separators carry kSeparatorCaption
    ItemRule rule;
    UINT query;           // EditorQuery: the editor message asked
    CommandHandler run;   // null for separators
};

struct CommandList {
    const CommandEntry* first;
    std::size_t count;
    const CommandEntry* begin() const { return first; }
    const CommandEntry* end() const { return first + count; }
};

// The items of a menu, in menu order.
CommandList MenuCommands(MenuIndex menu);
// The toolbar's buttons in bar order (the order of the columns of `toolbar.bmp`).
CommandList ToolbarCommands();
// The menu bar's buttons in bar order; their captions are string resources.
CommandList MenuBarCommands();
// The entry a command of that source runs; null when it runs nothing.
const CommandEntry* FindCommand(CommandSource source, int id);
// Grays and checks the items of `menu` for the active document by their rules.
void ApplyItemRules(HMENU handle, MenuIndex menu);
