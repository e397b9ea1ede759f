// A shown control for the split tests, with the splitter painted in a colour of its own
// and mouse helpers.
#pragma once

#include "control_fixture.h"

class SplitFixture : public ControlTest {
protected:
    static constexpr COLORREF kSplitter = RGB(10, 200, 30);

    void SetUp() override
    {
        ControlTest::SetUp();
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        Send(corvex::SetAutoIndent, 0);
        Send(corvex::SetSplitterColour, 2, kSplitter);
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
    // Puts the mouse cursor over a point of the control (client coordinates); `screen`
    // gets that point on the screen. The wheel goes to the pane under the cursor.
    void MoveCursorTo(POINT point, POINT& screen) const
    {
        screen = point;
        ClientToScreen(control, &screen);
        ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
        POINT at = {};
        ASSERT_TRUE(GetCursorPos(&at));
        ASSERT_EQ(at.x, screen.x) << "the cursor did not move there";
        ASSERT_EQ(at.y, screen.y) << "the cursor did not move there";
    }
    RECT client = {};
};
