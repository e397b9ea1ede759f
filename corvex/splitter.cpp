// The horizontal split: with the horizontal splitter option on, a small box at the top
// right of the text can be dragged down to split the view into two panes on the same
// document. The lower pane is the main one (caret, scroll bars, keyboard); the upper one
// keeps its own first line, scrolls with the wheel and places the caret on a click.
// Dragging the bar back to the top (or the bottom) ends the split.
#include "corvex/editor.h"

#include <algorithm>

namespace corvex {
namespace {

constexpr int kBoxWidth = 16;

} // namespace

RECT Editor::SplitBoxRect() const
{
    if (splitY_ || !options_.horizontalSplitter)
        return RECT{0, 0, 0, 0};
    return RECT{clientWidth_ - kBoxWidth, 0, clientWidth_, kSplitBarHeight};
}

bool Editor::OverSplitter(POINT point) const
{
    if (splitY_)
        return point.y >= splitY_ && point.y < splitY_ + kSplitBarHeight;
    const RECT box = SplitBoxRect();
    return PtInRect(&box, point) != FALSE;
}

void Editor::DragSplitter(int y)
{
    const int limit = clientHeight_ - kSplitBarHeight - lineHeight_;
    const int at = std::clamp(y - kSplitBarHeight / 2, 0, std::max(0, limit));
    if (!splitY_ && at > 0)
        upperTop_ = topLine_;
    if (at == splitY_)
        return;
    splitY_ = at;
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::EndSplitterDrag()
{
    draggingSplitter_ = false;
    if (GetCapture() == window_)
        ReleaseCapture();
    if (splitY_ < lineHeight_ || splitY_ > clientHeight_ - kSplitBarHeight - 2 * lineHeight_)
        Unsplit();
}

void Editor::Unsplit()
{
    if (!splitY_)
        return;
    splitY_ = 0;
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::PaintSplitter(HDC dc)
{
    RECT bar = splitY_ ? RECT{0, splitY_, clientWidth_, splitY_ + kSplitBarHeight} : SplitBoxRect();
    if (bar.right <= bar.left)
        return;
    SetBkColor(dc, options_.splitter);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bar, nullptr, 0, nullptr);
    HBRUSH border = CreateSolidBrush(options_.splitterBorder);
    FrameRect(dc, &bar, border);
    DeleteObject(border);
}

void Editor::InvalidateUpperPane()
{
    if (!splitY_)
        return;
    const RECT upper = {0, 0, clientWidth_, splitY_};
    InvalidateRect(window_, &upper, FALSE);
}

bool Editor::UpperPaneClick(POINT point)
{
    if (!splitY_ || point.y >= splitY_)
        return false;
    const long long line = std::min<long long>(static_cast<long long>(upperTop_) + point.y / lineHeight_,
                                               static_cast<long long>(Text().lineCount()) - 1);
    MoveCaret(offsetOfColumn(Text(), static_cast<std::size_t>(line), ColumnAtX(point.x), options_.tabWidth(), Utf8()),
              false);
    return true;
}

bool Editor::UpperPaneWheel(int delta)
{
    if (!splitY_)
        return false;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    if (point.y >= splitY_)
        return false;
    const long long step = 3LL * (delta / WHEEL_DELTA ? delta / WHEEL_DELTA : (delta > 0 ? 1 : -1));
    const long long last = static_cast<long long>(Text().lineCount()) - 1;
    upperTop_ = static_cast<std::size_t>(std::clamp<long long>(static_cast<long long>(upperTop_) - step, 0, last));
    InvalidateUpperPane();
    return true;
}

} // namespace corvex
