// The DPI the control and its dialogs draw at: a window's (GetDpiForWindow, bound at run
// time where the system has it), else the screen's. Header-only, so the dialogs' own test
// build has it too. Lengths designed at 96 DPI are scaled with
// ScaleLength (engine/dpi_length.h), the identity at 96.
#pragma once

#include "corvex/engine/dpi_length.h"

#include <windows.h>

namespace corvex {

// WM_DPICHANGED and WM_DPICHANGED_AFTERPARENT, for headers that lack them.
constexpr UINT kDpiChanged = 0x02E0;
constexpr UINT kDpiChangedAfterParent = 0x02E3;

namespace dpi_detail {

inline UINT ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

// A function of user32 that older systems lack, or null.
template <typename Function>
inline Function User32Function(const char* name)
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    FARPROC found = user32 ? GetProcAddress(user32, name) : nullptr;
    // Through the generic function type: the found function has the type asked for.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace dpi_detail

// The window's DPI.
inline UINT WindowDpi(HWND window)
{
    using Function = UINT(WINAPI*)(HWND);
    static const auto forWindow = dpi_detail::User32Function<Function>("GetDpiForWindow");
    if (forWindow && window) {
        const UINT dpi = forWindow(window);
        if (dpi > 0)
            return dpi;
    }
    return dpi_detail::ScreenDpi();
}

// The DPI the system's metrics are given at (GetDpiForSystem, else the screen's).
inline UINT SystemDpi()
{
    using Function = UINT(WINAPI*)();
    static const auto forSystem = dpi_detail::User32Function<Function>("GetDpiForSystem");
    if (forSystem) {
        const UINT dpi = forSystem();
        if (dpi > 0)
            return dpi;
    }
    return dpi_detail::ScreenDpi();
}

// GetSystemMetrics as at `dpi` (GetSystemMetricsForDpi where the system has it; else
// the system's value scaled from the system's DPI).
inline int SystemMetricAt(int index, UINT dpi)
{
    const UINT system = SystemDpi();
    if (dpi == system)
        return GetSystemMetrics(index);
    using Function = int(WINAPI*)(int, UINT);
    static const auto forDpi = dpi_detail::User32Function<Function>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(system));
}

} // namespace corvex
