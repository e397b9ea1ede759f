#include "corvex/engine/column_marks.h"

#include <algorithm>

namespace corvex {

std::vector<ColumnMark>& ColumnMarks::forTabSize(unsigned tabSize)
{
    if (tabSize_ != tabSize) {
        marks_.clear();
        tabSize_ = tabSize;
    }
    return marks_;
}

ColumnMark ColumnMarks::nearest(std::size_t lineStart, std::size_t lineEnd, std::size_t offset, std::size_t column,
                                unsigned tabSize)
{
    ColumnMark best{lineStart, 0};
    for (const ColumnMark& mark : forTabSize(tabSize))
        if (mark.offset >= lineStart && mark.offset <= lineEnd && mark.offset <= offset && mark.column <= column &&
            mark.offset > best.offset)
            best = mark;
    return best;
}

void ColumnMarks::remember(ColumnMark mark, unsigned tabSize)
{
    constexpr std::size_t kMarks = 16;
    for (const ColumnMark& known : forTabSize(tabSize))
        if (known.offset == mark.offset)
            return;
    if (marks_.size() >= kMarks)
        marks_.erase(marks_.begin());
    marks_.push_back(mark);
}

void ColumnMarks::forgetFrom(std::size_t offset)
{
    marks_.erase(std::remove_if(marks_.begin(), marks_.end(),
                                [offset](const ColumnMark& mark) { return mark.offset >= offset; }),
                 marks_.end());
}

std::size_t ColumnMarks::columnOf(const TextSource& text, std::size_t lineStart, std::size_t lineEnd,
                                  std::size_t offset, unsigned tabSize, bool utf8)
{
    const ColumnMark from = nearest(lineStart, lineEnd, offset, static_cast<std::size_t>(-1), tabSize);
    const std::size_t column = columnOfOffsetFrom(text, from, offset, tabSize, utf8);
    // Only a character's first byte starts a walk.
    const bool startsCharacter =
        !utf8 || offset >= text.size() || (static_cast<unsigned char>(text.at(offset)) & 0xC0) != 0x80;
    if (startsCharacter)
        remember(ColumnMark{offset, column}, tabSize);
    return column;
}

} // namespace corvex
