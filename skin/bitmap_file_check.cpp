#include "skin/bitmap_file_check.h"

#include <cstdint>

namespace skin {

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::uint32_t Read(std::string_view bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

bool KnownDepth(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool IsCompleteBitmapFile(std::string_view bytes) {
    const std::uint64_t size = bytes.size();
    if (size < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const std::uint64_t pixelsAt = Read(bytes, 10, 4);
    const std::uint32_t headerSize = Read(bytes, 14, 4);
    if (headerSize != kCoreHeaderSize && (headerSize < kInfoHeaderSize || headerSize > 1024)) return false;
    if (size < kFileHeaderSize + headerSize) return false;

    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bits = 0, compression = kRgb, imageSize = 0;
    if (headerSize == kCoreHeaderSize) {
        width = Read(bytes, 18, 2);
        height = Read(bytes, 20, 2);
        planes = Read(bytes, 22, 2);
        bits = Read(bytes, 24, 2);
    } else {
        width = static_cast<std::int32_t>(Read(bytes, 18, 4));
        height = static_cast<std::int32_t>(Read(bytes, 22, 4));
        planes = Read(bytes, 26, 2);
        bits = Read(bytes, 28, 2);
        compression = Read(bytes, 30, 4);
        imageSize = Read(bytes, 34, 4);
    }
    if (height < 0) height = -height;  // top-down rows
    if (width <= 0 || height <= 0 || planes != 1 || !KnownDepth(bits)) return false;
    if (pixelsAt < kFileHeaderSize + headerSize || pixelsAt > size) return false;

    switch (compression) {
        case kRgb:
        case kBitFields: {
            const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
            return stride * static_cast<std::uint64_t>(height) <= size - pixelsAt;
        }
        case kRle8:
        case kRle4:
            return imageSize > 0 && imageSize <= size - pixelsAt;
        default:
            return false;
    }
}

}  // namespace skin
