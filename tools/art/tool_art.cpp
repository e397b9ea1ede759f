#include "tools/art/tool_art.h"

#include "tools/art/stroke_text.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr float kPi = 3.14159265f;

// A quill: a leaf-shaped vane along a curved spine, its barbs, and a dark nib.
void DrawQuill(Image& image) {
    const float x0 = 50, y0 = 176, x1 = 122, y1 = 22;
    auto spine = [&](float t) {
        const float bend = 14 * std::sin(kPi * t);  // the shaft curves to the right
        return std::pair<float, float>{x0 + (x1 - x0) * t + bend, y0 + (y1 - y0) * t};
    };
    const float dx = x1 - x0, dy = y1 - y0, length = std::sqrt(dx * dx + dy * dy);
    const float nx = -dy / length, ny = dx / length;
    std::vector<std::pair<float, float>> left, right;
    for (int i = 0; i <= 40; ++i) {
        const float t = 0.12f + 0.88f * float(i) / 40;
        const float width = 26 * std::pow(std::max(0.0f, std::sin(kPi * (t - 0.12f) / 0.88f)), 0.7f);
        const auto [sx, sy] = spine(t);
        left.push_back({sx + nx * width, sy + ny * width});
        right.push_back({sx - nx * width * 0.62f, sy - ny * width * 0.62f});
    }
    std::vector<std::pair<float, float>> outline(left.begin(), left.end());
    outline.insert(outline.end(), right.rbegin(), right.rend());
    image.FillShape(Polygon(outline), Vertical(20, 180, Hex(0xFBF6E9), Hex(0xC9D6E8)));

    // Barbs: thin darker lines leaning from the shaft to the edges.
    Coverage barbs(image.Width(), image.Height());
    for (int i = 2; i < 38; i += 3) {
        const auto [sx, sy] = spine(0.12f + 0.88f * float(i) / 40);
        barbs.Stroke({{sx, sy}, left[std::size_t(i + 2)]}, 0.8f);
        barbs.Stroke({{sx, sy}, right[std::size_t(i + 2)]}, 0.8f);
    }
    barbs.Apply(image, Solid(Hex(0x8FA3BF)), 0.55f);

    Coverage shaft(image.Width(), image.Height());
    Polyline line;
    for (int i = 0; i <= 30; ++i) {
        const auto [sx, sy] = spine(float(i) / 30);
        line.push_back({sx, sy});
    }
    shaft.Stroke(line, 2.2f);
    shaft.Apply(image, Solid(Hex(0x6E7F99)));

    Coverage nib(image.Width(), image.Height());
    nib.Stroke({{x0, y0}, {x0 - 5, y0 + 14}}, 3.2f);
    nib.Apply(image, Solid(Hex(0x10182A)));
}

// Faint lines of text at the lower right, the page the quill writes on.
void DrawPageLines(Image& image) {
    const float widths[] = {112, 86, 101, 64};
    for (int i = 0; i < 4; ++i) {
        const float y = 152 + 9.0f * float(i);
        image.FillShape(RoundedRect(150, y, 150 + widths[i], y + 3, 1.5f), Hex(0xA9C4E6), 0.28f);
    }
}

// The night-blue ground with a soft light falling from the upper right corner at `lightX`.
void DrawGround(Image& image, float lightX) {
    image.FillRect(0, 0, image.Width(), image.Height(),
                   Vertical(0, float(image.Height()), Hex(0x16233F), Hex(0x2F5E93)));
    image.FillShape(Circle(lightX, 10, 150), Hex(0x5D8FC8), 0.18f);
    image.FillShape(Circle(lightX, 10, 90), Hex(0x7FAAD8), 0.12f);
}

// "Quillet" with its shadow, baseline-left at (x, y), and the gold rule under it.
void DrawName(Image& image, float x, float y, const TextStyle& title, float ruleRight) {
    Coverage shadow(image.Width(), image.Height());
    StrokeText(shadow, "Quillet", x + 2, y + 2, title);
    shadow.Apply(image, Solid(Hex(0x000000)), 0.35f);
    Coverage name(image.Width(), image.Height());
    StrokeText(name, "Quillet", x, y, title);
    name.Apply(image, Vertical(y - 36, y + 2, Hex(0xFFFFFF), Hex(0xD5E4F5)));
    image.FillShape(RoundedRect(x + 1, y + 11, ruleRight, y + 12.6f, 0.8f),
                    Horizontal(x + 1, ruleRight, Hex(0xE9C46A), Hex(0x2F5E93)));
}

}  // namespace

Image AboutPicture(const std::string& version) {
    Image image(kAboutWidth, kAboutHeight);
    DrawGround(image, 250);
    DrawPageLines(image);
    DrawQuill(image);
    DrawName(image, 140, 92, TextStyle{34, 4.2f, 0.16f}, 276);

    Coverage lines(kAboutWidth, kAboutHeight);
    StrokeText(lines, "Version " + version, 142, 124, TextStyle{12, 1.5f, 0.2f});
    StrokeText(lines, "Tabbed text editor", 142, 142, TextStyle{10, 1.3f, 0.2f});
    lines.Apply(image, Solid(Hex(0xBFD4EE)));
    return image;
}

int ScaledLength(int length, int percent) { return (length * percent + 50) / 100; }

Image StartupMarker(int percent) {
    // A green "start" triangle pointing right, hard-edged so that no pixel mixes with the
    // see-through colour around it. Larger sizes sample the same shape at the centre of
    // each pixel, with an outline as wide as one design pixel.
    const Colour key = Hex(0xFF00FF), outline = Hex(0x1E6B2A), fill = Hex(0x4CB45A), light = Hex(0xA6E3A0);
    const int width = ScaledLength(kMarkerWidth, percent), height = ScaledLength(kMarkerHeight, percent);
    Image image(width, height, key);
    const float scale = float(percent) / 100.0f;
    // The design point at the centre of pixel p (the pixel itself at 100 %).
    auto design = [&](int p) { return percent == 100 ? float(p) : (float(p) + 0.5f) / scale - 0.5f; };
    auto inside = [](float x, float y) {
        if (x < 0.5f || x > 9.5f || y < 0.5f || y > 11.5f) return false;
        // From the left edge (x = 1, rows 1-11) to the tip (x = 9, row 6).
        const float half = 5.0f * (9.0f - std::min(x, 9.0f)) / 8.0f + 0.5f;
        return std::fabs(y - 6.0f) <= half;
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float dx = design(x), dy = design(y);
            if (!inside(dx, dy)) continue;
            const bool edge = !inside(dx - 1, dy) || !inside(dx + 1, dy) || !inside(dx, dy - 1) || !inside(dx, dy + 1);
            const bool lit = dx >= 1.5f && dx < 2.5f;
            image.Set(x, y, edge ? outline : (lit ? light : fill));
        }
    return image;
}

Image SetupSidePicture() {
    Image image(kSetupSideWidth, kSetupSideHeight);
    DrawGround(image, 150);
    DrawQuill(image);
    DrawName(image, 22, 250, TextStyle{30, 3.7f, 0.16f}, 142);
    return image;
}

Image MenuGlyph(int percent) {
    const int size = ScaledLength(kGlyphSize, percent);
    const float s = float(percent) / 100.0f;
    Image image(size, size, Hex(0xFFFFFF));
    // The vane: a leaf along the diagonal from the lower left to the upper right.
    image.FillShape(Polygon({{2.5f * s, 10.5f * s}, {3.0f * s, 4.5f * s}, {12.0f * s, 0.5f * s}, {8.5f * s, 9.5f * s}}),
                    Vertical(1 * s, 11 * s, Hex(0x5D8FC8), Hex(0x1F4E8C)));
    Coverage shaft(size, size);
    shaft.Stroke({{1.5f * s, 12.0f * s}, {11.0f * s, 1.5f * s}}, 1.1f * s);
    shaft.Apply(image, Solid(Hex(0x16233F)));
    return image;
}

}  // namespace art
