// Non-client hit testing of the skinned frame.
#pragma once

#include "skin/frame_buttons.h"
#include "skin/frame_geometry.h"
#include "skin/skin_types.h"

namespace skin {

// The Windows non-client hit-test values the frame answers with, plus the menu button.
enum HitCode : int {
    kHitNowhere = 0,
    kHitClient = 1,
    kHitCaption = 2,
    kHitMinButton = 8,
    kHitMaxButton = 9,
    kHitLeft = 10,
    kHitRight = 11,
    kHitTop = 12,
    kHitTopLeft = 13,
    kHitTopRight = 14,
    kHitBottom = 15,
    kHitBottomLeft = 16,
    kHitBottomRight = 17,
    kHitClose = 20,
    kHitMenuButton = 22
};

// Everything the hit test needs to know about the frame at its current size.
struct HitTestFrame {
    Size window;
    Margins clientArea;  // [ClientArea] Size
    PieceSizes pieces;   // piece state sizes
    TitleBarSide side = TitleBarSide::Top;
    ButtonRects buttons;
    std::int32_t grip = 5;  // the sizing border on the title-bar side (5 at 96 DPI)
};

// The hit code of a point relative to the window's top-left corner. Near the title-bar
// side the border is thin: within `grip` pixels of the outer edge it sizes, further in it
// is the caption (so with a top title bar at 96 DPI, 3 pixels below the top edge resizes
// vertically and 10 pixels below moves the window).
int FrameHitTest(const HitTestFrame& frame, Point point);

// What the window tells the system: the caption and the buttons are answered as client,
// so that the frame's own mouse handling sees them.
int SystemHitAnswer(int code);

// Whether the code is one of the four buttons, and which.
bool IsButtonHit(int code);
FrameButton ButtonForHit(int code);

}  // namespace skin
