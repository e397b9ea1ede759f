// The splits when the view's DPI changes: the bars keep their place in proportion and
// take the bar size given for the new DPI.
#include "corvex/engine/pane_splits.h"

#include <gtest/gtest.h>

namespace corvex {
namespace {

class PaneSplitsRescaleTest : public ::testing::Test {
protected:
    std::size_t topLine = 0, topRow = 0, leftColumn = 0;
    PaneSplits splits{PaneSplits::ActiveStart{topLine, topRow, leftColumn}};
};

TEST_F(PaneSplitsRescaleTest, BarsKeepTheirPlaceInProportion)
{
    splits.startDrag(SplitBar::Rows);
    ASSERT_TRUE(splits.dragTo(102, 400, 16));
    splits.endDrag(400, 16);
    const int before = splits.barY();
    splits.rescaleBars(96, 192);
    EXPECT_EQ(splits.barY(), 2 * before);
    EXPECT_EQ(splits.barX(), 0) << "no vertical split appears";
    splits.rescaleBars(192, 96);
    EXPECT_EQ(splits.barY(), before);
}

TEST_F(PaneSplitsRescaleTest, TheBarSizeGivenPlacesThePanes)
{
    splits.setBarSize(10, 32);
    splits.startDrag(SplitBar::Columns);
    ASSERT_TRUE(splits.dragTo(205, 800, 16));
    EXPECT_EQ(splits.barX(), 200);
    EXPECT_EQ(splits.columnLeft(1), 210);
    EXPECT_EQ(splits.rowSplitBox(800, true).right - splits.rowSplitBox(800, true).left, 32);
    EXPECT_EQ(splits.rowSplitBox(800, true).bottom, 10);
}

} // namespace
} // namespace corvex
