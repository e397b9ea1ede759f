// The value formats of Skin.ini as pure functions over the text read from the file.
//
// Missing and present-but-empty values behave alike everywhere: they give the key's
// default. The three fixed-width formats (colour triple, size pair, size quad) also tell
// the caller when a non-empty value has the wrong length, which raises the key's
// validation message before the default is used.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/skin_types.h"

namespace skin {

// Longest value the loader reads: a 260-byte private-profile buffer holds 259 characters.
constexpr std::size_t kMaxValueLength = 259;

// Optional leading white space, optional sign, then the leading decimal digits; text
// without digits gives 0. Values beyond the 32-bit range saturate at INT32_MIN / INT32_MAX
// instead of overflowing.
std::int32_t LeadingInteger(std::string_view text);

// A 64-bit value kept inside the 32-bit range.
std::int32_t SaturateToInt32(std::int64_t value);

// Integer format: as LeadingInteger, but an empty value gives the default.
std::int32_t ParseInteger(std::string_view text, std::int32_t defaultValue);

// True exactly when the text is "true" compared without regard to case.
bool ParseBoolean(std::string_view text);

constexpr int kFontWeightNormal = 400;
constexpr int kFontWeightBold = 700;
// 700 when the text is "true" (any case), else 400.
int ParseFontWeight(std::string_view text);

// Keyword format: the whole value in lower case (ASCII).
std::string ParseKeyword(std::string_view text);

// Outcome of reading a fixed-width value.
enum class FixedStatus {
    Empty,        // nothing there: the key's default, silently
    WrongLength,  // not empty but of the wrong length: the key's message, then its default
    Parsed        // right length: the value below holds the parsed numbers
};

struct ColourValue {
    FixedStatus status = FixedStatus::Empty;
    Rgb colour;  // black unless Parsed
};

struct PairValue {
    FixedStatus status = FixedStatus::Empty;
    std::int32_t first = 0;
    std::int32_t second = 0;
};

struct QuadValue {
    FixedStatus status = FixedStatus::Empty;
    std::array<std::int32_t, 4> values{};
};

// "###,###,###": exactly 11 characters; each three-character field read as an integer and
// reduced to its low 8 bits (300 gives 44, -1 gives 255). Separators are not checked.
ColourValue ParseColourTriple(std::string_view text);
// "###,###": exactly 7 characters.
PairValue ParseSizePair(std::string_view text);
// "###,###,###,###": exactly 15 characters.
QuadValue ParseSizeQuad(std::string_view text);

// ASCII comparison without regard to case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Font height in logical units for a size in points: -(points x pixelsPerInch / 72),
// rounded to the nearest integer and kept inside the 32-bit range.
std::int32_t FontHeightForPoints(std::int32_t points, std::int32_t pixelsPerInch);

}  // namespace skin
