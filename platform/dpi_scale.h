// Design lengths and the screen's resolution. Every length the program lays out (a
// margin, a button, a row, a skin's bitmap) is designed at 96 dots per inch and drawn
// at the window's: a 20-pixel button is 30 pixels at 144 DPI and 40 at 192. Windows-free,
// so the layout code that uses it builds and is tested natively.
#pragma once

namespace dpi {

constexpr int kDesignDpi = 96;

// A 96-DPI length at `dpi`, rounded to the nearest pixel (halves away from zero, as
// MulDiv does); the identity at 96 DPI. A dpi of 0 (not known) counts as 96.
constexpr int Scale(int length, int dpi)
{
    if (dpi <= 0 || dpi == kDesignDpi)
        return length;
    const long long scaled = static_cast<long long>(length) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kDesignDpi / 2) / kDesignDpi
                                        : -((-scaled + kDesignDpi / 2) / kDesignDpi));
}

// The other way: a length on the screen at `dpi` as a 96-DPI length.
constexpr int Unscale(int length, int dpi)
{
    if (dpi <= 0 || dpi == kDesignDpi)
        return length;
    const long long scaled = static_cast<long long>(length) * kDesignDpi;
    return static_cast<int>(scaled >= 0 ? (scaled + dpi / 2) / dpi : -((-scaled + dpi / 2) / dpi));
}

// Whether `dpi` is a whole multiple of 96 (100 %, 200 %, 300 %): bitmaps are then scaled
// by repeating pixels, which keeps their edges crisp.
constexpr bool WholeFactor(int dpi) { return dpi > 0 && dpi % kDesignDpi == 0; }

} // namespace dpi
