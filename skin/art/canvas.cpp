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

Image::Image(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * std::size_t(height), fill) {}

void Image::Set(int x, int y, Colour c) {
    if (Inside(x, y)) pixels_[Index(x, y)] = c;
}

void Image::Blend(int x, int y, Colour c, float alpha) {
    if (Inside(x, y)) pixels_[Index(x, y)] = Mix(pixels_[Index(x, y)], c, alpha);
}

void Image::FillRect(int x0, int y0, int x1, int y1, const Paint& paint) {
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) pixels_[Index(x, y)] = paint(x + 0.5f, y + 0.5f);
}

void Image::FillShape(const Shape& shape, const Paint& paint, float opacity) {
    constexpr int kSamples = 4;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += shape(x + (sx + 0.5f) / kSamples, y + (sy + 0.5f) / kSamples);
            if (hits == 0) continue;
            Blend(x, y, paint(x + 0.5f, y + 0.5f), opacity * float(hits) / (kSamples * kSamples));
        }
    }
}

void Image::Paste(const Image& source, int x, int y) {
    for (int sy = 0; sy < source.height_; ++sy)
        for (int sx = 0; sx < source.width_; ++sx) Set(x + sx, y + sy, source.Get(sx, sy));
}

Image Image::Crop(int x, int y, int width, int height) const {
    Image out(width, height);
    for (int cy = 0; cy < height; ++cy)
        for (int cx = 0; cx < width; ++cx)
            if (Inside(x + cx, y + cy)) out.Set(cx, cy, Get(x + cx, y + cy));
    return out;
}

Image Image::MirroredHorizontally() const {
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.Set(width_ - 1 - x, y, Get(x, y));
    return out;
}

Image Image::MirroredVertically() const {
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.Set(x, height_ - 1 - y, Get(x, y));
    return out;
}

Image StackVertically(const std::vector<Image>& rows) {
    if (rows.empty()) return Image();
    Image out(rows[0].Width(), rows[0].Height() * int(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) out.Paste(rows[i], 0, int(i) * rows[0].Height());
    return out;
}

Image StackHorizontally(const std::vector<Image>& columns) {
    if (columns.empty()) return Image();
    Image out(columns[0].Width() * int(columns.size()), columns[0].Height());
    for (std::size_t i = 0; i < columns.size(); ++i) out.Paste(columns[i], int(i) * columns[0].Width(), 0);
    return out;
}

}  // namespace art
