// The frame's size: the client area inside the skin's margins, the tracking limits,
// sizing with or without real-time redraw, the window region on size changes, and the
// two frame options.
#include "skin/skinned_frame.h"

#include "platform/config.h"
#include "skin/frame_host.h"

void CSkin::SetShowOnTaskbar(bool on)
{
    HWND window = Window();
    if (window) {
        if (IsIconic(window))
            PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        const bool visible = IsWindowVisible(window) != FALSE;
        if (visible)
            ShowWindow(window, SW_HIDE);
        const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
        SetWindowLongW(window, GWL_EXSTYLE, on ? (style | WS_EX_APPWINDOW) : (style & ~WS_EX_APPWINDOW));
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (visible)
            ShowWindow(window, SW_SHOW);
    }
    showOnTaskbar_ = on;
    config::WriteFlag("Main", "TaskbarShow", on);
}

void CSkin::SetRealTimeResize(bool on)
{
    realTimeResize_ = on;
    config::WriteFlag("Main", "RealTimeResize", on);
}

void CSkin::RedrawButton(skin::FrameButton button)
{
    DrawButton(nullptr, button, buttonStates_[skin::ButtonIndex(button)]);
}

void CSkin::OnSize(WPARAM type, int width, int height)
{
    HWND window = Window();
    if (type == SIZE_MINIMIZED) {
        minimised_ = true;
        return;
    }
    if (type == SIZE_MAXIMIZED) {
        maximised_ = true;
        moving_ = sizing_ = minimised_ = false;
        RefreshRegion();
        RedrawButton(skin::FrameButton::MaxRestore);
    } else if (type == SIZE_RESTORED) {
        maximised_ = moving_ = minimised_ = false;
        if (!sizing_ || realTimeResize_)
            RefreshRegion();
        RedrawButton(skin::FrameButton::MaxRestore);
        if (!showOnTaskbar_ && IsWindowVisible(window))
            ShowWindow(window, SW_SHOW);
    }
    skin::Host().LayOutClientArea(width, height, description_.editor.windowMargins);
}

void CSkin::OnSizing(RECT* proposed)
{
    if (realTimeResize_ || !proposed)
        return;
    HDC screen = GetDC(nullptr);
    if (!screen)
        return;
    if (outlineDrawn_)
        DrawFocusRect(screen, &outline_);
    outline_ = *proposed;
    DrawFocusRect(screen, &outline_);
    outlineDrawn_ = true;
    ReleaseDC(nullptr, screen);
}

void CSkin::OnSysCommand(WPARAM command)
{
    switch (command & 0xFFF0) {
    case SC_SIZE:
        sizing_ = true;
        break;
    case SC_MOVE:
        moving_ = true;
        break;
    case SC_MINIMIZE:
        minimised_ = true;
        break;
    case SC_MAXIMIZE:
        maximised_ = true;
        moving_ = sizing_ = minimised_ = false;
        break;
    case SC_RESTORE:
        moving_ = sizing_ = minimised_ = false;
        break;
    default:
        break;
    }
}

void CSkin::OnExitSizeMove()
{
    if (sizing_) {
        sizing_ = false;
        if (outlineDrawn_) {
            // The last outline is taken off the screen again.
            HDC screen = GetDC(nullptr);
            if (screen) {
                DrawFocusRect(screen, &outline_);
                ReleaseDC(nullptr, screen);
            }
            outlineDrawn_ = false;
        }
        if (description_.general.useTransparency)
            BuildWindowRegion();
        if (!realTimeResize_)
            LockWindowUpdate(nullptr);
    }
    moving_ = false;
}
