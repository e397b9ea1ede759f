// The status bar: a standard status-bar control whose painting comes from the skin.
#pragma once

#include <windows.h>

// Creates the status bar as a child of `parent`; null on failure. A failing image
// list is reported here; a failing window is reported by the caller.
HWND CreateSkinnedStatusBar(HWND parent, int id);

// Reloads `statusbar.bmp`, the [Statusbar] colour and font from the main window's skin
// (whose keys the loader has already read) and redraws.
void LoadStatusBarSkin();
