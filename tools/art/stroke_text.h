// Text drawn with round-capped strokes, for the about picture: a small hand-made stroke
// font (the letters the picture needs) rasterised with 4 x 4 supersampling.
#pragma once

#include "skin/art/canvas.h"

#include <string>
#include <utility>
#include <vector>

namespace art {

using Polyline = std::vector<std::pair<float, float>>;

// Marks which supersamples of an image are covered, then blends a paint by coverage.
class Coverage {
public:
    Coverage(int width, int height);
    // A round-capped stroke along the points (pixel units).
    void Stroke(const Polyline& points, float width);
    void Dot(float x, float y, float radius);
    // Blends `paint` into the image by each pixel's share of covered samples.
    void Apply(Image& image, const Paint& paint, float opacity = 1.0f) const;

private:
    void Capsule(float x0, float y0, float x1, float y1, float radius);
    int width_, height_;
    std::vector<unsigned char> samples_;
};

struct TextStyle {
    float size = 20;    // cap height in pixels
    float weight = 2;   // stroke width in pixels
    float spacing = 0.18f;  // extra space after each letter, in cap heights
};

// Width in pixels of `text` in `style`.
float TextWidth(const std::string& text, const TextStyle& style);
// Strokes `text` with its baseline-left at (x, y). Letters the font lacks are skipped.
void StrokeText(Coverage& coverage, const std::string& text, float x, float y, const TextStyle& style);

}  // namespace art
