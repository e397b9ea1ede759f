// The splits in the view (engine/pane_splits.h). With the horizontal splitter option on,
// a small box at the top right of the text can be dragged down to split the view into an
// upper and a lower row; with the vertical splitter option on, a box at the bottom left
// can be dragged right to split it into a left and a right column.
//
// The active pane's first line and column are topLine_ and leftColumn_, so the mapping
// between pixels and text works on it unchanged. A click in another pane makes that one
// active. The wheel scrolls the pane under the mouse. Dragging a bar back to its edge, or
// turning its option off, ends that split.
#include "corvex/editor.h"

#include <algorithm>

namespace corvex {

void Editor::ActivatePane(int row, int column)
{
    if (!splits_.activate(row, column))
        return;
    UpdateScrollBars();
    PlaceCaret();
}

SplitBar Editor::SplitterAt(POINT point) const
{
    return splits_.barAt(point.x, point.y, AreaRight(), AreaBottom(), options_.horizontalSplitter != 0,
                         options_.verticalSplitter != 0);
}

void Editor::DragSplitter(POINT point)
{
    const bool rows = splits_.dragging() == SplitBar::Rows;
    if (rows ? splits_.dragTo(point.y, AreaBottom(), lineHeight_) : splits_.dragTo(point.x, AreaRight(), charWidth_))
        AfterSplitChange();
}

void Editor::EndSplitterDrag()
{
    const bool rows = splits_.dragging() == SplitBar::Rows;
    const SplitBar ended = rows ? splits_.endDrag(AreaBottom(), lineHeight_) : splits_.endDrag(AreaRight(), charWidth_);
    if (GetCapture() == window_)
        ReleaseCapture();
    Unsplit(ended);
}

void Editor::Unsplit(SplitBar bar)
{
    if ((bar == SplitBar::Rows && splits_.unsplitRows()) || (bar == SplitBar::Columns && splits_.unsplitColumns()))
        AfterSplitChange();
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
    auto draw = [&](const PaneSplits::Box& box) {
        if (box.empty())
            return;
        const RECT bar = {box.left, box.top, box.right, box.bottom};
        SetBkColor(dc, options_.splitter);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &bar, nullptr, 0, nullptr);
        const int line = Px(1);  // the frame's lines
        if (line == 1) {
            FrameRect(dc, &bar, border);
            return;
        }
        const RECT sides[4] = {{bar.left, bar.top, bar.right, std::min(bar.bottom, bar.top + line)},
                               {bar.left, std::max(bar.top, bar.bottom - line), bar.right, bar.bottom},
                               {bar.left, bar.top, std::min(bar.right, bar.left + line), bar.bottom},
                               {std::max(bar.left, bar.right - line), bar.top, bar.right, bar.bottom}};
        for (const RECT& side : sides)
            FillRect(dc, &side, border);
    };
    const int barY = splits_.barY(), barX = splits_.barX(), size = splits_.barSize();
    draw(barY ? PaneSplits::Box{0, barY, clientWidth_, barY + size}
              : splits_.rowSplitBox(AreaRight(), options_.horizontalSplitter != 0));
    draw(barX ? PaneSplits::Box{barX, 0, barX + size, clientHeight_}
              : splits_.columnSplitBox(AreaBottom(), options_.verticalSplitter != 0));
    if (barX && barY) {
        // The crossing: one bar over the other without the frame lines between them.
        const int line = Px(1);
        const RECT crossing = {barX + line, barY + line, barX + size - line, barY + size - line};
        SetBkColor(dc, options_.splitter);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &crossing, nullptr, 0, nullptr);
    }
    DeleteObject(border);
}

void Editor::InvalidateOtherRow()
{
    if (!splits_.barY())
        return;
    const int other = 1 - splits_.activeRow();
    const RECT rect = {0, splits_.rowTop(other), clientWidth_, splits_.rowBottom(other, AreaBottom())};
    InvalidateRect(window_, &rect, FALSE);
}

// The wheel over a pane that is not the active one scrolls that pane's row (or column)
// alone; over the active pane (or the row or column it shares with it) the normal
// scrolling runs.
bool Editor::PaneWheel(int delta, bool horizontal)
{
    if (!splits_.split())
        return false;
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    const long long step = 3LL * (delta / WHEEL_DELTA ? delta / WHEEL_DELTA : (delta > 0 ? 1 : -1));
    if (!horizontal && splits_.rowAt(point.y) != splits_.activeRow()) {
        const long long last = static_cast<long long>(Text().lineCount()) - 1;
        splits_.setOtherTop(static_cast<std::size_t>(
            std::clamp<long long>(static_cast<long long>(splits_.otherTop()) - step, 0, last)));
        InvalidateOtherRow();
        UpdateScrollBars();
        return true;
    }
    if (horizontal && splits_.columnAt(point.x) != splits_.activeColumn()) {
        splits_.setOtherLeft(static_cast<std::size_t>(std::clamp<long long>(
            static_cast<long long>(splits_.otherLeft()) - step, 0, static_cast<long long>(widest_.columns()))));
        InvalidateRect(window_, nullptr, FALSE);
        UpdateScrollBars();
        return true;
    }
    return false;
}

} // namespace corvex
