// The document tab strip: a standard tab control whose drawing comes from the skin.
#pragma once

#include <windows.h>

// Creates the tab control as a child of `parent`; null on failure (the caller reports).
HWND CreateSkinnedTabs(HWND parent, int id);

// Reloads the tab bitmaps, colours and font from the main window's skin (whose [Tabs]
// keys the loader has already read) and redraws; `backgroundKey` is the skin's key colour.
void LoadTabSkin(COLORREF backgroundKey);
