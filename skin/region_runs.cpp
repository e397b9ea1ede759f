#include "skin/region_runs.h"

#include <algorithm>

namespace skin {

namespace {

struct Run {
    std::int32_t left;
    std::int32_t right;
};
bool operator==(const Run& a, const Run& b) { return a.left == b.left && a.right == b.right; }

void RowRuns(std::int32_t width, std::int32_t y, const std::function<Rgb(std::int32_t, std::int32_t)>& pixel,
             std::vector<Run>& runs) {
    runs.clear();
    std::int32_t start = -1;
    // Column `width` counts as transparent, closing a run that reaches the right edge.
    for (std::int32_t x = 0; x <= width; ++x) {
        const bool opaque = x < width && pixel(x, y) != kTransparentKey;
        if (opaque && start < 0) start = x;
        if (!opaque && start >= 0) {
            runs.push_back(Run{start, x});
            start = -1;
        }
    }
}

}  // namespace

std::vector<Rect> OpaqueRegionRects(std::int32_t width, std::int32_t height,
                                    const std::function<Rgb(std::int32_t, std::int32_t)>& pixel) {
    std::vector<Rect> rects;
    if (width <= 0 || height <= 0) return rects;
    std::vector<Run> previous, current;
    std::size_t previousFirst = 0;  // index in `rects` of the rectangles of the previous row
    for (std::int32_t y = 0; y < height; ++y) {
        RowRuns(width, y, pixel, current);
        if (y > 0 && !current.empty() && current == previous) {
            for (std::size_t k = 0; k < current.size(); ++k) rects[previousFirst + k].bottom = y + 1;
            continue;
        }
        previousFirst = rects.size();
        for (const Run& r : current) rects.push_back(Rect{r.left, y, r.right, y + 1});
        std::swap(previous, current);
    }
    return rects;
}

std::vector<Rect> OpaqueRegionRects(std::int32_t width, std::int32_t height, const std::vector<Rgb>& pixels) {
    if (width <= 0 || height <= 0 || pixels.size() < std::size_t(width) * std::size_t(height)) return {};
    return OpaqueRegionRects(width, height, [&](std::int32_t x, std::int32_t y) {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    });
}

std::vector<Rect> WindowRegionRects(const PieceSizes& states, const PieceRegions& regions, Size window) {
    std::vector<Rect> out;
    const Rect interior = FrameInterior(states, window);
    if (interior.left < interior.right && interior.top < interior.bottom) out.push_back(interior);
    for (const PlacedPiece& placed : FrameRegionOrder(states, window)) {
        const std::int32_t dx = placed.destination.left, dy = placed.destination.top;
        for (const Rect& r : regions[PieceIndex(placed.piece)])
            out.push_back(Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy});
    }
    return out;
}

}  // namespace skin
