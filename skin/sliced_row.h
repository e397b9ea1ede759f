// Drawing one row of a skin bitmap across a width with three-slice tiling: the fixed
// left end, the middle slice repeated, the last copy flush against the fixed right end.
#pragma once

#include "skin/skin_bitmap.h"

#include <windows.h>

struct SlicedRow {
    const CSkinBitmap* bitmap = nullptr;
    int sourceY = 0;      // top of the row in the bitmap
    int leftWidth = 0;
    int rightWidth = 0;
};

// Tiles the row into `dc` at (x, y), `width` by `height` pixels. A bitmap whose ends
// leave no middle slice draws its two ends only; an unloaded bitmap draws nothing.
void DrawSlicedRow(HDC dc, int x, int y, int width, int height, const SlicedRow& row);

// Row `index` of a bitmap made of `rows` rows of equal height.
inline int RowTop(const CSkinBitmap& bitmap, int rows, int index) { return bitmap.Height() / rows * index; }
