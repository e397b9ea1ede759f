// Design lengths at other resolutions: exact at 96 DPI, twice at 192, rounded to the
// nearest pixel at 144 and 120, and back again.
#include "platform/dpi_scale.h"

#include <gtest/gtest.h>

TEST(DpiScale, DesignLengthsScaleWithTheResolutionAndRoundToThePixel)
{
    for (int length : {0, 1, 7, 13, 20, 255, -3})
        EXPECT_EQ(dpi::Scale(length, 96), length);
    EXPECT_EQ(dpi::Scale(20, 192), 40);
    EXPECT_EQ(dpi::Scale(13, 288), 39);
    EXPECT_EQ(dpi::Scale(13, 144), 20);  // 19.5: halves away from zero, as MulDiv
    EXPECT_EQ(dpi::Scale(-13, 144), -20);
    EXPECT_EQ(dpi::Scale(3, 120), 4);    // 3.75
    EXPECT_EQ(dpi::Scale(1, 120), 1);    // 1.25: a one-pixel line stays one pixel
    EXPECT_EQ(dpi::Scale(17, 0), 17);    // an unknown resolution is the design one
    EXPECT_EQ(dpi::Unscale(40, 192), 20);
    EXPECT_EQ(dpi::Unscale(dpi::Scale(37, 144), 144), 37);
    EXPECT_TRUE(dpi::WholeFactor(192));
    EXPECT_FALSE(dpi::WholeFactor(144));
}
