// Where the main window's tabs, active editor and status bar go for a client size.
#pragma once

#include "skin/skin_types.h"

// Lays out the parts for a client size, the editor inside the skin's editor margins.
void LayoutMainWindowParts(int width, int height, const skin::Margins& editorMargins);
