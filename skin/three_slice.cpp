#include "skin/three_slice.h"

#include <algorithm>

namespace skin {

namespace {

struct Ends {
    std::int32_t left;
    std::int32_t right;
};

Ends ClampEnds(std::int32_t bitmapWidth, std::int32_t left, std::int32_t right) {
    const std::int32_t width = std::max<std::int32_t>(bitmapWidth, 0);
    left = std::clamp<std::int32_t>(left, 0, width);
    right = std::clamp<std::int32_t>(right, 0, width - left);
    return Ends{left, right};
}

}  // namespace

std::int32_t MiddleSliceWidth(std::int32_t bitmapWidth, std::int32_t leftWidth, std::int32_t rightWidth) {
    const Ends e = ClampEnds(bitmapWidth, leftWidth, rightWidth);
    return std::max<std::int32_t>(bitmapWidth, 0) - e.left - e.right;
}

std::vector<SliceBlit> ThreeSliceBlits(std::int32_t targetWidth, std::int32_t bitmapWidth, std::int32_t leftWidth,
                                       std::int32_t rightWidth) {
    const Ends e = ClampEnds(bitmapWidth, leftWidth, rightWidth);
    const std::int32_t middle = std::max<std::int32_t>(bitmapWidth, 0) - e.left - e.right;
    std::vector<SliceBlit> blits;
    if (middle > 0) {
        const std::int64_t last = std::int64_t(targetWidth) - middle - e.right;
        std::int64_t x = e.left;
        for (; x < last; x += middle) blits.push_back(SliceBlit{std::int32_t(x), e.left, middle});
        blits.push_back(SliceBlit{std::int32_t(last), e.left, middle});
    }
    if (e.left > 0) blits.push_back(SliceBlit{0, 0, e.left});
    if (e.right > 0) {
        blits.push_back(SliceBlit{std::int32_t(std::int64_t(targetWidth) - e.right), bitmapWidth - e.right, e.right});
    }
    return blits;
}

}  // namespace skin
