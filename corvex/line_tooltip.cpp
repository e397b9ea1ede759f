// While the vertical thumb is dragged, a tooltip beside it names the line that will be
// at the top of the view.
#include "corvex/editor.h"

#include <commctrl.h>

#include <cstdio>

namespace corvex {

void Editor::ShowLineTooltip(std::size_t line)
{
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   0, 0, 0, 0, window_, nullptr, nullptr, nullptr);
        if (!tooltip_)
            return;
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, options_.tooltipText, 0);
        SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, options_.tooltipBackground, 0);
    }
    wchar_t text[48];
    std::swprintf(text, 48, L"Line %lld", static_cast<long long>(line) + options_.lineNumbering.firstNumber);
    tool.lpszText = text;
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    POINT cursor;
    GetCursorPos(&cursor);
    RECT window;
    GetWindowRect(window_, &window);
    SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(window.right - GetSystemMetrics(SM_CXVSCROLL) - 90, cursor.y));
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void Editor::HideLineTooltip()
{
    if (!tooltip_)
        return;
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

} // namespace corvex
