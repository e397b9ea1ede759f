// The splits of a view into panes. A horizontal bar makes an upper and a lower row of
// panes, a vertical bar a left and a right column; both make four panes on the same
// document. The panes of a row share its first line, those of a column its first column.
// Rows are 0 (upper, only with a horizontal split) and 1; columns 0 (left, only with a
// vertical split) and 1.
//
// One pane is active: the view keeps its first line (and row, with word wrap) and first
// column; the splits keep those of the row and the column that are not active, and
// trade them with the view's when another pane becomes active. Geometry is in pixels of
// the text area, which starts at (0, 0) and ends at the area's right and bottom edges.
#pragma once

#include <algorithm>
#include <cstddef>

namespace corvex {

// Which bar a point is on (or the box a split is dragged out of).
enum class SplitBar { None = 0, Rows = 1, Columns = 2 };

class PaneSplits {
public:
    // The bar's thickness and the length of the boxes a split is dragged out of, at 96
    // DPI; setBarSize gives them at the view's DPI.
    static constexpr int kBarSize = 5;
    static constexpr int kBoxLength = 16;

    struct Box {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool empty() const { return right <= left || bottom <= top; }
        bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    };
    // The first line, row within it and column of the active pane, held by the view.
    struct ActiveStart {
        std::size_t& topLine;
        std::size_t& topRow;
        std::size_t& leftColumn;
    };
    explicit PaneSplits(ActiveStart active) : active_(active) {}
    PaneSplits(const PaneSplits&) = delete;
    PaneSplits& operator=(const PaneSplits&) = delete;

    void setBarSize(int bar, int box)
    {
        barSize_ = bar;
        boxLength_ = box;
    }
    int barSize() const { return barSize_; }
    // The view's DPI changed from `from` to `to`: the bars keep their place in proportion.
    void rescaleBars(unsigned from, unsigned to)
    {
        if (from == 0 || to == 0)
            return;
        // A split stays a split (0 means none).
        auto scaled = [&](int at) { return at ? std::max(1, static_cast<int>(static_cast<long long>(at) * to / from)) : 0; };
        barY_ = scaled(barY_);
        barX_ = scaled(barX_);
    }
    int barY() const { return barY_; }  // top of the horizontal bar; 0 when not split
    int barX() const { return barX_; }  // left of the vertical bar; 0 when not split
    bool split() const { return barY_ || barX_; }
    int activeRow() const { return activeRow_; }
    int activeColumn() const { return activeColumn_; }
    std::size_t otherTop() const { return otherTop_; }
    std::size_t otherLeft() const { return otherLeft_; }
    void setOtherTop(std::size_t line) { otherTop_ = line; }
    void setOtherLeft(std::size_t column) { otherLeft_ = column; }
    // The other row's first row within its line, and the other column's first column,
    // go back to 0 (the text or its layout changed).
    void resetOtherTopRow() { otherTopRow_ = 0; }
    void resetOtherLeft() { otherLeft_ = 0; }

    int rowTop(int row) const { return row == 0 ? 0 : barY_ ? barY_ + barSize_ : 0; }
    int rowBottom(int row, int areaBottom) const { return row == 0 ? barY_ : areaBottom; }
    int columnLeft(int column) const { return column == 0 ? 0 : barX_ ? barX_ + barSize_ : 0; }
    int columnRight(int column, int areaRight) const { return column == 0 ? barX_ : areaRight; }
    int rowAt(int y) const { return barY_ && y < barY_ + barSize_ / 2 ? 0 : 1; }
    int columnAt(int x) const { return barX_ && x < barX_ + barSize_ / 2 ? 0 : 1; }

    // The first line (and row within it) of a row of panes, the first column of a column.
    std::size_t rowTopLine(int row) const { return row == activeRow_ ? active_.topLine : otherTop_; }
    std::size_t rowTopRow(int row) const { return row == activeRow_ ? active_.topRow : otherTopRow_; }
    std::size_t columnLeftColumn(int column) const { return column == activeColumn_ ? active_.leftColumn : otherLeft_; }

    // The boxes a split is dragged out of (top right, bottom left); empty while that
    // split exists or when it is not offered.
    Box rowSplitBox(int areaRight, bool offered) const;
    Box columnSplitBox(int areaBottom, bool offered) const;
    SplitBar barAt(int x, int y, int areaRight, int areaBottom, bool rowsOffered, bool columnsOffered) const;

    // The pane at (row, column) becomes the active one (a row or column that does not
    // exist counts as 1); false when it already was.
    bool activate(int row, int column);
    // The row (column) that is not active takes the active one's place, and back.
    void tradeRows();
    void tradeColumns();

    // Dragging a bar: `to` the pointer's place along the bar's axis; the bar keeps
    // `minimum` pixels of text (a line, a column) after it. False when nothing moved.
    void startDrag(SplitBar bar) { dragging_ = bar; }
    SplitBar dragging() const { return dragging_; }
    bool dragTo(int to, int areaEnd, int minimum);
    // Ends the drag: the bar it moved, which the caller ends when it was left too near
    // an edge (`unit` a line's height or a column's width).
    SplitBar endDrag(int areaEnd, int unit);
    // Ending a split keeps the active pane's first line and column; false when there was
    // no such split.
    bool unsplitRows();
    bool unsplitColumns();

private:
    ActiveStart active_;
    int barSize_ = kBarSize, boxLength_ = kBoxLength;
    int barY_ = 0, barX_ = 0;
    int activeRow_ = 1, activeColumn_ = 1;
    std::size_t otherTop_ = 0, otherTopRow_ = 0, otherLeft_ = 0;
    SplitBar dragging_ = SplitBar::None;
};

} // namespace corvex
