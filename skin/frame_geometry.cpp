#include "skin/frame_geometry.h"

#include <algorithm>

#include "platform/dpi_scale.h"

namespace skin {

namespace {

bool Horizontal(TitleBarSide side) { return side == TitleBarSide::Top || side == TitleBarSide::Bottom; }

const Size& State(const PieceSizes& states, FramePiece piece) { return states[PieceIndex(piece)]; }

Rect At(std::int32_t x, std::int32_t y, Size size) { return Rect{x, y, x + size.width, y + size.height}; }

}  // namespace

TitleBarSide ParseTitleBarSide(std::string_view keyword) {
    if (keyword == "left") return TitleBarSide::Left;
    if (keyword == "right") return TitleBarSide::Right;
    if (keyword == "bottom") return TitleBarSide::Bottom;
    return TitleBarSide::Top;
}

const char* TitleBarKeyword(TitleBarSide side) {
    switch (side) {
        case TitleBarSide::Left: return "left";
        case TitleBarSide::Right: return "right";
        case TitleBarSide::Bottom: return "bottom";
        case TitleBarSide::Top: break;
    }
    return "top";
}

bool PieceHasInactiveState(FramePiece piece, TitleBarSide side) {
    switch (side) {
        case TitleBarSide::Top:
            return piece == FramePiece::TopLeft || piece == FramePiece::Top || piece == FramePiece::TopRight;
        case TitleBarSide::Bottom:
            return piece == FramePiece::BottomLeft || piece == FramePiece::Bottom || piece == FramePiece::BottomRight;
        case TitleBarSide::Left:
            return piece == FramePiece::TopLeft || piece == FramePiece::Left || piece == FramePiece::BottomLeft;
        case TitleBarSide::Right:
            return piece == FramePiece::TopRight || piece == FramePiece::Right || piece == FramePiece::BottomRight;
    }
    return false;
}

Size PieceStateSize(FramePiece piece, TitleBarSide side, Size bitmap) {
    if (!PieceHasInactiveState(piece, side)) return bitmap;
    if (Horizontal(side)) return Size{bitmap.width, bitmap.height / 2};
    return Size{bitmap.width / 2, bitmap.height};
}

Point PieceSourceOrigin(FramePiece piece, TitleBarSide side, Size state, bool active) {
    if (active || !PieceHasInactiveState(piece, side)) return Point{0, 0};
    return Horizontal(side) ? Point{0, state.height} : Point{state.width, 0};
}

std::vector<std::int32_t> EdgeTileStarts(std::int32_t edgeLength, std::int32_t first, std::int32_t second,
                                         std::int32_t tile) {
    std::vector<std::int32_t> starts;
    if (tile <= 0) return starts;
    // 64-bit arithmetic: the lengths come from bitmaps and window sizes and may be extreme.
    const std::int64_t last = std::int64_t(edgeLength) - second - tile;
    const std::int64_t count = (std::int64_t(edgeLength) - first - second) / tile;
    for (std::int64_t k = 0; k <= count; ++k) {
        const std::int64_t start = first + k * tile;
        if (start < last) {
            starts.push_back(std::int32_t(start));
        } else {
            starts.push_back(std::int32_t(last));
            break;
        }
    }
    return starts;
}

std::vector<PlacedPiece> EdgeTiles(FramePiece edge, const PieceSizes& states, Size window) {
    const Size s = State(states, edge);
    std::vector<PlacedPiece> tiles;
    auto add = [&](std::int32_t x, std::int32_t y) { tiles.push_back(PlacedPiece{edge, At(x, y, s)}); };
    switch (edge) {
        case FramePiece::Top:
            for (std::int32_t x : EdgeTileStarts(window.width, State(states, FramePiece::TopLeft).width,
                                                 State(states, FramePiece::TopRight).width, s.width))
                add(x, 0);
            break;
        case FramePiece::Bottom:
            for (std::int32_t x : EdgeTileStarts(window.width, State(states, FramePiece::BottomLeft).width,
                                                 State(states, FramePiece::BottomRight).width, s.width))
                add(x, window.height - s.height);
            break;
        case FramePiece::Left:
            for (std::int32_t y : EdgeTileStarts(window.height, State(states, FramePiece::TopLeft).height,
                                                 State(states, FramePiece::BottomLeft).height, s.height))
                add(0, y);
            break;
        case FramePiece::Right:
            for (std::int32_t y : EdgeTileStarts(window.height, State(states, FramePiece::TopRight).height,
                                                 State(states, FramePiece::BottomRight).height, s.height))
                add(window.width - s.width, y);
            break;
        default:
            break;
    }
    return tiles;
}

PlacedPiece CornerPlacement(FramePiece corner, const PieceSizes& states, Size window) {
    const Size s = State(states, corner);
    switch (corner) {
        case FramePiece::TopRight: return PlacedPiece{corner, At(window.width - s.width, 0, s)};
        case FramePiece::BottomLeft: return PlacedPiece{corner, At(0, window.height - s.height, s)};
        case FramePiece::BottomRight:
            return PlacedPiece{corner, At(window.width - s.width, window.height - s.height, s)};
        default: return PlacedPiece{corner, At(0, 0, s)};
    }
}

namespace {

void Append(std::vector<PlacedPiece>& out, const std::vector<PlacedPiece>& more) {
    out.insert(out.end(), more.begin(), more.end());
}

void AppendCorners(std::vector<PlacedPiece>& out, const PieceSizes& states, Size window) {
    for (FramePiece c : {FramePiece::TopLeft, FramePiece::TopRight, FramePiece::BottomLeft, FramePiece::BottomRight})
        out.push_back(CornerPlacement(c, states, window));
}

}  // namespace

std::vector<PlacedPiece> FramePaintOrder(const PieceSizes& states, Size window) {
    std::vector<PlacedPiece> out;
    for (FramePiece e : {FramePiece::Top, FramePiece::Left, FramePiece::Right, FramePiece::Bottom})
        Append(out, EdgeTiles(e, states, window));
    AppendCorners(out, states, window);
    return out;
}

std::vector<PlacedPiece> FrameRegionOrder(const PieceSizes& states, Size window) {
    std::vector<PlacedPiece> out;
    AppendCorners(out, states, window);
    for (FramePiece e : {FramePiece::Top, FramePiece::Bottom, FramePiece::Left, FramePiece::Right})
        Append(out, EdgeTiles(e, states, window));
    return out;
}

Rect FrameInterior(const PieceSizes& states, Size window) {
    return Rect{State(states, FramePiece::Left).width, State(states, FramePiece::Top).height,
                window.width - State(states, FramePiece::Right).width,
                window.height - State(states, FramePiece::Bottom).height};
}

Margins MarginsInside(const Margins& m, Size window) {
    const std::int32_t w = std::max<std::int32_t>(window.width, 0);
    const std::int32_t h = std::max<std::int32_t>(window.height, 0);
    Margins out;
    out.left = std::clamp<std::int32_t>(m.left, 0, w);
    out.right = std::clamp<std::int32_t>(m.right, 0, w - out.left);
    out.top = std::clamp<std::int32_t>(m.top, 0, h);
    out.bottom = std::clamp<std::int32_t>(m.bottom, 0, h - out.top);
    return out;
}

Rect ClientRectInWindow(const Margins& margins, Size window) {
    const Margins m = MarginsInside(margins, window);
    return Rect{m.left, m.top, window.width - m.right, window.height - m.bottom};
}

std::array<Rect, 4> NonClientStrips(const Margins& margins, Size window) {
    const Margins m = MarginsInside(margins, window);
    const std::int32_t w = window.width;
    const std::int32_t h = window.height;
    return {Rect{0, 0, w, m.top}, Rect{0, m.top, m.left, h - m.bottom}, Rect{w - m.right, m.top, w, h - m.bottom},
            Rect{0, h - m.bottom, w, h}};
}

Rect EditorRectInClient(const Margins& e, Size client) {
    const std::int32_t width = std::max<std::int32_t>(client.width - e.right - e.left, 0);
    const std::int32_t height = std::max<std::int32_t>(client.height - e.bottom - e.top, 0);
    return Rect{e.left, e.top, e.left + width, e.top + height};
}

std::array<std::int32_t, 4> StatusPartEdges(std::int32_t clientWidth, bool documentOpen, int dpi) {
    if (!documentOpen) return {clientWidth, clientWidth, clientWidth, clientWidth};
    return {clientWidth - dpi::Scale(230, dpi), clientWidth - dpi::Scale(160, dpi), clientWidth - dpi::Scale(60, dpi),
            clientWidth};
}

TrackingLimits FrameTrackingLimits(const Rect& workArea, Size minimumSize) {
    TrackingLimits limits;
    // A skin cannot ask for a negative minimum.
    limits.minTrack = Size{std::max<std::int32_t>(minimumSize.width, 0), std::max<std::int32_t>(minimumSize.height, 0)};
    limits.maxTrack = Size{workArea.Width(), workArea.Height()};
    limits.maxSize = limits.maxTrack;
    limits.maxPosition = Point{workArea.left, workArea.top};
    return limits;
}

Size EnforceMinimumSize(Size window, Size minimumSize) {
    return Size{std::max(window.width, minimumSize.width), std::max(window.height, minimumSize.height)};
}

}  // namespace skin
