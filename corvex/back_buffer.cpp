#include "corvex/back_buffer.h"

#include <algorithm>

namespace corvex {

BackBuffer::~BackBuffer() { Release(); }

void BackBuffer::Release()
{
    if (!dc_)
        return;
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
}

HDC BackBuffer::Fit(HWND window, int width, int height)
{
    if (dc_ && width_ >= width && height_ >= height)
        return dc_;
    Release();
    width_ = std::max(width, width_);
    height_ = std::max(height, height_);
    HDC windowDc = GetDC(window);
    dc_ = CreateCompatibleDC(windowDc);
    bitmap_ = CreateCompatibleBitmap(windowDc, width_, height_);
    ReleaseDC(window, windowDc);
    old_ = SelectObject(dc_, bitmap_);
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_LEFT | TA_TOP);
    return dc_;
}

bool BackBuffer::ClipToPane(const RECT& pane, const RECT& clip, int lineHeight, int& firstRow, int& lastRow)
{
    const int origin = pane.top;
    const int top = std::max<int>(clip.top, origin), end = std::min<int>(clip.bottom, pane.bottom);
    if (end <= top || std::max(clip.left, pane.left) >= std::min(clip.right, pane.right))
        return false;
    HRGN region = CreateRectRgnIndirect(&pane);
    SelectClipRgn(dc_, region);
    DeleteObject(region);
    firstRow = (top - origin) / lineHeight;
    lastRow = (end - 1 - origin) / lineHeight;
    return true;
}

} // namespace corvex
