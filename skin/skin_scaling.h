// A skin at a screen's resolution. A skin is drawn for 96 DPI: Skin.ini gives its lengths
// and its bitmaps their sizes at 96. At another DPI every length is scaled by dpi/96 with
// dpi::Scale (the identity at 96), and every bitmap is scaled band by band: a bitmap made
// of rows (or columns) of cells, one per state, is cut into those cells and each cell is
// scaled on its own, to dpi::Scale(cell), so that a smooth filter never mixes one state
// into the next and the cells stay of one whole size (cell n starts at n x the scaled
// cell). A skin may ship `name@2x.bmp` beside `name.bmp`, drawn for 192 DPI: where
// UsesDoubleBitmap says (from a factor of 2 on, but for odd whole factors) it is the source
// instead of `name.bmp`, fitted to the same scaled cells.
// Windows-free; the bitmaps themselves are scaled in skin_bitmap_scaling.cpp.
#pragma once

#include "skin/skin_description.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

// Every length of a description read at 96 DPI, at `dpi`: margins, offsets, text and
// button positions, slice widths, the frame pieces' and buttons' state sizes, the minimum
// size. Colours, texts, flags and font sizes (points) are left as they are; negative
// positions (counted from the far edge) scale as well. The identity at 96.
SkinDescription ScaledDescription(const SkinDescription& design, int dpi);

// How a bitmap is cut into cells: `columns` across, `rows` down.
struct CellLayout {
    int columns = 1;
    int rows = 1;
};

// One band along one axis: `sourceLength` pixels from `sourceStart` of the source bitmap
// drawn as `length` pixels from `start` of the scaled one.
struct Band {
    std::int32_t sourceStart = 0;
    std::int32_t sourceLength = 0;
    std::int32_t start = 0;
    std::int32_t length = 0;
};

// The bands of one axis. `designLength` is the length of the 96-DPI bitmap, `sourceLength`
// that of the bitmap read (the same, or the @2x one's); `count` cells of designLength/count
// each, dpi::Scale(designLength/count) long in the scaled bitmap. What remains beyond the
// last whole cell is never drawn (a cell is always found as length/count x index) and is
// left out, so that the scaled length is exactly count x the scaled cell.
std::vector<Band> ScaledBands(std::int32_t designLength, std::int32_t sourceLength, int count, int dpi);
// Length of the scaled bitmap along that axis: the end of the last band.
std::int32_t ScaledLength(std::int32_t designLength, int count, int dpi);

// Whether the bitmap drawn for 192 DPI is used at `dpi`: at a factor of 2 or more, except
// at an odd whole factor (3x, 5x), where the 96-DPI bitmap is repeated instead.
bool UsesDoubleBitmap(int dpi);
// "name@2x.bmp" for "name.bmp" (the suffix goes before the last extension of the file
// name; a name without one gets it at the end).
std::string DoubleBitmapPath(const std::string& path);

// Whether a band is scaled by repeating pixels: both lengths a whole multiple of the
// source's. Otherwise a smooth filter is used.
bool ScalesByReplication(const Band& across, const Band& down);

// Before a smooth filter: every pixel of the see-through key colour (compared in its low
// 24 bits) takes the colour of the nearest other pixel in its row, or, where the row holds
// key pixels only, in its column, so that the filter never mixes the key colour into the
// edges around it. `pixels` is `width` x `height`, row after row. A bitmap of key pixels
// only is left as it is.
void CoverKeyPixels(std::uint32_t* pixels, int width, int height, std::uint32_t key);

}  // namespace skin
