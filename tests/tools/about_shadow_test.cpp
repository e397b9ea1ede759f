#include "tools/about_shadow.h"

#include <gtest/gtest.h>

namespace tools {
namespace {

constexpr int kHeight = 204;

TEST(AboutShadow, TheBandNextToThePictureIsDarkestAndFadesOutward)
{
    // The innermost column (k = 4) darkens by 4 x 28.4 = 113.6, truncated.
    EXPECT_EQ(RightShadowAmount(4, 100, kHeight), 113);
    EXPECT_EQ(RightShadowAmount(3, 100, kHeight), 85);  // 85.2
    EXPECT_EQ(RightShadowAmount(2, 100, kHeight), 56);  // 56.8
    EXPECT_EQ(RightShadowAmount(1, 100, kHeight), 28);
    EXPECT_EQ(BottomShadowAmount(4, 150), 113);
    EXPECT_EQ(BottomShadowAmount(1, 150), 28);
}

TEST(AboutShadow, TheRightBandStartsFourPixelsDownAndFadesAtBothEnds)
{
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(RightShadowAmount(4, y, kHeight), 0) << y;
    EXPECT_EQ(RightShadowAmount(4, 4, kHeight), 25);   // 1 x 4 x 6.3
    EXPECT_EQ(RightShadowAmount(4, 7, kHeight), 100);  // 4 x 4 x 6.3 = 100.8
    EXPECT_EQ(RightShadowAmount(4, 8, kHeight), 113);
    EXPECT_EQ(RightShadowAmount(4, kHeight - 5, kHeight), 113);
    EXPECT_EQ(RightShadowAmount(4, kHeight - 4, kHeight), 100);  // (H - y) = 4
    EXPECT_EQ(RightShadowAmount(4, kHeight - 1, kHeight), 25);
    EXPECT_EQ(RightShadowAmount(1, kHeight - 1, kHeight), 6);    // 6.3
}

TEST(AboutShadow, TheBottomBandStartsFourPixelsRight)
{
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(BottomShadowAmount(3, x), 0) << x;
    EXPECT_EQ(BottomShadowAmount(3, 4), 18);  // 18.9
    EXPECT_EQ(BottomShadowAmount(3, 7), 75);  // 75.6
    EXPECT_EQ(BottomShadowAmount(3, 8), 85);
}

TEST(AboutShadow, DarkeningRoundsLikeMulDiv)
{
    EXPECT_EQ(DarkenComponent(255, 113), 142);
    EXPECT_EQ(DarkenComponent(200, 113), 111);  // 111.37
    EXPECT_EQ(DarkenComponent(1, 127), 1);      // 0.502 rounds up
    EXPECT_EQ(DarkenComponent(1, 128), 0);      // 0.498 rounds down
    EXPECT_EQ(DarkenComponent(0, 113), 0);
    EXPECT_EQ(DarkenComponent(77, 0), 77);
    EXPECT_EQ(DarkenComponent(77, 255), 0);
    EXPECT_EQ(DarkenColour(0x00C86432, 113), 0x006F381Cu);  // each component apart
}

TEST(AboutShadow, TheWindowIsCentredOnTheScreen)
{
    EXPECT_EQ(AboutLeft(1024), 364);
    EXPECT_EQ(AboutTop(768), 284);
    EXPECT_EQ(AboutLeft(1025), 364);  // integer halves
}

} // namespace
} // namespace tools

namespace tools {
namespace {

TEST(AboutShadow, AtTwiceTheDesignDpiEachDesignPixelCoversTwoByTwo)
{
    EXPECT_EQ(ShadowBandAt(96), 4);
    EXPECT_EQ(ShadowBandAt(192), 8);
    EXPECT_EQ(ShadowBandAt(144), 6);
    for (int k = 1; k <= 4; ++k)
        for (int y = 0; y < 200; ++y)
            EXPECT_EQ(RightShadowAmountAt(k, y, 204, 96), RightShadowAmount(k, y, 204));
    // Band columns 1 and 2 at 192 are design column 1, rows 8 and 9 design row 4.
    EXPECT_EQ(RightShadowAmountAt(1, 8, 408, 192), RightShadowAmount(1, 4, 204));
    EXPECT_EQ(RightShadowAmountAt(2, 9, 408, 192), RightShadowAmount(1, 4, 204));
    EXPECT_EQ(RightShadowAmountAt(8, 100, 408, 192), RightShadowAmount(4, 50, 204));
    EXPECT_EQ(BottomShadowAmountAt(3, 14, 192), BottomShadowAmount(2, 7));
    EXPECT_EQ(BottomShadowAmountAt(3, 7, 192), 0);  // design column 3: still before the fade
}

TEST(AboutShadow, AScaledPictureIsCentredByItsOwnSize)
{
    EXPECT_EQ(AboutLeft(2048, 592), 728);
    EXPECT_EQ(AboutTop(1536, 400), 568);
}

} // namespace
} // namespace tools
