#include <gtest/gtest.h>

#include "skin/region_runs.h"
#include "skin/three_slice.h"

namespace skin {
namespace {

std::vector<std::int32_t> Starts(const std::vector<SliceBlit>& blits) {
    std::vector<std::int32_t> out;
    for (const SliceBlit& b : blits) out.push_back(b.destX);
    return out;
}

TEST(ThreeSlice, MiddleRepeatsAndTheLastCopyMeetsTheRightEnd) {
    // 60-pixel bitmap: left end 26, right end 8, middle 26; a 100-pixel item.
    const std::vector<SliceBlit> b = ThreeSliceBlits(100, 60, 26, 8);
    EXPECT_EQ(Starts(b), (std::vector<std::int32_t>{26, 52, 66, 0, 92}));
    EXPECT_EQ(b[0].sourceX, 26);
    EXPECT_EQ(b[0].width, 26);
    EXPECT_EQ(b[3].width, 26);
    EXPECT_EQ(b[4].sourceX, 52);
    EXPECT_EQ(b[4].width, 8);
}

TEST(ThreeSlice, EndsWithoutAMiddleOrOutsideTheBitmapDoNotDivideOrOverrun) {
    EXPECT_EQ(MiddleSliceWidth(40, 20, 20), 0);
    EXPECT_EQ(Starts(ThreeSliceBlits(100, 40, 20, 20)), (std::vector<std::int32_t>{0, 80}));
    EXPECT_EQ(MiddleSliceWidth(40, 30, 30), 0);
    for (const SliceBlit& b : ThreeSliceBlits(100, 40, 30, 30)) {
        EXPECT_GE(b.sourceX, 0);
        EXPECT_LE(b.sourceX + b.width, 40);
    }
    EXPECT_EQ(MiddleSliceWidth(40, -5, -5), 40);
    EXPECT_TRUE(ThreeSliceBlits(100, 0, 0, 0).empty());
    // A target narrower than the ends still draws every end once.
    EXPECT_EQ(Starts(ThreeSliceBlits(10, 60, 26, 8)), (std::vector<std::int32_t>{-24, 0, 2}));
}

std::vector<Rgb> Image(std::int32_t w, std::int32_t h, Rgb fill) { return std::vector<Rgb>(std::size_t(w * h), fill); }

TEST(RegionRuns, AMagentaColumnSplitsEveryRowAndIdenticalRowsMerge) {
    const std::int32_t w = 8, h = 5;
    std::vector<Rgb> px = Image(w, h, Rgb{10, 20, 30});
    for (std::int32_t y = 0; y < h; ++y) px[std::size_t(y * w + 3)] = kTransparentKey;
    EXPECT_EQ(OpaqueRegionRects(w, h, px), (std::vector<Rect>{Rect{0, 0, 3, 5}, Rect{4, 0, 8, 5}}));

    for (std::int32_t y = 0; y < h; ++y) px[std::size_t(y * w + 0)] = kTransparentKey;
    EXPECT_EQ(OpaqueRegionRects(w, h, px), (std::vector<Rect>{Rect{1, 0, 3, 5}, Rect{4, 0, 8, 5}}));
}

TEST(RegionRuns, RoundedCornerRowsStayApartAndEmptyRowsBreakMerging) {
    // Row 0: x 2..3 opaque; row 1: all opaque; row 2: transparent; rows 3-4: all opaque.
    const std::int32_t w = 4;
    std::vector<Rgb> px = Image(w, 5, Rgb{1, 1, 1});
    px[0] = px[1] = kTransparentKey;
    for (std::int32_t x = 0; x < w; ++x) px[std::size_t(2 * w + x)] = kTransparentKey;
    EXPECT_EQ(OpaqueRegionRects(w, 5, px),
              (std::vector<Rect>{Rect{2, 0, 4, 1}, Rect{0, 1, 4, 2}, Rect{0, 3, 4, 5}}));
    // Nearly magenta is opaque; an all-magenta image has no region.
    EXPECT_EQ(OpaqueRegionRects(1, 1, std::vector<Rgb>{Rgb{255, 0, 254}}).size(), 1u);
    EXPECT_TRUE(OpaqueRegionRects(2, 2, Image(2, 2, kTransparentKey)).empty());
    EXPECT_TRUE(OpaqueRegionRects(0, 3, std::vector<Rgb>{}).empty());
    EXPECT_TRUE(OpaqueRegionRects(4, 4, std::vector<Rgb>(3)).empty());  // too few pixels
}

TEST(RegionRuns, WindowRegionIsTheInteriorPlusEveryPlacedPieceRegion) {
    PieceSizes states{};
    states.fill(Size{10, 10});
    PieceRegions regions;
    regions[PieceIndex(FramePiece::TopLeft)] = {Rect{1, 0, 10, 10}};  // first column see-through
    regions[PieceIndex(FramePiece::TopRight)] = {Rect{0, 0, 9, 10}};
    const std::vector<Rect> r = WindowRegionRects(states, regions, Size{50, 40});
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0], (Rect{10, 10, 40, 30}));
    EXPECT_EQ(r[1], (Rect{1, 0, 10, 10}));
    EXPECT_EQ(r[2], (Rect{40, 0, 49, 10}));
}

}  // namespace
}  // namespace skin
