// Three-slice tiling of a bitmap row across a target width: a fixed left end, the middle
// slice repeated, the last copy flush against a fixed right end. Menu items, menu-bar
// buttons, tabs and the status bar draw their backgrounds this way.
#pragma once

#include <cstdint>
#include <vector>

namespace skin {

// One copy of `width` source columns from `sourceX` to `destX` (full row height).
struct SliceBlit {
    std::int32_t destX = 0;
    std::int32_t sourceX = 0;
    std::int32_t width = 0;
};

// bitmapWidth - leftWidth - rightWidth, the end widths first kept inside [0, bitmapWidth].
std::int32_t MiddleSliceWidth(std::int32_t bitmapWidth, std::int32_t leftWidth, std::int32_t rightWidth);

// The copies in drawing order: middle tiles from x = leftWidth while a tile starts before
// targetWidth - middle - rightWidth, one more at exactly that place, then the left end at
// 0 and the right end at targetWidth - rightWidth. End widths are kept inside the bitmap;
// a bitmap whose ends leave no middle slice draws its two ends only.
std::vector<SliceBlit> ThreeSliceBlits(std::int32_t targetWidth, std::int32_t bitmapWidth, std::int32_t leftWidth,
                                       std::int32_t rightWidth);

}  // namespace skin
