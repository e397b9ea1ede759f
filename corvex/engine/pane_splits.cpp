#include "corvex/engine/pane_splits.h"

#include <algorithm>
#include <utility>

namespace corvex {

PaneSplits::Box PaneSplits::rowSplitBox(int areaRight, bool offered) const
{
    if (barY_ || !offered)
        return Box{};
    return Box{areaRight - boxLength_, 0, areaRight, barSize_};
}

PaneSplits::Box PaneSplits::columnSplitBox(int areaBottom, bool offered) const
{
    if (barX_ || !offered)
        return Box{};
    return Box{0, areaBottom - boxLength_, barSize_, areaBottom};
}

SplitBar PaneSplits::barAt(int x, int y, int areaRight, int areaBottom, bool rowsOffered, bool columnsOffered) const
{
    if (barY_ && y >= barY_ && y < barY_ + barSize_)
        return SplitBar::Rows;
    if (barX_ && x >= barX_ && x < barX_ + barSize_)
        return SplitBar::Columns;
    if (rowSplitBox(areaRight, rowsOffered).contains(x, y))
        return SplitBar::Rows;
    if (columnSplitBox(areaBottom, columnsOffered).contains(x, y))
        return SplitBar::Columns;
    return SplitBar::None;
}

bool PaneSplits::activate(int row, int column)
{
    if (!barY_)
        row = 1;
    if (!barX_)
        column = 1;
    if (row == activeRow_ && column == activeColumn_)
        return false;
    if (row != activeRow_)
        tradeRows();
    if (column != activeColumn_)
        tradeColumns();
    return true;
}

void PaneSplits::tradeRows()
{
    std::swap(active_.topLine, otherTop_);
    std::swap(active_.topRow, otherTopRow_);
    activeRow_ = 1 - activeRow_;
}

void PaneSplits::tradeColumns()
{
    std::swap(active_.leftColumn, otherLeft_);
    activeColumn_ = 1 - activeColumn_;
}

bool PaneSplits::dragTo(int to, int areaEnd, int minimum)
{
    if (dragging_ == SplitBar::None)
        return false;
    const bool rows = dragging_ == SplitBar::Rows;
    const int limit = areaEnd - barSize_ - minimum;
    const int at = std::clamp(to - barSize_ / 2, 0, std::max(0, limit));
    int& bar = rows ? barY_ : barX_;
    if (at == bar)
        return false;
    if (!bar) {  // a new split: the new row or column starts where the view does
        if (rows)
            otherTop_ = active_.topLine;
        else
            otherLeft_ = active_.leftColumn;
    }
    bar = at;
    if (!bar)
        (rows ? activeRow_ : activeColumn_) = 1;
    return true;
}

SplitBar PaneSplits::endDrag(int areaEnd, int unit)
{
    const SplitBar dragged = std::exchange(dragging_, SplitBar::None);
    if (dragged == SplitBar::Rows && (barY_ < unit || barY_ > areaEnd - barSize_ - 2 * unit))
        return SplitBar::Rows;
    if (dragged == SplitBar::Columns && (barX_ < 2 * unit || barX_ > areaEnd - barSize_ - 2 * unit))
        return SplitBar::Columns;
    return SplitBar::None;
}

bool PaneSplits::unsplitRows()
{
    if (!std::exchange(barY_, 0))
        return false;
    activeRow_ = 1;
    return true;
}

bool PaneSplits::unsplitColumns()
{
    if (!std::exchange(barX_, 0))
        return false;
    activeColumn_ = 1;
    return true;
}

} // namespace corvex
