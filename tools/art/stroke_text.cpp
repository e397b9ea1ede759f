#include "tools/art/stroke_text.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace art {
namespace {

constexpr int kSamples = 4;
constexpr float kPi = 3.14159265f;

// An elliptic arc from angle a0 to a1 (degrees, counter-clockwise on screen; 0 is the right).
Polyline Arc(float cx, float cy, float rx, float ry, float a0, float a1) {
    Polyline points;
    const int steps = std::max(4, int(std::fabs(a1 - a0) / 10));
    for (int i = 0; i <= steps; ++i) {
        const float a = (a0 + (a1 - a0) * float(i) / float(steps)) * kPi / 180;
        points.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
    }
    return points;
}

struct Glyph {
    float advance = 0;               // in cap heights
    std::vector<Polyline> strokes;   // y down, 0 the cap line, 1 the baseline
    std::vector<std::pair<float, float>> dots;
};

// The letters of the about picture. x-height is 0.55.
const std::map<char, Glyph>& Font() {
    static const std::map<char, Glyph> font = [] {
        std::map<char, Glyph> f;
        f['Q'] = {0.84f, {Arc(0.4f, 0.5f, 0.4f, 0.5f, 0, 360), {{0.5f, 0.72f}, {0.84f, 1.06f}}}, {}};
        f['V'] = {0.72f, {{{0, 0}, {0.36f, 1}, {0.72f, 0}}}, {}};
        f['T'] = {0.68f, {{{0, 0}, {0.68f, 0}}, {{0.34f, 0}, {0.34f, 1}}}, {}};
        f['u'] = {0.46f, {[] { Polyline p{{0, 0.45f}}; auto a = Arc(0.2f, 0.78f, 0.2f, 0.22f, 180, 360);
                                p.insert(p.end(), a.begin(), a.end()); return p; }(),
                          {{0.4f, 0.45f}, {0.4f, 1}}}, {}};
        f['i'] = {0.1f, {{{0.05f, 0.45f}, {0.05f, 1}}}, {{0.05f, 0.2f}}};
        f['l'] = {0.1f, {{{0.05f, 0}, {0.05f, 1}}}, {}};
        f['e'] = {0.46f, {[] { Polyline p{{0.02f, 0.74f}, {0.44f, 0.74f}}; auto a = Arc(0.23f, 0.74f, 0.22f, 0.27f, 0, 315);
                                p.insert(p.end(), a.begin(), a.end()); return p; }()}, {}};
        f['t'] = {0.34f, {[] { Polyline p{{0.12f, 0.1f}, {0.12f, 0.86f}}; auto a = Arc(0.26f, 0.86f, 0.14f, 0.14f, 180, 300);
                                p.insert(p.end(), a.begin(), a.end()); return p; }(),
                          {{0, 0.45f}, {0.32f, 0.45f}}}, {}};
        f['r'] = {0.3f, {{{0.04f, 0.45f}, {0.04f, 1}}, Arc(0.3f, 0.75f, 0.26f, 0.28f, 180, 80)}, {}};
        f['s'] = {0.4f, {[] { auto p = Arc(0.2f, 0.6f, 0.18f, 0.14f, 20, 270); auto b = Arc(0.2f, 0.87f, 0.19f, 0.13f, 90, -160);
                               p.insert(p.end(), b.begin(), b.end()); return p; }()}, {}};
        f['o'] = {0.48f, {Arc(0.24f, 0.73f, 0.24f, 0.28f, 0, 360)}, {}};
        f['n'] = {0.44f, {{{0.04f, 0.45f}, {0.04f, 1}},
                          [] { auto p = Arc(0.22f, 0.7f, 0.18f, 0.25f, 180, 0); p.push_back({0.4f, 1}); return p; }()}, {}};
        f['x'] = {0.44f, {{{0, 0.45f}, {0.44f, 1}}, {{0.44f, 0.45f}, {0, 1}}}, {}};
        f['d'] = {0.46f, {Arc(0.21f, 0.73f, 0.21f, 0.28f, 0, 360), {{0.42f, 0}, {0.42f, 1}}}, {}};
        f['a'] = {0.46f, {Arc(0.21f, 0.73f, 0.21f, 0.28f, 0, 360), {{0.42f, 0.45f}, {0.42f, 1}}}, {}};
        f['b'] = {0.46f, {{{0.03f, 0}, {0.03f, 1}}, Arc(0.24f, 0.73f, 0.21f, 0.28f, 0, 360)}, {}};
        f['1'] = {0.36f, {{{0.06f, 0.2f}, {0.28f, 0}, {0.28f, 1}}}, {}};
        f['0'] = {0.52f, {Arc(0.26f, 0.5f, 0.26f, 0.5f, 0, 360)}, {}};
        f['.'] = {0.1f, {}, {{0.05f, 0.96f}}};
        f[' '] = {0.3f, {}, {}};
        return f;
    }();
    return font;
}

}  // namespace

Coverage::Coverage(int width, int height)
    : width_(width), height_(height), samples_(std::size_t(width) * height * kSamples * kSamples, 0) {}

void Coverage::Capsule(float x0, float y0, float x1, float y1, float radius) {
    const int sw = width_ * kSamples, sh = height_ * kSamples;
    const int left = std::max(0, int((std::min(x0, x1) - radius) * kSamples));
    const int right = std::min(sw - 1, int((std::max(x0, x1) + radius) * kSamples) + 1);
    const int top = std::max(0, int((std::min(y0, y1) - radius) * kSamples));
    const int bottom = std::min(sh - 1, int((std::max(y0, y1) + radius) * kSamples) + 1);
    const float dx = x1 - x0, dy = y1 - y0;
    const float length2 = dx * dx + dy * dy;
    for (int sy = top; sy <= bottom; ++sy)
        for (int sx = left; sx <= right; ++sx) {
            const float px = (sx + 0.5f) / kSamples, py = (sy + 0.5f) / kSamples;
            float t = length2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / length2 : 0;
            t = std::clamp(t, 0.0f, 1.0f);
            const float ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
            if (ex * ex + ey * ey <= radius * radius) samples_[std::size_t(sy) * sw + sx] = 1;
        }
}

void Coverage::Stroke(const Polyline& points, float width) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        Capsule(points[i].first, points[i].second, points[i + 1].first, points[i + 1].second, width / 2);
}

void Coverage::Dot(float x, float y, float radius) { Capsule(x, y, x, y, radius); }

void Coverage::Apply(Image& image, const Paint& paint, float opacity) const {
    const int sw = width_ * kSamples;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += samples_[std::size_t(y * kSamples + sy) * sw + std::size_t(x * kSamples + sx)];
            if (hits) image.Blend(x, y, paint(x + 0.5f, y + 0.5f), opacity * float(hits) / (kSamples * kSamples));
        }
}

float TextWidth(const std::string& text, const TextStyle& style) {
    float width = 0;
    for (char c : text) {
        auto glyph = Font().find(c);
        if (glyph != Font().end()) width += (glyph->second.advance + style.spacing) * style.size;
    }
    return width > 0 ? width - style.spacing * style.size : 0;
}

void StrokeText(Coverage& coverage, const std::string& text, float x, float y, const TextStyle& style) {
    const float top = y - style.size;
    for (char c : text) {
        auto found = Font().find(c);
        if (found == Font().end()) continue;
        const Glyph& glyph = found->second;
        for (const Polyline& stroke : glyph.strokes) {
            Polyline placed;
            for (auto [gx, gy] : stroke) placed.push_back({x + gx * style.size, top + gy * style.size});
            coverage.Stroke(placed, style.weight);
        }
        for (auto [gx, gy] : glyph.dots) coverage.Dot(x + gx * style.size, top + gy * style.size, style.weight * 0.75f);
        x += (glyph.advance + style.spacing) * style.size;
    }
}

}  // namespace art
