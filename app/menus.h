// The eleven popup menus, built in code with owner-drawn items whose data is their
// caption, and the menus opened at the cursor or under a toolbar button.
#pragma once

#include <windows.h>

#include "skin/skinned_menus.h"  // kSeparatorCaption

#include "app/command_table.h"

// Builds one of the menus from the command table: owner-drawn items whose data is their
// caption, grayed where the table says an item starts so.
HMENU BuildMenu(MenuIndex index);

// Changes an item's enabled, grayed and checked state (MF_ flags), keeping it
// owner-drawn with its own caption.
void SetMenuItemState(HMENU menu, UINT command, UINT state);
// Sets every owner-drawn item of the program's menus again, so that Windows, which keeps
// the sizes it measured, measures them anew (after a skin or the DPI changed them).
void RemeasureMenuItems();

// The play-macro item of macro `index` (0-9) becomes usable.
void EnableMacroMenuItem(int index);
// Enables the play-macro item of every macro the library holds.
void EnableRecordedMacroItems();

// Context menus at the cursor, owner the main window.
void ShowTabMenu();
void ShowEditorMenu();
// Menus under their toolbar buttons (the active document's language, the macros).
void ShowLanguageMenu();
void ShowMacroMenu();
