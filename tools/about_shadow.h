// The soft shadow of the About window, as arithmetic: how much each pixel of the
// 4-pixel right and bottom bands is darkened. Free of windows so it can be tested
// anywhere; the window applies it to what the screen shows behind it.
#pragma once

#include "platform/dpi_scale.h"

#include <cstdint>

namespace tools {

constexpr int kShadowBand = 4;

// Darkening amount (0-255) of the right band's column W - k (k = 1 the outermost) at row
// y of a composite H rows high; 0 leaves the pixel as it is.
int RightShadowAmount(int k, int y, int height);
// Darkening amount of the bottom band's row H - k at column x (the last four columns of
// the row belong to the right band).
int BottomShadowAmount(int k, int x);

// The bands at `dpi`: kShadowBand pixels wide at 96 DPI, scaled. A pixel of a scaled band
// is darkened as the design pixel it covers (k, x, y and the height taken back to 96 DPI);
// at 96 DPI these are the functions above.
int ShadowBandAt(int dpiValue);
int RightShadowAmountAt(int k, int y, int height, int dpiValue);
int BottomShadowAmountAt(int k, int x, int dpiValue);

// One colour component times (255 - amount) / 255, rounded half away from zero.
std::uint8_t DarkenComponent(std::uint8_t value, int amount);
// A 0x00BBGGRR colour with each of its components darkened.
std::uint32_t DarkenColour(std::uint32_t colour, int amount);

} // namespace tools

namespace tools {

constexpr int kAboutPictureWidth = 296;
constexpr int kAboutPictureHeight = 200;

// The About window's top-left corner: the picture centred on the screen (integer halves).
inline int AboutLeft(int screenWidth, int pictureWidth = kAboutPictureWidth) { return (screenWidth - pictureWidth) / 2; }
inline int AboutTop(int screenHeight, int pictureHeight = kAboutPictureHeight)
{
    return (screenHeight - pictureHeight) / 2;
}

} // namespace tools
