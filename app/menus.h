// The eleven popup menus, built in code with owner-drawn items.
#pragma once

class MainWindow;

void BuildMenus(MainWindow& main);
void DestroyMenus(MainWindow& main);
