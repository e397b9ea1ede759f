// The toolbar that acts as the menu bar: opening its menus under their buttons.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Commands of the six menu-bar buttons.
constexpr int kFileButton = 700;
constexpr int kEditButton = 701;
constexpr int kSearchButton = 702;
constexpr int kFavouritesButton = 703;
constexpr int kClipboardButton = 704;
constexpr int kHelpButton = 705;

// Opens the menu of the menu-bar button with this command (700-705): the File,
// Edit, Search and Help menus with their items grayed and checked for the active
// document, or the favourites and clipboard drop-downs.
void OpenMenuBarMenu(int command);
// Sets the items of a menu-bar menu for the active document before it opens.
void PrepareMenuBarMenu(int command);
// Paints the menu bar; returns the custom-draw answer.
LRESULT PaintMenuBar(NMTBCUSTOMDRAW* draw);
