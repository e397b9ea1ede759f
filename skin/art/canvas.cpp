#include "skin/art/canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

Colour Hex(std::uint32_t rgb) {
    return Colour{float((rgb >> 16) & 0xFF), float((rgb >> 8) & 0xFF), float(rgb & 0xFF)};
}

Colour Mix(Colour a, Colour b, float t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Lighter(Colour c, float t) { return Mix(c, Colour{255, 255, 255}, t); }
Colour Darker(Colour c, float t) { return Mix(c, Colour{0, 0, 0}, t); }

Shape RoundedRect(float x0, float y0, float x1, float y1, float radius) {
    return RoundedRect(x0, y0, x1, y1, radius, true, true, true, true);
}

Shape RoundedRect(float x0, float y0, float x1, float y1, float r, bool tl, bool tr, bool br, bool bl) {
    return [=](float x, float y) {
        if (x < x0 || x > x1 || y < y0 || y > y1) return false;
        const bool left = x < x0 + r, right = x > x1 - r, top = y < y0 + r, bottom = y > y1 - r;
        float cx = 0, cy = 0;
        if (left && top && tl) cx = x0 + r, cy = y0 + r;
        else if (right && top && tr) cx = x1 - r, cy = y0 + r;
        else if (right && bottom && br) cx = x1 - r, cy = y1 - r;
        else if (left && bottom && bl) cx = x0 + r, cy = y1 - r;
        else return true;
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
    };
}

Shape Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Shape Segment(float x0, float y0, float x1, float y1, float width) {
    return [=](float x, float y) {
        const float dx = x1 - x0, dy = y1 - y0;
        const float lengthSquared = dx * dx + dy * dy;
        float t = lengthSquared > 0 ? ((x - x0) * dx + (y - y0) * dy) / lengthSquared : 0;
        t = std::clamp(t, 0.0f, 1.0f);
        const float px = x0 + t * dx - x, py = y0 + t * dy - y;
        return px * px + py * py <= width * width / 4;
    };
}

Shape Polygon(std::vector<std::pair<float, float>> pts) {
    return [pts = std::move(pts)](float x, float y) {
        bool inside = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const auto [xi, yi] = pts[i];
            const auto [xj, yj] = pts[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}

Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return a(x, y) || b(x, y); };
}

Shape Minus(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return a(x, y) && !b(x, y); };
}

Shape Intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return a(x, y) && b(x, y); };
}

Shape RoundedFrame(float x0, float y0, float x1, float y1, float radius, float width) {
    return Minus(RoundedRect(x0, y0, x1, y1, radius),
                 RoundedRect(x0 + width, y0 + width, x1 - width, y1 - width, std::max(radius - width, 0.0f)));
}

Paint Solid(Colour c) {
    return [c](float, float) { return c; };
}

Paint Vertical(float y0, float y1, Colour top, Colour bottom) {
    return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / std::max(y1 - y0, 1e-3f), 0.0f, 1.0f)); };
}

Paint Horizontal(float x0, float x1, Colour left, Colour right) {
    return [=](float x, float) { return Mix(left, right, std::clamp((x - x0) / std::max(x1 - x0, 1e-3f), 0.0f, 1.0f)); };
}

namespace {
int g_scale = 1;
}  // namespace

PixelScale::PixelScale(int scale) : previous_(g_scale) { g_scale = scale > 0 ? scale : 1; }
PixelScale::~PixelScale() { g_scale = previous_; }
int CurrentPixelScale() { return g_scale; }

Image::Image(int width, int height, Colour fill)
    : width_(width), height_(height), scale_(g_scale),
      pixels_(std::size_t(width) * std::size_t(g_scale) * std::size_t(height) * std::size_t(g_scale), fill) {}

void Image::Set(int x, int y, Colour c) {
    for (int py = y * scale_; py < (y + 1) * scale_; ++py)
        for (int px = x * scale_; px < (x + 1) * scale_; ++px) SetPixel(px, py, c);
}

void Image::Blend(int x, int y, Colour c, float alpha) {
    for (int py = y * scale_; py < (y + 1) * scale_; ++py)
        for (int px = x * scale_; px < (x + 1) * scale_; ++px) BlendPixel(px, py, c, alpha);
}

void Image::SetPixel(int px, int py, Colour c) {
    if (InsidePixels(px, py)) pixels_[Index(px, py)] = c;
}

void Image::BlendPixel(int px, int py, Colour c, float alpha) {
    if (InsidePixels(px, py)) pixels_[Index(px, py)] = Mix(pixels_[Index(px, py)], c, alpha);
}

void Image::FillRect(int x0, int y0, int x1, int y1, const Paint& paint) {
    for (int py = std::max(y0, 0) * scale_; py < std::min(y1, height_) * scale_; ++py)
        for (int px = std::max(x0, 0) * scale_; px < std::min(x1, width_) * scale_; ++px)
            pixels_[Index(px, py)] = paint(Centre(px), Centre(py));
}

void Image::FillShape(const Shape& shape, const Paint& paint, float opacity) {
    constexpr int kSamples = 4;
    const float scale = float(scale_);
    for (int py = 0; py < PixelHeight(); ++py) {
        for (int px = 0; px < PixelWidth(); ++px) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += shape((px + (sx + 0.5f) / kSamples) / scale, (py + (sy + 0.5f) / kSamples) / scale);
            if (hits == 0) continue;
            BlendPixel(px, py, paint(Centre(px), Centre(py)), opacity * float(hits) / (kSamples * kSamples));
        }
    }
}

void Image::FillOutside(const Shape& shape, Colour c) {
    for (int py = 0; py < PixelHeight(); ++py)
        for (int px = 0; px < PixelWidth(); ++px)
            if (!shape(Centre(px), Centre(py))) pixels_[Index(px, py)] = c;
}

void Image::Paste(const Image& source, int x, int y) {
    for (int sy = 0; sy < source.PixelHeight(); ++sy)
        for (int sx = 0; sx < source.PixelWidth(); ++sx)
            SetPixel(x * scale_ + sx, y * scale_ + sy, source.Pixel(sx, sy));
}

Image Image::Crop(int x, int y, int width, int height) const {
    const PixelScale same(scale_);
    Image out(width, height);
    for (int cy = 0; cy < out.PixelHeight(); ++cy)
        for (int cx = 0; cx < out.PixelWidth(); ++cx)
            if (InsidePixels(x * scale_ + cx, y * scale_ + cy)) out.SetPixel(cx, cy, Pixel(x * scale_ + cx, y * scale_ + cy));
    return out;
}

Image Image::MirroredHorizontally() const {
    const PixelScale same(scale_);
    Image out(width_, height_);
    for (int py = 0; py < PixelHeight(); ++py)
        for (int px = 0; px < PixelWidth(); ++px) out.SetPixel(PixelWidth() - 1 - px, py, Pixel(px, py));
    return out;
}

Image Image::MirroredVertically() const {
    const PixelScale same(scale_);
    Image out(width_, height_);
    for (int py = 0; py < PixelHeight(); ++py)
        for (int px = 0; px < PixelWidth(); ++px) out.SetPixel(px, PixelHeight() - 1 - py, Pixel(px, py));
    return out;
}

Image Image::Transposed() const {
    const PixelScale same(scale_);
    Image out(height_, width_);
    for (int py = 0; py < PixelHeight(); ++py)
        for (int px = 0; px < PixelWidth(); ++px) out.SetPixel(py, px, Pixel(px, py));
    return out;
}

Image StackVertically(const std::vector<Image>& rows) {
    if (rows.empty()) return Image();
    const PixelScale same(rows[0].Scale());
    Image out(rows[0].Width(), rows[0].Height() * int(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) out.Paste(rows[i], 0, int(i) * rows[0].Height());
    return out;
}

Image StackHorizontally(const std::vector<Image>& columns) {
    if (columns.empty()) return Image();
    const PixelScale same(columns[0].Scale());
    Image out(columns[0].Width() * int(columns.size()), columns[0].Height());
    for (std::size_t i = 0; i < columns.size(); ++i) out.Paste(columns[i], int(i) * columns[0].Width(), 0);
    return out;
}

}  // namespace art
