// Plain value types shared by the Windows-free skin code: colours, sizes, points,
// rectangles and margins, all in pixels with 32-bit signed coordinates.
#pragma once

#include <cstdint>

namespace skin {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool operator!=(Rgb a, Rgb b) { return !(a == b); }

// The colour packed the way a Windows COLORREF holds it: 0x00bbggrr.
inline std::uint32_t ToColorRef(Rgb c) {
    return std::uint32_t(c.r) | (std::uint32_t(c.g) << 8) | (std::uint32_t(c.b) << 16);
}
inline Rgb FromColorRef(std::uint32_t ref) {
    return Rgb{std::uint8_t(ref & 0xFF), std::uint8_t((ref >> 8) & 0xFF), std::uint8_t((ref >> 16) & 0xFF)};
}

// The key colour that frame pieces use for see-through pixels.
constexpr Rgb kTransparentKey{255, 0, 255};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
};
inline bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};
inline bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }

// Half-open rectangle: left and top inside, right and bottom outside (as a Windows RECT).
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};
inline bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct Margins {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};
inline bool operator==(const Margins& a, const Margins& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace skin
