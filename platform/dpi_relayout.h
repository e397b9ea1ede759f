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

    // The DPI the window was first laid out at.
    void LaidOutAt(int dpiValue) { dpi_ = dpiValue; }
    // The DPI the window is laid out at now.
    int Dpi() const { return dpi_; }
    // Handles WM_DPICHANGED (wParam, lParam) for `window`: lays it out again at the new
    // DPI from the one it is at. The message's rectangle may be null: the window then keeps
    // its place and scales its size. `givenFontDpi` is the DPI the font the children were
    // given was made at (the font may follow another window's DPI); a font made here knows
    // its own.
    void Apply(HWND window, WPARAM wParam, LPARAM lParam, int givenFontDpi);

private:
    int dpi_ = 96;
    HFONT font_ = nullptr;  // made here; the children use it
    int fontDpi_ = 0;       // the DPI it was made at
};

} // namespace dpi
