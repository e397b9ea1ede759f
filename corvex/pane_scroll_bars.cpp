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

void Editor::ApplySkin()
{
    std::unique_ptr<ScrollBarLook> look = LoadSkinScrollBarLook(options_.skinFolder);
    skinnedBars_ = look != nullptr;
    bars_.SetLook(std::move(look));
    AfterAreaChange();  // the bars may come, go or change their thickness
}

void Editor::FitSplitsToArea()
{
    if (splitY_ && splitY_ + kSplitBarSize + lineHeight_ > AreaBottom())
        Unsplit();
    if (splitX_ && splitX_ + kSplitBarSize + charWidth_ > AreaRight())
        UnsplitColumns();
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
        for (int row = splitY_ ? 0 : 1; row < 2; ++row) {
            const long long page = std::max(1, (RowBottom(row) - RowTop(row)) / lineHeight_);
            bars.push_back(OwnScrollBar{true, row, RECT{AreaRight(), RowTop(row), clientWidth_, RowBottom(row)},
                                        ScrollRange{lines - 1, page, static_cast<long long>(RowTopLine(row))}});
        }
    }
    if (horizontal) {
        for (int column = splitX_ ? 0 : 1; column < 2; ++column) {
            const long long page =
                std::max(1, (ColumnRight(column) - ColumnLeft(column) - PaneTextLeft()) / charWidth_);
            // With word wrap nothing is wider than the view: the bar has nothing to do.
            const ScrollRange range =
                Wrapping() ? ScrollRange{0, 1, 0}
                           : ScrollRange{static_cast<long long>(widestColumns_) + page / 2, page,
                                         static_cast<long long>(ColumnLeftColumn(column))};
            bars.push_back(OwnScrollBar{false, column,
                                        RECT{ColumnLeft(column), AreaBottom(), ColumnRight(column), clientHeight_}, range});
        }
    }
    if (vertical && horizontal)
        corner = RECT{AreaRight(), AreaBottom(), clientWidth_, clientHeight_};
    bars_.Set(bars, corner);
}

void Editor::ScrollRequest(bool vertical, int index, WORD request, long long thumbPosition)
{
    const bool other = vertical ? splitY_ && index != activeRow_ : splitX_ && index != activeColumn_;
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
        TradeRows();
        OnVerticalScroll(request, thumbPosition);
        TradeRows();
    } else {
        TradeColumns();
        OnHorizontalScroll(request, thumbPosition);
        TradeColumns();
    }
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
}

} // namespace corvex
