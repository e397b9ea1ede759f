#include "skin/frame_geometry.h"

#include <gtest/gtest.h>

#include "skin/frame_buttons.h"
#include "skin/frame_caption.h"
#include "skin/frame_hit_test.h"

namespace skin {
namespace {

// Corners 12 x 30, top edge 10 x 30, sides 4 wide, bottom 4 high: a top title bar.
PieceSizes TopBarPieces() {
    return PieceSizes{Size{12, 30}, Size{10, 30}, Size{12, 30}, Size{4, 10},
                      Size{4, 10},  Size{12, 4},  Size{10, 4},  Size{12, 4}};
}

TEST(FramePieces, StateSizesFollowTheTitleBarSide) {
    const Size bmp{40, 60};
    EXPECT_EQ(PieceStateSize(FramePiece::Top, TitleBarSide::Top, bmp), (Size{40, 30}));
    EXPECT_EQ(PieceStateSize(FramePiece::Left, TitleBarSide::Top, bmp), bmp);
    EXPECT_EQ(PieceStateSize(FramePiece::TopLeft, TitleBarSide::Left, bmp), (Size{20, 60}));
    EXPECT_EQ(PieceStateSize(FramePiece::TopRight, TitleBarSide::Left, bmp), bmp);
    EXPECT_EQ(PieceStateSize(FramePiece::BottomRight, TitleBarSide::Right, Size{41, 7}), (Size{20, 7}));
    EXPECT_EQ(PieceStateSize(FramePiece::BottomRight, TitleBarSide::Bottom, Size{41, 7}), (Size{41, 3}));
    EXPECT_EQ(PieceSourceOrigin(FramePiece::Top, TitleBarSide::Top, Size{40, 30}, false), (Point{0, 30}));
    EXPECT_EQ(PieceSourceOrigin(FramePiece::Left, TitleBarSide::Left, Size{20, 60}, false), (Point{20, 0}));
    EXPECT_EQ(PieceSourceOrigin(FramePiece::Bottom, TitleBarSide::Top, Size{40, 30}, false), (Point{0, 0}));
    EXPECT_EQ(PieceSourceOrigin(FramePiece::Top, TitleBarSide::Top, Size{40, 30}, true), (Point{0, 0}));
    EXPECT_EQ(ParseTitleBarSide("sideways"), TitleBarSide::Top);
}

TEST(FramePieces, EdgeTilesRunFromTheFirstCornerAndEndFlushAgainstTheSecond) {
    EXPECT_EQ(EdgeTileStarts(100, 12, 12, 10), (std::vector<std::int32_t>{12, 22, 32, 42, 52, 62, 72, 78}));
    EXPECT_EQ(EdgeTileStarts(44, 12, 12, 10), (std::vector<std::int32_t>{12, 22}));  // exact fit
    EXPECT_EQ(EdgeTileStarts(30, 12, 12, 10), (std::vector<std::int32_t>{8}));       // overlaps both corners
    EXPECT_TRUE(EdgeTileStarts(100, 12, 12, 0).empty());
    EXPECT_TRUE(EdgeTileStarts(100, 12, 12, -3).empty());
}

TEST(FramePieces, PaintPlacesEdgesThenCorners) {
    const std::vector<PlacedPiece> order = FramePaintOrder(TopBarPieces(), Size{100, 60});
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front().piece, FramePiece::Top);
    EXPECT_EQ(order.front().destination, (Rect{12, 0, 22, 30}));
    const PlacedPiece& br = order.back();
    EXPECT_EQ(br.piece, FramePiece::BottomRight);
    EXPECT_EQ(br.destination, (Rect{88, 56, 100, 60}));
    const std::vector<PlacedPiece> right = EdgeTiles(FramePiece::Right, TopBarPieces(), Size{100, 60});
    EXPECT_EQ(right.front().destination, (Rect{96, 30, 100, 40}));
    EXPECT_EQ(right.back().destination, (Rect{96, 46, 100, 56}));
    EXPECT_EQ(FrameInterior(TopBarPieces(), Size{100, 60}), (Rect{4, 30, 96, 56}));
    EXPECT_EQ(FrameRegionOrder(TopBarPieces(), Size{100, 60}).size(), order.size());
}

TEST(FramePieces, ClientStripsSurroundTheClientArea) {
    const Margins m{4, 28, 4, 4};
    EXPECT_EQ(ClientRectInWindow(m, Size{200, 100}), (Rect{4, 28, 196, 96}));
    const std::array<Rect, 4> strips = NonClientStrips(m, Size{200, 100});
    EXPECT_EQ(strips[0], (Rect{0, 0, 200, 28}));
    EXPECT_EQ(strips[1], (Rect{0, 28, 4, 96}));
    EXPECT_EQ(strips[2], (Rect{196, 28, 200, 96}));
    EXPECT_EQ(strips[3], (Rect{0, 96, 200, 100}));
}

TEST(FramePieces, MarginsBeyondTheWindowLeaveAnEmptyClientNeverAnInvertedOne) {
    const Margins huge{999, 999, 999, 999};
    EXPECT_EQ(ClientRectInWindow(huge, Size{200, 100}), (Rect{200, 100, 200, 100}));
    EXPECT_EQ(ClientRectInWindow(Margins{150, 10, 150, 95}, Size{200, 100}), (Rect{150, 10, 150, 10}));
    EXPECT_EQ(ClientRectInWindow(Margins{-10, -10, -10, -10}, Size{200, 100}), (Rect{0, 0, 200, 100}));
    const std::array<Rect, 4> strips = NonClientStrips(huge, Size{200, 100});
    EXPECT_EQ(strips[0], (Rect{0, 0, 200, 100}));
    for (const Rect& strip : strips) {
        EXPECT_GE(strip.Width(), 0);
        EXPECT_GE(strip.Height(), 0);
    }
}

TEST(FrameLayout, EditorKeepsItsMarginsAndStatusPartsFollowTheDocument) {
    EXPECT_EQ(EditorRectInClient(Margins{0, 62, 0, 22}, Size{600, 400}), (Rect{0, 62, 600, 378}));
    EXPECT_EQ(EditorRectInClient(Margins{0, 62, 0, 22}, Size{600, 50}), (Rect{0, 62, 600, 62}));
    EXPECT_EQ(StatusPartEdges(600, true), (std::array<std::int32_t, 4>{370, 440, 540, 600}));
    EXPECT_EQ(StatusPartEdges(600, false), (std::array<std::int32_t, 4>{600, 600, 600, 600}));
}

TEST(FrameTracking, MinimumSizeEnlargesOnlyTheSmallDimension) {
    EXPECT_EQ(EnforceMinimumSize(Size{640, 480}, Size{200, 150}), (Size{640, 480}));
    EXPECT_EQ(EnforceMinimumSize(Size{180, 480}, Size{200, 150}), (Size{200, 480}));
    const TrackingLimits t = FrameTrackingLimits(Rect{0, 0, 1024, 740}, Size{300, 250});
    EXPECT_EQ(t.minTrack, (Size{300, 250}));
    EXPECT_EQ(t.maxTrack, (Size{1024, 740}));
    EXPECT_EQ(t.maxPosition, (Point{0, 0}));
    EXPECT_EQ(FrameTrackingLimits(Rect{}, Size{-5, 10}).minTrack, (Size{0, 10}));
}

TEST(FrameButtons, NegativePositionsCountFromTheRightAndBottomEdges) {
    const Size window{400, 300};
    EXPECT_EQ(ButtonRect(Point{-30, 5}, Size{20, 18}, window), (Rect{350, 5, 370, 23}));  // w - 50
    EXPECT_EQ(ButtonRect(Point{6, -6}, Size{20, 18}, window), (Rect{6, 276, 26, 294}));
    EXPECT_EQ(ButtonEdge(0, 400, 20), 0);
    EXPECT_EQ(ButtonEdge(INT32_MIN, 0, 20), INT32_MIN);  // clamped, not wrapped
    FrameButtonStyle noMaximise;
    noMaximise.hasMaximiseBox = false;
    const ButtonRects rects = FrameButtonRects(ButtonPositions{}, Size{20, 18}, Size{16, 16}, window, noMaximise);
    EXPECT_TRUE(rects[ButtonIndex(FrameButton::Close)]);
    EXPECT_FALSE(rects[ButtonIndex(FrameButton::MaxRestore)]);
    EXPECT_EQ(*rects[ButtonIndex(FrameButton::Menu)], (Rect{5, 5, 21, 21}));
}

TEST(FrameButtons, StripCellsFollowButtonStateActivationAndMaximising) {
    const Size s{20, 18};
    EXPECT_EQ(ButtonSourceOrigin(FrameButton::Close, ButtonState::Hover, true, false, s, 3), (Point{0, 36}));
    EXPECT_EQ(ButtonSourceOrigin(FrameButton::Close, ButtonState::Normal, false, false, s, 3), (Point{0, 54}));
    EXPECT_EQ(ButtonSourceOrigin(FrameButton::Close, ButtonState::Normal, false, false, s, 0), (Point{0, 0}));
    EXPECT_EQ(ButtonSourceOrigin(FrameButton::MaxRestore, ButtonState::Pressed, true, false, s, 0), (Point{40, 18}));
    EXPECT_EQ(ButtonSourceOrigin(FrameButton::MaxRestore, ButtonState::Pressed, true, true, s, 0), (Point{20, 18}));
    EXPECT_EQ(ButtonSourceOrigin(FrameButton::Minimise, ButtonState::Normal, true, false, s, 0), (Point{60, 0}));
    EXPECT_STREQ(ButtonTooltip(FrameButton::MaxRestore, true), "Restore Down");
    EXPECT_STREQ(ButtonTooltip(FrameButton::MaxRestore, false), "Maximise");
    EXPECT_EQ(SysButtonStateSize(Size{80, 108}, 3), (Size{20, 18}));
    EXPECT_EQ(MenuButtonStateSize(Size{18, 54}, 0), (Size{18, 18}));
}

HitTestFrame Frame(TitleBarSide side) {
    HitTestFrame f;
    f.window = Size{400, 300};
    f.clientArea = Margins{4, 28, 4, 4};
    f.pieces = TopBarPieces();
    f.side = side;
    f.buttons = FrameButtonRects(ButtonPositions{Point{-58, 5}, Point{-32, 5}, Point{-6, 5}, Point{6, 5}},
                                 Size{24, 18}, Size{18, 18}, f.window, FrameButtonStyle{});
    return f;
}

TEST(FrameHitTest, TopTitleBarResizesNearTheEdgeAndMovesFurtherIn) {
    const HitTestFrame f = Frame(TitleBarSide::Top);
    EXPECT_EQ(FrameHitTest(f, Point{200, 3}), kHitTop);
    EXPECT_EQ(FrameHitTest(f, Point{200, 10}), kHitCaption);
    EXPECT_EQ(FrameHitTest(f, Point{200, 150}), kHitClient);
    EXPECT_EQ(FrameHitTest(f, Point{200, 298}), kHitBottom);
    EXPECT_EQ(FrameHitTest(f, Point{2, 10}), kHitTopLeft);
    EXPECT_EQ(FrameHitTest(f, Point{2, 150}), kHitLeft);
    EXPECT_EQ(FrameHitTest(f, Point{2, 298}), kHitBottomLeft);
    EXPECT_EQ(FrameHitTest(f, Point{398, 10}), kHitTopRight);
    EXPECT_EQ(FrameHitTest(f, Point{398, 150}), kHitRight);
    EXPECT_EQ(FrameHitTest(f, Point{398, 298}), kHitBottomRight);
    EXPECT_EQ(FrameHitTest(f, Point{400, 10}), kHitNowhere);
    EXPECT_EQ(FrameHitTest(f, Point{-1, 10}), kHitNowhere);

    // At 192 DPI the sizing border is twice as deep: 8 pixels down still sizes.
    HitTestFrame twice = f;
    twice.grip = 10;
    EXPECT_EQ(FrameHitTest(twice, Point{200, 8}), kHitTop);
    EXPECT_EQ(FrameHitTest(twice, Point{200, 11}), kHitCaption);
    EXPECT_EQ(FrameHitTest(f, Point{200, 8}), kHitCaption);
}

TEST(FrameHitTest, ButtonsWinOverTheFrameAndAreAnsweredAsClient) {
    const HitTestFrame f = Frame(TitleBarSide::Top);
    EXPECT_EQ(FrameHitTest(f, Point{400 - 6 - 24, 5}), kHitClose);
    EXPECT_EQ(FrameHitTest(f, Point{400 - 32 - 1, 22}), kHitMaxButton);
    EXPECT_EQ(FrameHitTest(f, Point{400 - 58 - 24, 10}), kHitMinButton);
    EXPECT_EQ(FrameHitTest(f, Point{10, 10}), kHitMenuButton);
    EXPECT_EQ(SystemHitAnswer(kHitMenuButton), kHitClient);
    EXPECT_EQ(SystemHitAnswer(kHitCaption), kHitClient);
    EXPECT_EQ(SystemHitAnswer(kHitTopLeft), kHitTopLeft);
    EXPECT_EQ(ButtonForHit(kHitMinButton), FrameButton::Minimise);
    HitTestFrame noMax = f;
    noMax.buttons[ButtonIndex(FrameButton::MaxRestore)].reset();
    EXPECT_EQ(FrameHitTest(noMax, Point{400 - 32 - 1, 22}), kHitCaption);
}

TEST(FrameHitTest, SideTitleBarsAreCaptionAwayFromTheOuterEdge) {
    HitTestFrame left = Frame(TitleBarSide::Left);
    left.buttons = {};
    EXPECT_EQ(FrameHitTest(left, Point{3, 150}), kHitLeft);
    EXPECT_EQ(FrameHitTest(left, Point{4, 150}), kHitLeft);  // x <= L, x <= 5
    left.clientArea.left = 26;
    EXPECT_EQ(FrameHitTest(left, Point{10, 150}), kHitCaption);
    EXPECT_EQ(FrameHitTest(left, Point{10, 3}), kHitTopLeft);
    EXPECT_EQ(FrameHitTest(left, Point{200, 3}), kHitTop);
    EXPECT_EQ(FrameHitTest(left, Point{200, 10}), kHitTop);

    HitTestFrame right = Frame(TitleBarSide::Right);
    right.buttons = {};
    right.clientArea.right = 26;
    EXPECT_EQ(FrameHitTest(right, Point{390, 150}), kHitCaption);
    EXPECT_EQ(FrameHitTest(right, Point{396, 150}), kHitRight);

    HitTestFrame bottom = Frame(TitleBarSide::Bottom);
    bottom.buttons = {};
    bottom.clientArea.bottom = 28;
    EXPECT_EQ(FrameHitTest(bottom, Point{200, 280}), kHitCaption);
    EXPECT_EQ(FrameHitTest(bottom, Point{200, 296}), kHitBottom);
}

TEST(FrameCaption, PlacementForEachSideAndAlignment) {
    const Size w{400, 300}, t{60, 13};
    const Point o{5, 7};
    using A = CaptionAlignment;
    using S = TitleBarSide;
    EXPECT_EQ(CaptionTextOrigin(A::Left, S::Top, w, t, o), (Point{5, 7}));
    EXPECT_EQ(CaptionTextOrigin(A::Left, S::Bottom, w, t, o), (Point{4, 293}));
    EXPECT_EQ(CaptionTextOrigin(A::Right, S::Top, w, t, o), (Point{344, 7}));
    EXPECT_EQ(CaptionTextOrigin(A::Right, S::Left, w, t, o), (Point{344, 293}));
    EXPECT_EQ(CaptionTextOrigin(A::Center, S::Top, w, t, o), (Point{175, 7}));
    EXPECT_EQ(CaptionTextOrigin(A::Center, S::Left, w, t, o), (Point{5, 187}));
    EXPECT_EQ(CaptionTextOrigin(A::Center, S::Right, w, t, o), (Point{404, 127}));
    EXPECT_EQ(CaptionTextOrigin(A::Top, S::Left, w, t, o), (Point{5, 67}));
    EXPECT_EQ(CaptionTextOrigin(A::Top, S::Bottom, w, t, o), (Point{404, 7}));
    EXPECT_EQ(CaptionTextOrigin(A::Bottom, S::Left, w, t, o), (Point{4, 306}));
    EXPECT_EQ(CaptionTextOrigin(A::Bottom, S::Right, w, t, o), (Point{404, 246}));
    EXPECT_EQ(ParseCaptionAlignment("aligntopleft"), A::Left);
    EXPECT_EQ(CaptionEscapement(S::Left), 900);
    EXPECT_EQ(CaptionEscapement(S::Right), 2700);
    EXPECT_EQ(CaptionEscapement(S::Bottom), 0);
}

}  // namespace
}  // namespace skin
