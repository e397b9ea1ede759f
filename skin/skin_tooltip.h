// CSkinToolTip: a small wrapper around a tooltip control, used by the frame buttons
// and by other windows of the program. Every operation does nothing (or answers -1)
// while the tooltip window does not exist.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <string>

// Turns off the visual style of a tooltip window, without which a themed tooltip
// (common controls 6) ignores the colours it is given. SetWindowTheme is bound from
// uxtheme.dll at run time, so the program starts where that library is missing; false
// when it is missing or the call failed.
bool UseUnthemedTooltip(HWND tooltip);

class CSkinToolTip {
public:
    CSkinToolTip() = default;
    ~CSkinToolTip();
    CSkinToolTip(const CSkinToolTip&) = delete;
    CSkinToolTip& operator=(const CSkinToolTip&) = delete;

    // Once only, for tools of `window`; a failure is reported and leaves the wrapper
    // without a window.
    bool Create(HWND window);
    void Destroy();
    // A whole-window tool is the window itself; any other tool is `id` inside it, shown
    // by tracking. Tools the control already knows are not added again.
    // Texts are UTF-16, so a tip may hold any character; the narrow forms take text of
    // the ANSI code page.
    bool AddTool(HWND window, UINT_PTR id, const std::wstring& text, bool wholeWindow);
    bool AddTool(HWND window, UINT_PTR id, const std::string& text, bool wholeWindow);
    std::wstring GetText(HWND window, UINT_PTR id) const;
    void SetText(HWND window, UINT_PTR id, const std::wstring& text);
    void SetText(HWND window, UINT_PTR id, const std::string& text);
    COLORREF GetBackColour() const;
    COLORREF GetTextColour() const;
    void SetBackColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    void SetMaxWidth(int pixels);
    // The tip's text at `dpi`: the system's status font at that DPI when it is not the
    // system DPI (the control's own font is made at the system DPI).
    void SetDpi(int dpi);

    HWND Window() const { return window_; }

private:
    TTTOOLINFOW Tool(HWND window, UINT_PTR id, bool wholeWindow) const;

    HWND window_ = nullptr;
    HFONT font_ = nullptr;  // the font set for another DPI than the system's, when any
    HFONT ownFont_ = nullptr;  // the control's own font, taken back at the system's DPI
    bool wholeWindow_ = false;  // the flag of the last tool added
};
