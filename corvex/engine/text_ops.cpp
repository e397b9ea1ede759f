#include "corvex/engine/text_ops.h"

#include <algorithm>

namespace corvex {

CharClass classify(unsigned char c) {
    if (c == ' ' || c == '\t') return CharClass::Space;
    if (c == '\n') return CharClass::Newline;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c >= 0x80)
        return CharClass::Word;
    return CharClass::Punct;
}

namespace {

CharClass classAt(const TextSource& t, std::size_t pos) { return classify(static_cast<unsigned char>(t.at(pos))); }

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Length of a well-formed UTF-8 sequence starting at pos, or 1 for a malformed byte.
std::size_t utf8Length(const TextSource& t, std::size_t pos) {
    const unsigned char c = static_cast<unsigned char>(t.at(pos));
    std::size_t n;
    if (c < 0xC2) return 1;
    if (c < 0xE0)
        n = 2;
    else if (c < 0xF0)
        n = 3;
    else if (c < 0xF5)
        n = 4;
    else
        return 1;
    if (pos + n > t.size()) return 1;
    const unsigned char c1 = static_cast<unsigned char>(t.at(pos + 1));
    if ((c1 & 0xC0) != 0x80) return 1;
    if (n == 3 && ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0))) return 1;
    if (n == 4 && ((c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 >= 0x90))) return 1;
    for (std::size_t i = 2; i < n; ++i)
        if (!isContinuation(t.at(pos + i))) return 1;
    return n;
}

} // namespace

std::size_t wordLeft(const TextSource& t, std::size_t pos) {
    pos = std::min(pos, t.size());
    std::size_t p = pos;
    while (p > 0 && classAt(t, p - 1) == CharClass::Space) --p;
    if (p == 0) return 0;
    const CharClass c = classAt(t, p - 1);
    if (c == CharClass::Newline) return p == pos ? p - 1 : p;
    while (p > 0 && classAt(t, p - 1) == c) --p;
    return p;
}

std::size_t wordRight(const TextSource& t, std::size_t pos) {
    const std::size_t n = t.size();
    if (pos >= n) return n;
    std::size_t p = pos;
    const CharClass c = classAt(t, p);
    if (c == CharClass::Newline) return p + 1;
    if (c != CharClass::Space)
        while (p < n && classAt(t, p) == c) ++p;
    while (p < n && classAt(t, p) == CharClass::Space) ++p;
    return p;
}

TextRange wordAt(const TextSource& t, std::size_t pos) {
    const std::size_t n = t.size();
    pos = std::min(pos, n);
    std::size_t probe = pos;
    if (pos == n || classAt(t, pos) == CharClass::Newline) {
        if (pos == 0 || classAt(t, pos - 1) == CharClass::Newline) return TextRange{pos, pos};
        probe = pos - 1;
    }
    const CharClass c = classAt(t, probe);
    std::size_t s = probe, e = probe + 1;
    while (s > 0 && classAt(t, s - 1) == c) --s;
    while (e < n && classAt(t, e) == c) ++e;
    return TextRange{s, e};
}

std::size_t nextCharOffset(const TextSource& t, std::size_t pos, bool utf8) {
    if (pos >= t.size()) return t.size();
    return pos + (utf8 ? utf8Length(t, pos) : 1);
}

std::size_t prevCharOffset(const TextSource& t, std::size_t pos, bool utf8) {
    pos = std::min(pos, t.size());
    if (pos == 0) return 0;
    if (!utf8) return pos - 1;
    // Back over up to three continuation bytes, then accept the lead only if its
    // sequence really ends at pos.
    std::size_t p = pos - 1;
    for (int i = 0; i < 3 && p > 0 && isContinuation(t.at(p)); ++i) --p;
    if (p + utf8Length(t, p) == pos) return p;
    return pos - 1;
}

std::size_t columnOfOffset(const TextSource& t, std::size_t offset, unsigned tabSize, bool utf8) {
    offset = std::min(offset, t.size());
    return columnOfOffsetFrom(t, ColumnMark{t.lineStart(t.lineOfOffset(offset)), 0}, offset, tabSize, utf8);
}

std::size_t columnOfOffsetFrom(const TextSource& t, ColumnMark from, std::size_t offset, unsigned tabSize, bool utf8) {
    offset = std::min(offset, t.size());
    std::size_t p = from.offset;
    std::size_t col = from.column;
    while (p < offset) {
        if (t.at(p) == '\t') {
            col = nextTabStop(col, tabSize);
            ++p;
        } else {
            const std::size_t next = nextCharOffset(t, p, utf8);
            if (next > offset) break;  // offset inside a character: that character's column
            ++col;
            p = next;
        }
    }
    return col;
}

std::size_t offsetOfColumn(const TextSource& t, std::size_t line, std::size_t column, unsigned tabSize, bool utf8,
                           bool nearest) {
    if (line >= t.lineCount()) return t.size();
    std::size_t p = t.lineStart(line);
    const std::size_t end = p + t.lineLength(line);
    std::size_t col = 0;
    while (p < end) {
        const bool tab = t.at(p) == '\t';
        const std::size_t next = tab ? p + 1 : std::min(nextCharOffset(t, p, utf8), end);
        const std::size_t right = tab ? nextTabStop(col, tabSize) : col + 1;
        if (column < right) {
            if (nearest && column - col >= (right - col + 1) / 2) return next;
            return p;
        }
        col = right;
        p = next;
    }
    return end;
}

std::size_t lineWidth(const TextSource& t, std::size_t line, unsigned tabSize, bool utf8) {
    if (line >= t.lineCount()) return 0;
    return columnOfOffset(t, t.lineStart(line) + t.lineLength(line), tabSize, utf8);
}

std::string changeCase(std::string_view text, CaseChange mode, bool utf8) {
    std::string out(text);
    const bool upper = mode == CaseChange::Upper;
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c < 0x80) {
            if (upper && c >= 'a' && c <= 'z') out[i] = static_cast<char>(c - 32);
            if (!upper && c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
            continue;
        }
        // The Latin-1 letter as its low byte: in UTF-8 it is C3 80-BF, the second byte
        // being 0x40 below the code point.
        std::size_t at = i;
        unsigned cp;
        if (utf8) {
            if (c != 0xC3 || i + 1 >= out.size()) continue;
            const unsigned char c1 = static_cast<unsigned char>(out[i + 1]);
            if ((c1 & 0xC0) != 0x80) continue;
            cp = c1 + 0x40;
            at = i + 1;
            ++i;
        } else {
            cp = c;
        }
        if (cp == 0xD7 || cp == 0xF7) continue;
        if (upper && cp >= 0xE0 && cp <= 0xFE) cp -= 0x20;
        else if (!upper && cp >= 0xC0 && cp <= 0xDE) cp += 0x20;
        else continue;
        out[at] = static_cast<char>(utf8 ? cp - 0x40 : cp);
    }
    return out;
}

} // namespace corvex
