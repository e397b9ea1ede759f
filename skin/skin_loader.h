// Loading the skin of the main window and applying it to the window's parts.
#pragma once

#include <string>

// Loads the skin in `folder` (a folder under Skin\) into the main window's CSkin at
// start-up; false (after the loader's own message) when the skin was refused.
bool LoadMainWindowSkin(const std::string& folder);

// Loads the main window's skin again at `dpi` (0: the frame window's DPI as it is now):
// every bitmap, length and font of the skin at the new DPI, the frame, menus, toolbar,
// tabs and status bar redrawn. For WM_DPICHANGED, before the window takes its new size.
// False when no skin is loaded yet (nothing changes then).
bool ReloadMainWindowSkinForDpi(int dpi = 0);
