#include "skin/skin_values.h"

#include <gtest/gtest.h>

#include <climits>

namespace skin {
namespace {

TEST(SkinValues, IntegerReadsLeadingDigitsAndGivesTheDefaultOnlyWhenEmpty) {
    EXPECT_EQ(ParseInteger("", 6), 6);
    EXPECT_EQ(ParseInteger("  -30px", 6), -30);
    EXPECT_EQ(ParseInteger("+12", 6), 12);
    EXPECT_EQ(ParseInteger("abc", 6), 0);
    EXPECT_EQ(ParseInteger(" ", 6), 0);
    EXPECT_EQ(ParseInteger("- 5", 6), 0);
}

TEST(SkinValues, HugeIntegersSaturateInsteadOfOverflowing) {
    EXPECT_EQ(LeadingInteger("2147483647"), INT_MAX);
    EXPECT_EQ(LeadingInteger("2147483648"), INT_MAX);
    EXPECT_EQ(LeadingInteger("99999999999999999999999999"), INT_MAX);
    EXPECT_EQ(LeadingInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(LeadingInteger("-99999999999999999999999999"), INT_MIN);
}

TEST(SkinValues, BooleanAndFontWeightAreTrueOnlyForTheWordTrue) {
    EXPECT_TRUE(ParseBoolean("TRUE"));
    EXPECT_TRUE(ParseBoolean("True"));
    EXPECT_FALSE(ParseBoolean("1"));
    EXPECT_FALSE(ParseBoolean("true "));
    EXPECT_FALSE(ParseBoolean(""));
    EXPECT_EQ(ParseFontWeight("tRuE"), 700);
    EXPECT_EQ(ParseFontWeight("0"), 400);
    EXPECT_EQ(ParseKeyword("AlignCenter"), "aligncenter");
}

TEST(SkinValues, ColourTripleKeepsTheLowEightBitsOfEachField) {
    ColourValue c = ParseColourTriple("300,000,000");
    EXPECT_EQ(c.status, FixedStatus::Parsed);
    EXPECT_EQ(c.colour, (Rgb{44, 0, 0}));
    EXPECT_EQ(ParseColourTriple("012,128,255").colour, (Rgb{12, 128, 255}));
    EXPECT_EQ(ParseColourTriple("-01,256,999").colour, (Rgb{255, 0, 231}));
    // Separators are not checked and non-digits read as zero.
    EXPECT_EQ(ParseColourTriple("001x002y003").colour, (Rgb{1, 2, 3}));
    c = ParseColourTriple("abc,def,ghi");
    EXPECT_EQ(c.status, FixedStatus::Parsed);
    EXPECT_EQ(c.colour, (Rgb{0, 0, 0}));
}

TEST(SkinValues, FixedWidthFormatsTellEmptyFromWrongLength) {
    EXPECT_EQ(ParseColourTriple("").status, FixedStatus::Empty);
    EXPECT_EQ(ParseColourTriple("255,255").status, FixedStatus::WrongLength);
    EXPECT_EQ(ParseColourTriple("255,255,2555").status, FixedStatus::WrongLength);
    EXPECT_EQ(ParseSizePair("").status, FixedStatus::Empty);
    EXPECT_EQ(ParseSizePair("20,150").status, FixedStatus::WrongLength);
    EXPECT_EQ(ParseSizeQuad("0,0,0,0").status, FixedStatus::WrongLength);
}

TEST(SkinValues, SizePairAndQuadReadTheirFields) {
    const PairValue p = ParseSizePair("200,150");
    EXPECT_EQ(p.status, FixedStatus::Parsed);
    EXPECT_EQ(p.first, 200);
    EXPECT_EQ(p.second, 150);
    const QuadValue q = ParseSizeQuad("004,062,-03,022");
    EXPECT_EQ(q.status, FixedStatus::Parsed);
    EXPECT_EQ(q.values, (std::array<std::int32_t, 4>{4, 62, -3, 22}));
}

TEST(SkinValues, FontHeightIsNegativePixelsRounded) {
    EXPECT_EQ(FontHeightForPoints(8, 96), -11);   // 10.67
    EXPECT_EQ(FontHeightForPoints(9, 96), -12);
    EXPECT_EQ(FontHeightForPoints(10, 120), -17);  // 16.67
    EXPECT_EQ(FontHeightForPoints(INT_MAX, 96), INT_MIN);
}

}  // namespace
}  // namespace skin
