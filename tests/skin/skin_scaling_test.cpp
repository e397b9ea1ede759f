// A skin description and the cells of its bitmaps at other resolutions than 96 DPI.
#include "skin/frame_geometry.h"
#include "skin/skin_scaling.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

SkinDescription SampleDescription() {
    SkinDescription d;
    d.frame.pieceStates[PieceIndex(FramePiece::Top)] = Size{10, 25};
    d.frame.sysButtonState = Size{21, 19};
    d.frame.menuButtonState = Size{30, 17};
    d.buttons.positions.close = Point{-6, 5};
    d.caption.offset = Point{3, -1};
    d.caption.font.points = 9;
    d.general.minimumSize = Size{300, 201};
    d.editor.windowMargins = Margins{1, 2, 3, 4};
    d.clientArea = Margins{5, 47, 5, 21};
    d.menu.text = Point{22, 3};
    d.menu.leftWidth = 7;
    d.menu.windowMenuRightWidth = 5;
    d.tabs.leftWidth = 9;
    d.tabs.text = Point{8, 3};
    d.statusbar.rightWidth = 11;
    d.info.name = "Sample";
    return d;
}

TEST(SkinScaling, At96TheDescriptionIsUnchanged) {
    const SkinDescription d = SampleDescription();
    const SkinDescription same = ScaledDescription(d, 96);
    EXPECT_EQ(same.frame.pieceStates[PieceIndex(FramePiece::Top)], (Size{10, 25}));
    EXPECT_EQ(same.clientArea, d.clientArea);
    EXPECT_EQ(same.buttons.positions.close, d.buttons.positions.close);
    EXPECT_EQ(same.menu.leftWidth, 7);
    EXPECT_EQ(same.general.minimumSize, d.general.minimumSize);
}

TEST(SkinScaling, At192EveryLengthDoublesAndNothingElseChanges) {
    const SkinDescription d = ScaledDescription(SampleDescription(), 192);
    EXPECT_EQ(d.frame.pieceStates[PieceIndex(FramePiece::Top)], (Size{20, 50}));
    EXPECT_EQ(d.frame.sysButtonState, (Size{42, 38}));
    EXPECT_EQ(d.frame.menuButtonState, (Size{60, 34}));
    EXPECT_EQ(d.buttons.positions.close, (Point{-12, 10}));
    EXPECT_EQ(d.caption.offset, (Point{6, -2}));
    EXPECT_EQ(d.general.minimumSize, (Size{600, 402}));
    EXPECT_EQ(d.editor.windowMargins, (Margins{2, 4, 6, 8}));
    EXPECT_EQ(d.clientArea, (Margins{10, 94, 10, 42}));
    EXPECT_EQ(d.menu.text, (Point{44, 6}));
    EXPECT_EQ(d.menu.leftWidth, 14);
    EXPECT_EQ(d.menu.windowMenuRightWidth, 10);
    EXPECT_EQ(d.tabs.leftWidth, 18);
    EXPECT_EQ(d.tabs.text, (Point{16, 6}));
    EXPECT_EQ(d.statusbar.rightWidth, 22);
    // Fonts are made at the DPI from their points; names stay.
    EXPECT_EQ(d.caption.font.points, 9);
    EXPECT_EQ(d.info.name, "Sample");
}

TEST(SkinScaling, At144LengthsRoundHalvesAwayFromZero) {
    const SkinDescription d = ScaledDescription(SampleDescription(), 144);
    EXPECT_EQ(d.frame.pieceStates[PieceIndex(FramePiece::Top)], (Size{15, 38}));  // 37.5 -> 38
    EXPECT_EQ(d.buttons.positions.close, (Point{-9, 8}));                           // 7.5 -> 8
    EXPECT_EQ(d.caption.offset, (Point{5, -2}));                                    // -1.5 -> -2
}

TEST(SkinScaling, CellsScaleOnTheirOwnAndStayOfOneSize) {
    // Three rows of 25 at 144: each 38 (37.5 rounded), the bitmap 114 high.
    const std::vector<Band> rows = ScaledBands(75, 75, 3, 144);
    ASSERT_EQ(rows.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].sourceStart, 25 * i);
        EXPECT_EQ(rows[i].sourceLength, 25);
        EXPECT_EQ(rows[i].start, 38 * i);
        EXPECT_EQ(rows[i].length, 38);
    }
    EXPECT_EQ(ScaledLength(75, 3, 144), 114);
    // Rows beyond the last whole cell, never drawn, are left out: the scaled bitmap is
    // exactly its cells, so that height / rows is the scaled cell.
    const std::vector<Band> odd = ScaledBands(51, 51, 2, 192);
    ASSERT_EQ(odd.size(), 2u);
    EXPECT_EQ(odd[1].sourceStart, 25);
    EXPECT_EQ(odd[1].start, 50);
    EXPECT_EQ(odd[1].length, 50);
    EXPECT_EQ(ScaledLength(51, 2, 192), 100);
}

TEST(SkinScaling, TheDoubleBitmapFillsTheCellsOfTheDesignBitmap) {
    // A 2x source of 3 rows of 50 at 288: cells of 75 from the design's rows of 25.
    const std::vector<Band> rows = ScaledBands(75, 150, 3, 288);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].sourceStart, 100);
    EXPECT_EQ(rows[2].sourceLength, 50);
    EXPECT_EQ(rows[2].start, 150);
    EXPECT_EQ(rows[2].length, 75);
    EXPECT_FALSE(ScalesByReplication(rows[2], rows[2]));  // 1.5: smooth
    const std::vector<Band> at192 = ScaledBands(75, 150, 3, 192);
    EXPECT_TRUE(ScalesByReplication(at192[0], at192[0]));  // the @2x cells as they are
    const std::vector<Band> at288 = ScaledBands(75, 75, 3, 288);
    EXPECT_TRUE(ScalesByReplication(at288[0], at288[0]));  // 3x: whole
    const std::vector<Band> at120 = ScaledBands(75, 75, 3, 120);
    EXPECT_FALSE(ScalesByReplication(at120[0], at120[0]));
}

TEST(SkinScaling, TheDoubleBitmapServesFromAFactorOfTwoButNotAtOddWholeFactors) {
    EXPECT_FALSE(UsesDoubleBitmap(96));
    EXPECT_FALSE(UsesDoubleBitmap(144));
    EXPECT_FALSE(UsesDoubleBitmap(191));
    EXPECT_TRUE(UsesDoubleBitmap(192));
    EXPECT_TRUE(UsesDoubleBitmap(240));
    EXPECT_FALSE(UsesDoubleBitmap(288));  // 3x: the 96-DPI bitmap repeated, not the @2x one smoothed
    EXPECT_TRUE(UsesDoubleBitmap(384));
    EXPECT_EQ(DoubleBitmapPath("C:\\Skin\\Quillblue\\top left.bmp"), "C:\\Skin\\Quillblue\\top left@2x.bmp");
    EXPECT_EQ(DoubleBitmapPath("tab.BMP"), "tab@2x.BMP");
    EXPECT_EQ(DoubleBitmapPath("C:\\a.b\\tab"), "C:\\a.b\\tab@2x");
}

TEST(SkinScaling, KeyPixelsTakeTheirNearestNeighboursColourBeforeSmoothing) {
    constexpr std::uint32_t K = 0x00FF00FF, A = 0x00102030, B = 0x00405060, C = 0x00708090;
    // Row 0: key between two colours splits by distance; row 1: key only, from the column;
    // row 2: key at both ends. The alpha byte does not make a pixel another colour.
    std::vector<std::uint32_t> pixels = {A, K, K, K, B,
                                         K, K, K, K, K,
                                         K, C, 0xFF000000u | B, K, K};
    CoverKeyPixels(pixels.data(), 5, 3, K);
    const std::vector<std::uint32_t> expected = {A, A, A, B, B,
                                                 A, A, A, B, B,
                                                 C, C, 0xFF000000u | B, 0xFF000000u | B, 0xFF000000u | B};
    EXPECT_EQ(pixels, expected);
    std::vector<std::uint32_t> allKey(6, K);
    CoverKeyPixels(allKey.data(), 3, 2, K);
    EXPECT_EQ(allKey, std::vector<std::uint32_t>(6, K));
    CoverKeyPixels(nullptr, 3, 2, K);
}

TEST(SkinScaling, StatusPartsKeepTheirWidthsAtTheDpi) {
    EXPECT_EQ(StatusPartEdges(600, true, 96), StatusPartEdges(600, true));
    EXPECT_EQ(StatusPartEdges(1200, true, 192), (std::array<std::int32_t, 4>{740, 880, 1080, 1200}));
    EXPECT_EQ(StatusPartEdges(1200, false, 192), (std::array<std::int32_t, 4>{1200, 1200, 1200, 1200}));
}

TEST(SkinScaling, EmptyBitmapsHaveNoBands) {
    EXPECT_TRUE(ScaledBands(0, 0, 3, 192).empty());
    EXPECT_EQ(ScaledLength(0, 3, 192), 0);
    // Fewer pixels than cells: one band for the whole.
    const std::vector<Band> tiny = ScaledBands(2, 2, 3, 192);
    ASSERT_EQ(tiny.size(), 1u);
    EXPECT_EQ(tiny[0].length, 4);
}

}  // namespace
}  // namespace skin
