// The toolbar that acts as the menu bar: opening its menus under their buttons.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Opens the menu of the menu-bar button with this command (700-705).
void OpenMenuBarMenu(int command);
// Paints the menu bar; returns the custom-draw answer.
LRESULT PaintMenuBar(NMTBCUSTOMDRAW* draw);
