// The scroll bars the control draws in its own client area: one vertical bar beside each
// row of panes and one horizontal bar below each column of panes, so every pane of a
// split view keeps bars of its own. A press on an arrow or on the track repeats while the
// button is held over it; the thumb follows the mouse. What a bar asks for reaches the
// host as the requests of WM_VSCROLL and WM_HSCROLL (SB_LINEUP ... SB_ENDSCROLL).
#pragma once

#include "corvex/engine/scroll_geometry.h"
#include "corvex/scroll_bar_look.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace corvex {

// The timer that repeats a held arrow or track press.
constexpr UINT_PTR kScrollBarTimer = 5;

class ScrollBarHost {
public:
    // `index` is the row of panes (vertical bars) or the column of panes (horizontal
    // ones); `thumbPosition` is given with SB_THUMBTRACK and SB_THUMBPOSITION.
    virtual void ScrollRequest(bool vertical, int index, WORD request, long long thumbPosition) = 0;

protected:
    ~ScrollBarHost() = default;
};

struct OwnScrollBar {
    bool vertical = true;
    int index = 1;
    RECT rect = {};
    ScrollRange range;
};

class OwnScrollBars {
public:
    OwnScrollBars(HWND window, ScrollBarHost& host);

    void SetLook(std::unique_ptr<ScrollBarLook> look);
    // The window's DPI: the look's thickness and the thumb's least length follow it.
    void SetDpi(UINT dpi);
    ScrollBarLook& Look() const { return *look_; }
    // The bars as now laid out (none: an empty list); what changed is drawn again.
    void Set(const std::vector<OwnScrollBar>& bars, const RECT& corner);
    bool Contains(POINT point) const;

    // Mouse input in client coordinates. ButtonDown is true when the point is on a bar;
    // the bar then holds the capture until the button is released.
    bool ButtonDown(POINT point);
    void MouseMove(POINT point);
    void ButtonUp();
    void Cancel();      // the capture went elsewhere
    void MouseLeave();
    void OnTimer();
    bool Tracking() const { return pressed_ != BarPart::None; }

    void Paint(HDC dc, const RECT& clip) const;

private:
    const OwnScrollBar* Find(bool vertical, int index) const;
    const OwnScrollBar* BarAt(POINT point) const;
    BarMetrics Metrics(const OwnScrollBar& bar) const;
    int Along(const OwnScrollBar& bar, POINT point) const;
    BarPart PartUnder(const OwnScrollBar& bar, POINT point) const;
    RECT PartRect(const OwnScrollBar& bar, BarSpan span) const;
    void Request(const OwnScrollBar& bar, BarPart part);
    void Invalidate(const OwnScrollBar* bar) const;
    BarPart EndPress();  // the press is over: returns the part that was held
    void PaintBar(HDC dc, const OwnScrollBar& bar) const;

    HWND window_;
    ScrollBarHost& host_;
    std::unique_ptr<ScrollBarLook> look_;
    std::vector<OwnScrollBar> bars_;
    RECT corner_ = {};
    UINT dpi_ = 96;

    // The press being held: which bar (by its place) and part, where the mouse is, and
    // for the thumb how far into it the mouse took hold, where along the bar, whether the
    // mouse has moved along it since, and the position the thumb stands for.
    bool pressedVertical_ = false;
    int pressedIndex_ = 0;
    BarPart pressed_ = BarPart::None;
    POINT mouse_ = {};
    int grab_ = 0;
    int pressedAlong_ = 0;
    bool thumbMoved_ = false;
    long long thumbPosition_ = 0;
    // The part under the mouse when nothing is held.
    bool hotVertical_ = false;
    int hotIndex_ = 0;
    BarPart hot_ = BarPart::None;
    bool leaveTracked_ = false;
};

} // namespace corvex
