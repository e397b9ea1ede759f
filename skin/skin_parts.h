// Handing a loaded skin to the parts of the main window drawn from it.
#pragma once

#include <windows.h>

// Reads the menu, tab and status-bar keys of the main window's skin and asks the menus,
// the toolbar, the tabs and the status bar to reload their skin data, then gives the
// open documents' editors the skin's colours.
void ApplySkinToParts();
