// What the view shows: colours of the painted parts read back from the window, the
// place of the text beside the line numbers and margin, and scrolling.
#include "control_fixture.h"

namespace {

class ViewTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        Send(corvex::GetColours, 0, reinterpret_cast<LPARAM>(colours));
        colours[corvex::ColourBackground] = RGB(250, 250, 250);
        colours[corvex::ColourHighlightedLine] = RGB(250, 240, 200);
        colours[corvex::ColourSelection] = RGB(40, 80, 200);
        colours[corvex::ColourLineNumberBackground] = RGB(230, 230, 230);
        colours[corvex::ColourLeftMargin] = RGB(200, 250, 200);
        Send(corvex::SetColours, 0, reinterpret_cast<LPARAM>(colours));
    }
    COLORREF Pixel(int x, int y) const { return PaintedPixel(control, x, y); }
    COLORREF colours[corvex::kColourCount] = {};
};

TEST_F(ViewTest, CaretLineIsHighlightedWhenEnabled)
{
    Send(corvex::SetAutoIndent, 0);
    Type("first\rsecond\rthird");
    EXPECT_EQ(Pixel(500, 2), colours[corvex::ColourBackground]);
    Press(VK_HOME, {VK_CONTROL});
    EXPECT_EQ(Pixel(500, 2), colours[corvex::ColourHighlightedLine]);
    Send(corvex::SetLineHighlight, 0);
    EXPECT_EQ(Pixel(500, 2), colours[corvex::ColourBackground]);
}

TEST_F(ViewTest, SelectionAndGutterUseTheirColours)
{
    Type("some selected text");
    Send(corvex::Command, corvex::CmdSelectAll);
    const int x = FirstColumnX(300);
    ASSERT_GT(x, 0);
    Send(corvex::Command, corvex::CmdSelectAll);
    EXPECT_EQ(Pixel(x + 1, 1), colours[corvex::ColourSelection]);
    EXPECT_EQ(Pixel(1, 1), colours[corvex::ColourLineNumberBackground]);
}

TEST_F(ViewTest, PrintClientDrawsIntoTheGivenContext)
{
    Type("text");
    HDC screen = GetDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, 400);
    ReleaseDC(control, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, 600, 400};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    EXPECT_EQ(GetPixel(memory, 1, 1), colours[corvex::ColourLineNumberBackground]);
    EXPECT_EQ(GetPixel(memory, 500, 2), colours[corvex::ColourHighlightedLine]);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(ViewTest, LineNumbersAndMarginMakeRoomBeforeTheText)
{
    Type("abc");
    const int withBoth = FirstColumnX(300);
    Send(corvex::SetLeftMargin, 0);
    const int withNumbers = FirstColumnX(300);
    const LONG hidden[3] = {0, 1, 3};
    Send(corvex::SetLineNumbering, 0, reinterpret_cast<LPARAM>(hidden));
    const int withNothing = FirstColumnX(300);
    EXPECT_GT(withBoth, withNumbers);
    EXPECT_GT(withNumbers, withNothing);
    const LONG wide[3] = {1, 1, 8};
    Send(corvex::SetLineNumbering, 0, reinterpret_cast<LPARAM>(wide));
    EXPECT_GT(FirstColumnX(300), withNumbers);
}

TEST_F(ViewTest, WheelAndPageKeysScroll)
{
    for (int k = 0; k < 300; ++k)
        Type("line\r");
    Press(VK_HOME, {VK_CONTROL});
    EXPECT_EQ(GetScrollPos(control, SB_VERT), 0);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(GetScrollPos(control, SB_VERT), static_cast<int>(lines));
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(GetScrollPos(control, SB_VERT), 0);
    Send(corvex::SetSmoothScroll, 1);
    Press(VK_NEXT);
    const int page = GetScrollPos(control, SB_VERT);
    EXPECT_GT(page, 10);
    int record[4];
    Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    EXPECT_EQ(record[2], page);
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(GetScrollPos(control, SB_VERT) + page, 301); // the empty line after the last line end counts
}

int HorizontalRange(HWND control)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(control, SB_HORZ, &info);
    return info.nMax;
}

// Lets the control run its idle work until the horizontal range passes `test` (5 s at most).
template <typename Test>
bool RangeBecomes(HWND control, Test test)
{
    const DWORD start = GetTickCount();
    MSG msg;
    while (!test(HorizontalRange(control))) {
        if (GetTickCount() - start > 5000)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return true;
}

TEST_F(ViewTest, TheHorizontalRangeFollowsTheLongestLineAndShrinksWhenItGoes)
{
    for (const std::string& piece : {std::string(40, 'a') + "\r", std::string(200, 'w'), std::string(200, 'w') + "\r",
                                     std::string(120, 'm') + "\rshort"})
        Type(piece);
    ASSERT_EQ(Text().size(), 40u + 1 + 400 + 1 + 120 + 1 + 5);
    ASSERT_TRUE(RangeBecomes(control, [](int range) { return range >= 400; })) << HorizontalRange(control);
    const int wide = HorizontalRange(control);
    Select(41, 442);  // the 400-column line with its line end
    Press(VK_DELETE);
    EXPECT_TRUE(RangeBecomes(control, [](int range) { return range >= 120 && range < 400; }))
        << "the range shrinks to the longest line left: " << HorizontalRange(control);
    Press('Z', {VK_CONTROL});
    EXPECT_TRUE(RangeBecomes(control, [&](int range) { return range == wide; })) << "and grows back with it";
}

} // namespace
