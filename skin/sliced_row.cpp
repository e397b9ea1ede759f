#include "skin/sliced_row.h"

#include "skin/three_slice.h"

void DrawSlicedRow(HDC dc, int x, int y, int width, int height, const SlicedRow& row)
{
    if (!row.bitmap || !row.bitmap->Loaded() || width <= 0 || height <= 0)
        return;
    for (const skin::SliceBlit& blit :
         skin::ThreeSliceBlits(width, row.bitmap->Width(), row.leftWidth, row.rightWidth))
        BitBlt(dc, x + blit.destX, y, blit.width, height, row.bitmap->Dc(), blit.sourceX, row.sourceY, SRCCOPY);
}
