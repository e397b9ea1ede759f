#include "skin/frame_caption.h"

namespace skin {

CaptionAlignment ParseCaptionAlignment(std::string_view keyword) {
    if (keyword == "alignright") return CaptionAlignment::Right;
    if (keyword == "aligncenter") return CaptionAlignment::Center;
    if (keyword == "aligntop") return CaptionAlignment::Top;
    if (keyword == "alignbottom") return CaptionAlignment::Bottom;
    return CaptionAlignment::Left;
}

Point CaptionTextOrigin(CaptionAlignment alignment, TitleBarSide side, Size window, Size text, Point offset) {
    const std::int32_t w = window.width, h = window.height;
    const std::int32_t cx = text.width, cy = text.height;
    const std::int32_t X = offset.x, Y = offset.y;
    const bool top = side == TitleBarSide::Top;
    const bool left = side == TitleBarSide::Left;
    const bool right = side == TitleBarSide::Right;
    // Baseline row of a horizontal caption on every side but the top one.
    const std::int32_t lowY = h - cy + Y - 1;
    switch (alignment) {
        case CaptionAlignment::Left:
            return top ? Point{X, Y} : Point{X - 1, lowY};
        case CaptionAlignment::Right:
            return Point{w - cx + X - 1, top ? Y : lowY};
        case CaptionAlignment::Center:
            if (left) return Point{X, Y + cx / 2 + h / 2};
            if (right) return Point{X + w - 1, Y - cx / 2 + h / 2};
            return Point{X - cx / 2 + w / 2, top ? Y : lowY};
        case CaptionAlignment::Top:
            return left ? Point{X, Y + cx} : Point{X + w - 1, Y};
        case CaptionAlignment::Bottom:
            return left ? Point{X - 1, h + Y - 1} : Point{X + w - 1, h - cx + Y - 1};
    }
    return Point{X, Y};
}

int CaptionEscapement(TitleBarSide side) {
    switch (side) {
        case TitleBarSide::Left: return 900;
        case TitleBarSide::Right: return 2700;
        default: return 0;
    }
}

}  // namespace skin
