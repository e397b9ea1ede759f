// The program's own pictures: the about picture (296 x 200), the marker of favourites
// that open at start-up (11 x 13, on the see-through colour 255,0,255), the glyph of
// the Explorer extension's menu item (13 x 13) and the picture at the side of the
// setup's first and last pages (164 x 314).
#pragma once

#include "skin/art/canvas.h"

#include <string>

namespace art {

constexpr int kAboutWidth = 296;
constexpr int kAboutHeight = 200;
constexpr int kMarkerWidth = 11;
constexpr int kMarkerHeight = 13;
constexpr int kGlyphSize = 13;
constexpr int kSetupSideWidth = 164;
constexpr int kSetupSideHeight = 314;

Image AboutPicture(const std::string& version);
// The small pictures come at 100 %, 150 % and 200 % of their size (rounded to whole pixels).
constexpr int kArtPercents[] = {100, 150, 200};
// The length of a picture at `percent`.
int ScaledLength(int length, int percent);

Image StartupMarker(int percent = 100);
// The Explorer menu item's bitmap: a small quill on the menu's white.
Image MenuGlyph(int percent = 100);
// The setup's welcome and finish pages: the about picture's quill and name, standing.
Image SetupSidePicture();

}  // namespace art
