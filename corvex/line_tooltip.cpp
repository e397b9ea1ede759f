#include "corvex/line_tooltip.h"

#include <commctrl.h>

#include <cstdio>
#include <cwchar>

namespace corvex {

LineTooltip::~LineTooltip()
{
    Hide();
    if (tooltip_)
        DestroyWindow(tooltip_);
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
    }
    wchar_t caption[48];
    std::swprintf(caption, 48, L"Line %lld", number);
    tool.lpszText = caption;
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT cursor;
    GetCursorPos(&cursor);
    RECT window;
    GetWindowRect(owner_, &window);
    SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(window.right - GetSystemMetrics(SM_CXVSCROLL) - 90, cursor.y));
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
