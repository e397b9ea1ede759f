#include "corvex/engine/row_walk.h"

#include <algorithm>

namespace corvex {

RowPos RowWalk::rowOfOffset(std::size_t offset) const
{
    return RowPos{text_.lineOfOffset(offset), rows_.rowOf(text_, offset).index};
}

RowPos RowWalk::step(RowPos from, long long delta) const
{
    const std::size_t lastLine = text_.lineCount() - 1;
    RowPos pos{std::min(from.line, lastLine), rowAt(from).index};
    for (; delta > 0; --delta) {
        const WrapRows::Row row = rowAt(pos);
        if (row.end < text_.lineStart(pos.line) + text_.lineLength(pos.line))
            ++pos.row;
        else if (pos.line < lastLine)
            pos = RowPos{pos.line + 1, 0};
        else
            break;
    }
    for (; delta < 0; ++delta) {
        if (pos.row > 0)
            --pos.row;
        else if (pos.line > 0)
            pos = RowPos{pos.line - 1, rows_.rowCount(text_, pos.line - 1) - 1};
        else
            break;
    }
    return pos;
}

long long RowWalk::distance(RowPos from, RowPos to, long long limit) const
{
    const bool above = to.line < from.line || (to.line == from.line && to.row < from.row);
    RowPos at = from;
    for (long long k = 0; k <= limit; ++k) {
        if (at == to)
            return above ? -k : k;
        const RowPos next = step(at, above ? -1 : 1);
        if (next == at)
            break;  // the document's first or last row
        at = next;
    }
    return above ? -(limit + 1) : limit + 1;
}

std::size_t RowWalk::offsetInRow(RowPos pos, std::size_t viewColumn) const
{
    const WrapRows::Row row = rowAt(pos);
    const WrapLayout& layout = rows_.layout();
    const std::size_t offset = offsetOfColumn(text_, pos.line, row.column + viewColumn, layout.tabSize, layout.utf8);
    const std::size_t lineEnd = text_.lineStart(pos.line) + text_.lineLength(pos.line);
    // The caret stays on this row, before its last character, instead of at the next
    // row's start.
    if (offset >= row.end && row.end < lineEnd)
        return std::max(row.start, prevCharOffset(text_, row.end, layout.utf8));
    return std::max(offset, row.start);
}

std::size_t RowWalk::rowEnd(std::size_t offset) const
{
    return offsetInRow(rowOfOffset(offset), static_cast<std::size_t>(-1) / 2);
}

void RowsBeforeEdit::note(const RowWalk& walk, std::size_t pos, std::size_t length, std::size_t inserted,
                          std::size_t count)
{
    valid_ = false;
    const TextSource& text = walk.text();
    const std::size_t line = text.lineOfOffset(pos);
    const std::size_t lineEnd = text.lineStart(line) + text.lineLength(line);
    if (text.lineLength(line) < WrapRows::kRememberedLineBytes || pos + length > lineEnd)
        return;
    const std::size_t editRow = walk.rowOfOffset(pos).row;
    line_ = line;
    firstIndex_ = editRow > 0 ? editRow - 1 : 0;
    starts_.clear();
    for (std::size_t k = 0; k < count; ++k) {
        const WrapRows::Row row = walk.rowAt(RowPos{line, firstIndex_ + k});
        if (row.index != firstIndex_ + k)
            break;  // past the line's last row
        starts_.push_back(ColumnMark{row.start, row.column});
    }
    editEnd_ = pos + length;
    delta_ = static_cast<long long>(inserted) - static_cast<long long>(length);
    valid_ = true;
}

// A row that starts where it did, moved by the edit, at the same column and after the
// edit's end shows the same text, and so do all rows after it: rows break by the text
// from a row's start and its column alone.
long long RowsBeforeEdit::firstUnchanged(const RowWalk& walk, std::size_t line, std::size_t from) const
{
    for (std::size_t k = 0; k < starts_.size(); ++k) {
        const ColumnMark& old = starts_[k];
        const std::size_t index = firstIndex_ + k;
        if (index < from || old.offset < editEnd_)
            continue;
        const WrapRows::Row now = walk.rowAt(RowPos{line, index});
        if (now.index == index && static_cast<long long>(now.start) == static_cast<long long>(old.offset) + delta_ &&
            now.column == old.column)
            return static_cast<long long>(index);
    }
    return -1;
}

} // namespace corvex
