#include "skin/tab_arrows.h"

#include "skin/buffered_paint.h"
#include "skin/sliced_row.h"

#include <commctrl.h>

void CTabArrows::Take(HWND arrows, const CSkinBitmap* cells, const COLORREF* background)
{
    cells_ = cells;
    background_ = background;
    shown_ = IsWindowVisible(arrows) != FALSE;
    buttonDown_ = leaveRequested_ = false;
    mouse_ = {-1, -1};
    Attach(arrows);
}

void CTabArrows::RequestLeave()
{
    if (leaveRequested_)
        return;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Window(), 0};
    leaveRequested_ = TrackMouseEvent(&track) != FALSE;
}

int CTabArrows::RowOf(const RECT& half) const
{
    if (!PtInRect(&half, mouse_))
        return 0;
    if (buttonDown_)
        return 1;
    return leaveRequested_ ? 2 : 0;
}

void CTabArrows::Paint()
{
    PaintBuffered(Window(), buffer_, [this](HDC buffer, const RECT& client, const RECT&) {
        HBRUSH brush = CreateSolidBrush(background_ ? *background_ : GetSysColor(COLOR_BTNFACE));
        FillRect(buffer, &client, brush);
        DeleteObject(brush);
        if (!cells_ || !cells_->Loaded())
            return;
        const int cellWidth = cells_->Width() / 2;
        const int cellHeight = cells_->Height() / 3;
        const int halfWidth = client.right / 2;
        for (int column = 0; column < 2; ++column) {
            const RECT half = {column * halfWidth, 0, column ? client.right : halfWidth, client.bottom};
            // Each cell sits in the middle of its half.
            const int x = half.left + (half.right - half.left - cellWidth) / 2;
            const int y = (client.bottom - cellHeight) / 2;
            BitBlt(buffer, x, y, cellWidth, cellHeight, cells_->Dc(), column * cellWidth,
                   RowTop(*cells_, 3, RowOf(half)), SRCCOPY);
        }
    });
}

LRESULT CTabArrows::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (position->flags & SWP_SHOWWINDOW)
            shown_ = true;
        else if (position->flags & SWP_HIDEWINDOW)
            shown_ = false;
        break;
    }
    case WM_MOUSEMOVE:
        mouse_ = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RequestLeave();
        InvalidateRect(Window(), nullptr, FALSE);
        break;
    case WM_MOUSELEAVE:
        leaveRequested_ = false;
        InvalidateRect(Window(), nullptr, FALSE);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        buttonDown_ = message == WM_LBUTTONDOWN;
        mouse_ = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        InvalidateRect(Window(), nullptr, FALSE);
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DESTROY: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        Detach();
        return result;
    }
    default:
        break;
    }
    return CallPrevious(message, wParam, lParam);
}
