// The process-wide menu and toolbar skin data, read by the menu and toolbar drawing.
#pragma once

// Reloads `menu item.bmp`, `menu check.bmp`, `window menu.bmp` and the menu font from
// the main window's skin, whose [Menu] keys the loader has already read and validated.
void LoadMenuSkin();
// Reloads `toolbar.bmp` from the main window's skin.
void LoadToolbarSkin();
