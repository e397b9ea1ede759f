#include "corvex/engine/file_codec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace corvex {

namespace {

using u8 = unsigned char;

// Length of the valid UTF-8 sequence at p (n bytes available) and its code point, or 0.
std::size_t decodeUtf8(const u8* p, std::size_t n, std::uint32_t& cp) {
    const u8 c = p[0];
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    std::size_t len;
    std::uint32_t min;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        cp = c & 0x1F;
        min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        cp = c & 0x0F;
        min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        cp = c & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (n < len) return 0;
    for (std::size_t i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

bool allAscii8(const u8* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return (w & 0x8080808080808080ULL) == 0;
}

std::uint32_t unitAt(const u8* p, bool bigEndian) {
    return bigEndian ? (std::uint32_t(p[0]) << 8) | p[1] : (std::uint32_t(p[1]) << 8) | p[0];
}

std::size_t utf8Size(std::uint32_t cp) { return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4; }

void putUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// UTF-16 (without BOM) to UTF-8; false, leaving `out` untouched, when it is not valid.
bool utf16ToUtf8(const u8* p, std::size_t n, bool bigEndian, std::string& out, std::size_t extra) {
    if (n % 2) return false;
    std::size_t len = 0;
    for (std::size_t i = 0; i < n; i += 2) {
        const std::uint32_t u = unitAt(p + i, bigEndian);
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 4 > n) return false;
            const std::uint32_t v = unitAt(p + i + 2, bigEndian);
            if (v < 0xDC00 || v > 0xDFFF) return false;
            len += 4;
            i += 2;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            return false;
        } else {
            len += utf8Size(u);
        }
    }
    std::string s;
    s.reserve(len + extra);
    for (std::size_t i = 0; i < n; i += 2) {
        std::uint32_t u = unitAt(p + i, bigEndian);
        if (u >= 0xD800 && u <= 0xDBFF) {
            const std::uint32_t v = unitAt(p + i + 2, bigEndian);
            u = 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00);
            i += 2;
        }
        putUtf8(s, u);
    }
    out.swap(s);
    return true;
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

// Appends one chunk of text, which must not end inside a valid UTF-8 sequence.
void encodeChunk(std::string& out, const char* data, std::size_t n, Encoding enc, LineEnd le) {
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
                if (le != LineEnd::LF) putUnit(out, '\r', be);
                if (le != LineEnd::CR) putUnit(out, '\n', be);
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
    if (le == LineEnd::LF) {
        out.append(data, n);
    } else if (le == LineEnd::CR) {
        const std::size_t at = out.size();
        out.append(data, n);
        std::replace(out.begin() + static_cast<std::ptrdiff_t>(at), out.end(), '\n', '\r');
    } else {
        const char* p = data;
        const char* end = data + n;
        while (p < end) {
            const char* q = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            if (!q) {
                out.append(p, static_cast<std::size_t>(end - p));
                break;
            }
            out.append(p, static_cast<std::size_t>(q - p));
            out.append("\r\n", 2);
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
    case Encoding::Ansi: return "ANSI";
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

LineEnd detectLineEnd(std::string_view s) {
    const char* d = s.data();
    const std::size_t n = s.size();
    const std::size_t none = static_cast<std::size_t>(-1);
    std::size_t count[3] = {0, 0, 0};  // CRLF, LF, CR
    std::size_t first[3] = {none, none, none};
    for (std::size_t i = 0; i < n;) {
        const void* hit = std::memchr(d + i, '\n', n - i);
        if (!hit) break;
        const std::size_t q = static_cast<std::size_t>(static_cast<const char*>(hit) - d);
        const int k = (q > 0 && d[q - 1] == '\r') ? 0 : 1;
        if (!count[k]++) first[k] = k == 0 ? q - 1 : q;
        i = q + 1;
    }
    for (std::size_t i = 0; i < n;) {
        const void* hit = std::memchr(d + i, '\r', n - i);
        if (!hit) break;
        const std::size_t q = static_cast<std::size_t>(static_cast<const char*>(hit) - d);
        if (!(q + 1 < n && d[q + 1] == '\n') && !count[2]++) first[2] = q;
        i = q + 1;
    }
    int best = 0;
    for (int k = 1; k < 3; ++k)
        if (count[k] > count[best] || (count[k] == count[best] && first[k] < first[best])) best = k;
    if (count[best] == 0) return LineEnd::CRLF;
    return best == 0 ? LineEnd::CRLF : best == 1 ? LineEnd::LF : LineEnd::CR;
}

void normaliseLineEnds(std::string& s, LineEnd style) {
    if (style == LineEnd::LF || s.empty()) return;
    if (style == LineEnd::CR) {
        std::replace(s.begin(), s.end(), '\r', '\n');
        return;
    }
    char* d = &s[0];
    const std::size_t n = s.size();
    std::size_t r = 0, w = 0;
    while (r < n) {
        const void* hit = std::memchr(d + r, '\n', n - r);
        const std::size_t q = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - d) : n;
        const std::size_t segEnd = (hit && q > r && d[q - 1] == '\r') ? q - 1 : q;
        if (w != r) std::memmove(d + w, d + r, segEnd - r);
        w += segEnd - r;
        if (!hit) break;
        d[w++] = '\n';
        r = q + 1;
    }
    s.resize(w);
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

DecodedFile decodeFile(std::string_view bytes, std::size_t extra) {
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
            normaliseLineEnds(f.text, f.lineEnd);
            return f;
        }
        // Not valid UTF-16: keep every byte, change none.
        f.encoding = Encoding::Ansi;
        f.lineEnd = LineEnd::LF;
        f.utf16Fallback = true;
        f.text.reserve(n + extra);
        f.text.assign(bytes.data(), n);
        return f;
    } else {
        const Utf8Check c = checkUtf8(bytes);
        f.encoding = (c.valid && c.multibyte) ? Encoding::Utf8 : Encoding::Ansi;
    }
    f.text.reserve(body.size() + extra);
    f.text.assign(body.data(), body.size());
    f.lineEnd = detectLineEnd(f.text);
    normaliseLineEnds(f.text, f.lineEnd);
    return f;
}

DecodedFile decodeFileInPlace(std::string&& bytes, std::size_t extra) {
    const u8* p = reinterpret_cast<const u8*>(bytes.data());
    const std::size_t n = bytes.size();
    if (n >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
        DecodedFile f = decodeFile(std::string_view(bytes), extra);
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
    } else {
        const Utf8Check c = checkUtf8(bytes);
        f.encoding = (c.valid && c.multibyte) ? Encoding::Utf8 : Encoding::Ansi;
    }
    f.lineEnd = detectLineEnd(bytes);
    normaliseLineEnds(bytes, f.lineEnd);
    if (bytes.capacity() < bytes.size() + extra) bytes.reserve(bytes.size() + extra);
    f.text.swap(bytes);
    return f;
}

std::string encodeFile(std::string_view text, Encoding encoding, LineEnd lineEnd) {
    std::string out;
    const std::size_t newlines =
        lineEnd == LineEnd::CRLF ? static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) : 0;
    out.reserve(encodedBound(text.size(), newlines, encoding));
    putBom(out, encoding);
    encodeChunk(out, text.data(), text.size(), encoding, lineEnd);
    return out;
}

std::string encodeFile(const TextSource& src, Encoding encoding, LineEnd lineEnd) {
    std::string out;
    const std::size_t size = src.size();
    out.reserve(encodedBound(size, src.lineCount() - 1, encoding));
    putBom(out, encoding);
    constexpr std::size_t kChunk = 1 << 20;
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
        const std::string chunk = src.text(pos, end - pos);
        encodeChunk(out, chunk.data(), chunk.size(), encoding, lineEnd);
        pos = end;
    }
    return out;
}

} // namespace corvex
