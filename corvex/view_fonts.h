// The fonts a view paints with: the one given by WM_SETFONT (never deleted here) or a
// default monospaced one, and its bold, italic and underlined forms, made when first
// asked for. The given font's height is a design height at 96 DPI: at another DPI the
// view paints with a copy made at that DPI, while the given font stays what the owner
// asks for again.
#pragma once

#include <windows.h>

namespace corvex {

class ViewFonts {
public:
    ViewFonts();
    ~ViewFonts();
    ViewFonts(const ViewFonts&) = delete;
    ViewFonts& operator=(const ViewFonts&) = delete;

    // The font painted with, at the view's DPI.
    HFONT Base() const { return scaled_ ? scaled_ : Design(); }
    // The font as given (or the default), at 96 DPI: what WM_GETFONT answers.
    HFONT Design() const { return given_ ? given_ : own_; }
    // `style`: the control's font style bits (bold, italic, underline).
    HFONT Styled(BYTE style);
    void Give(HFONT font);
    void SetDpi(UINT dpi);

private:
    void Remake();  // the scaled copy and the styled forms, for the present font and DPI

    HFONT given_ = nullptr;
    HFONT own_ = nullptr;
    HFONT scaled_ = nullptr;
    HFONT styled_[8] = {};
    UINT dpi_ = 96;
};

} // namespace corvex
