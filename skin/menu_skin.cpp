#include "skin/menu_skin.h"

// Filled in with the skinned menus and toolbar; until then they keep the plain look.
void LoadMenuSkin() {}
void LoadToolbarSkin() {}
