// Malformed skins: each one loads (or is refused) as the loader promises, and the
// frame keeps working with whatever was loaded.
#include "skin/frame_hit_test.h"
#include "skin/skinned_frame.h"
#include "tests/skin-win32/skin_fixture.h"

namespace skintest {
namespace {

class RobustnessTest : public SkinTest {
protected:
    void SetUp() override { StartWith(); }

    // The frame still paints, hit-tests and lays out after the load.
    void ExpectWorkingFrame()
    {
        Repaint();
        SetWindowPos(Frame(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
        Repaint();
        for (int y : {0, 3, 10, 200, 398})
            for (int x : {0, 3, 10, 250, 498})
                HitAt(x, y);
        RECT client = {};
        GetClientRect(Frame(), &client);
        EXPECT_GE(client.right, 0);
        EXPECT_GE(client.bottom, 0);
        SendMessageA(Frame(), WM_NCACTIVATE, FALSE, 0);
        Repaint();
        EXPECT_TRUE(IsWindow(Frame()));
    }
};

TEST_F(RobustnessTest, BitmapsThatCannotBeLoadedLeaveTheirSlotsEmptyWithoutAMessage)
{
    const std::string folder = CopySkin("Broken");
    WriteBitmap(folder + "top.bmp", 0, 0, [](int, int) { return skin::Rgb{}; });
    WriteBitmap(folder + "sys buttons.bmp", 40, 0, [](int, int) { return skin::Rgb{}; });
    const std::string whole = harness::ReadFile(folder + "top left.bmp");
    harness::WriteFile(folder + "top left.bmp", whole.substr(0, 30));
    harness::WriteFile(folder + "menu button.bmp", "this is not a bitmap");
    harness::WriteFile(folder + "background.bmp", "");
    ASSERT_TRUE(Load("Broken"));
    EXPECT_TRUE(app.messages.empty());
    EXPECT_FALSE(MainSkin().Slot(skin::PieceIndex(skin::FramePiece::Top)).Loaded());
    EXPECT_FALSE(MainSkin().Slot(skin::PieceIndex(skin::FramePiece::TopLeft)).Loaded());
    EXPECT_FALSE(MainSkin().Slot(kSysButtonsSlot).Loaded());
    EXPECT_FALSE(MainSkin().Slot(kMenuButtonSlot).Loaded());
    EXPECT_EQ(MainSkin().Slot(kMenuButtonSlot).Width(), 0);
    EXPECT_TRUE(MainSkin().Slot(skin::PieceIndex(skin::FramePiece::Left)).Loaded());
    ExpectWorkingFrame();
    // Buttons of no size are never hit.
    for (const auto& rect : MainSkin().ButtonRects()) {
        if (rect) {
            EXPECT_EQ(rect->Width() * rect->Height(), 0);
        }
    }
}

TEST_F(RobustnessTest, UnknownKeywordsFallBackToTheTopTitleBarAndTheLeftCaption)
{
    CopySkin("Words");
    SetValue("Words", "TitleBar", "Position", "Diagonal");
    SetValue("Words", "Caption", "TextPosition", "alignbottomright");
    ASSERT_TRUE(Load("Words"));
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(MainSkin().Description().frame.side, skin::TitleBarSide::Top);
    ExpectWorkingFrame();
    HitAt(250, 10);
    EXPECT_EQ(MainSkin().LastHitCode(), skin::kHitCaption);

    SetValue("Words", "Caption", "TextPosition", "somewhere");
    SetValue("Words", "TitleBar", "Position", "");
    ASSERT_TRUE(Load("Words"));
    EXPECT_TRUE(app.messages.empty());
    ExpectWorkingFrame();
}

TEST_F(RobustnessTest, EndWidthsAsWideAsTheirBitmapsAreAccepted)
{
    CopySkin("Wide");
    SetValue("Wide", "Tabs", "LeftWidth", "40");
    SetValue("Wide", "Tabs", "RightWidth", "40");
    SetValue("Wide", "Menu", "LeftWidth", "5000");
    SetValue("Wide", "Statusbar", "RightWidth", "-7");
    ASSERT_TRUE(Load("Wide"));
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(MainSkin().Description().tabs.leftWidth, 40);
    ExpectWorkingFrame();
}

TEST_F(RobustnessTest, HugeAndNegativeNumbersKeepTheFrameUsable)
{
    CopySkin("Huge");
    SetValue("Huge", "Buttons", "MinX", "-99999999999");
    SetValue("Huge", "Buttons", "CloseX", "99999999999");
    SetValue("Huge", "Buttons", "MenuY", "-2147483648");
    SetValue("Huge", "Caption", "TextX", "2147483647");
    SetValue("Huge", "Caption", "FontSize", "99999999");
    SetValue("Huge", "General", "MinSkinSize", "-50,-50");
    SetValue("Huge", "ClientArea", "Size", "999,999,999,999");
    SetValue("Huge", "Editor", "EditorWindowSize", "-99,999,-99,999");
    ASSERT_TRUE(Load("Huge"));
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(MainSkin().Description().buttons.positions.minimise.x, INT32_MIN);
    ExpectWorkingFrame();

    SetValue("Huge", "ClientArea", "Size", "-10,-10,-10,-10");
    SetValue("Huge", "Caption", "FontSize", "-8");
    ASSERT_TRUE(Load("Huge"));
    RECT client = {};
    GetClientRect(Frame(), &client);
    EXPECT_EQ(client.right, WindowSize().cx);  // negative margins count as none
    ExpectWorkingFrame();
}

} // namespace
} // namespace skintest
