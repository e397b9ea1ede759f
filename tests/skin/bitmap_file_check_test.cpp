#include "skin/bitmap_file_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace skin {
namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A 24-bit bitmap of the given size with a 40-byte header and all its rows.
std::string Bitmap(std::int32_t width, std::int32_t height, std::uint32_t bits = 24, std::uint32_t compression = 0) {
    const std::int64_t rows = height < 0 ? -std::int64_t(height) : height;
    const std::uint64_t stride = (std::uint64_t(width > 0 ? width : 0) * bits + 31) / 32 * 4;
    const std::uint32_t image = static_cast<std::uint32_t>(stride * std::uint64_t(rows));
    std::string out = "BM";
    Put(out, 54 + image, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(width), 4);
    Put(out, static_cast<std::uint32_t>(height), 4);
    Put(out, 1, 2);
    Put(out, bits, 2);
    Put(out, compression, 4);
    Put(out, image, 4);
    out.append(16, '\0');  // resolution and palette counts
    out.append(image, '\0');
    return out;
}

TEST(BitmapFileCheck, WholeBitmapsPassInBothRowOrders) {
    EXPECT_TRUE(IsCompleteBitmapFile(Bitmap(16, 140)));
    EXPECT_TRUE(IsCompleteBitmapFile(Bitmap(3, -5)));
    EXPECT_TRUE(IsCompleteBitmapFile(Bitmap(7, 3, 32)));
}

TEST(BitmapFileCheck, EmptyTruncatedAndForeignFilesAreRefused) {
    EXPECT_FALSE(IsCompleteBitmapFile(""));
    EXPECT_FALSE(IsCompleteBitmapFile("this is not a bitmap"));
    const std::string whole = Bitmap(16, 140);
    EXPECT_FALSE(IsCompleteBitmapFile(whole.substr(0, 30)));
    EXPECT_FALSE(IsCompleteBitmapFile(whole.substr(0, whole.size() - 1)));
    std::string wrongMagic = whole;
    wrongMagic[0] = 'P';
    EXPECT_FALSE(IsCompleteBitmapFile(wrongMagic));
}

TEST(BitmapFileCheck, SizesAndFormatsOutsideTheKnownOnesAreRefused) {
    EXPECT_FALSE(IsCompleteBitmapFile(Bitmap(0, 0)));
    EXPECT_FALSE(IsCompleteBitmapFile(Bitmap(40, 0)));
    EXPECT_FALSE(IsCompleteBitmapFile(Bitmap(-4, 4)));
    EXPECT_FALSE(IsCompleteBitmapFile(Bitmap(4, 4, 7)));
    EXPECT_FALSE(IsCompleteBitmapFile(Bitmap(4, 4, 24, 9)));
    // A header claiming a huge picture in a small file.
    std::string huge = Bitmap(4, 4);
    huge[18] = huge[19] = huge[20] = '\xFF';
    huge[21] = '\x7F';
    EXPECT_FALSE(IsCompleteBitmapFile(huge));
}

}  // namespace
}  // namespace skin
