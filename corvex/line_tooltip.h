// While the vertical thumb is dragged, a tooltip beside it names the line that will be
// at the top of the view.
#pragma once

#include <windows.h>

#include <cstddef>

namespace corvex {

class LineTooltip {
public:
    explicit LineTooltip(HWND owner) : owner_(owner) {}
    ~LineTooltip();
    LineTooltip(const LineTooltip&) = delete;
    LineTooltip& operator=(const LineTooltip&) = delete;

    // `number`: the line's number as shown.
    void Show(long long number, COLORREF text, COLORREF background);
    void Hide();
    void SetColours(COLORREF text, COLORREF background);
    // The owner's DPI: the tip's place and, where it differs from the system's, its font.
    void SetDpi(UINT dpi);

private:
    void ApplyFont();

    HWND owner_;
    HWND tooltip_ = nullptr;
    UINT dpi_ = 96;
    HFONT font_ = nullptr;  // the tip's font at dpi_ (none: the system's serves)
    HFONT ownFont_ = nullptr;  // the tip control's own font, taken back at the system's DPI
};

} // namespace corvex
