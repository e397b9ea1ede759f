// Word wrap: where the rows of a line start when the view is `width` columns wide.
//
// A row takes characters while they fit. When the next one does not, the row ends after
// the last blank (space or tab) it holds past its first character, so that words stay
// whole; a row without such a blank is cut where it is full, and a row always takes at
// least one character. Columns are the line's own (tab stops as in the unwrapped line),
// so a row is a range of the line's columns and is drawn as the line would be from its
// first column. Line ends are not part of any row.
//
// Rows are computed only where asked for. Long lines keep the row starts found so far
// (a prefix from the line's start), so that the rows near the caret of a 10 MB line cost
// a row's width each, not the line's length; an edit forgets the rows from just before it.
#pragma once

#include "corvex/engine/text_ops.h"
#include "corvex/engine/text_source.h"

#include <cstddef>
#include <map>
#include <vector>

namespace corvex {

struct WrapLayout {
    std::size_t width = 80;  // columns per row, at least 1
    unsigned tabSize = 8;
    bool utf8 = true;
    bool operator==(const WrapLayout& o) const { return width == o.width && tabSize == o.tabSize && utf8 == o.utf8; }
};

// The start (offset and column) of the row after the one starting at `rowStart`, in a
// line ending at `lineEnd` ('\n' or the document's end); its offset is `lineEnd` when the
// rest of the line fits.
ColumnMark nextRowStart(const TextSource& text, ColumnMark rowStart, std::size_t lineEnd, const WrapLayout& layout);

class WrapRows {
public:
    // A new layout forgets every row.
    void setLayout(const WrapLayout& layout);
    const WrapLayout& layout() const { return layout_; }

    struct Row {
        std::size_t index = 0;   // within its line
        std::size_t start = 0;   // offset of its first character
        std::size_t end = 0;     // offset after its last one (the next row's start, or the line's end)
        std::size_t column = 0;  // the line's column where it starts
    };
    // The row holding `offset` (an offset at a row boundary belongs to the row it starts,
    // the line's end to its last row).
    Row rowOf(const TextSource& text, std::size_t offset);
    // Row `index` of `line`, clamped to its last row.
    Row row(const TextSource& text, std::size_t line, std::size_t index);
    // How many rows `line` has (at least 1). O(line length) the first time.
    std::size_t rowCount(const TextSource& text, std::size_t line);

    // The text changed at `offset`: rows from the one before it on are forgotten.
    void forgetFrom(std::size_t offset);
    void clear() { known_.clear(); }

    // Lines at least this long keep their row starts.
    static constexpr std::size_t kRememberedLineBytes = 4096;

private:
    struct Known {
        std::vector<ColumnMark> starts;  // from the line's start, in order
        bool complete = false;            // the last row is known
    };
    // The known rows of `line`, extended while `more` says the rows so far do not reach
    // what is wanted (and the line has more).
    template <typename More>
    const Known& extend(const TextSource& text, std::size_t line, More more);
    static Row RowAt(const TextSource& text, std::size_t line, const Known& known, std::size_t index);

    WrapLayout layout_;
    // Lines of at least kRememberedLineBytes, keyed by their start offset.
    std::map<std::size_t, Known> known_;
    Known scratch_;  // the rows of a shorter line, computed afresh
};

} // namespace corvex
