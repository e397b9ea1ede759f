// AboutWindow ("Quillet About"): the about picture, borderless and centred on the screen,
// with a soft shadow along its right and bottom edges painted from what lies behind it.
// Any click, or another window becoming active, hides it.
#pragma once

#include "platform/dpi_scale.h"
#include "platform/subclass.h"
#include "skin/skin_bitmap.h"

#include <windows.h>

namespace tools {

class AboutWindow : public Subclass<AboutWindow> {
public:
    static constexpr const char* kProperty = "CWASubcls";

    // Creates the window on first use, shades the screen behind it and shows it.
    void Show();
    void Destroy();
    bool Visible() const { return handle_ && IsWindowVisible(handle_); }
    HWND Handle() const { return handle_; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool Create();
    void ComposeShadow();
    void PaintShadowBands(HDC windowDc);
    void ScalePicture();
    // The picture as shown: scaled to the DPI, or the resource's own at 96.
    const CSkinBitmap& Shown() const;

    HWND handle_ = nullptr;  // the About window
    CSkinBitmap picture_;
    CSkinBitmap scaled_;
    int dpi_ = dpi::kDesignDpi;
    int band_ = 4;  // the shadow bands' width at dpi_
    CSkinBitmap composite_;
};

} // namespace tools
