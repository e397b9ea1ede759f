// AboutWindow ("Quillet About"): the about picture, borderless and centred on the screen,
// with a soft shadow along its right and bottom edges painted from what lies behind it.
// Any click, or another window becoming active, hides it.
#pragma once

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
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool Create();
    void ComposeShadow();
    void PaintShadowBands(HDC windowDc);

    HWND handle_ = nullptr;  // the About window
    CSkinBitmap picture_;
    CSkinBitmap composite_;
};

} // namespace tools
