// A small drawing canvas for the skin art: floating-point colours, anti-aliased shapes by
// supersampling, gradients, and copying between images.
//
// Coordinates and sizes are design pixels (the skin at 100 %). An image made while a
// PixelScale of 2 is alive holds 2 x 2 pixels for each design pixel, and every operation
// (rectangles, shapes, copies) fills those pixels at that resolution: the same drawing
// code draws the skin's @2x bitmaps, with shapes as smooth at 2x as at 1x. At a scale of
// 1 each operation is exactly the plain one.
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

// While alive, new images have `scale` pixels per design pixel along each axis.
class PixelScale {
public:
    explicit PixelScale(int scale);
    ~PixelScale();
    PixelScale(const PixelScale&) = delete;
    PixelScale& operator=(const PixelScale&) = delete;

private:
    int previous_;
};
int CurrentPixelScale();

class Image {
public:
    Image() = default;
    Image(int width, int height, Colour fill = Colour{});

    // In design pixels.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel at the top-left of design pixel (x, y); Set and Blend change the whole
    // design pixel.
    Colour Get(int x, int y) const { return pixels_[Index(x * scale_, y * scale_)]; }
    void Set(int x, int y, Colour c);
    void Blend(int x, int y, Colour c, float alpha);

    // The pixels themselves: scale x the design size.
    int Scale() const { return scale_; }
    int PixelWidth() const { return width_ * scale_; }
    int PixelHeight() const { return height_ * scale_; }
    Colour Pixel(int px, int py) const { return pixels_[Index(px, py)]; }
    void SetPixel(int px, int py, Colour c);
    void BlendPixel(int px, int py, Colour c, float alpha);
    // Design coordinate of the centre of pixel `p`.
    float Centre(int p) const { return (p + 0.5f) / float(scale_); }

    // Half-open rectangles, clipped to the image.
    void FillRect(int x0, int y0, int x1, int y1, const Paint& paint);
    void FillRect(int x0, int y0, int x1, int y1, Colour c) { FillRect(x0, y0, x1, y1, Solid(c)); }
    // Anti-aliased: each pixel is blended by the share of its 4 x 4 samples inside the shape.
    void FillShape(const Shape& shape, const Paint& paint, float opacity = 1.0f);
    void FillShape(const Shape& shape, Colour c, float opacity = 1.0f) { FillShape(shape, Solid(c), opacity); }

    // Every pixel whose centre lies outside `shape` becomes `c`.
    void FillOutside(const Shape& shape, Colour c);

    // Copies between images of the same scale.
    void Paste(const Image& source, int x, int y);
    Image Crop(int x, int y, int width, int height) const;
    Image MirroredHorizontally() const;
    Image MirroredVertically() const;
    // Rows become columns: pixel (x, y) goes to (y, x).
    Image Transposed() const;

private:
    std::size_t Index(int px, int py) const { return std::size_t(py) * std::size_t(PixelWidth()) + std::size_t(px); }
    bool InsidePixels(int px, int py) const { return px >= 0 && py >= 0 && px < PixelWidth() && py < PixelHeight(); }

    int width_ = 0;
    int height_ = 0;
    int scale_ = 1;
    std::vector<Colour> pixels_;
};

// A vertical stack of equal images (the states of a strip), top to bottom.
Image StackVertically(const std::vector<Image>& rows);
// Equal images side by side, left to right.
Image StackHorizontally(const std::vector<Image>& columns);

}  // namespace art
