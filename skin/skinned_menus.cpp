#include "skin/skinned_menus.h"

// Filled in with the skinned menus.
void InstallSkinnedMenuHook() {}
void RemoveSkinnedMenuHook() {}
void MeasureMenuItem(MEASUREITEMSTRUCT*) {}
void DrawMenuItem(const DRAWITEMSTRUCT*) {}
LRESULT DrawToolbarButton(NMTBCUSTOMDRAW*) { return CDRF_DODEFAULT; }
void ColourToolbarTooltips(HWND) {}
