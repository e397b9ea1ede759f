// The soft shadow of the About window, as arithmetic: how much each pixel of the
// 4-pixel right and bottom bands is darkened. Free of windows so it can be tested
// anywhere; the window applies it to what the screen shows behind it.
#pragma once

#include <cstdint>

namespace tools {

constexpr int kShadowBand = 4;

// Darkening amount (0-255) of the right band's column W - k (k = 1 the outermost) at row
// y of a composite H rows high; 0 leaves the pixel as it is.
int RightShadowAmount(int k, int y, int height);
// Darkening amount of the bottom band's row H - k at column x (the last four columns of
// the row belong to the right band).
int BottomShadowAmount(int k, int x);

// One colour component times (255 - amount) / 255, rounded half away from zero.
std::uint8_t DarkenComponent(std::uint8_t value, int amount);
// A 0x00BBGGRR colour with each of its components darkened.
std::uint32_t DarkenColour(std::uint32_t colour, int amount);

} // namespace tools

namespace tools {

constexpr int kAboutPictureWidth = 296;
constexpr int kAboutPictureHeight = 200;

// The About window's top-left corner: the picture centred on the screen (integer halves).
inline int AboutLeft(int screenWidth) { return (screenWidth - kAboutPictureWidth) / 2; }
inline int AboutTop(int screenHeight) { return (screenHeight - kAboutPictureHeight) / 2; }

} // namespace tools
