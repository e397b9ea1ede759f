#include "skin/art/skin_art.h"

#include <algorithm>
#include <cmath>

#include "skin/art/glyphs.h"

namespace art {

namespace {

const Colour kWhite{255, 255, 255};
const Colour kBlack{0, 0, 0};
const Colour kMagenta{255, 0, 255};

constexpr int kCell = 20;  // toolbar and menu-bar button height, menu item height

// The window outline as a shape: a rectangle, with rounded corners when cut by magenta.
Shape WindowShape(const Layout& l, float w, float h) {
    if (!l.transparent) return [](float, float) { return true; };
    return Intersect(RoundedRect(0, 0, w, h, l.topRadius, true, true, false, false),
                     RoundedRect(0, 0, w, h, l.bottomRadius, false, false, true, true));
}

Shape InsetWindowShape(const Layout& l, float w, float h, float by) {
    if (!l.transparent) return [=](float x, float y) { return x >= by && y >= by && x <= w - by && y <= h - by; };
    return Intersect(RoundedRect(by, by, w - by, h - by, std::max(l.topRadius - by, 0.0f), true, true, false, false),
                     RoundedRect(by, by, w - by, h - by, std::max(l.bottomRadius - by, 0.0f), false, false, true, true));
}

// Border colour by the distance to the nearest outer edge that is a border (not the title bar).
Paint BorderPaint(const Theme& t, const Layout& l, int w, int h) {
    const float thickness = float(std::max({l.right, l.bottom, l.side == BarSide::Top ? l.left : l.top}) - 1);
    return [=](float x, float y) {
        float d = std::min(w - x, h - y);
        if (l.side == BarSide::Top) d = std::min(d, x);
        else d = std::min(d, y);
        return Mix(t.borderOuter, t.borderInner, std::clamp((d - 0.5f) / std::max(thickness, 1.0f), 0.0f, 1.0f));
    };
}

// The button cell's background: the frame where the button stands in a window of the frame's size.
Image Under(const Image& frame, int posX, int posY, int bw, int bh) {
    const int x = posX >= 0 ? posX : frame.Width() + posX - bw;
    const int y = posY >= 0 ? posY : frame.Height() + posY - bh;
    return frame.Crop(x, y, bw, bh);
}

enum class Look { Normal, Hover, Pressed };

// One frame button: background, glass body, symbol.
Image FrameButton(const Theme& t, const Layout& l, Image cell, FrameSymbol symbol, Look look, bool active) {
    const float w = float(cell.Width()), h = float(cell.Height());
    const bool close = symbol == FrameSymbol::Close;
    const Shape body = l.roundButtons ? Circle(w / 2, h / 2, std::min(w, h) / 2 - 0.6f)
                                      : RoundedRect(0.5f, 0.5f, w - 0.5f, h - 0.5f, 3.5f);
    const Shape rim = l.roundButtons ? Minus(body, Circle(w / 2, h / 2, std::min(w, h) / 2 - 1.6f))
                                     : RoundedFrame(0.5f, 0.5f, w - 0.5f, h - 0.5f, 3.5f, 1.0f);
    const Shape upperHalf = Intersect(body, [=](float, float y) { return y < h / 2; });
    if (close && active) {
        const Colour a = look == Look::Hover ? Lighter(t.closeStart, 0.3f) : look == Look::Pressed ? Darker(t.closeStart, 0.2f) : t.closeStart;
        const Colour b = look == Look::Hover ? Lighter(t.closeEnd, 0.2f) : look == Look::Pressed ? Darker(t.closeEnd, 0.25f) : t.closeEnd;
        cell.FillShape(body, Vertical(0, h, a, b), look == Look::Normal ? 0.9f : 1.0f);
        cell.FillShape(upperHalf, kWhite, look == Look::Pressed ? 0.06f : 0.18f);
        cell.FillShape(rim, Darker(t.closeEnd, 0.35f), 0.8f);
    } else {
        const float fill = look == Look::Hover ? 0.38f : look == Look::Pressed ? 0.0f : (active ? 0.12f : 0.06f);
        if (look == Look::Pressed) cell.FillShape(body, kBlack, 0.25f);
        else cell.FillShape(body, Vertical(0, h, kWhite, Lighter(t.titleEnd, 0.5f)), fill);
        if (look != Look::Pressed) cell.FillShape(upperHalf, kWhite, active ? 0.12f : 0.05f);
        cell.FillShape(rim, look == Look::Pressed ? kBlack : kWhite, look == Look::Hover ? 0.6f : active ? 0.35f : 0.2f);
    }
    const Colour ink = active ? t.buttonInk : Mix(t.buttonInk, t.inactiveTitleEnd, 0.35f);
    const Sprite glyph = FrameButtonSymbol(symbol, cell.Width(), cell.Height(), ink, t.buttonShadow);
    const int shift = look == Look::Pressed ? 1 : 0;
    glyph.DrawOn(cell, shift, shift, active ? 1.0f : 0.8f);
    return cell;
}

Image ButtonColumn(const Theme& t, const Layout& l, const Image& activeFrame, const Image& inactiveFrame,
                   FrameSymbol symbol, int posX, int posY, int bw, int bh) {
    std::vector<Image> rows;
    for (bool active : {true, false}) {
        const Image& frame = active ? activeFrame : inactiveFrame;
        for (Look look : {Look::Normal, Look::Hover, Look::Pressed})
            rows.push_back(FrameButton(t, l, Under(frame, posX, posY, bw, bh), symbol, look, active));
    }
    return StackVertically(rows);
}

// A hover or pressed highlight on the band.
void Highlight(Image& cell, const Theme& t, Look look, float x0, float y0, float x1, float y1) {
    if (look == Look::Normal) return;
    const bool hot = look == Look::Hover;
    cell.FillShape(RoundedRect(x0, y0, x1, y1, 3), Vertical(y0, y1, hot ? t.hotStart : t.pressedStart,
                                                            hot ? t.hotEnd : t.pressedEnd));
    cell.FillShape(RoundedFrame(x0, y0, x1, y1, 3, 1), hot ? t.hotBorder : t.pressedBorder);
}

Image BandCell(const Layout& l, const Image& activeFrame, int clientY, int width) {
    return activeFrame.Crop(l.left + 24, l.top + clientY, width, kCell);
}

}  // namespace

int TopPieceHeight(const Layout& l) { return l.top + l.band; }

Colour BackgroundKey(const Theme& t) { return Darker(t.bandEnd, 0.04f); }

Image RenderFrame(const Theme& t, const Layout& l, bool active, int w, int h) {
    const float fw = float(w), fh = float(h);
    Image img(w, h, BackgroundKey(t));
    const Colour titleStart = active ? t.titleStart : t.inactiveTitleStart;
    const Colour titleEnd = active ? t.titleEnd : t.inactiveTitleEnd;
    const Paint border = BorderPaint(t, l, w, h);
    // Borders on the three sides without the title bar.
    if (l.side == BarSide::Top) {
        img.FillRect(0, l.top, l.left, h, border);
    } else {
        img.FillRect(0, 0, w, l.top, border);
    }
    img.FillRect(w - l.right, 0, w, h, border);
    img.FillRect(0, h - l.bottom, w, h, border);
    // The title bar with a gloss over its outer half and a dark line along its inner edge.
    if (l.side == BarSide::Top) {
        img.FillRect(0, 0, w, l.top, Vertical(0, float(l.top), titleStart, titleEnd));
        img.FillShape([&](float, float y) { return y >= 1 && y < l.top / 2.0f; },
                      Vertical(1, l.top / 2.0f, kWhite, Lighter(titleStart, 0.2f)), t.titleGloss);
        img.FillRect(0, l.top - 1, w, l.top, Darker(titleEnd, 0.3f));
    } else {
        img.FillRect(0, 0, l.left, h, Horizontal(0, float(l.left), titleStart, titleEnd));
        img.FillShape([&](float x, float) { return x >= 1 && x < l.left / 2.0f; },
                      Horizontal(1, l.left / 2.0f, kWhite, Lighter(titleStart, 0.2f)), t.titleGloss);
        img.FillRect(l.left - 1, 0, l.left, h, Darker(titleEnd, 0.3f));
    }
    // The band behind the menu bar and the toolbar.
    const int bandTop = l.top, bandBottom = l.top + l.band;
    img.FillRect(l.left, bandTop, w - l.right, bandBottom, Vertical(float(bandTop), float(bandBottom), t.bandStart, t.bandEnd));
    img.FillRect(l.left, bandTop, w - l.right, bandTop + 1, t.bandHighlight);
    // Outline, then the cut of the window shape.
    const Shape outer = WindowShape(l, fw, fh);
    img.FillShape(Minus(outer, InsetWindowShape(l, fw, fh, 1)), t.outline);
    img.FillShape(Minus(InsetWindowShape(l, fw, fh, 1), InsetWindowShape(l, fw, fh, 2)), kWhite, 0.12f);
    if (l.transparent) img.FillOutside(outer, kMagenta);
    return img;
}

Image SysButtonStrip(const Theme& t, const Layout& l, const Image& activeFrame, const Image& inactiveFrame) {
    const int bw = l.sysButtonWidth, bh = l.sysButtonHeight;
    return StackHorizontally({
        ButtonColumn(t, l, activeFrame, inactiveFrame, FrameSymbol::Close, l.closeX, l.closeY, bw, bh),
        ButtonColumn(t, l, activeFrame, inactiveFrame, FrameSymbol::Restore, l.maxX, l.maxY, bw, bh),
        ButtonColumn(t, l, activeFrame, inactiveFrame, FrameSymbol::Maximise, l.maxX, l.maxY, bw, bh),
        ButtonColumn(t, l, activeFrame, inactiveFrame, FrameSymbol::Minimise, l.minX, l.minY, bw, bh),
    });
}

Image MenuButtonStrip(const Theme& t, const Layout& l, const Image& activeFrame, const Image& inactiveFrame) {
    return ButtonColumn(t, l, activeFrame, inactiveFrame, FrameSymbol::Menu, l.menuX, l.menuY, l.menuButtonSize,
                        l.menuButtonSize);
}

Image ToolbarStrip(const Theme& t, const Layout& l, const Image& activeFrame) {
    std::vector<Image> columns;
    for (int i = 0; i < kToolbarIconCount; ++i) {
        const Sprite icon = ToolbarIcon(i);
        std::vector<Image> rows;
        for (Look look : {Look::Normal, Look::Pressed, Look::Hover}) {
            Image cell = BandCell(l, activeFrame, 21, kCell);
            Highlight(cell, t, look, 0.5f, 0.5f, kCell - 0.5f, kCell - 0.5f);
            const int at = look == Look::Pressed ? 3 : 2;
            icon.DrawOn(cell, at, at);
            rows.push_back(cell);
        }
        columns.push_back(StackVertically(rows));
    }
    return StackHorizontally(columns);
}

Image WindowMenuStrip(const Theme& t, const Layout& l, const Image& activeFrame) {
    std::vector<Image> rows;
    for (Look look : {Look::Normal, Look::Pressed, Look::Hover}) {
        Image cell = BandCell(l, activeFrame, 0, 16);
        Highlight(cell, t, look, 0.5f, 1.5f, 15.5f, kCell - 1.5f);
        rows.push_back(cell);
    }
    return StackVertically(rows);
}

namespace {

Image MenuRow(const Theme& t, bool selected) {
    Image row(40, kCell, t.menuBack);
    row.FillRect(0, 0, 22, kCell, Horizontal(0, 22, t.gutterStart, t.gutterEnd));
    row.FillRect(22, 0, 23, kCell, t.gutterLine);
    if (selected) {
        row.FillShape(RoundedRect(1.5f, 0.5f, 38.5f, kCell - 0.5f, 3),
                      Vertical(0, kCell, t.selectionStart, t.selectionEnd));
        row.FillShape(RoundedFrame(1.5f, 0.5f, 38.5f, kCell - 0.5f, 3, 1), t.selectionBorder);
    }
    return row;
}

}  // namespace

Image MenuItemStrip(const Theme& t) { return StackVertically({MenuRow(t, false), MenuRow(t, true)}); }

Image MenuCheckStrip(const Theme& t) {
    std::vector<Image> rows;
    for (bool selected : {false, true}) {
        Image cell = MenuRow(t, selected).Crop(kMenuCheckX, kMenuCheckY, 16, 16);
        cell.FillShape(Union(Segment(3.5f, 8.5f, 6.5f, 11.5f, 2.0f), Segment(6.5f, 11.5f, 12.5f, 4.5f, 2.0f)),
                       Lighter(t.checkInk, 0.8f), 0.9f);
        cell.FillShape(Union(Segment(3.5f, 8, 6.5f, 11, 1.8f), Segment(6.5f, 11, 12.5f, 4, 1.8f)), t.checkInk);
        rows.push_back(cell);
    }
    return StackVertically(rows);
}

Image TabStrip(const Theme& t) {
    std::vector<Image> rows;
    for (int state = 0; state < 3; ++state) {  // normal, selected, hover
        Image row(40, kCell, t.bandEnd);
        const bool selected = state == 1;
        const float top = selected ? 0.5f : 2.5f;
        const Colour a = selected ? t.tabSelectedStart : state == 2 ? t.tabHoverStart : t.tabStart;
        const Colour b = selected ? t.tabSelectedEnd : state == 2 ? t.tabHoverEnd : t.tabEnd;
        const Shape tab = RoundedRect(0.5f, top, 39.5f, kCell + 4.0f, 4, true, true, false, false);
        row.FillShape(tab, Vertical(top, kCell, a, b));
        row.FillShape(Minus(tab, RoundedRect(1.5f, top + 1, 38.5f, kCell + 4.0f, 3, true, true, false, false)),
                      selected ? t.tabSelectedBorder : t.tabBorder);
        if (selected) row.FillShape(RoundedRect(1.5f, 1.5f, 38.5f, 3.5f, 1), t.tabAccent);
        rows.push_back(row);
    }
    return StackVertically(rows);
}

Image TabButtonStrip(const Theme& t) {
    std::vector<Image> columns;
    for (bool left : {true, false}) {
        std::vector<Image> rows;
        for (Look look : {Look::Normal, Look::Pressed, Look::Hover}) {
            Image cell(18, kCell, t.bandEnd);
            const Colour a = look == Look::Pressed ? t.pressedStart : look == Look::Hover ? t.hotStart : t.tabStart;
            const Colour b = look == Look::Pressed ? t.pressedEnd : look == Look::Hover ? t.hotEnd : t.tabEnd;
            const Colour edge = look == Look::Pressed ? t.pressedBorder : look == Look::Hover ? t.hotBorder : t.tabBorder;
            cell.FillShape(RoundedRect(1.5f, 2.5f, 16.5f, 18.5f, 3), Vertical(2, 18, a, b));
            cell.FillShape(RoundedFrame(1.5f, 2.5f, 16.5f, 18.5f, 3, 1), edge);
            ArrowSymbol(left, 18, 21, Darker(t.tabSelectedBorder, 0.35f)).DrawOn(cell, 0, 0);
            rows.push_back(cell);
        }
        columns.push_back(StackVertically(rows));
    }
    return StackHorizontally(columns);
}

Image StatusbarStrip(const Theme& t) {
    Image bar(40, 24);
    bar.FillRect(0, 0, 40, 24, Vertical(0, 24, t.statusStart, t.statusEnd));
    bar.FillRect(0, 0, 40, 1, t.statusLine);
    bar.FillRect(0, 1, 40, 2, Lighter(t.statusStart, 0.6f));
    // Size grip: dots in a triangle in the right end.
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col) {
            const float x = 36.5f - 4.0f * col, y = 20.5f - 4.0f * (2 - row);
            bar.FillShape(Circle(x + 1, y + 1, 1.1f), kWhite, 0.9f);
            bar.FillShape(Circle(x, y, 1.1f), t.gripDot);
        }
    return bar;
}

// The scroll bars: cells of 17 x 17. The vertical bitmap has a column per look (normal,
// hot, pressed) and a row per piece (up arrow, track, down arrow, thumb); the horizontal
// one is the vertical one turned a quarter, so its arrows point left and right and its
// pieces run along the columns.
Image ScrollbarArt(const Theme& t, bool vertical) {
    const int s = 17;
    std::vector<Image> columns;
    for (Look look : {Look::Normal, Look::Hover, Look::Pressed}) {
        const Colour a = look == Look::Pressed ? t.pressedStart : look == Look::Hover ? t.hotStart : t.tabStart;
        const Colour b = look == Look::Pressed ? t.pressedEnd : look == Look::Hover ? t.hotEnd : t.tabEnd;
        const Colour edge = look == Look::Pressed ? t.pressedBorder : look == Look::Hover ? t.hotBorder : t.tabBorder;
        const Colour ink = Darker(t.tabSelectedBorder, 0.35f);
        std::vector<Image> rows;
        for (int piece = 0; piece < 4; ++piece) {
            Image cell(s, s, t.bandEnd);
            // The track: a groove across the bar, darker where it is held down.
            const Colour groove = look == Look::Pressed ? Darker(t.bandEnd, 0.18f) : Darker(t.bandEnd, 0.06f);
            cell.FillRect(0, 0, s, s, Horizontal(0, float(s), groove, t.bandStart));
            cell.FillRect(0, 0, 1, s, Darker(t.bandEnd, 0.12f));
            if (piece == 0 || piece == 2) {
                cell.FillShape(RoundedRect(1.5f, 1.5f, s - 1.5f, s - 1.5f, 3), Horizontal(1, s - 1, a, b));
                cell.FillShape(RoundedFrame(1.5f, 1.5f, s - 1.5f, s - 1.5f, 3, 1), edge);
                const float c = s / 2.0f, dir = piece == 0 ? -1.0f : 1.0f;
                cell.FillShape(Polygon({{c, c + 3 * dir}, {c - 4, c - 2 * dir}, {c + 4, c - 2 * dir}}), ink);
            } else if (piece == 3) {
                // The thumb: its ends (a third of the cell each) are kept, the middle stretched.
                cell.FillShape(RoundedRect(2.5f, 0.5f, s - 2.5f, s - 0.5f, 4), Horizontal(2, s - 2, a, b));
                cell.FillShape(RoundedFrame(2.5f, 0.5f, s - 2.5f, s - 0.5f, 4, 1), edge);
            }
            rows.push_back(cell);
        }
        columns.push_back(StackVertically(rows));
    }
    Image strip = StackHorizontally(columns);
    if (vertical) return strip;
    return strip.Transposed();
}

}  // namespace art
