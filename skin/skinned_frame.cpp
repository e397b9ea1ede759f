#include "skin/skinned_frame.h"

#include "skin/frame_hit_test.h"
#include "skin/frame_host.h"

CSkin& MainSkin()
{
    static CSkin skin;
    return skin;
}

CSkin::~CSkin()
{
    if (backgroundBrush_)
        DeleteObject(backgroundBrush_);
}

int CSkin::HitTest(POINT screen) const
{
    RECT rect = {};
    if (!Window() || !GetWindowRect(Window(), &rect))
        return skin::kHitNowhere;
    skin::HitTestFrame frame;
    frame.window = skin::Size{rect.right - rect.left, rect.bottom - rect.top};
    frame.clientArea = skin::MarginsInside(ClientMargins(), frame.window);
    frame.pieces = description_.frame.pieceStates;
    frame.side = description_.frame.side;
    frame.buttons = ButtonRects();
    frame.grip = dpi::Scale(frame.grip, Dpi());
    return skin::FrameHitTest(frame, skin::Point{screen.x - rect.left, screen.y - rect.top});
}

void CSkin::OnDestroy()
{
    if (backgroundBrush_)
        DeleteObject(backgroundBrush_);
    backgroundBrush_ = nullptr;
    tooltip_.Destroy();
    tipText_.clear();
    loaded_ = false;
    trackingLeave_ = false;
    minimised_ = maximised_ = sizing_ = moving_ = false;
    buttonStates_ = {};
}

LRESULT CSkin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = Window();
    switch (message) {
    case WM_NCCALCSIZE: {
        RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                : reinterpret_cast<RECT*>(lParam);
        const skin::Size size{proposed->right - proposed->left, proposed->bottom - proposed->top};
        const skin::Rect client = skin::ClientRectInWindow(ClientMargins(), size);
        const RECT whole = *proposed;
        *proposed = RECT{whole.left + client.left, whole.top + client.top, whole.left + client.right,
                         whole.top + client.bottom};
        return wParam ? WVR_REDRAW : 0;
    }
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(window);
        Paint(dc, false);
        ReleaseDC(window, dc);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Paint(dc, true);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 0;
    case WM_NCACTIVATE:
        if (!skin::Host().KeepsActiveLook()) {
            active_ = wParam != 0;
            RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
        }
        return TRUE;
    case WM_NCHITTEST:
        lastHit_ = HitTest(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return skin::SystemHitAnswer(lastHit_);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        return OnMouse(message, wParam, lParam);
    case WM_GETMINMAXINFO: {
        RECT work = {};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const skin::TrackingLimits limits = skin::FrameTrackingLimits(
            skin::Rect{work.left, work.top, work.right, work.bottom}, description_.general.minimumSize);
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxSize = POINT{limits.maxSize.width, limits.maxSize.height};
        info->ptMaxPosition = POINT{limits.maxPosition.x, limits.maxPosition.y};
        info->ptMaxTrackSize = POINT{limits.maxTrack.width, limits.maxTrack.height};
        info->ptMinTrackSize = POINT{limits.minTrack.width, limits.minTrack.height};
        return 0;
    }
    case WM_SIZE:
        OnSize(wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_WINDOWPOSCHANGING:
        if (minimised_ && !showOnTaskbar_) {
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            position->flags |= SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW;
            position->flags &= ~SWP_SHOWWINDOW;
        }
        break;
    case WM_SYSCOMMAND:
        OnSysCommand(wParam);
        break;
    case WM_SIZING:
        OnSizing(reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_ENTERSIZEMOVE:
        outlineDrawn_ = false;
        if (sizing_ && !realTimeResize_)
            LockWindowUpdate(window);
        break;
    case WM_EXITSIZEMOVE:
        OnExitSizeMove();
        break;
    case WM_DESTROY: {
        OnDestroy();
        const LRESULT result = CallPrevious(message, wParam, lParam);
        // The main window's own object lets go of the window here; so does the frame,
        // so that a later main window is skinned afresh.
        Detach();
        return result;
    }
    default:
        break;
    }
    return CallPrevious(message, wParam, lParam);
}
