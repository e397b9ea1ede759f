// The horizontal range of a view: the width in columns of the widest line measured so
// far (or the caret's column, when it went further), rounded up in steps so that typing
// does not change it at every keystroke. The line it was measured on follows the edits;
// an edit of that line may have narrowed it, and it is measured again once idle.
#pragma once

#include "corvex/engine/column_marks.h"
#include "corvex/engine/text_buffer.h"

#include <cstddef>

namespace corvex {

class WidestLine {
public:
    // Lines longer than this are not walked to measure them: their byte length stands in
    // (the same bound as the column marks' long lines).
    static constexpr std::size_t kWalkedBytes = ColumnMarks::kLongLineBytes;

    std::size_t columns() const { return columns_; }
    // `line` may be wider than what is known: true when the range grew.
    bool note(const TextSource& text, std::size_t line, unsigned tabSize, bool utf8);
    // A place at `column` was shown: true when the range grew to hold it.
    bool reach(std::size_t column);
    // Measures the document's longest line (in bytes) again: true when the range changed.
    bool remeasure(const TextBuffer& text, unsigned tabSize, bool utf8);
    // Lines [first, first + oldCount) became `newCount` lines: true when the measured
    // line was among them (it is to be measured again).
    bool linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount);

private:
    std::size_t columns_ = 0;
    std::size_t line_ = 0;  // the line columns_ was last measured on
};

} // namespace corvex
