#include "skin/skin_tooltip.h"

#include "platform/ansi_text.h"
#include "platform/app_state.h"
#include "platform/dpi.h"
#include "platform/ui_seam.h"

#include <commctrl.h>

namespace {
constexpr COLORREF kNoColour = static_cast<COLORREF>(-1);
constexpr UINT kTextLimit = 260;
}

CSkinToolTip::~CSkinToolTip() { Destroy(); }

void CSkinToolTip::Destroy()
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    window_ = nullptr;
    if (font_)
        DeleteObject(font_);
    font_ = nullptr;
}

void CSkinToolTip::SetDpi(int dpi)
{
    if (!window_)
        return;
    HFONT font = nullptr;
    if (dpi > 0 && dpi != dpi::OfSystem()) {
        const NONCLIENTMETRICSW metrics = dpi::NonClientMetrics(dpi);
        font = CreateFontIndirectW(&metrics.lfStatusFont);
    }
    if (!font && !font_)
        return;
    if (!font_)
        ownFont_ = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    // Back at the system's DPI the control takes its own font again.
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : ownFont_), FALSE);
    if (font_)
        DeleteObject(font_);
    font_ = font;
}

bool CSkinToolTip::Create(HWND)
{
    if (window_)
        return true;
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    // The tip window has no owner: an owned topmost popup would keep the main window
    // out of the topmost band when "always on top" is switched on (so it is under
    // Wine). The frame destroys the tip together with its window.
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              App().instance, nullptr);
    if (!window_) {
        ui::Message(nullptr, "Failed to create the ToolTip window", MB_OK | MB_ICONERROR);
        return false;
    }
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

TTTOOLINFOW CSkinToolTip::Tool(HWND window, UINT_PTR id, bool wholeWindow) const
{
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    if (wholeWindow) {
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.uId = reinterpret_cast<UINT_PTR>(window);
    } else {
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool.uId = id;
    }
    return tool;
}

bool CSkinToolTip::AddTool(HWND window, UINT_PTR id, const std::wstring& text, bool wholeWindow)
{
    if (!window_)
        return false;
    TTTOOLINFOW tool = Tool(window, id, wholeWindow);
    if (SendMessageW(window_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
        return true;
    tool = Tool(window, id, wholeWindow);
    GetWindowRect(window, &tool.rect);
    OffsetRect(&tool.rect, -tool.rect.left, -tool.rect.top);
    std::wstring copy = text;
    tool.lpszText = &copy[0];
    wholeWindow_ = wholeWindow;
    return SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

bool CSkinToolTip::AddTool(HWND window, UINT_PTR id, const std::string& text, bool wholeWindow)
{
    return AddTool(window, id, WidenAnsi(text), wholeWindow);
}

std::wstring CSkinToolTip::GetText(HWND window, UINT_PTR id) const
{
    if (!window_)
        return L"";
    wchar_t buffer[kTextLimit + 1] = {};
    TTTOOLINFOW tool = Tool(window, id, wholeWindow_);
    tool.lpszText = buffer;
    SendMessageW(window_, TTM_GETTEXTW, kTextLimit, reinterpret_cast<LPARAM>(&tool));
    buffer[kTextLimit] = L'\0';
    return buffer;
}

void CSkinToolTip::SetText(HWND window, UINT_PTR id, const std::wstring& text)
{
    if (!window_)
        return;
    TTTOOLINFOW tool = Tool(window, id, wholeWindow_);
    std::wstring copy = text;
    tool.lpszText = &copy[0];
    SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CSkinToolTip::SetText(HWND window, UINT_PTR id, const std::string& text)
{
    SetText(window, id, WidenAnsi(text));
}

COLORREF CSkinToolTip::GetBackColour() const
{
    return window_ ? static_cast<COLORREF>(SendMessageW(window_, TTM_GETTIPBKCOLOR, 0, 0)) : kNoColour;
}

COLORREF CSkinToolTip::GetTextColour() const
{
    return window_ ? static_cast<COLORREF>(SendMessageW(window_, TTM_GETTIPTEXTCOLOR, 0, 0)) : kNoColour;
}

bool UseUnthemedTooltip(HWND tooltip)
{
    using SetThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const SetThemeFunction setTheme = []() -> SetThemeFunction {
        HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
        return uxtheme ? reinterpret_cast<SetThemeFunction>(
                             reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")))
                       : nullptr;
    }();
    return tooltip && setTheme && SUCCEEDED(setTheme(tooltip, L"", L""));
}

void CSkinToolTip::SetBackColour(COLORREF colour)
{
    if (!window_)
        return;
    UseUnthemedTooltip(window_);
    SendMessageW(window_, TTM_SETTIPBKCOLOR, colour, 0);
}

void CSkinToolTip::SetTextColour(COLORREF colour)
{
    if (!window_)
        return;
    UseUnthemedTooltip(window_);
    SendMessageW(window_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

void CSkinToolTip::SetMaxWidth(int pixels)
{
    if (window_)
        SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, pixels);
}
