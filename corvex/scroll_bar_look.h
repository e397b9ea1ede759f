// How the control's own scroll bars look: drawn from a skin's two bitmaps, or as the
// system draws its scroll bars. The bars' geometry and mouse handling (own_scroll_bars)
// do not depend on which.
//
// A skin's bitmaps are cells of one size T, the bars' thickness:
//   v scrollbar.bmp  3T wide, 4T high: columns normal, hot, pressed; rows up arrow,
//                    track, down arrow, thumb.
//   h scrollbar.bmp  4T wide, 3T high: columns left arrow, track, right arrow, thumb;
//                    rows normal, hot, pressed.
// The track cell is stretched along the bar; the thumb cell keeps a third of its length
// at each end and stretches its middle. The cells are designed at 96 DPI: at another DPI
// the bars are T scaled thick, the cells drawn scaled (whole factors by repeating
// pixels, others smoothly).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace corvex {

enum class PartState { Normal, Hot, Pressed, Disabled };

class ScrollBarLook {
public:
    virtual ~ScrollBarLook() = default;
    // The DPI the bars are drawn at (96 until told).
    void SetDpi(UINT dpi) { dpi_ = dpi ? dpi : 96; }
    virtual int Thickness(bool vertical) const = 0;
    // `forward` is the down (or right) arrow.
    virtual void DrawArrow(HDC dc, const RECT& rect, bool vertical, bool forward, PartState state) = 0;
    virtual void DrawTrack(HDC dc, const RECT& rect, bool vertical, PartState state) = 0;
    virtual void DrawThumb(HDC dc, const RECT& rect, bool vertical, PartState state) = 0;
    // The square where a vertical and a horizontal bar meet.
    virtual void DrawCorner(HDC dc, const RECT& rect) = 0;

protected:
    UINT dpi_ = 96;
};

// The system's scroll bars: the visual style's when one is active, else the classic look.
std::unique_ptr<ScrollBarLook> MakeSystemScrollBarLook(HWND window);
// The skin in `folder` (with or without a trailing backslash); null when either bitmap
// is missing or not laid out as above.
std::unique_ptr<ScrollBarLook> LoadSkinScrollBarLook(const std::string& folder);

} // namespace corvex
