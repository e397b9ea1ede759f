#include "corvex/engine/file_codec.h"

#include "corvex/engine/byte_find.h"
#include "corvex/engine/text_buffer.h"
#include "corvex/engine/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>

namespace corvex {

namespace {

using u8 = unsigned char;

std::size_t decodeUtf8(const u8* p, std::size_t n, std::uint32_t& cp) { return utf8SequenceAt(p, n, cp); }

bool allAscii8(const u8* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return (w & 0x8080808080808080ULL) == 0;
}

std::uint32_t unitAt(const u8* p, bool bigEndian) {
    return bigEndian ? (std::uint32_t(p[0]) << 8) | p[1] : (std::uint32_t(p[1]) << 8) | p[0];
}

std::size_t utf8Size(std::uint32_t cp) { return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4; }

bool asciiUnits4(const u8* p, bool bigEndian) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return (w & (bigEndian ? 0x80FF80FF80FF80FFULL : 0xFF80FF80FF80FF80ULL)) == 0;
}

// Adds to `len` the UTF-8 size of n bytes of UTF-16 (n even, not ending inside a pair);
// false when they are not valid UTF-16.
bool measureUtf16(const u8* p, std::size_t n, bool bigEndian, std::size_t& len) {
    for (std::size_t i = 0; i < n;) {
        if (i + 8 <= n && asciiUnits4(p + i, bigEndian)) {
            len += 4;
            i += 8;
            continue;
        }
        const std::uint32_t u = unitAt(p + i, bigEndian);
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 4 > n) return false;
            const std::uint32_t v = unitAt(p + i + 2, bigEndian);
            if (v < 0xDC00 || v > 0xDFFF) return false;
            len += 4;
            i += 4;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            return false;
        } else {
            len += utf8Size(u);
            i += 2;
        }
    }
    return true;
}

// Writes the UTF-8 of n bytes of UTF-16 that measureUtf16 accepted; returns the end.
char* convertUtf16(const u8* p, std::size_t n, bool bigEndian, char* w) {
    for (std::size_t i = 0; i < n;) {
        if (i + 8 <= n && asciiUnits4(p + i, bigEndian)) {
            const std::size_t lo = bigEndian ? 1 : 0;
            w[0] = static_cast<char>(p[i + lo]);
            w[1] = static_cast<char>(p[i + 2 + lo]);
            w[2] = static_cast<char>(p[i + 4 + lo]);
            w[3] = static_cast<char>(p[i + 6 + lo]);
            w += 4;
            i += 8;
            continue;
        }
        std::uint32_t cp = unitAt(p + i, bigEndian);
        i += 2;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unitAt(p + i, bigEndian) - 0xDC00);
            i += 2;
        }
        if (cp < 0x80) {
            *w++ = static_cast<char>(cp);
        } else if (cp < 0x800) {
            *w++ = static_cast<char>(0xC0 | (cp >> 6));
            *w++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *w++ = static_cast<char>(0xE0 | (cp >> 12));
            *w++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *w++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *w++ = static_cast<char>(0xF0 | (cp >> 18));
            *w++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *w++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *w++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return w;
}

// UTF-16 (without BOM) to UTF-8; false, leaving `out` untouched, when it is not valid.
bool utf16ToUtf8(const u8* p, std::size_t n, bool bigEndian, std::string& out, std::size_t extra) {
    std::size_t len = 0;
    if (n % 2 || !measureUtf16(p, n, bigEndian, len)) return false;
    std::string s;
    s.reserve(len + extra);
    s.resize(len);
    if (len) convertUtf16(p, n, bigEndian, &s[0]);
    out.swap(s);
    return true;
}

// Hands `whole` the pieces `read` gives, cut so that none ends inside a unit or a
// surrogate pair; false when `whole` does, or when the bytes end inside one.
bool forEachWholeUtf16Piece(const ReadPiece& read, bool bigEndian,
                            const std::function<bool(const u8*, std::size_t)>& whole, std::size_t pieceBytes = 4u << 20) {
    std::vector<u8> buffer(pieceBytes + 4);
    std::size_t carried = 0;
    for (;;) {
        const std::size_t got = read(reinterpret_cast<char*>(buffer.data() + carried), pieceBytes);
        if (got == 0) return carried == 0;
        const std::size_t have = carried + got;
        std::size_t cut = have & ~static_cast<std::size_t>(1);
        if (cut >= 2) {
            const std::uint32_t last = unitAt(buffer.data() + cut - 2, bigEndian);
            if (last >= 0xD800 && last <= 0xDBFF) cut -= 2;  // its pair comes with the next piece
        }
        if (!whole(buffer.data(), cut)) return false;
        std::memmove(buffer.data(), buffer.data() + cut, have - cut);
        carried = have - cut;
    }
}

void putUnit(std::string& out, std::uint32_t u, bool bigEndian) {
    const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    if (bigEndian) {
        out.push_back(hi);
        out.push_back(lo);
    } else {
        out.push_back(lo);
        out.push_back(hi);
    }
}

// Walks the line-end kinds of a document while it is encoded chunk by chunk.
struct KindCursor {
    const TextSource* source = nullptr;
    const std::vector<unsigned char>* kinds = nullptr;
    std::size_t line = 0;
    unsigned char next() {
        const std::size_t i = line++;
        if (source) return source->lineEndKind(i);
        return i < kinds->size() ? (*kinds)[i] : kStyleLineEnd;
    }
};

const char* lineEndBytes(unsigned char kind, LineEnd style, std::size_t& length) {
    if (kind == kStyleLineEnd)
        kind = style == LineEnd::CRLF ? kCrLfLineEnd : style == LineEnd::LF ? kLfLineEnd : kCrLineEnd;
    length = kind == kCrLfLineEnd ? 2 : 1;
    return kind == kCrLfLineEnd ? "\r\n" : kind == kLfLineEnd ? "\n" : "\r";
}

// Appends one chunk of text, which must not end inside a valid UTF-8 sequence.
void encodeChunk(std::string& out, const char* data, std::size_t n, Encoding enc, LineEnd le,
                 KindCursor* kinds) {
    if (enc == Encoding::Utf16LE || enc == Encoding::Utf16BE) {
        const bool be = enc == Encoding::Utf16BE;
        const u8* p = reinterpret_cast<const u8*>(data);
        std::size_t i = 0;
        while (i < n) {
            std::uint32_t cp;
            std::size_t len = decodeUtf8(p + i, n - i, cp);
            if (len == 0) {  // a stray byte: its Latin-1 character
                cp = p[i];
                len = 1;
            }
            i += len;
            if (cp == '\n') {
                std::size_t count;
                const char* seq = lineEndBytes(kinds ? kinds->next() : kStyleLineEnd, le, count);
                for (std::size_t k = 0; k < count; ++k) putUnit(out, static_cast<u8>(seq[k]), be);
            } else if (cp < 0x10000) {
                putUnit(out, cp, be);
            } else {
                cp -= 0x10000;
                putUnit(out, 0xD800 + (cp >> 10), be);
                putUnit(out, 0xDC00 + (cp & 0x3FF), be);
            }
        }
        return;
    }
    if (!kinds && le == LineEnd::LF) {
        out.append(data, n);
    } else if (!kinds && le == LineEnd::CR) {
        const std::size_t at = out.size();
        out.append(data, n);
        std::replace(out.begin() + static_cast<std::ptrdiff_t>(at), out.end(), '\n', '\r');
    } else {
        const char* p = data;
        const char* end = data + n;
        while (p < end) {
            const char* q = FindByte(p, end, '\n');
            if (!q) {
                out.append(p, static_cast<std::size_t>(end - p));
                break;
            }
            out.append(p, static_cast<std::size_t>(q - p));
            std::size_t count;
            const char* seq = lineEndBytes(kinds ? kinds->next() : kStyleLineEnd, le, count);
            out.append(seq, count);
            p = q + 1;
        }
    }
}

void putBom(std::string& out, Encoding enc) {
    if (enc == Encoding::Utf8Bom) out.append("\xEF\xBB\xBF", 3);
    if (enc == Encoding::Utf16LE) out.append("\xFF\xFE", 2);
    if (enc == Encoding::Utf16BE) out.append("\xFE\xFF", 2);
}

std::size_t encodedBound(std::size_t size, std::size_t newlines, Encoding enc) {
    if (enc == Encoding::Utf16LE || enc == Encoding::Utf16BE) return 2 * size + 2 * newlines + 2;
    return size + newlines + 3;
}

} // namespace

const char* encodingName(Encoding e) {
    switch (e) {
    case Encoding::Ansi:
    case Encoding::CodePage: return "ANSI";
    case Encoding::Utf8: return "UTF-8";
    case Encoding::Utf8Bom: return "UTF-8 BOM";
    case Encoding::Utf16LE: return "UTF-16 LE";
    case Encoding::Utf16BE: return "UTF-16 BE";
    }
    return "ANSI";
}

const char* lineEndName(LineEnd e) {
    switch (e) {
    case LineEnd::CRLF: return "CRLF";
    case LineEnd::LF: return "LF";
    case LineEnd::CR: return "CR";
    }
    return "CRLF";
}

Utf8Check checkUtf8(std::string_view bytes) {
    Utf8Check r;
    const u8* p = reinterpret_cast<const u8*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        if (i + 8 <= n && allAscii8(p + i)) {
            i += 8;
            continue;
        }
        std::uint32_t cp;
        const std::size_t len = decodeUtf8(p + i, n - i, cp);
        if (len == 0) {
            r.valid = false;
            return r;
        }
        if (len > 1) r.multibyte = true;
        i += len;
    }
    return r;
}

void LineEndCounter::note(int kind, std::size_t at) {
    if (!count_[kind]++) first_[kind] = at;
}

void LineEndCounter::feed(const char* data, std::size_t n) {
    const u8* d = reinterpret_cast<const u8*>(data);
    if (n && crPending_) {
        if (d[0] != '\n') note(2, base_ - 1);  // the '\r' that ended the last piece stood alone
    }
    for (const char* p = data; (p = FindEitherByte(p, data + n, '\r', '\n')) != nullptr; ++p) {
        const std::size_t i = static_cast<std::size_t>(p - data);
        if (d[i] == '\n') {
            if (i > 0 ? d[i - 1] == '\r' : crPending_)
                note(0, base_ + i - 1);
            else
                note(1, base_ + i);
        } else if (i + 1 < n && d[i + 1] != '\n') {
            note(2, base_ + i);
        }
    }
    if (n) crPending_ = d[n - 1] == '\r';
    base_ += n;
}

LineEnd LineEndCounter::style() const {
    LineEndCounter last = *this;
    if (last.crPending_) last.note(2, base_ - 1);
    int best = 0;
    for (int k = 1; k < 3; ++k)
        if (last.count_[k] > last.count_[best] || (last.count_[k] == last.count_[best] && last.first_[k] < last.first_[best]))
            best = k;
    if (last.count_[best] == 0) return LineEnd::CRLF;
    return best == 0 ? LineEnd::CRLF : best == 1 ? LineEnd::LF : LineEnd::CR;
}

LineEnd detectLineEnd(std::string_view s) {
    LineEndCounter counter;
    counter.feed(s.data(), s.size());
    return counter.style();
}

std::size_t normaliseLineEndsIn(char* d, std::size_t n, LineEnd style, std::vector<unsigned char>* kinds) {
    if (kinds) kinds->clear();
    if (style == LineEnd::LF || n == 0) return n;
    // One pass that compacts in place: each line end the style counts becomes '\n', and
    // its kind is noted once any line end differs from the style.
    std::size_t r = 0, w = 0, ends = 0;
    auto note = [&](unsigned char kind) {
        if (kinds && (kind != kStyleLineEnd || !kinds->empty())) {
            if (kinds->empty()) kinds->assign(ends, kStyleLineEnd);
            kinds->push_back(kind);
        }
        ++ends;
    };
    while (r < n) {
        // Copy the run up to the next byte that may end a line.
        std::size_t q = r;
        if (style == LineEnd::CR) {
            const char* hit = FindEitherByte(d + r, d + n, '\r', '\n');
            q = hit ? static_cast<std::size_t>(hit - d) : n;
        } else {
            const char* hit = FindByte(d + r, d + n, '\n');
            q = hit ? static_cast<std::size_t>(hit - d) : n;
        }
        std::size_t runEnd = q;
        if (style == LineEnd::CRLF && q < n && q > r && d[q - 1] == '\r') runEnd = q - 1;
        if (w != r) std::memmove(d + w, d + r, runEnd - r);
        w += runEnd - r;
        if (q >= n) break;
        if (style == LineEnd::CRLF) {
            note(runEnd < q ? kStyleLineEnd : kLfLineEnd);
            r = q + 1;
        } else if (d[q] == '\r' && q + 1 < n && d[q + 1] == '\n') {
            note(kCrLfLineEnd);
            r = q + 2;
        } else {
            note(d[q] == '\r' ? kStyleLineEnd : kLfLineEnd);
            r = q + 1;
        }
        d[w++] = '\n';
    }
    return w;
}

void normaliseLineEnds(std::string& s, LineEnd style, std::vector<unsigned char>* kinds) {
    if (s.empty()) {
        if (kinds) kinds->clear();
        return;
    }
    s.resize(normaliseLineEndsIn(&s[0], s.size(), style, kinds));
}

std::string normaliseAllLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

DecodedFile decodeFile(std::string_view bytes, std::size_t extra, const ByteCodePage* codePage) {
    DecodedFile f;
    const u8* p = reinterpret_cast<const u8*>(bytes.data());
    const std::size_t n = bytes.size();
    std::string_view body = bytes;
    if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
        f.encoding = Encoding::Utf8Bom;
        body = bytes.substr(3);
    } else if (n >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
        const bool be = p[0] == 0xFE;
        if (utf16ToUtf8(p + 2, n - 2, be, f.text, extra)) {
            f.encoding = be ? Encoding::Utf16BE : Encoding::Utf16LE;
            f.lineEnd = detectLineEnd(f.text);
            normaliseLineEnds(f.text, f.lineEnd, &f.lineEndKinds);
            return f;
        }
        // Not valid UTF-16: keep every byte, change none.
        f.encoding = Encoding::Ansi;
        f.lineEnd = LineEnd::LF;
        f.utf16Fallback = true;
        f.text.reserve(n + extra);
        f.text.assign(bytes.data(), n);
        return f;
    } else if (checkUtf8(bytes).valid) {
        f.encoding = Encoding::Utf8;
    } else if (codePage) {
        std::string text;
        text.reserve(n + extra);
        if (codePage->decode(bytes, text)) {
            f.encoding = Encoding::CodePage;
            f.text.swap(text);
            f.lineEnd = detectLineEnd(f.text);
            normaliseLineEnds(f.text, f.lineEnd, &f.lineEndKinds);
            return f;
        }
        f.encoding = Encoding::Ansi;
    } else {
        f.encoding = Encoding::Ansi;
    }
    f.text.reserve(body.size() + extra);
    f.text.assign(body.data(), body.size());
    f.lineEnd = detectLineEnd(f.text);
    normaliseLineEnds(f.text, f.lineEnd, &f.lineEndKinds);
    return f;
}

DecodedFile decodeFileInPlace(std::string&& bytes, std::size_t extra, const ByteCodePage* codePage) {
    const u8* p = reinterpret_cast<const u8*>(bytes.data());
    const std::size_t n = bytes.size();
    if (n >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
        DecodedFile f = decodeFile(std::string_view(bytes), extra, codePage);
        if (f.utf16Fallback) {  // the text is the bytes themselves
            f.text.clear();
            f.text.shrink_to_fit();
            bytes.reserve(n + extra);
            f.text.swap(bytes);
        }
        return f;
    }
    DecodedFile f;
    if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
        f.encoding = Encoding::Utf8Bom;
        bytes.erase(0, 3);
    } else if (checkUtf8(bytes).valid) {
        f.encoding = Encoding::Utf8;
    } else if (codePage) {
        // Text in the code page grows as UTF-8: decoded into a new string.
        DecodedFile decoded = decodeFile(std::string_view(bytes), extra, codePage);
        if (decoded.encoding == Encoding::CodePage) return decoded;
        f.encoding = Encoding::Ansi;
    } else {
        f.encoding = Encoding::Ansi;
    }
    f.lineEnd = detectLineEnd(bytes);
    normaliseLineEnds(bytes, f.lineEnd, &f.lineEndKinds);
    if (bytes.capacity() < bytes.size() + extra) bytes.reserve(bytes.size() + extra);
    f.text.swap(bytes);
    return f;
}

bool decodeUtf16File(const ReadPiece& read, const std::function<bool()>& rewind, bool bigEndian,
                     std::size_t (*extraFor)(std::size_t size), DecodedFile& out) {
    std::size_t len = 0;
    if (!forEachWholeUtf16Piece(read, bigEndian,
                                [&](const u8* p, std::size_t n) { return measureUtf16(p, n, bigEndian, len); }) ||
        !rewind())
        return false;
    std::string text;
    text.reserve(len + (extraFor ? extraFor(len) : 0));
    text.resize(len);
    char* w = len ? &text[0] : nullptr;
    char* const end = w + len;
    const bool converted = forEachWholeUtf16Piece(read, bigEndian, [&](const u8* p, std::size_t n) {
        // The file may have changed since it was measured: never write past the text.
        std::size_t grow = 0;
        if (!measureUtf16(p, n, bigEndian, grow) || grow > static_cast<std::size_t>(end - w)) return false;
        w = convertUtf16(p, n, bigEndian, w);
        return true;
    });
    if (!converted || w != end) return false;
    DecodedFile f;
    f.encoding = bigEndian ? Encoding::Utf16BE : Encoding::Utf16LE;
    f.lineEnd = detectLineEnd(text);
    normaliseLineEnds(text, f.lineEnd, &f.lineEndKinds);
    f.text.swap(text);
    out = std::move(f);
    return true;
}

std::string encodeFile(std::string_view text, Encoding encoding, LineEnd lineEnd,
                       const std::vector<unsigned char>* lineEndKinds) {
    std::string out;
    const std::size_t newlines =
        lineEnd != LineEnd::LF || lineEndKinds ? static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) : 0;
    out.reserve(encodedBound(text.size(), newlines, encoding));
    putBom(out, encoding);
    KindCursor cursor;
    cursor.kinds = lineEndKinds;
    const bool kinds = lineEndKinds && !lineEndKinds->empty();
    encodeChunk(out, text.data(), text.size(), encoding, lineEnd, kinds ? &cursor : nullptr);
    return out;
}

std::string encodeFile(const DecodedFile& file, const ByteCodePage* codePage) {
    if (file.encoding == Encoding::CodePage && codePage) {
        std::string bytes;
        if (codePage->encode(file.text, bytes)) return encodeFile(bytes, Encoding::Ansi, file.lineEnd, &file.lineEndKinds);
    }
    return encodeFile(file.text, file.encoding, file.lineEnd, &file.lineEndKinds);
}

bool encodeFileInPieces(const TextSource& src, Encoding encoding, LineEnd lineEnd, const ByteCodePage* codePage,
                        const std::function<bool(std::string_view)>& sink) {
    const std::size_t size = src.size();
    KindCursor cursor;
    cursor.source = &src;
    const bool kinds = src.hasLineEndKinds();
    const bool viaCodePage = encoding == Encoding::CodePage && codePage;
    const Encoding written = encoding == Encoding::CodePage ? (viaCodePage ? Encoding::Ansi : Encoding::Utf8) : encoding;
    constexpr std::size_t kChunk = 1 << 20;
    // The same three buffers serve every piece: a document is written without ever
    // holding a second copy of it.
    std::string chunk, converted, piece;
    putBom(piece, encoding);
    std::size_t pos = 0;
    while (pos < size) {
        std::size_t end = std::min(size, pos + kChunk);
        if (end < size) {
            // Never split a valid UTF-8 sequence: cut before a byte that is not a
            // continuation byte, which no valid sequence has inside it.
            std::size_t cut = end;
            for (int i = 0; i < 3 && cut > pos + 1 && (static_cast<u8>(src.at(cut)) & 0xC0) == 0x80; ++i) --cut;
            if ((static_cast<u8>(src.at(cut)) & 0xC0) != 0x80) end = cut;
        }
        src.textInto(pos, end - pos, chunk);
        if (viaCodePage) {
            converted.clear();
            if (!codePage->encode(chunk, converted)) return false;
            encodeChunk(piece, converted.data(), converted.size(), written, lineEnd, kinds ? &cursor : nullptr);
        } else {
            encodeChunk(piece, chunk.data(), chunk.size(), written, lineEnd, kinds ? &cursor : nullptr);
        }
        if (!sink(piece)) return false;
        piece.clear();
        pos = end;
    }
    return piece.empty() || sink(piece);
}

bool encodeFileTo(const TextSource& src, Encoding encoding, LineEnd lineEnd, const ByteCodePage* codePage,
                  std::string& out) {
    out.clear();
    out.reserve(encodedBound(src.size(), src.lineCount() - 1, encoding));
    return encodeFileInPieces(src, encoding, lineEnd, codePage, [&](std::string_view piece) {
        out.append(piece.data(), piece.size());
        return true;
    });
}

std::string encodeFile(const TextSource& src, Encoding encoding, LineEnd lineEnd) {
    std::string out;
    encodeFileTo(src, encoding, lineEnd, nullptr, out);
    return out;
}

} // namespace corvex

// ---- reading a file into blocks

namespace corvex {

namespace {

// UTF-8 validity of bytes that come in pieces: a sequence cut by a piece's end is
// completed from the next.
class Utf8Stream {
public:
    void feed(const char* data, std::size_t n) {
        if (!valid_) return;
        const u8* p = reinterpret_cast<const u8*>(data);
        std::size_t i = 0;
        if (held_) {
            const std::size_t need = lengthOf(bytes_[0]);
            while (held_ < need && i < n) bytes_[held_++] = p[i++];
            if (held_ < need) return;
            valid_ = checkUtf8(std::string_view(reinterpret_cast<const char*>(bytes_), held_)).valid;
            held_ = 0;
            if (!valid_) return;
        }
        std::size_t cut = n;
        for (std::size_t k = 1; k <= 3 && k <= n - i; ++k) {
            const u8 c = p[n - k];
            if ((c & 0xC0) == 0x80) continue;
            if (c >= 0xC0 && lengthOf(c) > k) cut = n - k;
            break;
        }
        valid_ = checkUtf8(std::string_view(data + i, cut - i)).valid;
        for (std::size_t k = cut; k < n; ++k) bytes_[held_++] = p[k];
    }
    bool valid() const { return valid_ && held_ == 0; }

private:
    static std::size_t lengthOf(u8 lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2; }
    u8 bytes_[4] = {};
    std::size_t held_ = 0;
    bool valid_ = true;
};

// Text pieces with their line ends made '\n' (normaliseLineEnds), appended to a writer;
// a '\r' that ends a piece waits for the next, which may start with its '\n'.
class LineEndWriter {
public:
    LineEndWriter(LineEnd style, TextBuffer::RunWriter& writer) : style_(style), writer_(writer) {}
    // `text` has one byte of room before it, for a held '\r'.
    void write(char* text, std::size_t n) {
        if (held_) {
            *--text = '\r';
            ++n;
            held_ = false;
        }
        if (style_ != LineEnd::LF && n && text[n - 1] == '\r') {
            held_ = true;
            --n;
        }
        const std::size_t length = normaliseLineEndsIn(text, n, style_, &kinds_);
        writer_.append(std::string_view(text, length), kinds_.empty() ? nullptr : kinds_.data());
    }
    void finish() {
        if (!held_) return;
        held_ = false;
        char cr[2] = {0, '\r'};
        const std::size_t length = normaliseLineEndsIn(cr + 1, 1, style_, &kinds_);
        writer_.append(std::string_view(cr + 1, length), kinds_.empty() ? nullptr : kinds_.data());
    }

private:
    LineEnd style_;
    TextBuffer::RunWriter& writer_;
    std::vector<unsigned char> kinds_;
    bool held_ = false;
};

// Reads until `n` bytes came or the file ended.
std::size_t readFull(const ReadPiece& read, char* dst, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        const std::size_t more = read(dst + got, n - got);
        if (!more) break;
        got += more;
    }
    return got;
}

// One pass over the file from its first byte: every piece after the first `skip` bytes
// goes to `piece(text, n)`, with one byte of room before `text`. False when rewinding fails.
bool forEachPiece(const ReadPiece& read, const std::function<bool()>& rewind, std::size_t pieceBytes,
                  std::size_t skip, const std::function<void(char*, std::size_t)>& piece) {
    if (!rewind()) return false;
    std::string buffer(pieceBytes + 1, '\0');
    char* const text = &buffer[1];
    std::size_t n = readFull(read, text, pieceBytes);
    std::size_t from = std::min(skip, n);
    while (n > from) {
        piece(text + from, n - from);
        from = 0;
        n = readFull(read, text, pieceBytes);
    }
    return true;
}

bool readUtf16Into(const ReadPiece& read, const std::function<bool()>& rewind, bool bigEndian,
                   TextBuffer::RunWriter& writer, FileFormat& format, std::size_t pieceBytes) {
    auto afterBom = [&] {
        char bom[2];
        return rewind() && readFull(read, bom, 2) == 2;
    };
    // First the style, from the text converted piece by piece.
    LineEndCounter counter;
    std::string converted;
    bool valid = afterBom() && forEachWholeUtf16Piece(read, bigEndian, [&](const u8* p, std::size_t n) {
        std::size_t length = 0;
        if (!measureUtf16(p, n, bigEndian, length)) return false;
        converted.resize(length + 1);
        convertUtf16(p, n, bigEndian, &converted[1]);
        counter.feed(&converted[1], length);
        return true;
    }, pieceBytes);
    if (valid) {
        LineEndWriter lines(counter.style(), writer);
        valid = afterBom() && forEachWholeUtf16Piece(read, bigEndian, [&](const u8* p, std::size_t n) {
            std::size_t length = 0;
            if (!measureUtf16(p, n, bigEndian, length)) return false;  // changed since
            converted.resize(length + 1);
            convertUtf16(p, n, bigEndian, &converted[1]);
            lines.write(&converted[1], length);
            return true;
        }, pieceBytes);
        lines.finish();
        if (valid) {
            format = {bigEndian ? Encoding::Utf16BE : Encoding::Utf16LE, counter.style(), false};
            return true;
        }
        writer.finish();  // what was written goes
    }
    // Not UTF-16 after all: every byte kept, none changed.
    format = {Encoding::Ansi, LineEnd::LF, true};
    return forEachPiece(read, rewind, pieceBytes, 0, [&](char* text, std::size_t n) { writer.append(std::string_view(text, n)); });
}

} // namespace

bool readFileInto(const ReadPiece& read, const std::function<bool()>& rewind, const ByteCodePage* codePage,
                  TextBuffer& out, FileFormat& format, std::size_t pieceBytes) {
    pieceBytes = std::max<std::size_t>(pieceBytes, 4);
    char head[3] = {0, 0, 0};
    if (!rewind()) return false;
    const std::size_t headBytes = readFull(read, head, 3);
    const u8* h = reinterpret_cast<const u8*>(head);
    TextBuffer::RunWriter writer = out.writer();
    if (headBytes >= 2 && ((h[0] == 0xFF && h[1] == 0xFE) || (h[0] == 0xFE && h[1] == 0xFF))) {
        if (!readUtf16Into(read, rewind, h[0] == 0xFE, writer, format, pieceBytes)) return false;
        out.assign(writer.finish());
        return true;
    }
    const bool bom = headBytes == 3 && h[0] == 0xEF && h[1] == 0xBB && h[2] == 0xBF;
    const std::size_t skip = bom ? 3 : 0;

    // One pass that writes with the style of the first piece while it checks the style of
    // the whole and whether it is UTF-8; a second only when either proves otherwise.
    LineEndCounter counter;
    Utf8Stream utf8;
    std::unique_ptr<LineEndWriter> lines;
    LineEnd guess = LineEnd::CRLF;
    const bool read1 = forEachPiece(read, rewind, pieceBytes, skip, [&](char* text, std::size_t n) {
        if (!lines) {
            guess = detectLineEnd(std::string_view(text, n));
            lines = std::make_unique<LineEndWriter>(guess, writer);
        }
        counter.feed(text, n);
        if (!bom) utf8.feed(text, n);
        lines->write(text, n);
    });
    if (!read1) return false;
    if (lines) lines->finish();
    const LineEnd style = counter.style();
    format = {bom ? Encoding::Utf8Bom : utf8.valid() ? Encoding::Utf8 : Encoding::Ansi, style, false};

    TextBuffer::Run first = writer.finish();
    if (format.encoding == Encoding::Ansi && codePage) {
        // Text in the code page, when every byte stands for a character: held as UTF-8.
        LineEndCounter decodedEnds;
        std::string decoded;
        bool decodable = true;
        if (!forEachPiece(read, rewind, pieceBytes, 0, [&](char* text, std::size_t n) {
                decoded.assign(1, '\0');
                decodable = decodable && codePage->decode(std::string_view(text, n), decoded);
                if (decodable) decodedEnds.feed(decoded.data() + 1, decoded.size() - 1);
            }))
            return false;
        if (decodable) {
            first = TextBuffer::Run();
            format = {Encoding::CodePage, decodedEnds.style(), false};
            LineEndWriter decodedLines(format.lineEnd, writer);
            if (!forEachPiece(read, rewind, pieceBytes, 0, [&](char* text, std::size_t n) {
                    decoded.assign(1, '\0');
                    if (codePage->decode(std::string_view(text, n), decoded))
                        decodedLines.write(&decoded[1], decoded.size() - 1);
                }))
                return false;
            decodedLines.finish();
            out.assign(writer.finish());
            return true;
        }
    }
    if (style != guess) {
        first = TextBuffer::Run();
        LineEndWriter again(style, writer);
        if (!forEachPiece(read, rewind, pieceBytes, skip, [&](char* text, std::size_t n) { again.write(text, n); })) return false;
        again.finish();
        first = writer.finish();
    }
    out.assign(std::move(first));
    return true;
}

} // namespace corvex
