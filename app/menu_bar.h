// The toolbar that acts as the menu bar: opening its menus under their buttons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "app/command_table.h"  // the six menu-bar buttons, 700-705

// Opens the menu of the menu-bar button with this command (700-705): the File,
// Edit, Search and Help menus with their items grayed and checked for the active
// document, or the favourites and clipboard drop-downs.
void OpenMenuBarMenu(int command);
// Sets the items of a menu-bar menu for the active document before it opens.
void PrepareMenuBarMenu(int command);
// Command of the button whose menu is open (700-705), 0 while none is.
int OpenMenuBarButton();
// Shows the favourites (703) or clipboard (704) drop-down under a menu-bar button and
// returns when it closes. Replaceable (null restores the real drop-downs); answers the
// one in place before.
using DropDownOpener = void (*)(int command, const RECT& under);
DropDownOpener ReplaceDropDownOpener(DropDownOpener opener);
// Gives each menu-bar button the width its caption needs in the skin's menu font.
void FitMenuBarButtons();
// Paints the menu bar; returns the custom-draw answer.
LRESULT PaintMenuBar(NMTBCUSTOMDRAW* draw);
