#include "skin/frame_hit_test.h"

namespace skin {

namespace {

constexpr std::array<int, kFrameButtonCount> kButtonHits{kHitClose, kHitMaxButton, kHitMinButton, kHitMenuButton};

std::int32_t H(const HitTestFrame& f, FramePiece p) { return f.pieces[PieceIndex(p)].height; }

}  // namespace

int FrameHitTest(const HitTestFrame& f, Point pt) {
    const std::int32_t x = pt.x, y = pt.y;
    const std::int32_t grip = f.grip;
    const std::int32_t w = f.window.width, h = f.window.height;
    if (x < 0 || y < 0 || x >= w || y >= h) return kHitNowhere;
    for (int b = 0; b < kFrameButtonCount; ++b) {
        if (f.buttons[b] && f.buttons[b]->Contains(pt)) return kButtonHits[b];
    }
    const Margins& m = f.clientArea;
    // Coordinates below are differences of values inside the window, so they cannot overflow.
    if (x <= m.left) {
        const bool bar = f.side == TitleBarSide::Left;
        if (y <= H(f, FramePiece::TopLeft)) return (bar && y > grip && x > grip) ? kHitCaption : kHitTopLeft;
        if (h - y > H(f, FramePiece::BottomLeft)) return (bar && x > grip) ? kHitCaption : kHitLeft;
        return (bar && h - y > grip && x > grip) ? kHitCaption : kHitBottomLeft;
    }
    if (w - x <= m.right) {
        const bool bar = f.side == TitleBarSide::Right;
        if (y <= H(f, FramePiece::TopRight)) return (bar && y > grip && x < w - grip) ? kHitCaption : kHitTopRight;
        if (h - y > H(f, FramePiece::BottomRight)) return (bar && x < w - grip) ? kHitCaption : kHitRight;
        return (bar && h - y > grip && x < w - grip) ? kHitCaption : kHitBottomRight;
    }
    if (y <= m.top) return (f.side == TitleBarSide::Top && y > grip) ? kHitCaption : kHitTop;
    if (h - y > m.bottom) return kHitClient;
    return (f.side == TitleBarSide::Bottom && y < h - grip) ? kHitCaption : kHitBottom;
}

int SystemHitAnswer(int code) {
    return (code == kHitCaption || IsButtonHit(code)) ? kHitClient : code;
}

bool IsButtonHit(int code) {
    for (int hit : kButtonHits) {
        if (hit == code) return true;
    }
    return false;
}

FrameButton ButtonForHit(int code) {
    for (int b = 0; b < kFrameButtonCount; ++b) {
        if (kButtonHits[b] == code) return static_cast<FrameButton>(b);
    }
    return FrameButton::Close;
}

}  // namespace skin
