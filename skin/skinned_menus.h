// Owner-drawn menus, menu-bar and toolbar buttons painted from the skin.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Installs the hook that gives every popup menu of the thread its flat skinned border.
void InstallSkinnedMenuHook();
void RemoveSkinnedMenuHook();
void MeasureMenuItem(MEASUREITEMSTRUCT* measure);
void DrawMenuItem(const DRAWITEMSTRUCT* draw);
// Paints one toolbar button; returns the custom-draw answer.
LRESULT DrawToolbarButton(NMTBCUSTOMDRAW* draw);
// Gives the toolbar's tooltip window the skin's colours.
void ColourToolbarTooltips(HWND tooltips);
