// The horizontal split: dragging the splitter box down makes two panes on the same
// document, each with its own first line; dragging the bar to the top ends it.
#include "control_fixture.h"

namespace {

constexpr COLORREF kSplitter = RGB(10, 200, 30);

class SplitterTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        Send(corvex::SetAutoIndent, 0);
        Send(corvex::SetSplitterColour, 2, kSplitter);
        for (int k = 0; k < 100; ++k)
            Type("line " + std::to_string(k) + "\r");
        GetClientRect(control, &client);
    }
    COLORREF Pixel(int x, int y) const { return PaintedPixel(control, x, y); }
    void Drag(POINT from, POINT to) const
    {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }
    void Click(int x, int y) const
    {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    int CaretLine() const
    {
        int record[4];
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        return record[2];
    }
    RECT client = {};
};

TEST_F(SplitterTest, TheBoxSplitsTheViewIntoPanesWithTheirOwnFirstLines)
{
    Press(VK_HOME, {VK_CONTROL});
    const int boxX = client.right - 8;
    EXPECT_EQ(Pixel(boxX, 2), kSplitter) << "the splitter box";
    Drag({boxX, 2}, {boxX, 160});
    EXPECT_EQ(Pixel(200, 160), kSplitter) << "the bar where it was dropped";

    // The main pane goes to the end; the upper one still shows the first lines.
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(CaretLine(), 100);
    Click(300, 200);
    const int mainLine = CaretLine();
    EXPECT_GT(mainLine, 50);
    Click(300, 4);
    EXPECT_EQ(CaretLine(), 0) << "a click in the upper pane is on its first line";

    // The wheel over the upper pane scrolls it alone.
    POINT screen = {300, 4};
    ClientToScreen(control, &screen);
    SetCursorPos(screen.x, screen.y);
    POINT at;
    GetCursorPos(&at);
    if (at.x == screen.x && at.y == screen.y) {
        Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
        Click(300, 4);
        EXPECT_EQ(CaretLine(), 3);
    }

    // Back to the top: one pane again.
    Drag({200, 162}, {200, 0});
    EXPECT_NE(Pixel(200, 160), kSplitter);
    EXPECT_EQ(Pixel(boxX, 2), kSplitter);
}

TEST_F(SplitterTest, WithTheOptionOffThereIsNoBoxAndNoSplit)
{
    const int boxX = client.right - 8;
    Drag({boxX, 2}, {boxX, 160});
    EXPECT_EQ(Pixel(200, 160), kSplitter);
    Send(corvex::SetSplitter, 1, 0);
    EXPECT_NE(Pixel(200, 160), kSplitter);
    EXPECT_NE(Pixel(boxX, 2), kSplitter);
    Drag({boxX, 2}, {boxX, 160});
    EXPECT_NE(Pixel(200, 160), kSplitter);
}

} // namespace
