// The items of a popup menu that another process tracks, read inside that process.
#pragma once

#include "tests/harness/menu_page.h"

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

// Watches the popup menus a window's thread opens, from the watcher's making: a menu the
// system closes again at once is seen too.
class MenuOpenings {
public:
    explicit MenuOpenings(HWND window);
    ~MenuOpenings();
    MenuOpenings(const MenuOpenings&) = delete;
    MenuOpenings& operator=(const MenuOpenings&) = delete;
    bool Watching() const { return hook_ != nullptr; }
    int Count() const;
    int LoopsEnded() const;
    // The command of the first item of the menu opened `index`-th (from 0), or 0.
    UINT FirstItemOf(int index) const;

private:
    HANDLE mapping_ = nullptr;
    const MenuWatch* watch_ = nullptr;
    HHOOK hook_ = nullptr;
};

} // namespace e2e
