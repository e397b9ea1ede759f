// Drawing the bitmaps of an installed skin from a theme (its colours) and a layout (where
// the title bar is, how wide the borders are, how round the corners).
#pragma once

#include <string>

#include "skin/art/canvas.h"

namespace art {

struct Theme {
    // Frame
    Colour outline, borderOuter, borderInner;
    Colour titleStart, titleEnd, inactiveTitleStart, inactiveTitleEnd;
    float titleGloss = 0.18f;  // white laid over the outer half of the title bar
    // The band behind the menu bar and the toolbar, and the tab strip under it
    Colour bandStart, bandEnd, bandHighlight;
    // Frame buttons
    Colour buttonInk, buttonShadow, closeStart, closeEnd;
    // Hover and pressed highlights on the band (toolbar, menu bar)
    Colour hotStart, hotEnd, hotBorder, pressedStart, pressedEnd, pressedBorder;
    // Menus
    Colour menuBack, gutterStart, gutterEnd, gutterLine, selectionStart, selectionEnd, selectionBorder, checkInk;
    // Tabs
    Colour tabStart, tabEnd, tabBorder, tabSelectedStart, tabSelectedEnd, tabSelectedBorder, tabAccent, tabHoverStart,
        tabHoverEnd;
    // Status bar
    Colour statusStart, statusEnd, statusLine, gripDot;
};

enum class BarSide { Top, Left };

struct Layout {
    BarSide side = BarSide::Top;
    int left = 4, top = 28, right = 4, bottom = 4;  // [ClientArea] Size
    int band = 42;                                  // menu bar and toolbar band under the client top
    int corner = 16;                                // width of the corner pieces along the top and bottom
    int tile = 16;                                  // length of the edge pieces
    bool transparent = false;                       // cut the window shape with magenta
    float topRadius = 0, bottomRadius = 0;
    bool roundButtons = false;
    int sysButtonWidth = 24, sysButtonHeight = 18, menuButtonSize = 18;
    // Button positions as written to Skin.ini
    int minX = -58, minY = 5, maxX = -32, maxY = 5, closeX = -6, closeY = 5, menuX = 6, menuY = 5;
};

// Piece sizes for a layout.
int TopPieceHeight(const Layout& l);  // the top pieces hold the title bar (top side) and the band

// A whole window frame of the given size, without caption or buttons.
Image RenderFrame(const Theme& t, const Layout& l, bool active, int width, int height);

// The colour with which each skin fills its frame behind the pieces.
Colour BackgroundKey(const Theme& t);

// Strips drawn over the frame template at the buttons' places.
Image SysButtonStrip(const Theme& t, const Layout& l, const Image& activeFrame, const Image& inactiveFrame);
Image MenuButtonStrip(const Theme& t, const Layout& l, const Image& activeFrame, const Image& inactiveFrame);

// Toolbar cells and menu-bar buttons on the band of the active frame.
Image ToolbarStrip(const Theme& t, const Layout& l, const Image& activeFrame);
Image WindowMenuStrip(const Theme& t, const Layout& l, const Image& activeFrame);

Image MenuItemStrip(const Theme& t);  // 40 x 40: normal and selected rows of 20
Image MenuCheckStrip(const Theme& t);  // 16 x 32, cut from the item rows at (4, 2)
Image TabStrip(const Theme& t);         // 40 x 60: normal, selected, hover
Image TabButtonStrip(const Theme& t);   // 36 x 60: left and right arrows, three rows
Image StatusbarStrip(const Theme& t);   // 40 x 24
Image ScrollbarArt(const Theme& t, bool vertical);

// Geometry of the strips, as Skin.ini states it.
constexpr int kMenuItemLeft = 26, kMenuItemRight = 6, kMenuCheckX = 5, kMenuCheckY = 2;
constexpr int kWindowMenuLeft = 4, kWindowMenuRight = 4;
constexpr int kTabLeft = 6, kTabRight = 6;
constexpr int kStatusLeft = 4, kStatusRight = 16;

}  // namespace art
