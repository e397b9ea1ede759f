// Window-region rectangles computed from pixels: the opaque part of a frame piece as
// horizontal runs per row, rows with identical runs merged into taller rectangles, and
// the whole window region assembled from the placed pieces. The rectangle lists are
// ready for one region-from-rectangles call.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/frame_geometry.h"
#include "skin/skin_types.h"

namespace skin {

// Rectangles of the non-transparent pixels of a width x height image, where `pixel(x, y)`
// gives a pixel's colour and exactly kTransparentKey counts as transparent. Each row's
// maximal opaque runs become rectangles one pixel high; a row whose runs equal those of
// the row above extends those rectangles downward instead. The union of the result is
// exactly the set of opaque pixels; an image without any opaque pixel gives no rectangle.
std::vector<Rect> OpaqueRegionRects(std::int32_t width, std::int32_t height,
                                    const std::function<Rgb(std::int32_t x, std::int32_t y)>& pixel);

// The same for a row-major pixel array of width x height entries.
std::vector<Rect> OpaqueRegionRects(std::int32_t width, std::int32_t height, const std::vector<Rgb>& pixels);

// Opaque rectangles of each frame piece's first state, in piece order, relative to the
// piece's own top-left corner.
using PieceRegions = std::array<std::vector<Rect>, kFramePieceCount>;

// The window region of a skin with transparency: the frame interior, then each piece's
// rectangles moved to every place the piece is copied to (in the frame's region order).
std::vector<Rect> WindowRegionRects(const PieceSizes& states, const PieceRegions& regions, Size window);

}  // namespace skin
