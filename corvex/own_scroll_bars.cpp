#include "corvex/own_scroll_bars.h"

#include "corvex/engine/dpi_length.h"

#include <algorithm>

namespace corvex {
namespace {

constexpr UINT kFirstRepeat = 350;  // ms before a held press repeats
constexpr UINT kRepeat = 50;

bool Touches(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool SameBar(const OwnScrollBar& a, const OwnScrollBar& b)
{
    return a.vertical == b.vertical && a.index == b.index && EqualRect(&a.rect, &b.rect) && a.range == b.range;
}

WORD RequestFor(BarPart part)
{
    switch (part) {
    case BarPart::ArrowBack: return SB_LINEUP;
    case BarPart::ArrowForward: return SB_LINEDOWN;
    case BarPart::PageBack: return SB_PAGEUP;
    case BarPart::PageForward: return SB_PAGEDOWN;
    default: return SB_ENDSCROLL;
    }
}

} // namespace

OwnScrollBars::OwnScrollBars(HWND window, ScrollBarHost& host)
    : window_(window), host_(host), look_(MakeSystemScrollBarLook(window))
{
}

void OwnScrollBars::SetLook(std::unique_ptr<ScrollBarLook> look)
{
    look_ = look ? std::move(look) : MakeSystemScrollBarLook(window_);
    look_->SetDpi(dpi_);
    for (const OwnScrollBar& bar : bars_)
        Invalidate(&bar);
    InvalidateRect(window_, &corner_, FALSE);
}

void OwnScrollBars::SetDpi(UINT dpi)
{
    dpi_ = dpi;
    look_->SetDpi(dpi);
}

void OwnScrollBars::Set(const std::vector<OwnScrollBar>& bars, const RECT& corner)
{
    for (const OwnScrollBar& bar : bars) {
        const OwnScrollBar* before = Find(bar.vertical, bar.index);
        if (!before || !SameBar(*before, bar)) {
            Invalidate(before);
            Invalidate(&bar);
        }
    }
    for (const OwnScrollBar& bar : bars_) {
        const bool kept = std::any_of(bars.begin(), bars.end(), [&](const OwnScrollBar& now) {
            return now.vertical == bar.vertical && now.index == bar.index;
        });
        if (!kept)
            Invalidate(&bar);
    }
    if (!EqualRect(&corner, &corner_)) {
        InvalidateRect(window_, &corner_, FALSE);
        InvalidateRect(window_, &corner, FALSE);
    }
    bars_ = bars;
    corner_ = corner;
    if (Tracking() && !Find(pressedVertical_, pressedIndex_))
        Cancel();
}

const OwnScrollBar* OwnScrollBars::Find(bool vertical, int index) const
{
    for (const OwnScrollBar& bar : bars_)
        if (bar.vertical == vertical && bar.index == index)
            return &bar;
    return nullptr;
}

const OwnScrollBar* OwnScrollBars::BarAt(POINT point) const
{
    for (const OwnScrollBar& bar : bars_)
        if (PtInRect(&bar.rect, point))
            return &bar;
    return nullptr;
}

bool OwnScrollBars::Contains(POINT point) const { return BarAt(point) || PtInRect(&corner_, point); }

BarMetrics OwnScrollBars::Metrics(const OwnScrollBar& bar) const
{
    const int thickness = bar.vertical ? bar.rect.right - bar.rect.left : bar.rect.bottom - bar.rect.top;
    const int length = bar.vertical ? bar.rect.bottom - bar.rect.top : bar.rect.right - bar.rect.left;
    return BarMetrics{length, thickness, std::max(ScaleLength(8, dpi_), thickness / 2)};
}

int OwnScrollBars::Along(const OwnScrollBar& bar, POINT point) const
{
    return bar.vertical ? point.y - bar.rect.top : point.x - bar.rect.left;
}

BarPart OwnScrollBars::PartUnder(const OwnScrollBar& bar, POINT point) const
{
    if (!PtInRect(&bar.rect, point))
        return BarPart::None;
    return PartAt(Metrics(bar), bar.range, Along(bar, point));
}

RECT OwnScrollBars::PartRect(const OwnScrollBar& bar, BarSpan span) const
{
    RECT rect = bar.rect;
    if (bar.vertical) {
        rect.top = bar.rect.top + span.start;
        rect.bottom = bar.rect.top + span.end;
    } else {
        rect.left = bar.rect.left + span.start;
        rect.right = bar.rect.left + span.end;
    }
    return rect;
}

void OwnScrollBars::Invalidate(const OwnScrollBar* bar) const
{
    if (bar)
        InvalidateRect(window_, &bar->rect, FALSE);
}

void OwnScrollBars::Request(const OwnScrollBar& bar, BarPart part)
{
    host_.ScrollRequest(bar.vertical, bar.index, RequestFor(part), 0);
}

bool OwnScrollBars::ButtonDown(POINT point)
{
    if (PtInRect(&corner_, point))
        return true;
    const OwnScrollBar* bar = BarAt(point);
    if (!bar)
        return false;
    const BarPart part = PartUnder(*bar, point);
    if (part == BarPart::None || !Scrollable(bar->range))
        return true;
    pressedVertical_ = bar->vertical;
    pressedIndex_ = bar->index;
    pressed_ = part;
    mouse_ = point;
    SetCapture(window_);
    Invalidate(bar);
    if (part == BarPart::Thumb) {
        grab_ = Along(*bar, point) - PartSpan(Metrics(*bar), bar->range, BarPart::Thumb).start;
        pressedAlong_ = Along(*bar, point);
        thumbMoved_ = false;
        thumbPosition_ = bar->range.pos;
        return true;
    }
    const bool vertical = bar->vertical;
    const int index = bar->index;
    Request(*bar, part);  // may lay the bars out again
    if (Find(vertical, index))
        SetTimer(window_, kScrollBarTimer, kFirstRepeat, nullptr);
    return true;
}

void OwnScrollBars::MouseMove(POINT point)
{
    if (!Tracking()) {
        const OwnScrollBar* bar = BarAt(point);
        const BarPart part = bar ? PartUnder(*bar, point) : BarPart::None;
        const bool vertical = bar && bar->vertical;
        const int index = bar ? bar->index : 0;
        if (part != hot_ || vertical != hotVertical_ || index != hotIndex_) {
            Invalidate(Find(hotVertical_, hotIndex_));  // the bar that was hot
            hot_ = part;
            hotVertical_ = vertical;
            hotIndex_ = index;
            Invalidate(bar);
        }
        if (bar && !leaveTracked_) {
            TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window_, 0};
            leaveTracked_ = TrackMouseEvent(&track) != FALSE;
        }
        return;
    }
    const POINT before = mouse_;
    mouse_ = point;
    const OwnScrollBar* bar = Find(pressedVertical_, pressedIndex_);
    if (!bar)
        return;
    if (pressed_ != BarPart::Thumb) {
        // The pressed part shows pressed only while the mouse is over it.
        if ((PartUnder(*bar, before) == pressed_) != (PartUnder(*bar, point) == pressed_))
            Invalidate(bar);
        return;
    }
    // A pixel of a long range stands for many positions: until the mouse moves along the
    // bar the view stays where it was.
    if (!thumbMoved_) {
        if (Along(*bar, point) == pressedAlong_)
            return;
        thumbMoved_ = true;
    }
    const long long position = PositionForThumb(Metrics(*bar), bar->range, Along(*bar, point) - grab_);
    if (position != thumbPosition_) {
        thumbPosition_ = position;
        host_.ScrollRequest(bar->vertical, bar->index, SB_THUMBTRACK, position);
    }
}

BarPart OwnScrollBars::EndPress()
{
    const BarPart part = pressed_;
    pressed_ = BarPart::None;
    KillTimer(window_, kScrollBarTimer);
    Invalidate(Find(pressedVertical_, pressedIndex_));
    return part;
}

void OwnScrollBars::ButtonUp()
{
    if (!Tracking())
        return;
    const BarPart part = EndPress();
    if (GetCapture() == window_)
        ReleaseCapture();
    if (!Find(pressedVertical_, pressedIndex_))
        return;
    if (part == BarPart::Thumb)
        host_.ScrollRequest(pressedVertical_, pressedIndex_, SB_THUMBPOSITION, thumbPosition_);
    host_.ScrollRequest(pressedVertical_, pressedIndex_, SB_ENDSCROLL, 0);
    // What is under the mouse now is hot (nothing was while the press was held).
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    MouseMove(cursor);
}

void OwnScrollBars::Cancel()
{
    if (!Tracking())
        return;
    EndPress();
    host_.ScrollRequest(pressedVertical_, pressedIndex_, SB_ENDSCROLL, 0);
}

void OwnScrollBars::MouseLeave()
{
    leaveTracked_ = false;
    if (hot_ != BarPart::None) {
        hot_ = BarPart::None;
        Invalidate(Find(hotVertical_, hotIndex_));
    }
}

void OwnScrollBars::OnTimer()
{
    SetTimer(window_, kScrollBarTimer, kRepeat, nullptr);
    const OwnScrollBar* bar = Find(pressedVertical_, pressedIndex_);
    if (!Tracking() || pressed_ == BarPart::Thumb || !bar) {
        KillTimer(window_, kScrollBarTimer);
        return;
    }
    // A held track press pages until the thumb reaches the mouse.
    if (PartUnder(*bar, mouse_) == pressed_)
        Request(*bar, pressed_);
}

void OwnScrollBars::Paint(HDC dc, const RECT& clip) const
{
    for (const OwnScrollBar& bar : bars_)
        if (Touches(bar.rect, clip))
            PaintBar(dc, bar);
    if (Touches(corner_, clip))
        look_->DrawCorner(dc, corner_);
}

void OwnScrollBars::PaintBar(HDC dc, const OwnScrollBar& bar) const
{
    const BarMetrics metrics = Metrics(bar);
    const bool pressedBar = Tracking() && bar.vertical == pressedVertical_ && bar.index == pressedIndex_;
    const bool hotBar = !Tracking() && bar.vertical == hotVertical_ && bar.index == hotIndex_;
    const bool scrollable = Scrollable(bar.range);
    // While the thumb is dragged it is drawn where the mouse holds it.
    ScrollRange range = bar.range;
    if (pressedBar && pressed_ == BarPart::Thumb)
        range.pos = thumbPosition_;
    auto state = [&](BarPart part) {
        if (!scrollable)
            return part == BarPart::ArrowBack || part == BarPart::ArrowForward ? PartState::Disabled : PartState::Normal;
        if (pressedBar && pressed_ == part && (part == BarPart::Thumb || PartUnder(bar, mouse_) == part))
            return PartState::Pressed;
        return hotBar && hot_ == part ? PartState::Hot : PartState::Normal;
    };
    auto rect = [&](BarPart part) { return PartRect(bar, PartSpan(metrics, range, part)); };
    look_->DrawArrow(dc, rect(BarPart::ArrowBack), bar.vertical, false, state(BarPart::ArrowBack));
    for (BarPart part : {BarPart::PageBack, BarPart::PageForward}) {
        const RECT track = rect(part);
        if (track.right > track.left && track.bottom > track.top)
            look_->DrawTrack(dc, track, bar.vertical, state(part));
    }
    const RECT thumb = rect(BarPart::Thumb);
    if (thumb.right > thumb.left && thumb.bottom > thumb.top)
        look_->DrawThumb(dc, thumb, bar.vertical, state(BarPart::Thumb));
    look_->DrawArrow(dc, rect(BarPart::ArrowForward), bar.vertical, true, state(BarPart::ArrowForward));
}

} // namespace corvex
