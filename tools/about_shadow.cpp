#include "tools/about_shadow.h"

namespace tools {
namespace {

// The fading ends of a band: (step) x k x 6.3; the band's body: k x 28.4. Truncated.
int Fade(int step, int k) { return static_cast<int>(step * k * 6.3); }
int Body(int k) { return static_cast<int>(k * 28.4); }

} // namespace

int RightShadowAmount(int k, int y, int height)
{
    if (y < 4)
        return 0;
    if (y < 8)
        return Fade(y - 3, k);
    if (y <= height - 5)
        return Body(k);
    return Fade(height - y, k);
}

int BottomShadowAmount(int k, int x)
{
    if (x < 4)
        return 0;
    if (x < 8)
        return Fade(x - 3, k);
    return Body(k);
}

namespace {

// Band column k (1 the outermost) of a band scaled to `dpi` as a design column.
int DesignBandColumn(int k, int dpiValue)
{
    const int band = ShadowBandAt(dpiValue);
    return band <= kShadowBand ? k : (k - 1) * kShadowBand / band + 1;
}

// The design pixel that pixel i of a length scaled to `dpi` lies in.
int DesignIndex(int i, int dpiValue) { return i * dpi::kDesignDpi / dpiValue; }

} // namespace

int ShadowBandAt(int dpiValue) { return dpi::Scale(kShadowBand, dpiValue); }

int RightShadowAmountAt(int k, int y, int height, int dpiValue)
{
    if (dpiValue <= 0 || dpiValue == dpi::kDesignDpi)
        return RightShadowAmount(k, y, height);
    return RightShadowAmount(DesignBandColumn(k, dpiValue), DesignIndex(y, dpiValue),
                             dpi::Unscale(height, dpiValue));
}

int BottomShadowAmountAt(int k, int x, int dpiValue)
{
    if (dpiValue <= 0 || dpiValue == dpi::kDesignDpi)
        return BottomShadowAmount(k, x);
    return BottomShadowAmount(DesignBandColumn(k, dpiValue), DesignIndex(x, dpiValue));
}

std::uint8_t DarkenComponent(std::uint8_t value, int amount)
{
    if (amount <= 0)
        return value;
    if (amount > 255)
        amount = 255;
    const int product = value * (255 - amount);
    return static_cast<std::uint8_t>((2 * product + 255) / (2 * 255));
}

std::uint32_t DarkenColour(std::uint32_t colour, int amount)
{
    const auto r = DarkenComponent(static_cast<std::uint8_t>(colour & 0xFF), amount);
    const auto g = DarkenComponent(static_cast<std::uint8_t>((colour >> 8) & 0xFF), amount);
    const auto b = DarkenComponent(static_cast<std::uint8_t>((colour >> 16) & 0xFF), amount);
    return r | (g << 8) | (static_cast<std::uint32_t>(b) << 16);
}

} // namespace tools
