// Painting a window in one piece: WM_PAINT draws into an off-screen buffer the size of
// the client area, which is then copied to the screen.
#pragma once

#include "skin/skin_bitmap.h"

#include <windows.h>

// `draw(HDC buffer, const RECT& client, const RECT& toPaint)`.
template <class Draw>
void PaintBuffered(HWND window, CSkinBitmap& buffer, Draw draw)
{
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(window, &paint);
    RECT client = {};
    GetClientRect(window, &client);
    if (buffer.EnsureSize(client.right, client.bottom)) {
        draw(buffer.Dc(), client, paint.rcPaint);
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer.Dc(), 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}
