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
    RECT client = {};
};
