// Lengths designed at 96 DPI at other DPIs: the identity at 96, halves away from zero.
#include "corvex/engine/dpi_length.h"

#include <gtest/gtest.h>

namespace corvex {
namespace {

TEST(DpiLength, IsTheIdentityAtTheDesignDpi)
{
    for (int length : {-13, -1, 0, 1, 2, 4, 14, 90, 1000})
        EXPECT_EQ(ScaleLength(length, 96), length);
}

TEST(DpiLength, ScalesByWholeAndFractionalFactors)
{
    EXPECT_EQ(ScaleLength(14, 192), 28);
    EXPECT_EQ(ScaleLength(2, 288), 6);
    EXPECT_EQ(ScaleLength(14, 144), 21);
    EXPECT_EQ(ScaleLength(-13, 192), -26);
    EXPECT_EQ(ScaleLength(8, 120), 10);
}

TEST(DpiLength, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(ScaleLength(1, 144), 2);    // 1.5
    EXPECT_EQ(ScaleLength(-1, 144), -2);  // -1.5
    EXPECT_EQ(ScaleLength(5, 144), 8);    // 7.5
    EXPECT_EQ(ScaleLength(1, 120), 1);    // 1.25
}

} // namespace
} // namespace corvex
