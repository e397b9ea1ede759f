// Sizes in the messages: the largest unit that shows at least 1.0, one decimal rounded
// to the nearest, exact at the edges of the units and for the largest sizes.
#include "docs/size_text.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned long long kKB = 1ull << 10, kMB = 1ull << 20, kGB = 1ull << 30;

TEST(SizeText, TakesTheLargestUnitThatShowsAtLeastOne)
{
    EXPECT_EQ(SizeText(0), L"0 bytes");
    EXPECT_EQ(SizeText(972), L"972 bytes");     // 0.95 KB: shown as 0.9
    EXPECT_EQ(SizeText(973), L"1.0 KB");        // 0.9502 KB rounds up to 1.0
    EXPECT_EQ(SizeText(kKB), L"1.0 KB");
    EXPECT_EQ(SizeText(kMB - 1), L"1.0 MB");    // 1023.999 KB
    EXPECT_EQ(SizeText(850 * kMB), L"850.0 MB");
    EXPECT_EQ(SizeText(kGB), L"1.0 GB");
    EXPECT_EQ(SizeText(12 * kGB + 4 * kGB / 10), L"12.4 GB");
    EXPECT_EQ(SizeText(28 * kGB), L"28.0 GB");
}

TEST(SizeText, RoundsToTheNearestTenth)
{
    // 1.05 MB lies between 1 MB + 52428 bytes and 1 MB + 52429 bytes.
    EXPECT_EQ(SizeText(kMB + 52428), L"1.0 MB");
    EXPECT_EQ(SizeText(kMB + 52429), L"1.1 MB");
    EXPECT_EQ(SizeText(2 * kGB - 1), L"2.0 GB");
    EXPECT_EQ(SizeText(9 * kGB + 96 * kGB / 100), L"10.0 GB");  // 9.96 carries into the ones
}

TEST(SizeText, TheLargestSizesDoNotWrapRound)
{
    EXPECT_EQ(SizeText(~0ull), L"17179869184.0 GB");  // 2^64 - 1 bytes: 2^34 GB, rounded
    EXPECT_EQ(SizeText(1ull << 63), L"8589934592.0 GB");
}

} // namespace
