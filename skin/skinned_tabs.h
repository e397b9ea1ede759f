// The document tab strip: a standard tab control whose drawing comes from the skin.
#pragma once

#include <windows.h>

// Creates the tab control as a child of `parent`; null on failure (the caller reports).
HWND CreateSkinnedTabs(HWND parent, int id);
