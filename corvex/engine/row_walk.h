// Walking the rows of wrapped lines: a place as (line, row within the line), steps of
// rows across line boundaries, the distance between two places, and the offset at a
// column of a row; and the rows an edit of a long line left as they were.
#pragma once

#include "corvex/engine/word_wrap.h"

#include <cstddef>
#include <vector>

namespace corvex {

struct RowPos {
    std::size_t line = 0;
    std::size_t row = 0;  // within the line
    bool operator==(const RowPos& o) const { return line == o.line && row == o.row; }
};

class RowWalk {
public:
    // `rows` laid out for the view at hand.
    RowWalk(const TextSource& text, WrapRows& rows) : text_(text), rows_(rows) {}

    WrapRows::Row rowAt(RowPos pos) const { return rows_.row(text_, pos.line, pos.row); }
    RowPos rowOfOffset(std::size_t offset) const;
    // `delta` rows on (or back), stopping at the document's first and last rows.
    RowPos step(RowPos from, long long delta) const;
    // Rows from `from` to `to` (negative when `to` is above), or limit + 1 (negative
    // above) when it is further.
    long long distance(RowPos from, RowPos to, long long limit) const;
    // The offset at `viewColumn` columns into the row; past the row's end its last
    // character (the end of a row that is not the line's last is the next row's start).
    std::size_t offsetInRow(RowPos pos, std::size_t viewColumn) const;
    // The end of the row holding `offset`, as End puts the caret.
    std::size_t rowEnd(std::size_t offset) const;

    const TextSource& text() const { return text_; }

private:
    const TextSource& text_;
    WrapRows& rows_;
};

// The rows of a long line from the row before an edit on, taken just before the edit, so
// that after it the rows below that the edit only shifted (same start column, same text
// after them) need not be painted again. It describes one edit only.
class RowsBeforeEdit {
public:
    // [pos, pos + length) is about to become `inserted` bytes; `count` rows are taken (as
    // many as the screen can show below the edit). Nothing is taken for a short line (it
    // counts its rows instead) or an edit across lines (it moves everything after it).
    void note(const RowWalk& walk, std::size_t pos, std::size_t length, std::size_t inserted, std::size_t count);
    void forget() { valid_ = false; }
    // Whether the rows of `line` were taken before the last edit.
    bool describes(std::size_t line) const { return valid_ && line_ == line; }
    std::size_t firstIndex() const { return firstIndex_; }
    // The first row of `line`, at or after the row `from`, that the edit left as it was
    // (only moved by the edit's size); -1 when none of those taken is.
    long long firstUnchanged(const RowWalk& walk, std::size_t line, std::size_t from) const;

private:
    bool valid_ = false;
    std::size_t line_ = 0;
    std::size_t firstIndex_ = 0;      // the index of starts_[0] within the line
    std::vector<ColumnMark> starts_;  // offsets before the edit
    std::size_t editEnd_ = 0;         // the end of the replaced text, before the edit
    long long delta_ = 0;             // bytes added by the edit (negative: removed)
};

} // namespace corvex
