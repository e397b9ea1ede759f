#include "platform/stored_text.h"

#include <cstddef>
#include <cstdint>

namespace stored {
namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendUtf16(std::wstring& out, std::uint32_t code)
{
    if (code < 0x10000) {
        out += static_cast<wchar_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (code >> 10));
        out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
    }
}

// The code point of the sequence at `bytes[at]`, its length in `length`; kReplacement
// with length 1 for a byte that does not begin a well-formed sequence. Surrogate code
// points are accepted: they are how unpaired surrogates are stored.
std::uint32_t DecodeOne(const std::string& bytes, std::size_t at, std::size_t& length)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(at);
    length = 1;
    if (lead < 0x80)
        return lead;
    std::size_t count = 0;
    std::uint32_t code = 0;
    std::uint32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3, code = lead & 0x07, least = 0x10000;
    } else {
        return kReplacement;
    }
    if (at + count >= bytes.size())
        return kReplacement;
    for (std::size_t i = 1; i <= count; ++i) {
        const std::uint8_t next = byte(at + i);
        if ((next & 0xC0) != 0x80)
            return kReplacement;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF)
        return kReplacement;
    length = count + 1;
    return code;
}

bool BeginsWithMark(const std::string& bytes) { return bytes.compare(0, 3, kUtf8Mark) == 0; }

} // namespace

std::string Utf8FromUtf16(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint32_t unit = static_cast<std::uint16_t>(text[i]);
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(static_cast<std::uint16_t>(text[i + 1]))) {
            const std::uint32_t low = static_cast<std::uint16_t>(text[++i]);
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else {
            AppendUtf8(out, unit);  // an unpaired surrogate keeps its own three bytes
        }
    }
    return out;
}

std::wstring Utf16FromUtf8(const std::string& bytes)
{
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t length = 0;
    for (std::size_t at = 0; at < bytes.size(); at += length) {
        const std::uint32_t code = DecodeOne(bytes, at, length);
        // (Utf8FromUtf16 never writes a lone high surrogate right before a lone low one:
        // it writes that pair as one code point.)
        AppendUtf16(out, code);
    }
    return out;
}

std::string Encode(const std::wstring& text, const CodePage& ansi)
{
    std::string bytes;
    if (ansi.ToAnsi(text, bytes) && !BeginsWithMark(bytes))
        return bytes;
    return kUtf8Mark + Utf8FromUtf16(text);
}

std::wstring Decode(const std::string& bytes, const CodePage& ansi)
{
    if (BeginsWithMark(bytes))
        return Utf16FromUtf8(bytes.substr(3));
    return ansi.FromAnsi(bytes);
}

} // namespace stored
