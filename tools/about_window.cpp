#include "tools/about_window.h"

#include "platform/dpi.h"
#include "platform/picture_ids.h"
#include "platform/ui_seam.h"
#include "tools/about_shadow.h"
#include "tools/tool_host.h"

#include <cstdint>

namespace tools {
namespace {


void Hide(HWND window) { ShowWindow(window, SW_HIDE); }

} // namespace

// The picture at the window's DPI: by whole factors each pixel is repeated, which keeps
// its edges crisp; other factors are smoothed.
void AboutWindow::ScalePicture()
{
    scaled_.Release();
    if (!picture_.Loaded() || dpi_ == dpi::kDesignDpi)
        return;
    const int width = dpi::Scale(picture_.Width(), dpi_);
    const int height = dpi::Scale(picture_.Height(), dpi_);
    if (!scaled_.CreateBlank(width, height))
        return;
    const bool whole = dpi::WholeFactor(dpi_);
    const int previous = SetStretchBltMode(scaled_.Dc(), whole ? COLORONCOLOR : HALFTONE);
    if (!whole)
        SetBrushOrgEx(scaled_.Dc(), 0, 0, nullptr);
    StretchBlt(scaled_.Dc(), 0, 0, width, height, picture_.Dc(), 0, 0, picture_.Width(), picture_.Height(),
               SRCCOPY);
    SetStretchBltMode(scaled_.Dc(), previous);
}

const CSkinBitmap& AboutWindow::Shown() const { return scaled_.Loaded() ? scaled_ : picture_; }

bool AboutWindow::Create()
{
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Quillet", L"Quillet About",
                              WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, AboutLeft(GetSystemMetrics(SM_CXSCREEN)),
                              AboutTop(GetSystemMetrics(SM_CYSCREEN)), kAboutPictureWidth + kShadowBand,
                              kAboutPictureHeight + kShadowBand, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!handle_) {
        ui::Message(nullptr, "Failed to create the About Dialog", MB_OK | MB_ICONERROR);
        return false;
    }
    // Made at its design size, the window knows its screen, and so its DPI.
    dpi_ = dpi::OfWindow(handle_);
    band_ = ShadowBandAt(dpi_);
    picture_.LoadFromResource(Host().Resources(), IDB_ABOUT);
    ScalePicture();
    const CSkinBitmap& shown = Shown();
    const int pictureWidth = shown.Loaded() ? shown.Width() : dpi::Scale(kAboutPictureWidth, dpi_);
    const int pictureHeight = shown.Loaded() ? shown.Height() : dpi::Scale(kAboutPictureHeight, dpi_);
    composite_.CreateBlank(pictureWidth + band_, pictureHeight + band_);
    if (dpi_ != dpi::kDesignDpi)
        SetWindowPos(handle_, nullptr, AboutLeft(GetSystemMetrics(SM_CXSCREEN), pictureWidth),
                     AboutTop(GetSystemMetrics(SM_CYSCREEN), pictureHeight), pictureWidth + band_,
                     pictureHeight + band_, SWP_NOZORDER | SWP_NOACTIVATE);
    Attach(handle_);
    // The shadow bands become non-client area (WM_NCCALCSIZE) only once the subclass is on.
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                                   SWP_NOACTIVATE);
    return true;
}

void AboutWindow::Show()
{
    if (!handle_ && !Create())
        return;
    ComposeShadow();
    SetWindowPos(handle_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (HDC dc = GetWindowDC(handle_)) {
        PaintShadowBands(dc);
        ReleaseDC(handle_, dc);
    }
}

void AboutWindow::Destroy()
{
    if (handle_ && IsWindow(handle_))
        DestroyWindow(handle_);
    handle_ = nullptr;
}

// Reads what the screen shows under the window (the window is hidden), darkens the
// right and bottom bands (4 pixels at 96 DPI) and keeps them in the composite.
void AboutWindow::ComposeShadow()
{
    if (!composite_.Loaded())
        return;
    RECT rect = {};
    GetWindowRect(handle_, &rect);
    const int width = composite_.Width();
    const int height = composite_.Height();

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP capture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!capture) {
        ReleaseDC(nullptr, screen);
        return;
    }
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(dc, capture);
    BitBlt(dc, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();

    // A DIB pixel is 0x00RRGGBB; the arithmetic takes 0x00BBGGRR.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    auto darken = [&](int x, int y, int amount) {
        std::uint32_t& pixel = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                      static_cast<std::size_t>(x)];
        const std::uint32_t swapped = ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
        const std::uint32_t dark = DarkenColour(swapped, amount);
        pixel = ((dark & 0xFF) << 16) | (dark & 0xFF00) | ((dark >> 16) & 0xFF);
    };
    for (int k = 1; k <= band_; ++k)
        for (int y = 0; y < height; ++y)
            darken(width - k, y, RightShadowAmountAt(k, y, height, dpi_));
    for (int k = 1; k <= band_; ++k)
        for (int x = 0; x < width - band_; ++x)
            darken(x, height - k, BottomShadowAmountAt(k, x, dpi_));

    BitBlt(composite_.Dc(), width - band_, 0, band_, height, dc, width - band_, 0, SRCCOPY);
    BitBlt(composite_.Dc(), 0, height - band_, width, band_, dc, 0, height - band_, SRCCOPY);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(capture);
}

void AboutWindow::PaintShadowBands(HDC windowDc)
{
    const int width = composite_.Width();
    const int height = composite_.Height();
    BitBlt(windowDc, width - band_, 0, band_, height - band_, composite_.Dc(), width - band_, 0, SRCCOPY);
    BitBlt(windowDc, 0, height - band_, width, band_, composite_.Dc(), 0, height - band_, SRCCOPY);
}

LRESULT AboutWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCALCSIZE:
        if (wParam) {
            auto* sizes = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
            sizes->rgrc[0].right -= band_;
            sizes->rgrc[0].bottom -= band_;
            return WVR_HREDRAW | WVR_VREDRAW;
        }
        break;
    case WM_NCPAINT:
        // The bands are non-client area: they show the shadow composed before showing.
        if (HDC dc = GetWindowDC(handle_)) {
            PaintShadowBands(dc);
            ReleaseDC(handle_, dc);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint = {};
        HDC dc = BeginPaint(handle_, &paint);
        const CSkinBitmap& shown = Shown();
        if (shown.Loaded())
            BitBlt(composite_.Dc(), 0, 0, shown.Width(), shown.Height(), shown.Dc(), 0, 0, SRCCOPY);
        const RECT& area = paint.rcPaint;
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, composite_.Dc(), area.left,
               area.top, SRCCOPY);
        EndPaint(handle_, &paint);
        return 0;
    }
    case WM_CLOSE:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        Hide(handle_);
        return 0;
    case WM_NCACTIVATE:
        if (!wParam) {
            Hide(handle_);
            return 1;
        }
        break;
    case WM_DESTROY:
        Detach();
        return 0;
    default:
        break;
    }
    return CallPrevious(message, wParam, lParam);
}

} // namespace tools
