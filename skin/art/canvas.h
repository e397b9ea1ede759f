// A small drawing canvas for the skin art: floating-point colours, anti-aliased shapes by
// supersampling, gradients, and copying between images.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace art {

struct Colour {
    float r = 0, g = 0, b = 0;
};

// 0xRRGGBB.
Colour Hex(std::uint32_t rgb);
Colour Mix(Colour a, Colour b, float t);  // t = 0 gives a, 1 gives b
Colour Lighter(Colour c, float t);
Colour Darker(Colour c, float t);

// A shape answers whether a point (in pixel units, pixel x covering [x, x + 1)) is inside.
using Shape = std::function<bool(float x, float y)>;
// A paint gives the colour at a point.
using Paint = std::function<Colour(float x, float y)>;

Shape RoundedRect(float x0, float y0, float x1, float y1, float radius);
// Only the given corners rounded: top-left, top-right, bottom-right, bottom-left.
Shape RoundedRect(float x0, float y0, float x1, float y1, float radius, bool tl, bool tr, bool br, bool bl);
Shape Circle(float cx, float cy, float radius);
Shape Segment(float x0, float y0, float x1, float y1, float width);
Shape Polygon(std::vector<std::pair<float, float>> points);
Shape Union(Shape a, Shape b);
Shape Minus(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
// The outline of width `width` just inside the rounded rectangle.
Shape RoundedFrame(float x0, float y0, float x1, float y1, float radius, float width);

Paint Solid(Colour c);
Paint Vertical(float y0, float y1, Colour top, Colour bottom);
Paint Horizontal(float x0, float x1, Colour left, Colour right);

class Image {
public:
    Image() = default;
    Image(int width, int height, Colour fill = Colour{});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour Get(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Colour c);
    void Blend(int x, int y, Colour c, float alpha);

    // Half-open rectangles, clipped to the image.
    void FillRect(int x0, int y0, int x1, int y1, const Paint& paint);
    void FillRect(int x0, int y0, int x1, int y1, Colour c) { FillRect(x0, y0, x1, y1, Solid(c)); }
    // Anti-aliased: each pixel is blended by the share of its 4 x 4 samples inside the shape.
    void FillShape(const Shape& shape, const Paint& paint, float opacity = 1.0f);
    void FillShape(const Shape& shape, Colour c, float opacity = 1.0f) { FillShape(shape, Solid(c), opacity); }

    void Paste(const Image& source, int x, int y);
    Image Crop(int x, int y, int width, int height) const;
    Image MirroredHorizontally() const;
    Image MirroredVertically() const;

private:
    std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// A vertical stack of equal images (the states of a strip), top to bottom.
Image StackVertically(const std::vector<Image>& rows);
// Equal images side by side, left to right.
Image StackHorizontally(const std::vector<Image>& columns);

}  // namespace art
