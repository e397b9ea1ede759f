// Malformed skins: each one loads (or is refused) as the loader promises, and the
// frame keeps working with whatever was loaded.
#include "skin/frame_hit_test.h"
#include "skin/skinned_frame.h"
#include "tests/skin-win32/skin_fixture.h"

#include <algorithm>
#include <cstdint>

namespace skintest {
namespace {

class RobustnessTest : public SkinTest {
protected:
    void SetUp() override { StartWith(); }

    // The frame's hit code at a point (window coordinates), checked against what
    // WM_NCHITTEST told the system: the caption and the buttons go as client, so that
    // the frame's own mouse handling sees them.
    int HitCode(int x, int y) const
    {
        const LRESULT answer = HitAt(x, y);
        const int code = MainSkin().LastHitCode();
        EXPECT_EQ(answer, skin::SystemHitAnswer(code)) << "at " << x << "," << y;
        return code;
    }

    // The frame still paints, hit-tests and lays out after the load: every point of the
    // window is part of the frame, nothing outside is, and the top left corner sizes.
    void ExpectWorkingFrame()
    {
        Repaint();
        SetWindowPos(Frame(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
        Repaint();
        const SIZE size = WindowSize();
        for (int y : {0, 3, 10, 200, 398}) {
            for (int x : {0, 3, 10, 250, 498}) {
                if (x < size.cx && y < size.cy) {
                    EXPECT_NE(HitCode(x, y), skin::kHitNowhere) << "at " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(HitCode(-1, 10), skin::kHitNowhere);
        EXPECT_EQ(HitCode(10, -1), skin::kHitNowhere);
        EXPECT_EQ(HitCode(size.cx, 10), skin::kHitNowhere);
        EXPECT_EQ(HitCode(10, size.cy), skin::kHitNowhere);
        EXPECT_EQ(HitCode(0, 0), skin::kHitTopLeft);
        // The client area is the window less the skin's [ClientArea] margins, a negative
        // margin counting as none; margins that leave no room leave an empty client area.
        const skin::Margins margins = MainSkin().Description().clientArea;
        const auto inset = [](std::int64_t margin, std::int64_t whole) {
            return std::min<std::int64_t>(std::max<std::int64_t>(margin, 0), whole);
        };
        const auto room = [](std::int64_t whole, std::int64_t before, std::int64_t after) {
            return std::max<std::int64_t>(whole - std::max<std::int64_t>(before, 0) - std::max<std::int64_t>(after, 0),
                                          0);
        };
        RECT client = {};
        GetClientRect(Frame(), &client);
        EXPECT_EQ(client.right, room(size.cx, margins.left, margins.right));
        EXPECT_EQ(client.bottom, room(size.cy, margins.top, margins.bottom));
        RECT window = {};
        GetWindowRect(Frame(), &window);
        POINT origin = {0, 0};
        ClientToScreen(Frame(), &origin);
        EXPECT_EQ(origin.x - window.left, inset(margins.left, size.cx));
        EXPECT_EQ(origin.y - window.top, inset(margins.top, size.cy));
        SendMessageA(Frame(), WM_NCACTIVATE, FALSE, 0);
        Repaint();
        EXPECT_TRUE(IsWindow(Frame()));
    }

    // With the client area of the copied skin (4, 28, 4, 4) and its buttons on the title
    // bar: the borders size the window, the band below the top edge moves it, the rest
    // is client.
    void ExpectTheFramesRegions()
    {
        const SIZE size = WindowSize();
        const int w = size.cx, h = size.cy;
        EXPECT_EQ(HitCode(0, 0), skin::kHitTopLeft);
        EXPECT_EQ(HitCode(w - 1, 0), skin::kHitTopRight);
        EXPECT_EQ(HitCode(0, h - 1), skin::kHitBottomLeft);
        EXPECT_EQ(HitCode(w - 1, h - 1), skin::kHitBottomRight);
        EXPECT_EQ(HitCode(0, h / 2), skin::kHitLeft);
        EXPECT_EQ(HitCode(w - 1, h / 2), skin::kHitRight);
        EXPECT_EQ(HitCode(w / 2, 3), skin::kHitTop);
        EXPECT_EQ(HitCode(w / 2, h - 1), skin::kHitBottom);
        EXPECT_EQ(HitCode(w / 2, 10), skin::kHitCaption);
        EXPECT_EQ(HitCode(w / 2, h / 2), skin::kHitClient);
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
    ExpectTheFramesRegions();
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
    ExpectTheFramesRegions();

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
    ExpectTheFramesRegions();
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
    // Margins wider than the window leave it no client part.
    EXPECT_NE(HitCode(WindowSize().cx / 2, WindowSize().cy / 2), skin::kHitClient);

    SetValue("Huge", "ClientArea", "Size", "-10,-10,-10,-10");
    SetValue("Huge", "Caption", "FontSize", "-8");
    ASSERT_TRUE(Load("Huge"));
    RECT client = {};
    GetClientRect(Frame(), &client);
    EXPECT_EQ(client.right, WindowSize().cx);  // negative margins count as none
    ExpectWorkingFrame();
    EXPECT_EQ(HitCode(WindowSize().cx / 2, WindowSize().cy / 2), skin::kHitClient);
    EXPECT_EQ(HitCode(WindowSize().cx - 1, WindowSize().cy / 2), skin::kHitClient);
}

} // namespace
} // namespace skintest
