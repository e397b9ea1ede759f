// Loading the skin of the main window and applying it to the window's parts.
#pragma once

#include <windows.h>
#include <string>

// Loads the skin in `folder` (a folder under Skin\) and applies it to the main
// window; false (after the loader's own message) when the skin cannot be used.
bool LoadMainWindowSkin(const std::string& folder);
// Lays out the tabs, the active editor and the status bar for a client size.
void LayoutMainWindowParts(int width, int height);
