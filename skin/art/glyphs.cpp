#include "skin/art/glyphs.h"

#include <algorithm>
#include <cmath>

namespace art {

Sprite::Sprite(int width, int height)
    : colour_(width, height), alpha_(std::size_t(colour_.PixelWidth()) * std::size_t(colour_.PixelHeight()), 0.0f) {}

void Sprite::Fill(const Shape& shape, const Paint& paint, float opacity) {
    // Draw on a scratch image to learn each pixel's coverage, then merge it in.
    const PixelScale same(colour_.Scale());
    Image coverage(Width(), Height());
    coverage.FillShape(shape, Colour{255, 255, 255}, opacity);
    const int w = colour_.PixelWidth(), h = colour_.PixelHeight();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float c = coverage.Pixel(x, y).r / 255.0f;
            if (c <= 0) continue;
            float& a = alpha_[std::size_t(y) * std::size_t(w) + std::size_t(x)];
            const float merged = a + c * (1 - a);
            const Colour under = colour_.Pixel(x, y);
            const Colour over = paint(colour_.Centre(x), colour_.Centre(y));
            colour_.SetPixel(x, y, Mix(under, over, merged > 0 ? c / merged : 1.0f));
            a = merged;
        }
    }
}

void Sprite::DrawOn(Image& target, int x, int y, float opacity) const {
    const int w = colour_.PixelWidth(), h = colour_.PixelHeight(), s = colour_.Scale();
    for (int sy = 0; sy < h; ++sy)
        for (int sx = 0; sx < w; ++sx)
            target.BlendPixel(x * s + sx, y * s + sy, colour_.Pixel(sx, sy),
                              opacity * alpha_[std::size_t(sy) * std::size_t(w) + std::size_t(sx)]);
}

Sprite Sprite::MirroredHorizontally() const {
    const PixelScale same(colour_.Scale());
    Sprite out(Width(), Height());
    out.colour_ = colour_.MirroredHorizontally();
    const int w = colour_.PixelWidth(), h = colour_.PixelHeight();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.alpha_[std::size_t(y) * std::size_t(w) + std::size_t(w - 1 - x)] =
                alpha_[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    return out;
}

namespace {

// The icon palette, shared by every skin.
const Colour kInk = Hex(0x34507A);
const Colour kPaper = Hex(0xFFFFFF);
const Colour kPaperShade = Hex(0xDCE6F2);
const Colour kLine = Hex(0x9DB2CE);
const Colour kBlue = Hex(0x2F6FD0);
const Colour kBlueDark = Hex(0x1C4B96);
const Colour kRed = Hex(0xD9463B);
const Colour kGreen = Hex(0x3A9E4A);
const Colour kOrange = Hex(0xEE8A23);
const Colour kYellow = Hex(0xF7C948);
const Colour kYellowDark = Hex(0xD99A1A);
const Colour kSteel = Hex(0x7D8CA3);

using Points = std::vector<std::pair<float, float>>;

// A page with a folded top-right corner inside (x0, y0)-(x1, y1).
void Page(Sprite& s, float x0, float y0, float x1, float y1, bool lines) {
    const float fold = 3.5f;
    s.Fill(Polygon(Points{{x0, y0}, {x1 - fold, y0}, {x1, y0 + fold}, {x1, y1}, {x0, y1}}), kInk);
    s.Fill(Polygon(Points{{x0 + 1, y0 + 1}, {x1 - fold - 0.4f, y0 + 1}, {x1 - 1, y0 + fold + 0.4f}, {x1 - 1, y1 - 1},
                          {x0 + 1, y1 - 1}}),
           Vertical(y0, y1, kPaper, kPaperShade));
    s.Fill(Polygon(Points{{x1 - fold, y0 + 0.5f}, {x1 - fold, y0 + fold}, {x1 - 0.5f, y0 + fold}}), kPaperShade);
    if (!lines) return;
    for (float y = y0 + 5; y < y1 - 2; y += 2.5f) s.Fill(Segment(x0 + 2.5f, y, x1 - 2.5f, y, 1.0f), kLine);
}

void Floppy(Sprite& s, float x0, float y0, float size) {
    const float k = size / 14.0f;
    auto X = [&](float v) { return x0 + v * k; };
    auto Y = [&](float v) { return y0 + v * k; };
    s.Fill(RoundedRect(X(0), Y(0), X(14), Y(14), 1.6f * k), Vertical(Y(0), Y(14), Hex(0x4F86DE), kBlueDark));
    s.Fill(RoundedFrame(X(0), Y(0), X(14), Y(14), 1.6f * k, 0.9f), Hex(0x173F80));
    s.Fill(RoundedRect(X(3), Y(0.8f), X(11), Y(5.2f), 0.6f), Vertical(Y(0), Y(5), Hex(0xF2F5F9), Hex(0xC3CCD8)));
    s.Fill(RoundedRect(X(8), Y(1.6f), X(9.8f), Y(4.4f), 0.3f), Hex(0x5A6B85));
    s.Fill(RoundedRect(X(2.4f), Y(7.6f), X(11.6f), Y(13.3f), 0.8f), Vertical(Y(7), Y(13), kPaper, Hex(0xE3EAF3)));
    s.Fill(Segment(X(4), Y(9.6f), X(10), Y(9.6f), 0.9f), kLine);
    s.Fill(Segment(X(4), Y(11.5f), X(10), Y(11.5f), 0.9f), kLine);
}

void Magnifier(Sprite& s, float cx, float cy, float r) {
    s.Fill(Segment(cx + r * 0.7f, cy + r * 0.7f, cx + r * 1.75f, cy + r * 1.75f, r * 0.62f), Hex(0x5B4636));
    s.Fill(Circle(cx, cy, r), kInk);
    s.Fill(Circle(cx, cy, r - 1.3f), Vertical(cy - r, cy + r, Hex(0xEAF4FF), Hex(0xA9CBF2)));
    s.Fill(Circle(cx - r * 0.35f, cy - r * 0.35f, r * 0.28f), kPaper, 0.8f);
}

// An arrow bent over the top: from the right, over, down on the left, head pointing down.
void UndoArrow(Sprite& s) {
    const float cx = 9, cy = 10.5f;
    const Shape ring = Minus(Circle(cx, cy, 5.2f), Circle(cx, cy, 2.7f));
    const Shape upper = [=](float x, float y) { return y <= cy && x >= 3.5f; };
    const Shape tail = [=](float x, float y) { return y > cy && y < cy + 2.2f && x > cx + 2.7f && x < cx + 5.2f; };
    const Shape arc = Union([=](float x, float y) { return ring(x, y) && upper(x, y); }, tail);
    s.Fill(arc, Vertical(4, 13, Hex(0x5A97EA), kBlueDark));
    s.Fill(Polygon(Points{{0.6f, 9.6f}, {8.4f, 9.6f}, {4.5f, 14.8f}}), Vertical(9, 15, Hex(0x4A88E0), kBlueDark));
}

void Gear(Sprite& s) {
    const float c = 8;
    Shape gear = Circle(c, c, 5.0f);
    for (int k = 0; k < 8; ++k) {
        const float a = float(k) * 3.14159265f / 4;
        gear = Union(gear, Segment(c, c, c + 6.8f * std::cos(a), c + 6.8f * std::sin(a), 2.8f));
    }
    const Shape ring = Minus(gear, Circle(c, c, 2.2f));
    s.Fill(ring, Vertical(1, 15, Hex(0x9AACC6), Hex(0x4D6184)));
    s.Fill(Minus(Circle(c, c, 3.4f), Circle(c, c, 2.2f)), Hex(0x3C4E6E), 0.6f);
}

}  // namespace

Sprite ToolbarIcon(int index) {
    Sprite s(kIconSize, kIconSize);
    switch (index) {
        case 0:  // new: a blank page with a spark
            Page(s, 2.5f, 1, 13.5f, 15, false);
            s.Fill(Polygon(Points{{12, 8}, {13, 10.8f}, {15.8f, 11.8f}, {13, 12.8f}, {12, 15.6f}, {11, 12.8f},
                                  {8.2f, 11.8f}, {11, 10.8f}}),
                   kYellowDark);
            s.Fill(Polygon(Points{{12, 9}, {12.7f, 11.1f}, {14.8f, 11.8f}, {12.7f, 12.5f}, {12, 14.6f}, {11.3f, 12.5f},
                                  {9.2f, 11.8f}, {11.3f, 11.1f}}),
                   kYellow);
            break;
        case 1:  // open: an open folder
            s.Fill(Polygon(Points{{1, 3}, {6, 3}, {7.5f, 5}, {14, 5}, {14, 14}, {1, 14}}), Hex(0xB07A12));
            s.Fill(Polygon(Points{{2, 4}, {5.6f, 4}, {7.1f, 6}, {13, 6}, {13, 13}, {2, 13}}), kYellowDark);
            s.Fill(Polygon(Points{{3.2f, 7}, {15.8f, 7}, {13.4f, 14.2f}, {0.6f, 14.2f}}), Hex(0xB07A12));
            s.Fill(Polygon(Points{{4, 8}, {14.4f, 8}, {12.6f, 13.3f}, {2, 13.3f}}), Vertical(8, 14, Hex(0xFFE08A), kYellow));
            break;
        case 2:  // close: a page with a red cross
            Page(s, 1.5f, 1, 12, 14, true);
            s.Fill(Circle(11.5f, 11.5f, 4.4f), Hex(0x9E241B));
            s.Fill(Circle(11.5f, 11.5f, 3.6f), Vertical(7.5f, 15.5f, Hex(0xF06A5E), kRed));
            s.Fill(Segment(9.8f, 9.8f, 13.2f, 13.2f, 1.4f), kPaper);
            s.Fill(Segment(13.2f, 9.8f, 9.8f, 13.2f, 1.4f), kPaper);
            break;
        case 3:  // save: a disk
            Floppy(s, 1, 1, 14);
            break;
        case 4:  // save as: a disk and a pencil
            Floppy(s, 0.5f, 0.5f, 12);
            s.Fill(Segment(14.6f, 6.4f, 8.6f, 12.4f, 3.4f), Hex(0x7A4A12));
            s.Fill(Segment(14.6f, 6.4f, 8.6f, 12.4f, 2.2f), kOrange);
            s.Fill(Polygon(Points{{7.0f, 11.6f}, {9.4f, 14.0f}, {6.0f, 15.0f}}), Hex(0xF2D7A6));
            s.Fill(Polygon(Points{{6.4f, 13.9f}, {7.1f, 14.6f}, {6.0f, 15.0f}}), Hex(0x33261A));
            break;
        case 5:  // print: a printer with paper
            s.Fill(RoundedRect(4, 1, 12, 7, 0.5f), kInk);
            s.Fill(Polygon(Points{{5, 2}, {11, 2}, {11, 7}, {5, 7}}), kPaper);
            s.Fill(RoundedRect(1, 5.5f, 15, 12.5f, 1.8f), Vertical(5, 13, Hex(0xB8C3D3), Hex(0x6C7B92)));
            s.Fill(RoundedFrame(1, 5.5f, 15, 12.5f, 1.8f, 0.9f), Hex(0x4A5870));
            s.Fill(Circle(12.5f, 7.9f, 0.9f), Hex(0x56D36A));
            s.Fill(RoundedRect(3.5f, 10, 12.5f, 15.5f, 0.4f), kInk);
            s.Fill(Polygon(Points{{4.5f, 10.5f}, {11.5f, 10.5f}, {11.5f, 14.6f}, {4.5f, 14.6f}}), kPaper);
            s.Fill(Segment(5.8f, 12.4f, 10.2f, 12.4f, 0.9f), kLine);
            break;
        case 6:  // undo
            UndoArrow(s);
            break;
        case 7:  // redo
            UndoArrow(s);
            return s.MirroredHorizontally();
        case 8:  // cut: scissors
            s.Fill(Segment(5.2f, 10.2f, 11.2f, 1.2f, 1.8f), kSteel);
            s.Fill(Segment(10.8f, 10.2f, 4.8f, 1.2f, 1.8f), Hex(0xA9B5C6));
            s.Fill(Minus(Circle(4.6f, 12.2f, 3.1f), Circle(4.6f, 12.2f, 1.7f)), kRed);
            s.Fill(Minus(Circle(11.4f, 12.2f, 3.1f), Circle(11.4f, 12.2f, 1.7f)), kRed);
            s.Fill(Circle(8, 6.9f, 0.9f), Hex(0x3C4E6E));
            break;
        case 9:  // copy: two pages
            Page(s, 1, 0.5f, 10.5f, 11.5f, true);
            Page(s, 5.5f, 4.5f, 15, 15.5f, true);
            break;
        case 10:  // paste: a clipboard with a page
            s.Fill(RoundedRect(1.5f, 2, 12.5f, 15.5f, 1.4f), Hex(0x7A5330));
            s.Fill(RoundedRect(2.5f, 3, 11.5f, 14.5f, 0.8f), Vertical(3, 15, Hex(0xD7A86E), Hex(0xB07D45)));
            s.Fill(RoundedRect(4.5f, 0.6f, 9.5f, 4.4f, 1.0f), Hex(0x5A6B85));
            s.Fill(RoundedRect(5.3f, 1.4f, 8.7f, 3.6f, 0.6f), Hex(0xC9D3E0));
            Page(s, 6, 6, 15.5f, 15.5f, true);
            break;
        case 11:  // find: a magnifier
            Magnifier(s, 6.4f, 6.4f, 5.2f);
            break;
        case 12:  // replace: a magnifier and a swap arrow
            Magnifier(s, 5.2f, 5.2f, 4.2f);
            s.Fill(Segment(8.6f, 13.4f, 13.2f, 13.4f, 1.8f), kOrange);
            s.Fill(Polygon(Points{{12.2f, 10.2f}, {15.8f, 13.4f}, {12.2f, 16.0f}}), kOrange);
            break;
        case 13:  // language: code brackets
            s.Fill(Segment(5.2f, 3.6f, 1.4f, 8, 1.9f), kBlue);
            s.Fill(Segment(1.4f, 8, 5.2f, 12.4f, 1.9f), kBlue);
            s.Fill(Segment(10.8f, 3.6f, 14.6f, 8, 1.9f), kBlue);
            s.Fill(Segment(14.6f, 8, 10.8f, 12.4f, 1.9f), kBlue);
            s.Fill(Segment(9.4f, 2.2f, 6.6f, 13.8f, 1.7f), kOrange);
            break;
        case 14:  // macro: record and play
            s.Fill(Circle(5.2f, 8, 4.4f), Hex(0x8E1F17));
            s.Fill(Circle(5.2f, 8, 3.6f), Vertical(4, 12, Hex(0xF57A6E), kRed));
            s.Fill(Circle(4.1f, 6.8f, 1.1f), kPaper, 0.7f);
            s.Fill(Polygon(Points{{9.2f, 2.8f}, {15.6f, 8}, {9.2f, 13.2f}}), Hex(0x1F6B2B));
            s.Fill(Polygon(Points{{10.1f, 4.6f}, {14.2f, 8}, {10.1f, 11.4f}}), Vertical(4, 12, Hex(0x7BD889), kGreen));
            break;
        default:  // options: a gear
            Gear(s);
            break;
    }
    return s;
}

Sprite FrameButtonSymbol(FrameSymbol symbol, int width, int height, Colour ink, Colour shadow) {
    Sprite s(width, height);
    const float cx = width / 2.0f, cy = height / 2.0f;
    const float r = std::min(width, height) * 0.22f;  // half size of the symbol
    auto draw = [&](float dy, Colour c, float opacity) {
        switch (symbol) {
            case FrameSymbol::Close:
                s.Fill(Segment(cx - r, cy - r + dy, cx + r, cy + r + dy, 1.7f), c, opacity);
                s.Fill(Segment(cx + r, cy - r + dy, cx - r, cy + r + dy, 1.7f), c, opacity);
                break;
            case FrameSymbol::Maximise:
                s.Fill(Minus(RoundedRect(cx - r - 0.5f, cy - r + dy - 0.5f, cx + r + 0.5f, cy + r + dy + 0.5f, 0.8f),
                             RoundedRect(cx - r + 0.8f, cy - r + dy + 1.8f, cx + r - 0.8f, cy + r + dy - 0.8f, 0)),
                       c, opacity);
                break;
            case FrameSymbol::Restore: {
                // A window in front of another one, up and to the right of it.
                const float q = r * 0.45f;
                const Shape front = RoundedRect(cx - r - q, cy - r + dy + q, cx + r - q, cy + r + dy + q, 0.6f);
                const Shape frontInner =
                    RoundedRect(cx - r - q + 0.9f, cy - r + dy + q + 1.7f, cx + r - q - 0.9f, cy + r + dy + q - 0.9f, 0);
                const Shape back =
                    Minus(RoundedRect(cx - r + q, cy - r + dy - q, cx + r + q, cy + r + dy - q, 0.6f),
                          RoundedRect(cx - r + q + 0.9f, cy - r + dy - q + 1.7f, cx + r + q - 0.9f, cy + r + dy - q - 0.9f,
                                      0));
                s.Fill(Minus(back, front), c, opacity * 0.8f);
                s.Fill(Minus(front, frontInner), c, opacity);
                break;
            }
            case FrameSymbol::Minimise:
                s.Fill(RoundedRect(cx - r - 0.5f, cy + r * 0.55f + dy - 0.9f, cx + r + 0.5f, cy + r * 0.55f + dy + 0.9f,
                                   0.6f),
                       c, opacity);
                break;
            case FrameSymbol::Menu:
                for (float k = -1; k <= 1; ++k)
                    s.Fill(RoundedRect(cx - r - 0.8f, cy + k * r * 0.85f + dy - 0.75f, cx + r + 0.8f,
                                       cy + k * r * 0.85f + dy + 0.75f, 0.7f),
                           c, opacity);
                break;
        }
    };
    draw(1.0f, shadow, 0.55f);
    draw(0.0f, ink, 1.0f);
    return s;
}

Sprite ArrowSymbol(bool pointsLeft, int width, int height, Colour ink) {
    Sprite s(width, height);
    const float cx = width / 2.0f, cy = height / 2.0f, r = std::min(width, height) * 0.22f;
    const float tip = pointsLeft ? cx - r : cx + r, back = pointsLeft ? cx + r * 0.7f : cx - r * 0.7f;
    s.Fill(Polygon(Points{{tip, cy}, {back, cy - r * 1.2f}, {back, cy + r * 1.2f}}), ink);
    return s;
}

}  // namespace art
