// Pure helpers for the view: character classes, word boundaries, columns with tab
// expansion, UTF-8 character steps and case conversion.
//
// `utf8` says whether the document's bytes are UTF-8 (Utf8, Utf8Bom and the UTF-16
// encodings, which are held as UTF-8) or single-byte ANSI. In UTF-8 mode a character is
// a lead byte with its continuation bytes (a malformed byte counts as one character);
// in ANSI mode every byte is a character.
#pragma once

#include "corvex/engine/text_source.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvex {

enum class CaseChange { Upper, Lower };

enum class CharClass { Space = 1, Newline = 2, Word = 3, Punct = 4 };

// ' ' and '\t' are Space; '\n' is Newline; letters, digits, '_' and every byte >= 0x80
// (non-ASCII letters in either mode) are Word; everything else, NUL and '\r' included,
// is Punct.
CharClass classify(unsigned char c);
inline bool isWordByte(unsigned char c) { return classify(c) == CharClass::Word; }

struct TextRange {
    std::size_t start = 0;
    std::size_t end = 0;
};

// Ctrl+Left: back over spaces, then over one run of a class. From a line's start it
// goes to the end of the previous line.
std::size_t wordLeft(const TextSource& text, std::size_t pos);
// Ctrl+Right: over one run of a class, then over the spaces after it. From a line's end
// it goes to the start of the next line.
std::size_t wordRight(const TextSource& text, std::size_t pos);
// Double-click: the run of one class (word, punctuation or spaces) around pos; at a
// line end or the document's end, the run before pos. Empty at pos when there is none.
TextRange wordAt(const TextSource& text, std::size_t pos);

// Character steps: the start of the character after / before the one at pos.
std::size_t nextCharOffset(const TextSource& text, std::size_t pos, bool utf8);
std::size_t prevCharOffset(const TextSource& text, std::size_t pos, bool utf8);

// The column after a tab starting at `column` (tab stops every tabSize columns).
inline std::size_t nextTabStop(std::size_t column, unsigned tabSize) {
    if (tabSize == 0) tabSize = 1;
    return (column / tabSize + 1) * tabSize;
}
// Spaces that a tab typed at `column` expands to.
inline std::size_t tabExpansion(std::size_t column, unsigned tabSize) { return nextTabStop(column, tabSize) - column; }

// 0-based column of `offset` in its line, tabs expanded; an offset inside a UTF-8
// character has that character's column. O(column).
std::size_t columnOfOffset(const TextSource& text, std::size_t offset, unsigned tabSize, bool utf8);
// A known place in a line: the character starting at `offset` stands at `column`.
struct ColumnMark {
    std::size_t offset = 0;
    std::size_t column = 0;
};
// As columnOfOffset, walking from `from`, a mark in the same line at or before `offset`
// (the line's start with column 0 is always one). O(offset - from.offset).
std::size_t columnOfOffsetFrom(const TextSource& text, ColumnMark from, std::size_t offset, unsigned tabSize,
                               bool utf8);
// The offset in `line` at 0-based `column`. A column inside a tab or past a character's
// left edge gives that character; with nearest == true (mouse clicks) it gives the
// nearer edge. A column past the line's end gives the line's end.
std::size_t offsetOfColumn(const TextSource& text, std::size_t line, std::size_t column, unsigned tabSize,
                           bool utf8, bool nearest = false);
// Width of a line in columns, tabs expanded.
std::size_t lineWidth(const TextSource& text, std::size_t line, unsigned tabSize, bool utf8);

// Upper or lower case of ASCII letters and the Latin-1 letters (U+00C0-U+00DE <->
// U+00E0-U+00FE except the multiplication and division signs; in ANSI mode the same
// code points as single bytes). The result always has the input's length.
std::string changeCase(std::string_view text, CaseChange mode, bool utf8);

} // namespace corvex
