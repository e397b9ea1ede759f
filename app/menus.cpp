#include "app/menus.h"

#include "app/main_window.h"

// The items of each menu are added with the commands they carry.
void BuildMenus(MainWindow& main)
{
    for (HMENU& menu : main.menus)
        menu = CreatePopupMenu();
}

void DestroyMenus(MainWindow& main)
{
    for (HMENU& menu : main.menus) {
        if (menu)
            DestroyMenu(menu);
        menu = nullptr;
    }
}
