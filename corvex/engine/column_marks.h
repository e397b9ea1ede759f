// Columns already walked on lines too long to walk at every keystroke and paint. A
// place's column depends only on the text before it in its line, so a mark stays true
// until an edit starts at or before it; marks walked with another tab size are forgotten
// when they are next asked for. A few are kept, the oldest dropped first.
#pragma once

#include "corvex/engine/text_ops.h"

#include <cstddef>
#include <vector>

namespace corvex {

class ColumnMarks {
public:
    // Lines longer than this are walked from marks.
    static constexpr std::size_t kLongLineBytes = 64 * 1024;

    // The mark of the line [lineStart, lineEnd] nearest before `offset` and `column` (the
    // line's start when none is).
    ColumnMark nearest(std::size_t lineStart, std::size_t lineEnd, std::size_t offset, std::size_t column,
                       unsigned tabSize);
    void remember(ColumnMark mark, unsigned tabSize);
    // An edit starts at `offset`.
    void forgetFrom(std::size_t offset);
    void forgetAll() { marks_.clear(); }
    // The column of `offset` on a long line, walked from the nearest mark; the place is
    // remembered when it starts a character.
    std::size_t columnOf(const TextSource& text, std::size_t lineStart, std::size_t lineEnd, std::size_t offset,
                         unsigned tabSize, bool utf8);

private:
    std::vector<ColumnMark>& forTabSize(unsigned tabSize);

    std::vector<ColumnMark> marks_;
    unsigned tabSize_ = 0;
};

} // namespace corvex
