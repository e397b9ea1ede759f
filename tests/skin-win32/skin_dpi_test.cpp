// The skin at other resolutions than 96 DPI: lengths and bitmaps scaled by dpi/96, the
// @2x bitmaps a skin may ship, and cells scaled without mixing their neighbours. Most
// tests load the skin at an explicit DPI, so they run at any screen resolution; the
// HighDpi one runs only with the screen at 192 DPI and loads at the window's.
#include "skin/menu_skin.h"
#include "skin/skin_loader.h"
#include "skin/skinned_frame.h"
#include "skin/skinned_tabs.h"
#include "tests/skin-win32/skin_fixture.h"

namespace skintest {
namespace {

using DpiTest = SkinTest;

constexpr int kTop = 1;  // the Top frame piece's slot

skin::Rgb SlotPixel(int slot, int x, int y) { return skin::FromColorRef(GetPixel(MainSkin().Slot(slot).Dc(), x, y)); }

skin::Rgb DesignPixel(int x, int y) { return skin::Rgb{std::uint8_t(x * 37), std::uint8_t(y * 7), 40}; }
skin::Rgb DoublePixel(int x, int y) { return skin::Rgb{std::uint8_t(x * 13 + 1), std::uint8_t(y * 5 + 3), 200}; }

bool LoadAt(HWND frame, const std::string& folder, int dpi)
{
    const bool loaded = MainSkin().LoadSkinAtDpi(frame, folder, dpi, false);
    harness::InProcessApp::Pump();
    return loaded;
}

TEST_F(DpiTest, At192TheTitleBarTheButtonsTheTabsAndTheMenuItemsAreTwiceAsLargeAsAt96)
{
    StartWith();
    const std::string folder = MainSkin().Folder();
    ASSERT_TRUE(MainSkin().LoadSkinAtDpi(Frame(), folder, 96, false));
    const skin::SkinDescription at96 = MainSkin().Description();
    const int tabAt96 = SkinnedTabs().TabHeight();
    const int itemAt96 = Menus().item.Height();
    const SIZE topAt96 = {MainSkin().Slot(kTop).Width(), MainSkin().Slot(kTop).Height()};
    ASSERT_GT(tabAt96, 0);

    ASSERT_TRUE(MainSkin().LoadSkinAtDpi(Frame(), folder, 192, false));
    const skin::SkinDescription& at192 = MainSkin().Description();
    EXPECT_EQ(MainSkin().Dpi(), 192);
    EXPECT_EQ(at192.frame.pieceStates[kTop].height, 2 * at96.frame.pieceStates[kTop].height);
    EXPECT_EQ(at192.clientArea.top, 2 * at96.clientArea.top);
    EXPECT_EQ(at192.frame.sysButtonState.width, 2 * at96.frame.sysButtonState.width);
    EXPECT_EQ(at192.buttons.positions.close.x, 2 * at96.buttons.positions.close.x);
    EXPECT_EQ(at192.general.minimumSize.width, 2 * at96.general.minimumSize.width);
    EXPECT_EQ(MainSkin().Slot(kTop).Width(), 2 * topAt96.cx);
    EXPECT_EQ(MainSkin().Slot(kTop).Height(), 2 * topAt96.cy);
    EXPECT_EQ(SkinnedTabs().TabHeight(), 2 * tabAt96);
    EXPECT_EQ(Menus().item.Height(), 2 * itemAt96);
    // The design description is the same at both.
    EXPECT_EQ(MainSkin().DesignDescription().frame.pieceStates[kTop], at96.frame.pieceStates[kTop]);
    // Fonts are made at the DPI.
    LOGFONTW font = {};
    ASSERT_TRUE(GetObjectW(Menus().font, sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -MulDiv(at192.menu.font.points, 192, 72));

    // The installed skins ship their @2x bitmaps, used as they are at 192.
    int width = 0, height = 0;
    const std::vector<skin::Rgb> twice = ReadBitmap(folder + "top@2x.bmp", width, height);
    ASSERT_EQ(width, MainSkin().Slot(kTop).Width());
    ASSERT_EQ(height, MainSkin().Slot(kTop).Height());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(SlotPixel(kTop, x, y), twice[static_cast<std::size_t>(y * width + x)]) << x << ',' << y;

    // Back at 96 everything is as before.
    ASSERT_TRUE(MainSkin().LoadSkinAtDpi(Frame(), folder, 96, false));
    EXPECT_EQ(MainSkin().Description().frame.pieceStates[kTop], at96.frame.pieceStates[kTop]);
    EXPECT_EQ(SkinnedTabs().TabHeight(), tabAt96);
}

TEST_F(DpiTest, At192ADoubleBitmapIsUsedAsItIsAndWithoutOneTheBitmapIsRepeatedPixelForPixel)
{
    StartWith();
    constexpr int kWidth = 6, kHeight = 20;  // two states of 10 rows
    CopySkin("Once");
    WriteBitmap(SkinFolder("Once") + "top.bmp", kWidth, kHeight, DesignPixel);
    DeleteFileA((SkinFolder("Once") + "top@2x.bmp").c_str());  // the installed skin has one
    CopySkin("Twice");
    WriteBitmap(SkinFolder("Twice") + "top.bmp", kWidth, kHeight, DesignPixel);
    WriteBitmap(SkinFolder("Twice") + "top@2x.bmp", 2 * kWidth, 2 * kHeight, DoublePixel);

    ASSERT_TRUE(LoadAt(Frame(), SkinFolder("Twice"), 192));
    ASSERT_EQ(MainSkin().Slot(kTop).Width(), 2 * kWidth);
    ASSERT_EQ(MainSkin().Slot(kTop).Height(), 2 * kHeight);
    EXPECT_EQ(MainSkin().Description().frame.pieceStates[kTop], (skin::Size{2 * kWidth, kHeight}));
    for (int y = 0; y < 2 * kHeight; ++y)
        for (int x = 0; x < 2 * kWidth; ++x)
            ASSERT_EQ(SlotPixel(kTop, x, y), DoublePixel(x, y)) << x << ',' << y;

    ASSERT_TRUE(LoadAt(Frame(), SkinFolder("Once"), 192));
    ASSERT_EQ(MainSkin().Slot(kTop).Width(), 2 * kWidth);
    ASSERT_EQ(MainSkin().Slot(kTop).Height(), 2 * kHeight);
    for (int y = 0; y < 2 * kHeight; ++y)
        for (int x = 0; x < 2 * kWidth; ++x)
            ASSERT_EQ(SlotPixel(kTop, x, y), DesignPixel(x / 2, y / 2)) << x << ',' << y;

    // Below a factor of 2 the double bitmap is not used: at 96 the bitmap is the file.
    ASSERT_TRUE(LoadAt(Frame(), SkinFolder("Twice"), 96));
    ASSERT_EQ(MainSkin().Slot(kTop).Width(), kWidth);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(SlotPixel(kTop, x, y), DesignPixel(x, y)) << x << ',' << y;
}

// At 300 % the 96-DPI bitmap repeated three times stays crisp; the @2x one would be
// smoothed by one and a half.
TEST_F(DpiTest, At288TheDesignBitmapIsRepeatedThreeTimesOverTheDoubleOne)
{
    StartWith();
    CopySkin("Twice");
    WriteBitmap(SkinFolder("Twice") + "top.bmp", 4, 20, DesignPixel);
    WriteBitmap(SkinFolder("Twice") + "top@2x.bmp", 8, 40, DoublePixel);
    ASSERT_TRUE(LoadAt(Frame(), SkinFolder("Twice"), 288));
    ASSERT_EQ(MainSkin().Slot(kTop).Width(), 12);
    ASSERT_EQ(MainSkin().Slot(kTop).Height(), 60);
    EXPECT_EQ(MainSkin().Description().frame.pieceStates[kTop], (skin::Size{12, 30}));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(SlotPixel(kTop, x, y), DesignPixel(x / 3, y / 3)) << x << ',' << y;
}

TEST_F(DpiTest, At144NoStateBleedsIntoTheNextRowAndSeeThroughPixelsStaySeeThrough)
{
    StartWith();
    const skin::Rgb active{200, 30, 30}, inactive{30, 30, 200};
    const skin::Rgb key = skin::kTransparentKey;
    CopySkin("Rows");
    DeleteFileA((SkinFolder("Rows") + "top@2x.bmp").c_str());
    // Two states of 25 rows, the first column see-through.
    WriteBitmap(SkinFolder("Rows") + "top.bmp", 8, 50,
                [&](int x, int y) { return x == 0 ? key : y < 25 ? active : inactive; });
    ASSERT_TRUE(LoadAt(Frame(), SkinFolder("Rows"), 144));
    ASSERT_EQ(MainSkin().Slot(kTop).Height(), 76);  // 2 x round(37.5)
    ASSERT_EQ(MainSkin().Slot(kTop).Width(), 12);
    for (int x = 2; x < 12; ++x) {
        EXPECT_EQ(SlotPixel(kTop, x, 0), active) << x;
        EXPECT_EQ(SlotPixel(kTop, x, 37), active) << x;
        EXPECT_EQ(SlotPixel(kTop, x, 38), inactive) << x;
        EXPECT_EQ(SlotPixel(kTop, x, 75), inactive) << x;
    }
    for (int y = 0; y < 76; ++y)
        EXPECT_EQ(SlotPixel(kTop, 0, y), key) << y;
}

TEST_F(DpiTest, HighDpiTheSkinIsLoadedAtTheWindowsDpi)
{
    if (dpi::OfSystem() != 192)
        GTEST_SKIP() << "the screen is not at 192 DPI";
    StartWith();
    EXPECT_EQ(dpi::OfWindow(Frame()), 192);
    EXPECT_EQ(MainSkin().Dpi(), 192);
    const skin::SkinDescription& design = MainSkin().DesignDescription();
    const skin::SkinDescription& drawn = MainSkin().Description();
    // The title bar's thickness and the tab strip: twice what Skin.ini and the 1x bitmaps give.
    EXPECT_EQ(drawn.frame.pieceStates[kTop].height, 2 * design.frame.pieceStates[kTop].height);
    EXPECT_EQ(MainSkin().Slot(kTop).Height(), 2 * MainSkin().Slot(kTop).DesignHeight());
    EXPECT_EQ(SkinnedTabs().TabHeight(), 2 * (SkinnedTabs().TabBitmap().DesignHeight() / 3));
    EXPECT_EQ(drawn.clientArea.top, 2 * design.clientArea.top);
    // The frame the window has: its client area starts below the doubled margin.
    RECT window = {};
    GetWindowRect(Frame(), &window);
    POINT origin = {0, 0};
    ClientToScreen(Frame(), &origin);
    EXPECT_EQ(origin.y - window.top, drawn.clientArea.top);
    // A reload at the window's DPI keeps it.
    EXPECT_TRUE(ReloadMainWindowSkinForDpi());
    EXPECT_EQ(MainSkin().Dpi(), 192);
}

} // namespace
} // namespace skintest
