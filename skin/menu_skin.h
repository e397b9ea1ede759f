// The process-wide menu and toolbar skin data, read by the menu and toolbar drawing
// (which also runs from the menu hook, so the values live outside any window object).
#pragma once

#include "skin/skin_bitmap.h"

#include <windows.h>

// Columns of `toolbar.bmp`, one per toolbar button in the order of the bar.
constexpr int kToolbarColumns = 16;

struct MenuSkin {
    CSkinBitmap item;        // `menu item.bmp`: normal row, selected row
    CSkinBitmap check;       // `menu check.bmp`: mark of a normal item, of a selected item
    CSkinBitmap windowMenu;  // `window menu.bmp`: normal, pressed, hot
    CSkinBitmap toolbar;     // `toolbar.bmp`: 16 columns; normal, pressed, hot
    POINT text = {}, windowMenuText = {}, checkAt = {};
    int leftWidth = 0, rightWidth = 0, middleWidth = 0;
    int windowMenuLeftWidth = 0, windowMenuRightWidth = 0, windowMenuMiddleWidth = 0;
    COLORREF border = 0, back = 0, border2 = 0, selection = 0;
    COLORREF textNormal = 0, textSelected = 0, textDisabled = 0;
    HFONT font = nullptr;
    bool loaded = false;  // a skin has been applied
    // Given by the program: its UI font, which measures and draws the items without a
    // skin, and where a hot toolbar button shows its description.
    HFONT uiFont = nullptr;
    void (*showHint)(const wchar_t* text) = nullptr;
};

MenuSkin& Menus();

// Reloads `menu item.bmp`, `menu check.bmp`, `window menu.bmp`, the [Menu] values and
// the menu font from the main window's skin, whose [Menu] keys the loader has read.
void LoadMenuSkin();
// Reloads `toolbar.bmp` from the main window's skin.
void LoadToolbarSkin();
// Deletes the font in `slot` (when any) and keeps `font` there instead.
void ReplaceSkinFont(HFONT& slot, HFONT font);
// Deletes the menu font (at exit).
void ReleaseMenuFont();
