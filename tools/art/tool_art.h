// The program's own pictures: the about picture (296 x 200) and the marker of favourites
// that open at start-up (11 x 13, on the see-through colour 255,0,255).
#pragma once

#include "skin/art/canvas.h"

#include <string>

namespace art {

constexpr int kAboutWidth = 296;
constexpr int kAboutHeight = 200;
constexpr int kMarkerWidth = 11;
constexpr int kMarkerHeight = 13;

Image AboutPicture(const std::string& version);
Image StartupMarker();

}  // namespace art
