// A window laid out once at its DPI (a dialog built from a table of 96-DPI places) laid
// out again when it moves to a screen of another scaling: every child, at any depth,
// keeps its place and size in proportion, the children's font is made again at the new
// DPI, and the window takes the rectangle Windows suggests.
#pragma once

#include <windows.h>

namespace dpi {

class Relayout {
public:
    Relayout() = default;
    ~Relayout();
    Relayout(const Relayout&) = delete;
    Relayout& operator=(const Relayout&) = delete;

    // Handles WM_DPICHANGED for `window`, which was laid out at `oldDpi`. `suggested` is
    // the message's rectangle (may be null: the window keeps its place and scales its size).
    // `givenFontDpi` is the DPI the font the children were given was made at (the font
    // may follow another window's DPI); a font made here knows its own.
    void Apply(HWND window, int oldDpi, int newDpi, const RECT* suggested, int givenFontDpi);

private:
    HFONT font_ = nullptr;  // made here; the children use it
    int fontDpi_ = 0;       // the DPI it was made at
};

} // namespace dpi
