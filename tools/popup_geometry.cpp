#include "tools/popup_geometry.h"

namespace tools {

PopupOrigin PlacePopup(int anchorLeft, int anchorTop, int anchorBottom, int screenWidth, int screenHeight,
                       bool dropShadow, int dpiValue)
{
    const PopupSize size = PopupSizeAt(dpiValue);
    PopupOrigin origin;
    origin.x = anchorLeft;
    if (origin.x + size.width > screenWidth)
        origin.x = screenWidth - size.width;
    if (origin.x < 0)
        origin.x = 0;
    origin.y = anchorBottom;
    if (origin.y + size.height > screenHeight)
        origin.y = anchorTop - size.height - (dropShadow ? dpi::Scale(kShadowLift, dpiValue) : 0);
    return origin;
}

int RowAt(int y, bool pastRight, int itemHeight, int topIndex, int count)
{
    if (count <= 0 || pastRight || itemHeight <= 0 || y < 0)
        return -1;
    const int row = y / itemHeight + topIndex;
    return row < count ? row : -1;
}

void RowMarks::EntryInsertedAtTop()
{
    if (selected != -1)
        ++selected;
}

void RowMarks::EntryDeleting(int i, int count)
{
    if (count == 1) {
        selected = hot = chosen = -1;
    } else if (selected == i) {
        selected = -1;
    } else if (selected > i) {
        --selected;
    }
}

void RowMarks::Reset()
{
    selected = -1;
    hot = -1;
}

void RowMarks::SetCurrent(int i, int count)
{
    if (count >= 1)
        selected = i;
}

void RowMarks::StepUp(int count)
{
    if (count <= 0)
        return;
    hot = hot - 1 < 0 ? count - 1 : hot - 1;
}

void RowMarks::StepDown(int count)
{
    if (count <= 0)
        return;
    hot = hot + 1 >= count ? 0 : hot + 1;
}

} // namespace tools
