#include "skin/skinned_frame.h"

#include "skin/skin_loader.h"

SkinnedFrame& Frame()
{
    static SkinnedFrame frame;
    return frame;
}

LRESULT SkinnedFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE && wParam != SIZE_MINIMIZED)
        LayoutMainWindowParts(LOWORD(lParam), HIWORD(lParam));
    return CallPrevious(message, wParam, lParam);
}
