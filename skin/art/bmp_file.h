// Writing the skin art as 24-bit Windows bitmap files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/art/canvas.h"

namespace art {

struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0;
};
inline bool operator==(Pixel a, Pixel b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// Rounded 8-bit pixels of an image, row-major from the top.
std::vector<Pixel> Quantise(const Image& image);

// The bytes of a bottom-up 24-bit .bmp file (rows padded to four bytes).
std::vector<std::uint8_t> EncodeBmp(int width, int height, const std::vector<Pixel>& pixels);

// The bytes of a bottom-up 8-bit .bmp file whose palette holds the image's colours in
// order of first appearance; empty when the image has more than 256 colours.
std::vector<std::uint8_t> EncodeBmp8(int width, int height, const std::vector<Pixel>& pixels);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace art

namespace art {

// Reads a bottom-up 24-bit .bmp file as written by EncodeBmp; an empty image on failure.
Image ReadBmp(const std::string& path);

}  // namespace art
