// The frame's mouse handling: moving by the caption, the four buttons with their
// hover and pressed states and tooltips, and the window menu.
#include "skin/skinned_frame.h"

#include "skin/frame_host.h"
#include "skin/frame_hit_test.h"

#include <windowsx.h>

namespace {

constexpr UINT kPopupSystemMenu = 0x0313;

POINT CursorOf(HWND window, LPARAM lParam)
{
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &point);
    return point;
}

} // namespace

void CSkin::ButtonClick(bool pressed, skin::FrameButton button)
{
    if (pressed) {
        DrawButton(nullptr, button, skin::ButtonState::Pressed);
        return;
    }
    DrawButton(nullptr, button, skin::ButtonState::Normal);
    HWND window = Window();
    switch (button) {
    case skin::FrameButton::Close:
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case skin::FrameButton::MaxRestore:
        PostMessageW(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
        break;
    case skin::FrameButton::Minimise:
        PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case skin::FrameButton::Menu:
        skin::Host().OpenMainMenu();
        break;
    }
}

void CSkin::ResetButtons(int except)
{
    for (int b = 0; b < skin::kFrameButtonCount; ++b)
        if (b != except && buttonStates_[b] != skin::ButtonState::Normal)
            DrawButton(nullptr, static_cast<skin::FrameButton>(b), skin::ButtonState::Normal);
}

void CSkin::SetTip(const std::string& text)
{
    if (text == tipText_)
        return;
    tipText_ = text;
    tooltip_.SetText(Window(), 0, text);
}

void CSkin::OnMouseMove()
{
    const bool overFrame = lastHit_ == skin::kHitClient || lastHit_ == skin::kHitCaption || skin::IsButtonHit(lastHit_);
    if (overFrame && !trackingLeave_) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Window(), 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    if (!skin::IsButtonHit(lastHit_)) {
        ResetButtons(-1);
        SetTip("");
        return;
    }
    const skin::FrameButton button = skin::ButtonForHit(lastHit_);
    const skin::ButtonState wanted =
        GetKeyState(VK_LBUTTON) < 0 ? skin::ButtonState::Pressed : skin::ButtonState::Hover;
    if (buttonStates_[skin::ButtonIndex(button)] != wanted)
        DrawButton(nullptr, button, wanted);
    ResetButtons(skin::ButtonIndex(button));
    SetTip(skin::ButtonTooltip(button, IsZoomed(Window()) != FALSE));
}

LRESULT CSkin::OnMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = Window();
    const bool onButton = skin::IsButtonHit(lastHit_);
    const bool onCaption = lastHit_ == skin::kHitCaption;
    switch (message) {
    case WM_LBUTTONDOWN:
        if (onCaption) {
            const POINT screen = CursorOf(window, lParam);
            ReleaseCapture();
            PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
            return 0;
        }
        if (onButton) {
            ButtonClick(true, skin::ButtonForHit(lastHit_));
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (onButton) {
            ButtonClick(false, skin::ButtonForHit(lastHit_));
            return 0;
        }
        break;
    case WM_LBUTTONDBLCLK:
        if (onCaption && style_.hasMaximiseBox) {
            ButtonClick(false, skin::FrameButton::MaxRestore);
            return 0;
        }
        break;
    case WM_RBUTTONUP:
        if (onCaption || onButton) {
            const POINT screen = CursorOf(window, lParam);
            SetForegroundWindow(window);
            CallPrevious(kPopupSystemMenu, 0, MAKELPARAM(screen.x, screen.y));
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        OnMouseMove();
        break;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        ResetButtons(-1);
        break;
    default:
        break;
    }
    return CallPrevious(message, wParam, lParam);
}
