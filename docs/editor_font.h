// The font shared by every editor control, created from the stored FONT value.
//
// A control may come to use a font of its own (its settings dialog); the shared
// font is then given up and the next control creates it anew. A given-up font may
// still be selected into older controls, so it is kept until the program ends.
#pragma once

#include <windows.h>

namespace editor_font {

// The current shared font, or null while none exists.
HFONT Current();
// Creates the shared font from a stored LOGFONTA; does nothing when one exists.
void CreateFrom(const LOGFONTA& font);
// The shared font is no longer the one to hand to new controls.
void GiveUp();
// Deletes the shared font and every given-up one (no control may use them any more).
void ReleaseAll();

} // namespace editor_font
