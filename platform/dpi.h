// The resolution a window is drawn at, and the system lengths that go with it. The
// program is per-monitor DPI aware: each window asks for its own DPI, which changes when
// it moves to a screen of another scaling (WM_DPICHANGED). The per-monitor functions are
// bound at run time; where Windows lacks them (Windows 7 and 8) the system DPI serves.
#pragma once

#include "platform/dpi_scale.h"

#include <windows.h>

namespace dpi {

// WM_DPICHANGED, which older headers lack.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The DPI of `window`, or the system's when it is null or the function is missing.
int OfWindow(HWND window);
// The DPI windows are created at before they know their monitor.
int OfSystem();
// A 96-DPI length at the DPI of `window`.
inline int ScaleFor(HWND window, int length) { return Scale(length, OfWindow(window)); }

// GetSystemMetrics at `dpi` (GetSystemMetricsForDpi where it exists, else the system
// value scaled from the system DPI).
int SystemMetric(int index, int dpi);
// AdjustWindowRectEx at `dpi`.
BOOL AdjustWindowRectFor(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, int dpi);
// The message and menu fonts of the non-client metrics at `dpi`.
NONCLIENTMETRICSW NonClientMetrics(int dpi);
// A font's height given in points at `dpi`, as lfHeight (negative: the character height).
inline int FontHeightForPoints(int points, int dpiValue) { return -MulDiv(points, dpiValue, 72); }

} // namespace dpi
