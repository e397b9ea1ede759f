// The visible part of one line as character cells: what the painter and the printer draw.
#pragma once

#include "corvex/engine/text_ops.h"
#include "corvex/engine/text_source.h"

#include <cstddef>
#include <string>
#include <vector>

namespace corvex {

enum class CellKind : unsigned char { Text, Whitespace, Control };

struct LineCells {
    std::wstring glyphs;            // UTF-16; a character outside the BMP takes two units
    std::vector<int> advance;       // per unit: 1 for the unit that opens a cell, 0 for a trail
    std::vector<CellKind> kinds;    // per unit
    std::vector<std::size_t> bytes; // per unit: offset in the line of the byte it shows
    std::size_t firstColumn = 0;    // column of the first cell
    std::size_t endColumn = 0;      // column after the last cell
    bool reachedLineEnd = false;    // the line ended inside the range
    ColumnMark start;               // the last character start at or before firstColumn
};

struct CellOptions {
    unsigned tabSize = 4;
    bool utf8 = true;
    bool showWhitespace = false;
};

// Cells of `line` for columns [firstColumn, firstColumn + columns). Costs O(firstColumn +
// columns), or less from `from`: a mark of the line at or before firstColumn (the line's
// start when none is given). A tab cut by firstColumn contributes the cells of it that are
// visible.
LineCells BuildLineCells(const TextSource& text, std::size_t line, std::size_t firstColumn, std::size_t columns,
                         const CellOptions& options, const ColumnMark* from = nullptr);

} // namespace corvex
