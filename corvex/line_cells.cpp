#include "corvex/line_cells.h"

#include "corvex/engine/text_ops.h"

#include <windows.h>

namespace corvex {
namespace {

constexpr wchar_t kSpaceMark = 0x00B7;   // middle dot
constexpr wchar_t kTabMark = 0x00BB;     // right-pointing double angle
constexpr wchar_t kLineEndMark = 0x00B6; // pilcrow
constexpr wchar_t kControlMark = 0x00A4; // currency sign stands for NUL and control bytes

// The ANSI code page's character for each byte.
const wchar_t* AnsiTable()
{
    static wchar_t table[256];
    static bool built = false;
    if (!built) {
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &table[b], 1) != 1)
                table[b] = static_cast<wchar_t>(b);
        }
        built = true;
    }
    return table;
}

// The code point of the UTF-8 character [p, end), or the first byte's Latin-1 value when
// the sequence is malformed.
unsigned DecodeUtf8(const TextSource& text, std::size_t p, std::size_t end)
{
    const unsigned char lead = static_cast<unsigned char>(text.at(p));
    const std::size_t length = end - p;
    unsigned cp;
    std::size_t expected;
    if (lead < 0x80) return lead;
    if (lead >= 0xF0) { cp = lead & 0x07; expected = 4; }
    else if (lead >= 0xE0) { cp = lead & 0x0F; expected = 3; }
    else if (lead >= 0xC2) { cp = lead & 0x1F; expected = 2; }
    else return lead;
    if (length != expected) return lead;
    for (std::size_t k = 1; k < length; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(text.at(p + k)) & 0x3F);
    return cp;
}

void AddUnit(LineCells& cells, std::size_t byte, wchar_t unit, int advance, CellKind kind)
{
    cells.bytes.push_back(byte);
    cells.glyphs.push_back(unit);
    cells.advance.push_back(advance);
    cells.kinds.push_back(kind);
}

void AddCodePoint(LineCells& cells, std::size_t byte, unsigned cp)
{
    if (cp < 0x20 || cp == 0x7F) {
        AddUnit(cells, byte, kControlMark, 1, CellKind::Control);
    } else if (cp >= 0x10000) {
        cp -= 0x10000;
        AddUnit(cells, byte, static_cast<wchar_t>(0xD800 + (cp >> 10)), 1, CellKind::Text);
        AddUnit(cells, byte, static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)), 0, CellKind::Text);
    } else {
        AddUnit(cells, byte, static_cast<wchar_t>(cp), 1, CellKind::Text);
    }
}

} // namespace

LineCells BuildLineCells(const TextSource& text, std::size_t line, std::size_t firstColumn, std::size_t columns,
                         const CellOptions& options, const ColumnMark* from)
{
    LineCells cells;
    cells.firstColumn = firstColumn;
    const std::size_t last = firstColumn + columns;
    const std::size_t lineStart = text.lineStart(line);
    const std::size_t end = lineStart + text.lineLength(line);
    const bool fromMark = from && from->offset >= lineStart && from->offset <= end && from->column <= firstColumn;
    std::size_t p = fromMark ? from->offset : lineStart;
    std::size_t column = fromMark ? from->column : 0;
    cells.start = ColumnMark{p, column};
    const wchar_t* ansi = options.utf8 ? nullptr : AnsiTable();
    while (p < end && column < last) {
        if (column <= firstColumn)
            cells.start = ColumnMark{p, column};
        const unsigned char byte = static_cast<unsigned char>(text.at(p));
        if (byte == '\t') {
            const std::size_t stop = nextTabStop(column, options.tabSize);
            for (std::size_t c = column; c < stop; ++c) {
                if (c < firstColumn || c >= last)
                    continue;
                const bool mark = options.showWhitespace && c == column;
                AddUnit(cells, p - lineStart, mark ? kTabMark : L' ', 1, CellKind::Whitespace);
            }
            column = stop;
            ++p;
            continue;
        }
        const std::size_t next = std::min(nextCharOffset(text, p, options.utf8), end);
        if (column >= firstColumn) {
            if (byte == ' ')
                AddUnit(cells, p - lineStart, options.showWhitespace ? kSpaceMark : L' ', 1, CellKind::Whitespace);
            else if (ansi)
                AddCodePoint(cells, p - lineStart, byte < 0x80 ? byte : ansi[byte]);
            else
                AddCodePoint(cells, p - lineStart, DecodeUtf8(text, p, next));
        }
        ++column;
        p = next;
    }
    if (p >= end && column < last) {
        cells.reachedLineEnd = true;
        if (options.showWhitespace && line + 1 < text.lineCount() && column >= firstColumn) {
            AddUnit(cells, end - lineStart, kLineEndMark, 1, CellKind::Whitespace);
            ++column;
        }
    }
    cells.endColumn = std::max(column, firstColumn);
    return cells;
}

} // namespace corvex
