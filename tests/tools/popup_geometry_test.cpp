#include "tools/popup_geometry.h"

#include <gtest/gtest.h>

namespace tools {
namespace {

TEST(PopupPlacement, HangsUnderTheAnchorWhenItFits)
{
    const PopupOrigin at = PlacePopup(100, 40, 60, 1024, 768, false);
    EXPECT_EQ(at.x, 100);
    EXPECT_EQ(at.y, 60);
}

TEST(PopupPlacement, KeepsInsideTheLeftAndRightScreenEdges)
{
    EXPECT_EQ(PlacePopup(900, 0, 20, 1024, 768, false).x, 1024 - 170);
    EXPECT_EQ(PlacePopup(854, 0, 20, 1024, 768, false).x, 854);  // ends exactly at the edge
    EXPECT_EQ(PlacePopup(-30, 0, 20, 1024, 768, false).x, 0);
    EXPECT_EQ(PlacePopup(10, 0, 20, 100, 768, false).x, 0);  // a screen narrower than the popup
}

TEST(PopupPlacement, OpensAboveAnchorNearTheBottomLiftedForTheShadow)
{
    EXPECT_EQ(PlacePopup(0, 700, 720, 1024, 768, false).y, 700 - 182);
    EXPECT_EQ(PlacePopup(0, 700, 720, 1024, 768, true).y, 700 - 182 - 4);
    EXPECT_EQ(PlacePopup(0, 566, 586, 1024, 768, true).y, 586);  // 586 + 182 = 768 still fits
}

TEST(PopupPlacement, AtTwiceTheDesignDpiTheDropDownIsTwiceAsLarge)
{
    EXPECT_EQ(PopupSizeAt(96).width, 170);
    EXPECT_EQ(PopupSizeAt(96).height, 182);
    EXPECT_EQ(PopupSizeAt(192).width, 340);
    EXPECT_EQ(PopupSizeAt(192).height, 364);
    EXPECT_EQ(PopupSizeAt(144).width, 255);
    EXPECT_EQ(PlacePopup(1900, 0, 40, 2048, 1536, false, 192).x, 2048 - 340);
    EXPECT_EQ(PlacePopup(0, 1400, 1440, 2048, 1536, true, 192).y, 1400 - 364 - 8);
    EXPECT_EQ(PlacePopup(0, 1132, 1172, 2048, 1536, true, 192).y, 1172);  // 1172 + 364 = 1536 fits
}

TEST(PopupRows, HitTestCountsFromTheTopIndex)
{
    EXPECT_EQ(RowAt(0, false, 60, 0, 3), 0);
    EXPECT_EQ(RowAt(59, false, 60, 0, 3), 0);
    EXPECT_EQ(RowAt(60, false, 60, 0, 3), 1);
    EXPECT_EQ(RowAt(179, false, 60, 0, 3), 2);
    EXPECT_EQ(RowAt(180, false, 60, 0, 3), -1);  // below the last row
    EXPECT_EQ(RowAt(45, false, 30, 4, 10), 5);
    EXPECT_EQ(RowAt(10, true, 30, 0, 10), -1);   // right of the client area
    EXPECT_EQ(RowAt(10, false, 30, 0, 0), -1);   // empty list
    EXPECT_EQ(RowAt(-1, false, 30, 0, 10), -1);
}

TEST(PopupRows, NewEntriesAtTheTopMoveTheSelectedRowDown)
{
    RowMarks marks;
    marks.EntryInsertedAtTop();
    EXPECT_EQ(marks.selected, -1);
    marks.selected = 2;
    marks.EntryInsertedAtTop();
    EXPECT_EQ(marks.selected, 3);
}

TEST(PopupRows, DeletingFollowsTheSelectedRow)
{
    RowMarks marks;
    marks.selected = 3;
    marks.hot = 1;
    marks.chosen = 1;
    marks.EntryDeleting(1, 5);
    EXPECT_EQ(marks.selected, 2);
    marks.EntryDeleting(2, 4);
    EXPECT_EQ(marks.selected, -1);
    marks.selected = 0;
    marks.EntryDeleting(2, 3);
    EXPECT_EQ(marks.selected, 0);
}

TEST(PopupRows, DeletingTheOnlyEntryForgetsEveryRow)
{
    RowMarks marks;
    marks.selected = marks.hot = marks.chosen = 0;
    marks.EntryDeleting(0, 1);
    EXPECT_EQ(marks.selected, -1);
    EXPECT_EQ(marks.hot, -1);
    EXPECT_EQ(marks.chosen, -1);
}

TEST(PopupRows, ResetForgetsSelectedAndHot)
{
    RowMarks marks;
    marks.selected = 1;
    marks.hot = 2;
    marks.Reset();
    EXPECT_EQ(marks.selected, -1);
    EXPECT_EQ(marks.hot, -1);
    marks.SetCurrent(4, 0);  // an empty list keeps no current row
    EXPECT_EQ(marks.selected, -1);
    marks.SetCurrent(1, 2);
    EXPECT_EQ(marks.selected, 1);
}

TEST(PopupRows, UpAndDownWrapAndStartFromTheEnds)
{
    RowMarks marks;
    marks.StepUp(3);
    EXPECT_EQ(marks.hot, 2);  // from none to the last
    marks.StepUp(3);
    marks.StepUp(3);
    EXPECT_EQ(marks.hot, 0);
    marks.StepUp(3);
    EXPECT_EQ(marks.hot, 2);
    marks.hot = -1;
    marks.StepDown(3);
    EXPECT_EQ(marks.hot, 0);  // from none to the first
    marks.hot = 2;
    marks.StepDown(3);
    EXPECT_EQ(marks.hot, 0);
    marks.hot = -1;
    marks.StepDown(0);
    marks.StepUp(0);
    EXPECT_EQ(marks.hot, -1);  // nothing to step through
}

} // namespace
} // namespace tools
