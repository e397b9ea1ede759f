#include "app/menu_bar.h"

// Filled in with the menu bar's tracking and its skinned buttons.
void OpenMenuBarMenu(int) {}
LRESULT PaintMenuBar(NMTBCUSTOMDRAW*) { return CDRF_DODEFAULT; }
