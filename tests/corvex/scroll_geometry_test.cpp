// The parts of a scroll bar: where the thumb sits and how long it is, what a pixel is,
// and the position a dragged thumb stands for.
#include "corvex/engine/scroll_geometry.h"

#include <gtest/gtest.h>

using corvex::BarMetrics;
using corvex::BarPart;
using corvex::ScrollRange;

namespace {

// 17-pixel arrows at both ends of a 217-pixel bar: a track of 183 pixels.
constexpr BarMetrics kBar{217, 17, 8};

} // namespace

TEST(ScrollGeometry, TheThumbIsTheShareInViewAndMovesFromTrackStartToTrackEnd)
{
    const ScrollRange top{99, 25, 0};  // 100 positions, a quarter in view
    const auto thumb = corvex::PartSpan(kBar, top, BarPart::Thumb);
    EXPECT_EQ(thumb.start, 17);
    EXPECT_EQ(thumb.end - thumb.start, 183 / 4);
    const ScrollRange bottom{99, 25, 75};
    EXPECT_EQ(corvex::PartSpan(kBar, bottom, BarPart::Thumb).end, 200) << "the last position puts it at the end";
    const ScrollRange beyond{99, 25, 5000};
    EXPECT_EQ(corvex::PartSpan(kBar, beyond, BarPart::Thumb).end, 200) << "a position past the last is the last";
}

TEST(ScrollGeometry, AHugeRangeKeepsAThumbTheUserCanGrab)
{
    const ScrollRange lines{3'139'447, 40, 1'500'000};
    const auto thumb = corvex::PartSpan(kBar, lines, BarPart::Thumb);
    EXPECT_EQ(thumb.end - thumb.start, kBar.minThumb);
    EXPECT_GT(thumb.start, 17);
    EXPECT_LT(thumb.end, 200);
}

TEST(ScrollGeometry, NothingToScrollMeansNoThumbAndOneTrack)
{
    for (const ScrollRange& range : {ScrollRange{9, 10, 0}, ScrollRange{0, 1, 0}, ScrollRange{-1, 1, 0}}) {
        EXPECT_TRUE(corvex::PartSpan(kBar, range, BarPart::Thumb).empty());
        EXPECT_FALSE(corvex::Scrollable(range));
        EXPECT_EQ(corvex::PartAt(kBar, range, 100), BarPart::PageBack);
        EXPECT_EQ(corvex::PositionForThumb(kBar, range, 150), 0);
    }
}

TEST(ScrollGeometry, EveryPixelBelongsToOnePartInOrder)
{
    const ScrollRange range{199, 50, 60};
    const auto thumb = corvex::PartSpan(kBar, range, BarPart::Thumb);
    EXPECT_EQ(corvex::PartAt(kBar, range, -1), BarPart::None);
    EXPECT_EQ(corvex::PartAt(kBar, range, 0), BarPart::ArrowBack);
    EXPECT_EQ(corvex::PartAt(kBar, range, 16), BarPart::ArrowBack);
    EXPECT_EQ(corvex::PartAt(kBar, range, 17), BarPart::PageBack);
    EXPECT_EQ(corvex::PartAt(kBar, range, thumb.start - 1), BarPart::PageBack);
    EXPECT_EQ(corvex::PartAt(kBar, range, thumb.start), BarPart::Thumb);
    EXPECT_EQ(corvex::PartAt(kBar, range, thumb.end - 1), BarPart::Thumb);
    EXPECT_EQ(corvex::PartAt(kBar, range, thumb.end), BarPart::PageForward);
    EXPECT_EQ(corvex::PartAt(kBar, range, 199), BarPart::PageForward);
    EXPECT_EQ(corvex::PartAt(kBar, range, 200), BarPart::ArrowForward);
    EXPECT_EQ(corvex::PartAt(kBar, range, 216), BarPart::ArrowForward);
    EXPECT_EQ(corvex::PartAt(kBar, range, 217), BarPart::None);
}

TEST(ScrollGeometry, AShortBarSqueezesItsArrowsAndDropsTheThumb)
{
    const BarMetrics shortBar{20, 17, 8};
    const ScrollRange range{99, 10, 50};
    EXPECT_EQ(corvex::PartSpan(shortBar, range, BarPart::ArrowBack).end, 10);
    EXPECT_EQ(corvex::PartSpan(shortBar, range, BarPart::ArrowForward).start, 10);
    EXPECT_TRUE(corvex::PartSpan(shortBar, range, BarPart::Thumb).empty());
    EXPECT_EQ(corvex::PartAt(shortBar, range, 9), BarPart::ArrowBack);
    EXPECT_EQ(corvex::PartAt(shortBar, range, 10), BarPart::ArrowForward);
}

TEST(ScrollGeometry, DraggingTheThumbToWhereAPositionDrawsItGivesThatPosition)
{
    for (const ScrollRange& range : {ScrollRange{99, 25, 0}, ScrollRange{1000, 30, 0}, ScrollRange{3'139'447, 40, 0}}) {
        for (long long pos : {0LL, 1LL, corvex::LastPosition(range) / 3, corvex::LastPosition(range)}) {
            ScrollRange at = range;
            at.pos = pos;
            const int start = corvex::PartSpan(kBar, at, BarPart::Thumb).start;
            const long long back = corvex::PositionForThumb(kBar, range, start);
            // A pixel stands for many positions on a long range: back lands in the pixel.
            ScrollRange landed = range;
            landed.pos = back;
            EXPECT_EQ(corvex::PartSpan(kBar, landed, BarPart::Thumb).start, start) << range.max << " " << pos;
        }
        EXPECT_EQ(corvex::PositionForThumb(kBar, range, -500), 0);
        EXPECT_EQ(corvex::PositionForThumb(kBar, range, 5000), corvex::LastPosition(range));
    }
}
