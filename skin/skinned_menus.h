// Owner-drawn menus, menu-bar and toolbar buttons painted from the skin. Without a
// loaded skin the items are measured and drawn plainly in the system colours.
#pragma once

#include <windows.h>
#include <commctrl.h>

// The flat-menu registry: every popup menu of the program, with the popup window the
// system creates for it. `owner` is subclassed ("CFlatMenusProc") once.
void RegisterFlatMenu(HWND owner, HMENU menu);
// The registered menu whose popup window this is; null for any other window.
HMENU FlatMenuOfPopup(HWND popup);
// Installs (once) the hook that catches the thread's popup-menu windows and gives the
// registered ones their flat skinned border.
void InstallSkinnedMenuHook();
void RemoveSkinnedMenuHook();

// The caption of a separator item (every owner-drawn item carries its caption as data).
constexpr const char* kSeparatorCaption = "-";
bool IsSeparatorCaption(const char* caption);

void MeasureMenuItem(MEASUREITEMSTRUCT* measure);
void DrawMenuItem(const DRAWITEMSTRUCT* draw);
// Draws one menu-bar button into `dc` at (0, 0): its row of `window menu.bmp` by state
// (CDIS_SELECTED pressed, CDIS_HOT hot) and its text.
void DrawMenuBarButton(HDC dc, int width, int height, UINT state, const char* text);
// Width a menu-bar button needs for its text in the menu font.
int MenuBarButtonWidth(const char* text);
// Paints one toolbar button; returns the custom-draw answer.
LRESULT DrawToolbarButton(NMTBCUSTOMDRAW* draw);
// Gives the toolbar's tooltip window the skin's tooltip colours.
void ColourToolbarTooltips(HWND tooltips);
