#include "platform/dpi.h"

#include <initializer_list>

namespace dpi {
namespace {

template <class Function>
Function User32(const char* name)
{
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

} // namespace

int OfSystem()
{
    static const auto forSystem = User32<GetDpiForSystemFn>("GetDpiForSystem");
    if (forSystem)
        return static_cast<int>(forSystem());
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return value > 0 ? value : kDesignDpi;
}

int OfWindow(HWND window)
{
    static const auto forWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
    if (window && forWindow)
        if (const UINT value = forWindow(window))
            return static_cast<int>(value);
    return OfSystem();
}

int SystemMetric(int index, int dpiValue)
{
    static const auto forDpi = User32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, static_cast<UINT>(dpiValue));
    return MulDiv(GetSystemMetrics(index), dpiValue, OfSystem());
}

BOOL AdjustWindowRectFor(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, int dpiValue)
{
    static const auto forDpi = User32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (forDpi)
        return forDpi(rect, style, menu, exStyle, static_cast<UINT>(dpiValue));
    return AdjustWindowRectEx(rect, style, menu, exStyle);
}

NONCLIENTMETRICSW NonClientMetrics(int dpiValue)
{
    static const auto forDpi = User32<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpiValue)))
        return metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const int system = OfSystem();
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont})
        font->lfHeight = MulDiv(font->lfHeight, dpiValue, system);
    return metrics;
}

} // namespace dpi
