// Handing a loaded skin to the parts of the main window drawn from it.
#pragma once

#include <windows.h>

// Reads the menu, tab and status-bar keys of the main window's skin and asks the menus,
// the toolbar, the tabs and the status bar to reload their skin data; then the frame's
// host and the listeners bring their own parts in line.
void ApplySkinToParts();

// Parts drawn from the skin that live outside the skin engine (the drop-downs) ask to be
// told when a skin has been applied. Adding the same listener twice keeps one.
using SkinAppliedListener = void (*)();
void AddSkinAppliedListener(SkinAppliedListener listener);
