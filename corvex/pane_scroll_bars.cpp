// The control's own scroll bars. With a skin whose scroll-bar bitmaps fit their layout
// the bars are drawn from them; while the view is split they are drawn even without
// one (in the system's look), since each row and column of panes needs a bar of its own
// and the window has only one of each. Otherwise the window's own bars serve.
//
// A vertical bar runs beside each row of panes at the right, a horizontal bar below
// each column of panes; a bar of the row or column that is not active scrolls that row
// or column alone, as the wheel over it does.
#include "corvex/editor.h"

#include <algorithm>

namespace corvex {

void Editor::FitSplitsToArea()
{
    const int bar = splits_.barSize();
    if (splits_.barY() && splits_.barY() + bar + lineHeight_ > AreaBottom())
        Unsplit(SplitBar::Rows);
    if (splits_.barX() && splits_.barX() + bar + charWidth_ > AreaRight())
        Unsplit(SplitBar::Columns);
}

void Editor::AfterAreaChange()
{
    UpdateScrollBars();
    FitSplitsToArea();
    ScrollTo(topLine_, leftColumn_);  // within the range the new area allows
    InvalidateRect(window_, nullptr, FALSE);
    PlaceCaret();
}

void Editor::LayOutOwnBars()
{
    std::vector<OwnScrollBar> bars;
    RECT corner = {};
    const bool vertical = options_.verticalScrollBar != 0, horizontal = options_.horizontalScrollBar != 0;
    if (vertical) {
        const long long lines = static_cast<long long>(Text().lineCount());
        for (int row = splits_.barY() ? 0 : 1; row < 2; ++row) {
            const int top = splits_.rowTop(row), bottom = splits_.rowBottom(row, AreaBottom());
            const long long page = std::max(1, (bottom - top) / lineHeight_);
            bars.push_back(OwnScrollBar{true, row, RECT{AreaRight(), top, clientWidth_, bottom},
                                        ScrollRange{lines - 1, page, static_cast<long long>(splits_.rowTopLine(row))}});
        }
    }
    if (horizontal) {
        for (int column = splits_.barX() ? 0 : 1; column < 2; ++column) {
            const int left = splits_.columnLeft(column), right = splits_.columnRight(column, AreaRight());
            const long long page = std::max(1, (right - left - PaneTextLeft()) / charWidth_);
            // With word wrap nothing is wider than the view: the bar has nothing to do.
            const ScrollRange range =
                Wrapping() ? ScrollRange{0, 1, 0}
                           : ScrollRange{static_cast<long long>(widest_.columns()) + page / 2, page,
                                         static_cast<long long>(splits_.columnLeftColumn(column))};
            bars.push_back(OwnScrollBar{false, column,
                                        RECT{left, AreaBottom(), right, clientHeight_}, range});
        }
    }
    if (vertical && horizontal)
        corner = RECT{AreaRight(), AreaBottom(), clientWidth_, clientHeight_};
    bars_.Set(bars, corner);
}

void Editor::ScrollRequest(bool vertical, int index, WORD request, long long thumbPosition)
{
    const bool other = vertical ? splits_.barY() && index != splits_.activeRow()
                                : splits_.barX() && index != splits_.activeColumn();
    if (!other) {
        if (vertical)
            OnVerticalScroll(request, thumbPosition);
        else
            OnHorizontalScroll(request, thumbPosition);
        return;
    }
    // The row (or column) that is not active scrolls as the active one would, and stays
    // inactive: the keyboard and the caret remain where they are.
    if (vertical) {
        splits_.tradeRows();
        OnVerticalScroll(request, thumbPosition);
        splits_.tradeRows();
    } else {
        splits_.tradeColumns();
        OnHorizontalScroll(request, thumbPosition);
        splits_.tradeColumns();
    }
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

} // namespace corvex
