#include "skin/frame_buttons.h"

#include "skin/skin_values.h"

namespace skin {

Size SysButtonStateSize(Size bitmap, std::int32_t extraRows) {
    return Size{bitmap.width / 4, bitmap.height / (3 + extraRows)};
}

Size MenuButtonStateSize(Size bitmap, std::int32_t extraRows) {
    return Size{bitmap.width, bitmap.height / (3 + extraRows)};
}

std::int32_t ButtonEdge(std::int32_t position, std::int32_t windowExtent, std::int32_t buttonExtent) {
    if (position >= 0) return position;
    return SaturateToInt32(std::int64_t(windowExtent) + position - buttonExtent);
}

Rect ButtonRect(Point position, Size state, Size window) {
    const std::int32_t x = ButtonEdge(position.x, window.width, state.width);
    const std::int32_t y = ButtonEdge(position.y, window.height, state.height);
    return Rect{x, y, SaturateToInt32(std::int64_t(x) + state.width), SaturateToInt32(std::int64_t(y) + state.height)};
}

ButtonRects FrameButtonRects(const ButtonPositions& p, Size sysState, Size menuState, Size window,
                             const FrameButtonStyle& style) {
    ButtonRects rects;
    if (style.hasSystemMenu) rects[ButtonIndex(FrameButton::Close)] = ButtonRect(p.close, sysState, window);
    if (style.hasMaximiseBox) rects[ButtonIndex(FrameButton::MaxRestore)] = ButtonRect(p.maximise, sysState, window);
    if (style.hasMinimiseBox) rects[ButtonIndex(FrameButton::Minimise)] = ButtonRect(p.minimise, sysState, window);
    rects[ButtonIndex(FrameButton::Menu)] = ButtonRect(p.menu, menuState, window);
    return rects;
}

Point ButtonSourceOrigin(FrameButton button, ButtonState state, bool active, bool maximised, Size stateSize,
                         std::int32_t extraRows) {
    const std::int32_t row = static_cast<std::int32_t>(state) + (active ? 0 : extraRows);
    std::int32_t column = 0;
    switch (button) {
        case FrameButton::Close: column = 0; break;
        case FrameButton::MaxRestore: column = maximised ? 1 : 2; break;
        case FrameButton::Minimise: column = 3; break;
        case FrameButton::Menu: column = 0; break;
    }
    return Point{column * stateSize.width, row * stateSize.height};
}

const char* ButtonTooltip(FrameButton button, bool maximised) {
    switch (button) {
        case FrameButton::Close: return "Close";
        case FrameButton::MaxRestore: return maximised ? "Restore Down" : "Maximise";
        case FrameButton::Minimise: return "Minimise";
        case FrameButton::Menu: return "Main Menu";
    }
    return "";
}

}  // namespace skin
