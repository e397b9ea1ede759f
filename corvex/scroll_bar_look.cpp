#include "corvex/scroll_bar_look.h"

#include "corvex/view_dpi.h"

#include <uxtheme.h>
#include <vsstyle.h>

#include <algorithm>

namespace corvex {
namespace {

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

// ---- the system's look

class SystemLook : public ScrollBarLook {
public:
    explicit SystemLook(HWND window) : window_(window) {}
    ~SystemLook() override
    {
        if (theme_)
            CloseThemeData(theme_);
    }

    int Thickness(bool vertical) const override { return SystemMetricAt(vertical ? SM_CXVSCROLL : SM_CYHSCROLL, dpi_); }

    void DrawArrow(HDC dc, const RECT& rect, bool vertical, bool forward, PartState state) override
    {
        if (HTHEME theme = Theme()) {
            const int first = vertical ? (forward ? ABS_DOWNNORMAL : ABS_UPNORMAL)
                                       : (forward ? ABS_RIGHTNORMAL : ABS_LEFTNORMAL);
            DrawThemeBackground(theme, dc, SBP_ARROWBTN, first + Offset(state), &rect, nullptr);
            return;
        }
        UINT kind = vertical ? (forward ? DFCS_SCROLLDOWN : DFCS_SCROLLUP) : (forward ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
        if (state == PartState::Pressed)
            kind |= DFCS_PUSHED | DFCS_FLAT;
        if (state == PartState::Disabled)
            kind |= DFCS_INACTIVE;
        RECT box = rect;
        DrawFrameControl(dc, &box, DFC_SCROLL, kind);
    }

    void DrawTrack(HDC dc, const RECT& rect, bool vertical, PartState state) override
    {
        if (HTHEME theme = Theme()) {
            DrawThemeBackground(theme, dc, vertical ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ, Offset(state) + 1, &rect,
                                nullptr);
            return;
        }
        FillRect(dc, &rect, GetSysColorBrush(state == PartState::Pressed ? COLOR_3DDKSHADOW : COLOR_SCROLLBAR));
    }

    void DrawThumb(HDC dc, const RECT& rect, bool vertical, PartState state) override
    {
        if (HTHEME theme = Theme()) {
            DrawThemeBackground(theme, dc, vertical ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ, Offset(state) + 1, &rect,
                                nullptr);
            DrawThemeBackground(theme, dc, vertical ? SBP_GRIPPERVERT : SBP_GRIPPERHORZ, Offset(state) + 1, &rect,
                                nullptr);
            return;
        }
        RECT box = rect;
        DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONPUSH);
    }

    void DrawCorner(HDC dc, const RECT& rect) override { FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE)); }

private:
    static int Offset(PartState state)
    {
        switch (state) {
        case PartState::Hot: return 1;
        case PartState::Pressed: return 2;
        case PartState::Disabled: return 3;
        case PartState::Normal: break;
        }
        return 0;
    }

    // The visual style's scroll-bar parts at the DPI the bars are drawn at, opened again
    // when that changes (OpenThemeDataForDpi where Windows has it).
    HTHEME Theme()
    {
        if (themeDpi_ == dpi_)
            return theme_;
        if (theme_)
            CloseThemeData(theme_);
        theme_ = nullptr;
        themeDpi_ = dpi_;
        if (!IsAppThemed())
            return nullptr;
        using OpenForDpi = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);
        static const auto openForDpi = [] {
            HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
            return uxtheme ? reinterpret_cast<OpenForDpi>(
                                 reinterpret_cast<void*>(GetProcAddress(uxtheme, "OpenThemeDataForDpi")))
                           : nullptr;
        }();
        theme_ = openForDpi ? openForDpi(window_, L"SCROLLBAR", dpi_) : OpenThemeData(window_, L"SCROLLBAR");
        return theme_;
    }

    HWND window_;
    HTHEME theme_ = nullptr;
    UINT themeDpi_ = 0;  // the DPI theme_ was opened at; 0 until then
};

// ---- a skin's bitmaps

class SkinLook : public ScrollBarLook {
public:
    SkinLook(HBITMAP vertical, HBITMAP horizontal, int cell)
        : vertical_(vertical), horizontal_(horizontal), cell_(cell), dc_(CreateCompatibleDC(nullptr))
    {
        old_ = SelectObject(dc_, vertical_);
    }
    ~SkinLook() override
    {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(vertical_);
        DeleteObject(horizontal_);
    }

    int Thickness(bool) const override { return ScaleLength(cell_, dpi_); }

    void DrawArrow(HDC dc, const RECT& rect, bool vertical, bool forward, PartState state) override
    {
        Stretch(dc, rect, vertical, forward ? 2 : 0, state);
    }
    void DrawTrack(HDC dc, const RECT& rect, bool vertical, PartState state) override
    {
        Stretch(dc, rect, vertical, 1, state);
    }
    void DrawThumb(HDC dc, const RECT& rect, bool vertical, PartState state) override
    {
        // Both ends as drawn, the middle stretched.
        const int length = vertical ? Height(rect) : Width(rect);
        const int end = cell_ / 3;            // in the bitmap
        const int shownEnd = ScaleLength(end, dpi_);  // on the screen
        if (length < 2 * shownEnd + 1) {
            Stretch(dc, rect, vertical, 3, state);
            return;
        }
        const int middle = cell_ - 2 * end;
        const int starts[3] = {0, shownEnd, length - shownEnd};
        const int lengths[3] = {shownEnd, length - 2 * shownEnd, shownEnd};
        const int from[3] = {0, end, end + middle}, fromLengths[3] = {end, middle, end};
        for (int k = 0; k < 3; ++k) {
            RECT piece = rect;
            if (vertical) {
                piece.top = rect.top + starts[k];
                piece.bottom = piece.top + lengths[k];
            } else {
                piece.left = rect.left + starts[k];
                piece.right = piece.left + lengths[k];
            }
            Blit(dc, piece, vertical, 3, state, from[k], fromLengths[k]);
        }
    }
    void DrawCorner(HDC dc, const RECT& rect) override { Stretch(dc, rect, true, 1, PartState::Normal); }

private:
    void Stretch(HDC dc, const RECT& rect, bool vertical, int piece, PartState state)
    {
        Blit(dc, rect, vertical, piece, state, 0, cell_);
    }

    // Draws `length` pixels from `from` along cell `piece` (0 back arrow, 1 track,
    // 2 forward arrow, 3 thumb) of the state's row into `rect`.
    void Blit(HDC dc, const RECT& rect, bool vertical, int piece, PartState state, int from, int length)
    {
        if (Width(rect) <= 0 || Height(rect) <= 0)
            return;
        const int stateIndex = state == PartState::Hot ? 1 : state == PartState::Pressed ? 2 : 0;
        SelectObject(dc_, vertical ? vertical_ : horizontal_);
        const int x = vertical ? stateIndex * cell_ : piece * cell_ + from;
        const int y = vertical ? piece * cell_ + from : stateIndex * cell_;
        const int width = vertical ? cell_ : length, height = vertical ? length : cell_;
        // At a whole multiple of 96 DPI pixels are repeated, sharp; between them blended.
        const bool whole = dpi_ % 96 == 0;
        const int oldMode = SetStretchBltMode(dc, whole ? COLORONCOLOR : HALFTONE);
        POINT oldOrigin = {};
        if (!whole)
            SetBrushOrgEx(dc, 0, 0, &oldOrigin);
        StretchBlt(dc, rect.left, rect.top, Width(rect), Height(rect), dc_, x, y, width, height, SRCCOPY);
        if (!whole)
            SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
        SetStretchBltMode(dc, oldMode);
    }

    HBITMAP vertical_, horizontal_;
    int cell_;
    HDC dc_;
    HGDIOBJ old_;
};

HBITMAP LoadBitmapFile(const std::string& path, BITMAP& info)
{
    auto bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)); // SetSkinFolder gives the folder in ANSI
    if (bitmap && !GetObjectW(bitmap, sizeof info, &info)) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

} // namespace

std::unique_ptr<ScrollBarLook> MakeSystemScrollBarLook(HWND window) { return std::make_unique<SystemLook>(window); }

std::unique_ptr<ScrollBarLook> LoadSkinScrollBarLook(const std::string& folder)
{
    if (folder.empty())
        return nullptr;
    const std::string prefix = folder.back() == '\\' || folder.back() == '/' ? folder : folder + "\\";
    BITMAP v = {}, h = {};
    HBITMAP vertical = LoadBitmapFile(prefix + "v scrollbar.bmp", v);
    HBITMAP horizontal = LoadBitmapFile(prefix + "h scrollbar.bmp", h);
    const int cell = static_cast<int>(v.bmWidth / 3);
    const bool laidOut = vertical && horizontal && cell >= 4 && v.bmWidth == 3 * cell && v.bmHeight == 4 * cell &&
                         h.bmWidth == 4 * cell && h.bmHeight == 3 * cell;
    if (!laidOut) {
        if (vertical)
            DeleteObject(vertical);
        if (horizontal)
            DeleteObject(horizontal);
        return nullptr;
    }
    return std::make_unique<SkinLook>(vertical, horizontal, cell);
}

} // namespace corvex
