#include "skin/skin_values.h"

#include <cmath>
#include <limits>

namespace skin {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

std::int32_t Field(std::string_view text, std::size_t start) { return LeadingInteger(text.substr(start, 3)); }

std::uint8_t LowByte(std::int32_t v) { return std::uint8_t(std::uint32_t(v) & 0xFFu); }

template <typename Value>
bool CheckLength(std::string_view text, std::size_t length, Value& out) {
    if (text.empty()) {
        out.status = FixedStatus::Empty;
        return false;
    }
    if (text.size() != length) {
        out.status = FixedStatus::WrongLength;
        return false;
    }
    out.status = FixedStatus::Parsed;
    return true;
}

}  // namespace

std::int32_t SaturateToInt32(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(v < lo ? lo : (v > hi ? hi : v));
}

std::int32_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range.
    constexpr std::int64_t cap = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= cap) value = value * 10 + (text[i] - '0');
    }
    return SaturateToInt32(negative ? -value : value);
}

std::int32_t ParseInteger(std::string_view text, std::int32_t defaultValue) {
    return text.empty() ? defaultValue : LeadingInteger(text);
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool ParseBoolean(std::string_view text) { return EqualsIgnoreCase(text, "true"); }

int ParseFontWeight(std::string_view text) { return ParseBoolean(text) ? kFontWeightBold : kFontWeightNormal; }

std::string ParseKeyword(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = LowerAscii(c);
    return lower;
}

ColourValue ParseColourTriple(std::string_view text) {
    ColourValue out;
    if (CheckLength(text, 11, out)) {
        out.colour = Rgb{LowByte(Field(text, 0)), LowByte(Field(text, 4)), LowByte(Field(text, 8))};
    }
    return out;
}

PairValue ParseSizePair(std::string_view text) {
    PairValue out;
    if (CheckLength(text, 7, out)) {
        out.first = Field(text, 0);
        out.second = Field(text, 4);
    }
    return out;
}

QuadValue ParseSizeQuad(std::string_view text) {
    QuadValue out;
    if (CheckLength(text, 15, out)) {
        for (std::size_t k = 0; k < 4; ++k) out.values[k] = Field(text, 4 * k);
    }
    return out;
}

std::int32_t FontHeightForPoints(std::int32_t points, std::int32_t pixelsPerInch) {
    const double pixels = std::round(double(points) * double(pixelsPerInch) / 72.0);
    return SaturateToInt32(-std::int64_t(pixels));
}

}  // namespace skin
