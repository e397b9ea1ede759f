// The splits. With the horizontal splitter option on, a small box at the top right of the
// text can be dragged down to split the view into an upper and a lower row; with the
// vertical splitter option on, a box at the bottom left can be dragged right to split it
// into a left and a right column. Both make four panes on the same document: the panes
// of a row share its first line, the panes of a column share its first column.
//
// One pane is active: it has the caret and the keyboard, and its first
// line and column are topLine_ and leftColumn_, so the mapping between pixels and text
// works on it unchanged. A click in another pane makes that one active (the first line
// and column trade places with otherTop_/otherLeft_). The wheel scrolls the pane under
// the mouse. Dragging a bar back to its edge, or turning its option off, ends that split.
#include "corvex/editor.h"

#include <algorithm>
#include <utility>

namespace corvex {
namespace {

constexpr int kBoxLength = 16;

} // namespace

void Editor::ActivatePane(int row, int column)
{
    if (!splitY_)
        row = 1;
    if (!splitX_)
        column = 1;
    if (row == activeRow_ && column == activeColumn_)
        return;
    if (row != activeRow_)
        TradeRows();
    if (column != activeColumn_)
        TradeColumns();
    UpdateScrollBars();
    PlaceCaret();
}

void Editor::TradeRows()
{
    std::swap(topLine_, otherTop_);
    std::swap(topRow_, otherTopRow_);
    activeRow_ = 1 - activeRow_;
}

void Editor::TradeColumns()
{
    std::swap(leftColumn_, otherLeft_);
    activeColumn_ = 1 - activeColumn_;
}

RECT Editor::SplitBoxRect() const
{
    if (splitY_ || !options_.horizontalSplitter)
        return RECT{0, 0, 0, 0};
    return RECT{AreaRight() - kBoxLength, 0, AreaRight(), kSplitBarSize};
}

RECT Editor::ColumnSplitBoxRect() const
{
    if (splitX_ || !options_.verticalSplitter)
        return RECT{0, 0, 0, 0};
    return RECT{0, AreaBottom() - kBoxLength, kSplitBarSize, AreaBottom()};
}

int Editor::SplitterAt(POINT point) const
{
    if (splitY_ && point.y >= splitY_ && point.y < splitY_ + kSplitBarSize)
        return 1;
    if (splitX_ && point.x >= splitX_ && point.x < splitX_ + kSplitBarSize)
        return 2;
    const RECT box = SplitBoxRect(), columnBox = ColumnSplitBoxRect();
    if (PtInRect(&box, point))
        return 1;
    if (PtInRect(&columnBox, point))
        return 2;
    return 0;
}

void Editor::DragSplitter(POINT point)
{
    if (draggingSplitter_ == 1) {
        const int limit = AreaBottom() - kSplitBarSize - lineHeight_;
        const int at = std::clamp(static_cast<int>(point.y) - kSplitBarSize / 2, 0, std::max(0, limit));
        if (at == splitY_)
            return;
        if (!splitY_)
            otherTop_ = topLine_;
        splitY_ = at;
        if (!splitY_)
            activeRow_ = 1;
    } else if (draggingSplitter_ == 2) {
        const int limit = AreaRight() - kSplitBarSize - charWidth_;
        const int at = std::clamp(static_cast<int>(point.x) - kSplitBarSize / 2, 0, std::max(0, limit));
        if (at == splitX_)
            return;
        if (!splitX_)
            otherLeft_ = leftColumn_;
        splitX_ = at;
        if (!splitX_)
            activeColumn_ = 1;
    }
    AfterSplitChange();
}

void Editor::EndSplitterDrag()
{
    const int dragged = draggingSplitter_;
    draggingSplitter_ = 0;
    if (GetCapture() == window_)
        ReleaseCapture();
    if (dragged == 1 && (splitY_ < lineHeight_ || splitY_ > AreaBottom() - kSplitBarSize - 2 * lineHeight_))
        Unsplit();
    if (dragged == 2 && (splitX_ < 2 * charWidth_ || splitX_ > AreaRight() - kSplitBarSize - 2 * charWidth_))
        UnsplitColumns();
}

// Ending a split keeps the active pane's first line and column.
void Editor::Unsplit()
{
    if (std::exchange(splitY_, 0)) {
        activeRow_ = 1;
        AfterSplitChange();
    }
}

void Editor::UnsplitColumns()
{
    if (std::exchange(splitX_, 0)) {
        activeColumn_ = 1;
        AfterSplitChange();
    }
}

void Editor::AfterSplitChange()
{
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

void Editor::PaintSplitter(HDC dc)
{
    HBRUSH border = CreateSolidBrush(options_.splitterBorder);
    auto draw = [&](const RECT& bar) {
        if (bar.right <= bar.left || bar.bottom <= bar.top)
            return;
        SetBkColor(dc, options_.splitter);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bar, nullptr, 0, nullptr);
        FrameRect(dc, &bar, border);
    };
    draw(splitY_ ? RECT{0, splitY_, clientWidth_, splitY_ + kSplitBarSize} : SplitBoxRect());
    draw(splitX_ ? RECT{splitX_, 0, splitX_ + kSplitBarSize, clientHeight_} : ColumnSplitBoxRect());
    if (splitX_ && splitY_) {
        // The crossing: one bar over the other without the frame lines between them.
        const RECT crossing = {splitX_ + 1, splitY_ + 1, splitX_ + kSplitBarSize - 1, splitY_ + kSplitBarSize - 1};
        SetBkColor(dc, options_.splitter);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &crossing, nullptr, 0, nullptr);
    }
    DeleteObject(border);
}

void Editor::InvalidateOtherRow()
{
    if (!splitY_)
        return;
    const RECT other = {0, RowTop(1 - activeRow_), clientWidth_, RowBottom(1 - activeRow_)};
    InvalidateRect(window_, &other, FALSE);
}

// The wheel over a pane that is not the active one scrolls that pane's row (or column)
// alone; over the active pane (or the row or column it shares with it) the normal
// scrolling runs.
bool Editor::PaneWheel(int delta, bool horizontal)
{
    if (!splitY_ && !splitX_)
        return false;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    const long long step = 3LL * (delta / WHEEL_DELTA ? delta / WHEEL_DELTA : (delta > 0 ? 1 : -1));
    if (!horizontal && RowAt(point.y) != activeRow_) {
        const long long last = static_cast<long long>(Text().lineCount()) - 1;
        otherTop_ = static_cast<std::size_t>(std::clamp<long long>(static_cast<long long>(otherTop_) - step, 0, last));
        InvalidateOtherRow();
        UpdateScrollBars();
        return true;
    }
    if (horizontal && ColumnAt(point.x) != activeColumn_) {
        otherLeft_ = static_cast<std::size_t>(
            std::clamp<long long>(static_cast<long long>(otherLeft_) - step, 0, static_cast<long long>(widestColumns_)));
        InvalidateRect(window_, nullptr, FALSE);
        UpdateScrollBars();
        return true;
    }
    return false;
}

} // namespace corvex
