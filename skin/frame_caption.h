// Placement of the caption text on the frame for each title-bar side and alignment.
#pragma once

#include <string_view>

#include "skin/frame_geometry.h"
#include "skin/skin_types.h"

namespace skin {

enum class CaptionAlignment { Left, Right, Center, Top, Bottom };

// "alignleft", "alignright", "aligncenter", "aligntop" or "alignbottom" (lower case).
// Any other keyword, the status corner keywords included, places the caption as
// "alignleft" does.
CaptionAlignment ParseCaptionAlignment(std::string_view keyword);

// Where the caption text starts (the shadow goes one pixel right and down of it), for a
// text measured as `text` (unrotated width and height) in a window of size `window`, with
// the skin's TextX, TextY added as `offset`.
Point CaptionTextOrigin(CaptionAlignment alignment, TitleBarSide side, Size window, Size text, Point offset);

// Escapement and orientation of the caption font in tenths of a degree: 0 for a top or
// bottom title bar, 900 (running upward) on the left, 2700 (running downward) on the right.
int CaptionEscapement(TitleBarSide side);

}  // namespace skin
