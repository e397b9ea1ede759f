// The arithmetic of the drop-down lists, free of windows so it can be tested anywhere:
// where a drop-down opens, which row a point hits, and how the remembered rows follow
// the list as entries come and go.
#pragma once

#include "platform/dpi_scale.h"

namespace tools {

// The lengths below are 96-DPI lengths, drawn at the screen's DPI (dpi::Scale).
constexpr int kPopupWidth = 170;
constexpr int kPopupHeight = 182;
// Extra lift of a drop-down that opens above its anchor while drop shadows are on.
constexpr int kShadowLift = 4;
// Width of the arrow button at the right end of every row.
constexpr int kArrowButtonWidth = 15;

struct PopupOrigin {
    int x = 0;
    int y = 0;
};

struct PopupSize {
    int width = 0;
    int height = 0;
};

// The drop-down's size at `dpi`.
constexpr PopupSize PopupSizeAt(int dpiValue)
{
    return PopupSize{dpi::Scale(kPopupWidth, dpiValue), dpi::Scale(kPopupHeight, dpiValue)};
}

// Where a drop-down opens for an anchor whose screen rectangle spans anchorTop..anchorBottom
// from anchorLeft: under the anchor, moved left to end at the screen's right edge, never
// left of 0, and above the anchor when it would pass the bottom edge. The drop-down has
// its size at `dpi`, and so has the lift for the shadow.
PopupOrigin PlacePopup(int anchorLeft, int anchorTop, int anchorBottom, int screenWidth, int screenHeight,
                       bool dropShadow, int dpiValue = dpi::kDesignDpi);

// The row under list point y, or -1: none when the list is empty or the point is right
// of the client area (`pastRight`), else y / itemHeight + topIndex when that is a row.
int RowAt(int y, bool pastRight, int itemHeight, int topIndex, int count);

// The rows a drop-down remembers. -1 is none.
struct RowMarks {
    int selected = -1;  // last activated: drawn with a plain frame
    int hot = -1;       // under the mouse or the keyboard focus
    int chosen = -1;    // the one the item commands act on

    // A new entry arrived at the top.
    void EntryInsertedAtTop();
    // Entry i of `count` is about to go.
    void EntryDeleting(int i, int count);
    void Reset();
    void SetCurrent(int i, int count);
    // Up and Down: the hot row moves and wraps (from none Up lands on the last row, Down on the first).
    void StepUp(int count);
    void StepDown(int count);
};

} // namespace tools
