// Loading the skin of the main window and applying it to the window's parts.
#pragma once

#include <string>

// Loads the skin in `folder` (a folder under Skin\) into the main window's CSkin at
// start-up; false (after the loader's own message) when the skin was refused.
bool LoadMainWindowSkin(const std::string& folder);
