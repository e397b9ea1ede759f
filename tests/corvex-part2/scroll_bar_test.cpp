// The control's own scroll bars: drawn from a skin's bitmaps when it is given a skin
// folder, the window's bars without one; with the view split, every row and column of
// panes has a bar of its own. The bars are used with the real mouse, so those tests run
// alone.
#include "split_fixture.h"

#include <commctrl.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kCell = 12;  // the test skin's cell: the bars' thickness

enum Piece { kBackArrow, kTrack, kForwardArrow, kThumb };

// A colour per look (normal, hot, pressed) and piece, all different.
COLORREF CellColour(int look, int piece) { return RGB(40 + 50 * piece, 30 + 80 * look, 200 - 30 * piece); }

// A 24-bit bitmap file of `columns` x `rows` cells of one colour each.
void WriteCells(const std::string& path, int columns, int rows, const std::function<COLORREF(int, int)>& colour)
{
    const int width = columns * kCell, height = rows * kCell;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x / kCell, y / kCell);
            std::uint8_t* p = &pixels[static_cast<std::size_t>(height - 1 - y) * stride + x * 3];  // bottom-up
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
}

// A skin folder holding the two scroll-bar bitmaps as laid out, or in the single column
// of three cells of older skins.
class TestSkin {
public:
    explicit TestSkin(bool laidOut)
    {
        if (laidOut) {
            WriteCells(folder_.File("v scrollbar.bmp"), 3, 4, [](int x, int y) { return CellColour(x, y); });
            WriteCells(folder_.File("h scrollbar.bmp"), 4, 3, [](int x, int y) { return CellColour(y, x); });
        } else {
            WriteCells(folder_.File("v scrollbar.bmp"), 1, 3, [](int, int y) { return CellColour(0, y); });
            WriteCells(folder_.File("h scrollbar.bmp"), 3, 1, [](int x, int) { return CellColour(0, x); });
        }
    }
    std::string Folder() const { return folder_.File(""); }

private:
    ScratchFolder folder_;
};

bool HasWindowBars(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0; }

class OwnScrollBarTest : public SplitFixture {
protected:
    void Fill(int lines) const
    {
        for (int k = 0; k < lines; ++k)
            Type("line " + std::to_string(k) + "\r");
        Press(VK_HOME, {VK_CONTROL});
    }
    void GiveSkin(const std::string& folder)
    {
        Send(corvex::SetSkinFolder, 0, reinterpret_cast<LPARAM>(folder.c_str()));
        GetClientRect(control, &client);
    }
    // A point inside the thumb of the vertical bar at `x`, in the normal look.
    POINT Thumb(int x) const
    {
        for (int y = 0; y < client.bottom; ++y)
            if (Pixel(x, y) == CellColour(0, kThumb))
                return {x, y + 2};
        ADD_FAILURE() << "no thumb";
        return {x, 0};
    }
    // The first line of the pane at `y` (a click there puts the caret on it).
    int TopLineAt(int y) const
    {
        Click(100, y + 2);
        std::vector<int> record(4);
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record.data()));
        return record[2];
    }
};

// Real mouse input on the bars of a window in front.
class OwnScrollBarInputTest : public OwnScrollBarTest {
protected:
    void SetUp() override
    {
        OwnScrollBarTest::SetUp();
        SetWindowPos(parent, HWND_TOPMOST, 60, 60, 700, 500, SWP_SHOWWINDOW);
        SetForegroundWindow(parent);
        UpdateWindow(parent);
    }
    void Mouse(DWORD flags, POINT client = {}) const
    {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        if (flags & MOUSEEVENTF_MOVE) {
            ClientToScreen(control, &client);
            input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
            input.mi.dx = MulDiv(client.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
            input.mi.dy = MulDiv(client.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        }
        SendInput(1, &input, sizeof input);
    }
    bool PumpUntil(const std::function<bool()>& done) const
    {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > 10000)
                return false;
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(5);
        }
        return true;
    }
    // Presses the left button at a point of the control; the bar takes the capture.
    void PressAt(POINT at) const
    {
        Mouse(MOUSEEVENTF_MOVE, at);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        ASSERT_TRUE(PumpUntil([&] { return GetCapture() == control; })) << "the bar took no press";
    }
    void ReleaseButton() const
    {
        Mouse(MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(PumpUntil([&] { return GetCapture() == nullptr; })) << "the press did not end";
    }
    void ClickAt(POINT at) const
    {
        ASSERT_NO_FATAL_FAILURE(PressAt(at));
        ASSERT_NO_FATAL_FAILURE(ReleaseButton());
    }
};

} // namespace

TEST_F(OwnScrollBarTest, WithASkinTheBarsArePaintedFromItsBitmaps)
{
    Fill(200);
    ASSERT_TRUE(HasWindowBars(control)) << "no skin: the window's own bars";
    TestSkin skin(true);
    GiveSkin(skin.Folder());
    EXPECT_FALSE(HasWindowBars(control)) << "the control draws the bars itself";

    const int right = client.right - kCell / 2;  // across the vertical bar
    const int barBottom = client.bottom - kCell;  // the horizontal bar below it
    EXPECT_EQ(Pixel(right, 3), CellColour(0, kBackArrow)) << "the up arrow";
    EXPECT_EQ(Pixel(right, kCell + 3), CellColour(0, kThumb)) << "the thumb at the top of the track";
    EXPECT_EQ(Pixel(right, barBottom - kCell - 3), CellColour(0, kTrack)) << "the track below the thumb";
    EXPECT_EQ(Pixel(right, barBottom - 3), CellColour(0, kForwardArrow)) << "the down arrow";
    const int across = client.bottom - kCell / 2;
    EXPECT_EQ(Pixel(3, across), CellColour(0, kBackArrow)) << "the left arrow";
    EXPECT_EQ(Pixel(client.right - kCell - 3, across), CellColour(0, kForwardArrow)) << "the right arrow";
    EXPECT_EQ(Pixel(client.right - 3, client.bottom - 3), CellColour(0, kTrack)) << "the corner";

    // At the end of the document the thumb is at the bottom of the track.
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(Pixel(right, barBottom - kCell - 3), CellColour(0, kThumb));
    EXPECT_EQ(Pixel(right, kCell + 3), CellColour(0, kTrack));

    // Hiding a bar gives its room back to the text.
    Send(corvex::SetScrollBar, 0, 0);
    EXPECT_NE(Pixel(right, 3), CellColour(0, kBackArrow));
}

// The skin's cells are designed at 96 DPI: at 192 the bars are twice as thick and the
// arrows twice as long, the cells drawn by repeating their pixels.
TEST_F(OwnScrollBarTest, HighDpiTheSkinsBarsAreTwiceAsThick)
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (dpi != 192)
        GTEST_SKIP() << "the screen is at " << dpi << " DPI, not 192";
    Fill(200);
    TestSkin skin(true);
    GiveSkin(skin.Folder());
    const int thickness = 2 * kCell;
    EXPECT_EQ(Pixel(client.right - thickness, 3), CellColour(0, kBackArrow)) << "the bar's left edge";
    EXPECT_NE(Pixel(client.right - thickness - 1, 3), CellColour(0, kBackArrow)) << "the text left of the bar";
    const int right = client.right - thickness / 2;
    EXPECT_EQ(Pixel(right, thickness - 1), CellColour(0, kBackArrow)) << "the up arrow's end";
    EXPECT_EQ(Pixel(right, thickness + 1), CellColour(0, kThumb)) << "the thumb below it";
    EXPECT_EQ(Pixel(3, client.bottom - thickness), CellColour(0, kBackArrow)) << "the horizontal bar's top";
    EXPECT_NE(Pixel(3, client.bottom - thickness - 1), CellColour(0, kBackArrow));
}

TEST_F(OwnScrollBarTest, ARightClickOnABarOpensNoEditorMenu)
{
    Fill(100);
    TestSkin skin(true);
    GiveSkin(skin.Folder());
    const LPARAM onBar = MAKELPARAM(client.right - 3, client.bottom / 2);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, onBar);
    Send(WM_RBUTTONUP, 0, onBar);
    EXPECT_EQ(Count(static_cast<UINT>(NM_RCLICK)), 0);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 40));
    Send(WM_RBUTTONUP, 0, MAKELPARAM(100, 40));
    EXPECT_EQ(Count(static_cast<UINT>(NM_RCLICK)), 1) << "on the text it does";
}

TEST_F(OwnScrollBarTest, TheCaretOnTheLastRowStaysShownWhenTheBarsChange)
{
    Fill(200);
    SetFocus(control);
    Press(VK_END, {VK_CONTROL});  // the last line at the bottom of the view
    TestSkin skin(true);
    for (const std::string& folder : {skin.Folder(), std::string()}) {
        GiveSkin(folder);
        POINT caret = {-1, -1};
        ASSERT_TRUE(GetCaretPos(&caret));
        EXPECT_GE(caret.y, 0) << (folder.empty() ? "without" : "with") << " the skin";
        EXPECT_LT(caret.y, client.bottom);
    }
}

TEST_F(OwnScrollBarTest, ASkinWithoutTheLayoutOrNoSkinKeepsTheWindowsBars)
{
    Fill(50);
    TestSkin old(false);
    GiveSkin(old.Folder());
    EXPECT_TRUE(HasWindowBars(control)) << "bitmaps of another layout are not drawn";
    TestSkin skin(true);
    GiveSkin(skin.Folder());
    EXPECT_FALSE(HasWindowBars(control));
    GiveSkin("");
    EXPECT_TRUE(HasWindowBars(control)) << "no skin folder: the window's bars again";
    GiveSkin("C:\\no such folder\\");
    EXPECT_TRUE(HasWindowBars(control));
}

TEST_F(OwnScrollBarInputTest, TheArrowTheTrackAndTheThumbScrollTheView)
{
    Fill(200);
    TestSkin skin(true);
    GiveSkin(skin.Folder());
    const int x = client.right - kCell / 2, barBottom = client.bottom - kCell;

    ASSERT_NO_FATAL_FAILURE(ClickAt({x, barBottom - 3}));
    EXPECT_EQ(TopLineAt(0), 1) << "the down arrow scrolls a line";
    ASSERT_NO_FATAL_FAILURE(ClickAt({x, 3}));
    EXPECT_EQ(TopLineAt(0), 0) << "the up arrow back";

    ASSERT_NO_FATAL_FAILURE(ClickAt({x, barBottom - kCell - 3}));
    const int page = TopLineAt(0);
    EXPECT_GT(page, 10) << "the track below the thumb scrolls a page";
    EXPECT_LT(page, 40);

    // The thumb dragged to the bottom shows the last page; it is drawn pressed meanwhile.
    ASSERT_NO_FATAL_FAILURE(PressAt(Thumb(x)));
    Mouse(MOUSEEVENTF_MOVE, {x, client.bottom + 40});
    EXPECT_TRUE(PumpUntil([&] { return Pixel(x, barBottom - kCell - 3) == CellColour(2, kThumb); }))
        << "the pressed thumb at the bottom";
    ASSERT_NO_FATAL_FAILURE(ReleaseButton());
    EXPECT_EQ(Pixel(x, barBottom - kCell - 3), CellColour(0, kThumb));
    const int last = TopLineAt(0);
    EXPECT_GT(last, 150);
    Press(VK_END, {VK_CONTROL});  // the last line is in view already: nothing scrolls
    EXPECT_EQ(TopLineAt(0), last);
}

TEST_F(OwnScrollBarInputTest, EachRowOfASplitViewScrollsByItsOwnBar)
{
    Fill(200);
    Drag({client.right - 8, 2}, {client.right - 8, 160});  // the box at the top right
    GetClientRect(control, &client);
    EXPECT_FALSE(HasWindowBars(control)) << "split: a bar per row, drawn by the control";
    const int thickness = GetSystemMetrics(SM_CXVSCROLL);
    const int x = client.right - thickness / 2;
    const int upperTop = TopLineAt(0), lowerTop = TopLineAt(170);
    ASSERT_EQ(upperTop, 0);
    ASSERT_EQ(lowerTop, 0);

    // The lower row is active (its pane was clicked last): the upper row's down arrow
    // scrolls the upper row alone, twice.
    const POINT upperDown = {x, 160 - 2 - thickness / 2};
    ASSERT_NO_FATAL_FAILURE(ClickAt(upperDown));
    ASSERT_NO_FATAL_FAILURE(ClickAt(upperDown));
    Type("#");  // the keyboard stays with the caret on the lower row's first line
    EXPECT_LT(Text().find('#'), Text().find('\n'));
    EXPECT_EQ(TopLineAt(170), 0) << "the lower row did not move";
    EXPECT_EQ(TopLineAt(0), 2) << "the upper row scrolled two lines";

    // Ending the split gives the window's bars back.
    Drag({100, 162}, {100, 0});
    EXPECT_TRUE(HasWindowBars(control));
}
