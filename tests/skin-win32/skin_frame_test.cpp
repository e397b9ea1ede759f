// The skinned frame at work in the real main window: client area, hit testing, the
// buttons and their actions, the window region, the layout and the two frame options.
#include "app/main_window.h"
#include "docs/documents.h"
#include "skin/frame_hit_test.h"
#include "skin/skinned_frame.h"
#include "tests/skin-win32/skin_fixture.h"

#include <commctrl.h>

namespace skintest {
namespace {

// The frame's buttons follow the real cursor as well as the messages a test sends: the
// cursor waits in the middle of the screen, away from every button, while these run
// (they hold the input lock, so no other test moves it meanwhile).
class FrameTest : public SkinTest {
protected:
    void SetUp() override
    {
        SkinTest::SetUp();
        RECT work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        SetCursorPos((work.left + work.right) / 2, (work.top + work.bottom) / 2);
    }
};

RECT ChildRectInClient(HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(FrameTest, TheClientAreaLiesInsideTheSkinsMarginsAndHoldsTheParts)
{
    StartWith();  // Quillblue: ClientArea 4,28,4,4; EditorWindowSize 0,62,0,22
    const SIZE window = WindowSize();
    RECT client = {};
    GetClientRect(Frame(), &client);
    EXPECT_EQ(client.right, window.cx - 8);
    EXPECT_EQ(client.bottom, window.cy - 32);
    POINT origin = {0, 0};
    ClientToScreen(Frame(), &origin);
    RECT rect = {};
    GetWindowRect(Frame(), &rect);
    EXPECT_EQ(origin.x - rect.left, 4);
    EXPECT_EQ(origin.y - rect.top, 28);
    EXPECT_EQ(GetWindowLongA(Frame(), GWL_STYLE) & WS_CAPTION, 0);

    OpenDocument("");
    const RECT editor = ChildRectInClient(DocumentList[0].control);
    EXPECT_EQ(editor.left, 0);
    EXPECT_EQ(editor.top, 62);
    EXPECT_EQ(editor.right, client.right);
    EXPECT_EQ(editor.bottom, client.bottom - 22);
    const RECT tabs = ChildRectInClient(Main().Tabs());
    EXPECT_EQ(tabs.left, 0);
    EXPECT_EQ(tabs.top, 42);
    EXPECT_EQ(tabs.right, client.right);
    EXPECT_EQ(tabs.bottom, 62);
}

TEST_F(FrameTest, HitTestingSizesAtTheEdgeAndMovesByTheCaption)
{
    StartWith();
    const SIZE w = WindowSize();
    const int middle = w.cx / 2;
    EXPECT_EQ(HitAt(middle, 3), HTTOP);
    EXPECT_EQ(MainSkin().LastHitCode(), skin::kHitTop);
    EXPECT_EQ(HitAt(middle, 10), HTCLIENT);  // the caption is the frame's own business
    EXPECT_EQ(MainSkin().LastHitCode(), skin::kHitCaption);
    EXPECT_EQ(HitAt(1, 1), HTTOPLEFT);
    EXPECT_EQ(HitAt(w.cx - 1, w.cy - 1), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt(1, w.cy / 2), HTLEFT);
    EXPECT_EQ(HitAt(w.cx - 2, w.cy / 2), HTRIGHT);
    EXPECT_EQ(HitAt(middle, w.cy - 2), HTBOTTOM);
    EXPECT_EQ(HitAt(middle, w.cy / 2), HTCLIENT);
    EXPECT_EQ(MainSkin().LastHitCode(), skin::kHitClient);
    EXPECT_EQ(HitAt(-5, 10), HTNOWHERE);
}

TEST_F(FrameTest, ButtonsStandWhereTheirOffsetsPutThem)
{
    StartWith();  // Quillblue: MinX -58, MaxX -32, CloseX -6, MenuX 6, all Y 5
    const skin::FrameSizes& frame = MainSkin().Description().frame;
    const int sw = frame.sysButtonState.width;
    const int sh = frame.sysButtonState.height;
    ASSERT_GT(sw, 0);
    const SIZE w = WindowSize();
    const skin::ButtonRects rects = MainSkin().ButtonRects();
    ASSERT_TRUE(rects[0] && rects[1] && rects[2] && rects[3]);
    EXPECT_EQ(rects[skin::ButtonIndex(skin::FrameButton::Minimise)]->left, w.cx - 58 - sw);
    EXPECT_EQ(rects[skin::ButtonIndex(skin::FrameButton::MaxRestore)]->left, w.cx - 32 - sw);
    EXPECT_EQ(rects[skin::ButtonIndex(skin::FrameButton::Close)]->left, w.cx - 6 - sw);
    EXPECT_EQ(rects[skin::ButtonIndex(skin::FrameButton::Menu)]->left, 6);
    EXPECT_EQ(rects[skin::ButtonIndex(skin::FrameButton::Close)]->bottom, 5 + sh);

    const struct {
        skin::FrameButton button;
        int code;
    } expected[] = {{skin::FrameButton::Close, skin::kHitClose},
                    {skin::FrameButton::MaxRestore, skin::kHitMaxButton},
                    {skin::FrameButton::Minimise, skin::kHitMinButton},
                    {skin::FrameButton::Menu, skin::kHitMenuButton}};
    for (const auto& e : expected) {
        const skin::Rect& r = *rects[skin::ButtonIndex(e.button)];
        EXPECT_EQ(HitAt((r.left + r.right) / 2, (r.top + r.bottom) / 2), HTCLIENT);
        EXPECT_EQ(MainSkin().LastHitCode(), e.code);
    }

    CopySkin("Left");
    SetValue("Left", "Buttons", "MinX", "-30");
    SetValue("Left", "Buttons", "MaxX", "");
    SetValue("Left", "Buttons", "CloseX", "");
    ASSERT_TRUE(Load("Left"));
    const skin::ButtonRects moved = MainSkin().ButtonRects();
    EXPECT_EQ(moved[skin::ButtonIndex(skin::FrameButton::Minimise)]->left, w.cx - 30 - sw);
    EXPECT_EQ(MainSkin().Description().buttons.positions.maximise.x, -30 + sw);
}

TEST_F(FrameTest, TheCaptionAndTheButtonsDriveTheWindow)
{
    StartWith();
    const SIZE w = WindowSize();
    auto clientPoint = [this](int x, int y) {
        RECT rect = {};
        GetWindowRect(Frame(), &rect);
        POINT p = {rect.left + x, rect.top + y};
        ScreenToClient(Frame(), &p);
        return MAKELPARAM(p.x, p.y);
    };
    HitAt(w.cx / 2, 12);
    SendMessageA(Frame(), WM_LBUTTONDBLCLK, MK_LBUTTON, clientPoint(w.cx / 2, 12));
    harness::InProcessApp::Pump();
    EXPECT_TRUE(IsZoomed(Frame()));
    EXPECT_TRUE(MainSkin().Maximised());
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect = {};
    GetWindowRect(Frame(), &rect);
    EXPECT_EQ(rect.left, work.left);
    EXPECT_EQ(rect.top, work.top);
    EXPECT_EQ(rect.right, work.right);
    EXPECT_EQ(rect.bottom, work.bottom);

    // Hovering the maximise button of a maximised window offers to restore it.
    const skin::Rect max = *MainSkin().ButtonRects()[skin::ButtonIndex(skin::FrameButton::MaxRestore)];
    const int mx = (max.left + max.right) / 2, my = (max.top + max.bottom) / 2;
    HitAt(mx, my);
    SendMessageA(Frame(), WM_MOUSEMOVE, 0, clientPoint(mx, my));
    EXPECT_EQ(MainSkin().ButtonStateOf(skin::FrameButton::MaxRestore), skin::ButtonState::Hover);
    EXPECT_EQ(MainSkin().ButtonTips().GetText(Frame(), 0), L"Restore Down");
    SendMessageA(Frame(), WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(mx, my));
    EXPECT_EQ(MainSkin().ButtonStateOf(skin::FrameButton::MaxRestore), skin::ButtonState::Pressed);
    SendMessageA(Frame(), WM_LBUTTONUP, 0, clientPoint(mx, my));
    harness::InProcessApp::Pump();
    EXPECT_FALSE(IsZoomed(Frame()));
    EXPECT_EQ(MainSkin().ButtonStateOf(skin::FrameButton::MaxRestore), skin::ButtonState::Normal);

    // Moving off the buttons puts them back and empties the tip.
    const skin::Rect close = *MainSkin().ButtonRects()[skin::ButtonIndex(skin::FrameButton::Close)];
    HitAt(close.left + 2, close.top + 2);
    SendMessageA(Frame(), WM_MOUSEMOVE, 0, clientPoint(close.left + 2, close.top + 2));
    EXPECT_EQ(MainSkin().ButtonTips().GetText(Frame(), 0), L"Close");
    HitAt(w.cx / 2, 12);
    SendMessageA(Frame(), WM_MOUSEMOVE, 0, clientPoint(w.cx / 2, 12));
    EXPECT_EQ(MainSkin().ButtonStateOf(skin::FrameButton::Close), skin::ButtonState::Normal);
    EXPECT_EQ(MainSkin().ButtonTips().GetText(Frame(), 0), L"");

    const skin::Rect min = *MainSkin().ButtonRects()[skin::ButtonIndex(skin::FrameButton::Minimise)];
    HitAt(min.left + 2, min.top + 2);
    SendMessageA(Frame(), WM_LBUTTONUP, 0, clientPoint(min.left + 2, min.top + 2));
    harness::InProcessApp::Pump();
    EXPECT_TRUE(IsIconic(Frame()));
    EXPECT_TRUE(MainSkin().Minimised());
}

TEST_F(FrameTest, TransparencyCutsTheMagentaColumnOutOfTheWindow)
{
    StartWith();
    const std::string folder = CopySkin("Cut");
    SetValue("Cut", "General", "UseTransparency", "true");
    int width = 0, height = 0;
    std::vector<skin::Rgb> corner = ReadBitmap(folder + "top left.bmp", width, height);
    ASSERT_GT(width, 2);
    WriteBitmap(folder + "top left.bmp", width, height, [&](int x, int y) {
        return x == 0 ? skin::kTransparentKey : corner[static_cast<std::size_t>(y * width + x)];
    });
    ASSERT_TRUE(Load("Cut"));
    EXPECT_TRUE(app.messages.empty());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Frame(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 2));
    EXPECT_TRUE(PtInRegion(region, 1, 2));
    EXPECT_TRUE(PtInRegion(region, 0, WindowSize().cy / 2));  // the left edge stays

    SetWindowPos(Frame(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_NE(GetWindowRgn(Frame(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 699, 250));
    EXPECT_FALSE(PtInRegion(region, 700, 250));
    EXPECT_FALSE(PtInRegion(region, 0, 2));

    ASSERT_TRUE(Load("Quillblue"));
    EXPECT_EQ(GetWindowRgn(Frame(), region), ERROR);
    DeleteObject(region);
}

TEST_F(FrameTest, TheFrameOptionsChangeTheWindowAndConfigIni)
{
    StartWith();
    MainSkin().SetShowOnTaskbar(false);
    EXPECT_EQ(app.Config("Main", "TaskbarShow"), "0");
    EXPECT_EQ(GetWindowLongA(Frame(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_TRUE(IsWindowVisible(Frame()));
    MainSkin().SetShowOnTaskbar(true);
    EXPECT_EQ(app.Config("Main", "TaskbarShow"), "1");
    EXPECT_NE(GetWindowLongA(Frame(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_TRUE(IsWindowVisible(Frame()));

    MainSkin().SetRealTimeResize(true);
    EXPECT_EQ(app.Config("Main", "RealTimeResize"), "1");
    EXPECT_TRUE(MainSkin().RealTimeResize());
    MainSkin().SetRealTimeResize(false);
    EXPECT_EQ(app.Config("Main", "RealTimeResize"), "0");

    // Minimised without a taskbar button the window goes away instead of showing.
    MainSkin().SetShowOnTaskbar(false);
    SendMessageA(Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    harness::InProcessApp::Pump();
    EXPECT_FALSE(IsWindowVisible(Frame()));
}

} // namespace
} // namespace skintest
