// The four frame buttons: strip state sizes, rectangles in the window, the cell of the
// strip that shows a state, and the tooltip texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "skin/skin_types.h"

namespace skin {

// In the order the frame keeps them.
enum class FrameButton { Close, MaxRestore, Minimise, Menu };
constexpr int kFrameButtonCount = 4;
inline int ButtonIndex(FrameButton b) { return static_cast<int>(b); }

enum class ButtonState { Normal = 0, Pressed = 1, Hover = 2 };

// Rows a strip holds beyond the three states of the active window: 3 when the strip also
// has the inactive rows ([Buttons] SysButtonsOnTbar / MenuButtonOnTbar), else 0.
inline std::int32_t ExtraStateRows(bool hasInactiveRows) { return hasInactiveRows ? 3 : 0; }

// `sys buttons.bmp`: four columns (close, restore, maximise, minimise), 3 + extra rows.
Size SysButtonStateSize(Size bitmap, std::int32_t extraRows);
// `menu button.bmp`: one column, 3 + extra rows.
Size MenuButtonStateSize(Size bitmap, std::int32_t extraRows);

// Edge of a button along one axis: a position of 0 or more is the offset from the window's
// left (top) edge; a negative one counts from the right (bottom) edge so that the button
// ends |position| pixels before it (extent + position - button extent).
std::int32_t ButtonEdge(std::int32_t position, std::int32_t windowExtent, std::int32_t buttonExtent);
Rect ButtonRect(Point position, Size state, Size window);

// Button positions as read from [Buttons].
struct ButtonPositions {
    Point minimise{6, 5};
    Point maximise{6, 5};
    Point close{6, 5};
    Point menu{5, 5};
};

// Which buttons the window style gives the frame; the menu button always exists.
struct FrameButtonStyle {
    bool hasSystemMenu = true;
    bool hasMaximiseBox = true;
    bool hasMinimiseBox = true;
};

// Rectangles in button order (close, maximise/restore, minimise, menu); a button that the
// style leaves out has none and is neither drawn nor hit.
using ButtonRects = std::array<std::optional<Rect>, kFrameButtonCount>;
ButtonRects FrameButtonRects(const ButtonPositions& positions, Size sysState, Size menuState, Size window,
                             const FrameButtonStyle& style);

// Top-left corner, in the button's strip, of the cell to draw.
Point ButtonSourceOrigin(FrameButton button, ButtonState state, bool active, bool maximised, Size stateSize,
                         std::int32_t extraRows);

// "Close", "Minimise", "Main Menu", and "Maximise" or "Restore Down".
const char* ButtonTooltip(FrameButton button, bool maximised);

}  // namespace skin
