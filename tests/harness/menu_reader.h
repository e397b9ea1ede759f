// The items of a popup menu that another process tracks, read inside that process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
    UINT id = 0;
    UINT state = 0;       // as GetMenuState gives it: MF_CHECKED, MF_GRAYED, MF_SEPARATOR...
    std::string caption;  // "&open", say (an owner-drawn item's: the caption it carries as its data)
};

// The items of the menu shown by `menuWindow` (a "#32768" window of another process), in
// their order; empty when they could not be read.
std::vector<MenuItem> ReadMenu(HWND menuWindow);
// The item with command `id`, or null.
const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, UINT id);

} // namespace e2e
