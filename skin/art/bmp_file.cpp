#include "skin/art/bmp_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace art {

namespace {

std::uint8_t Channel(float v) { return std::uint8_t(std::lround(std::clamp(v, 0.0f, 255.0f))); }

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// BITMAPFILEHEADER and BITMAPINFOHEADER of an uncompressed bottom-up bitmap; the palette
// (4 bytes per colour) and the pixels follow.
void PutHeaders(std::vector<std::uint8_t>& out, int width, int height, std::uint16_t bitCount,
                std::uint32_t imageSize, std::uint32_t paletteColours) {
    const std::uint32_t offset = 54 + 4 * paletteColours;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, paletteColours);
    Put32(out, 0);
}

}  // namespace

std::vector<Pixel> Quantise(const Image& image) {
    std::vector<Pixel> out;
    out.reserve(std::size_t(image.PixelWidth()) * std::size_t(image.PixelHeight()));
    for (int y = 0; y < image.PixelHeight(); ++y)
        for (int x = 0; x < image.PixelWidth(); ++x) {
            const Colour c = image.Pixel(x, y);
            out.push_back(Pixel{Channel(c.r), Channel(c.g), Channel(c.b)});
        }
    return out;
}

std::vector<std::uint8_t> EncodeBmp(int width, int height, const std::vector<Pixel>& pixels) {
    const std::uint32_t stride = (std::uint32_t(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * std::uint32_t(height);
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageSize);
    PutHeaders(out, width, height, 24, imageSize, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Pixel& p = pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (std::uint32_t pad = std::uint32_t(width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> EncodeBmp8(int width, int height, const std::vector<Pixel>& pixels) {
    std::vector<Pixel> palette;
    std::vector<std::uint8_t> indexes;
    indexes.reserve(pixels.size());
    for (const Pixel& p : pixels) {
        auto at = std::find(palette.begin(), palette.end(), p);
        if (at == palette.end()) {
            if (palette.size() == 256) return {};
            palette.push_back(p);
            at = palette.end() - 1;
        }
        indexes.push_back(std::uint8_t(at - palette.begin()));
    }
    const std::uint32_t stride = (std::uint32_t(width) + 3) & ~3u;
    const std::uint32_t imageSize = stride * std::uint32_t(height);
    std::vector<std::uint8_t> out;
    PutHeaders(out, width, height, 8, imageSize, std::uint32_t(palette.size()));
    for (const Pixel& p : palette) {
        out.push_back(p.b);
        out.push_back(p.g);
        out.push_back(p.r);
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) out.push_back(indexes[std::size_t(y) * std::size_t(width) + std::size_t(x)]);
        for (std::uint32_t pad = std::uint32_t(width); pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

}  // namespace art

namespace art {

namespace {

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
           (std::uint32_t(b[at + 3]) << 24);
}

}  // namespace

Image ReadBmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || b[28] != 24) return Image();
    const int width = int(Get32(b, 18)), height = int(Get32(b, 22));
    const std::size_t offset = Get32(b, 10), stride = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    if (width <= 0 || height <= 0 || b.size() < offset + stride * std::size_t(height)) return Image();
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = offset + stride * std::size_t(height - 1 - y) + std::size_t(x) * 3;
            image.Set(x, y, Colour{float(b[at + 2]), float(b[at + 1]), float(b[at])});
        }
    return image;
}

}  // namespace art
