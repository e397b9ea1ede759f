#include "corvex/line_tooltip.h"

#include "corvex/view_dpi.h"

#include <commctrl.h>

#include <cstdio>
#include <cwchar>

namespace corvex {

LineTooltip::~LineTooltip()
{
    Hide();
    if (tooltip_)
        DestroyWindow(tooltip_);
    if (font_)
        DeleteObject(font_);
}

void LineTooltip::SetDpi(UINT dpi)
{
    if (dpi == 0 || dpi == dpi_)
        return;
    dpi_ = dpi;
    HFONT old = font_;
    font_ = nullptr;
    const UINT system = SystemDpi();
    if (dpi_ != system) {
        // The system's tooltip font is made for the system's DPI.
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            LOGFONTW font = metrics.lfStatusFont;
            font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi_), static_cast<int>(system));
            font.lfWidth = MulDiv(font.lfWidth, static_cast<int>(dpi_), static_cast<int>(system));
            font_ = CreateFontIndirectW(&font);
        }
    }
    if (tooltip_ && !old && font_)
        ownFont_ = reinterpret_cast<HFONT>(SendMessageW(tooltip_, WM_GETFONT, 0, 0));
    // The tip takes the new font (or its own again) before the old one goes.
    if (tooltip_ && (font_ || old))
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_ ? font_ : ownFont_), FALSE);
    if (old)
        DeleteObject(old);
}

void LineTooltip::ApplyFont()
{
    if (tooltip_ && font_) {
        ownFont_ = reinterpret_cast<HFONT>(SendMessageW(tooltip_, WM_GETFONT, 0, 0));
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
}

void LineTooltip::Show(long long number, COLORREF text, COLORREF background)
{
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(owner_);
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   0, 0, 0, 0, owner_, nullptr, nullptr, nullptr);
        if (!tooltip_)
            return;
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SetColours(text, background);
        ApplyFont();
    }
    wchar_t caption[48];
    std::swprintf(caption, 48, L"Line %lld", number);
    tool.lpszText = caption;
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT cursor;
    GetCursorPos(&cursor);
    RECT window;
    GetWindowRect(owner_, &window);
    SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(window.right - SystemMetricAt(SM_CXVSCROLL, dpi_) - ScaleLength(90, dpi_), cursor.y));
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void LineTooltip::Hide()
{
    if (!tooltip_)
        return;
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(owner_);
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void LineTooltip::SetColours(COLORREF text, COLORREF background)
{
    if (!tooltip_)
        return;
    SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, text, 0);
    SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, background, 0);
}

} // namespace corvex
