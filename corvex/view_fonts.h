// The fonts a view paints with: the one given by WM_SETFONT (never deleted here) or a
// default monospaced one, and its bold, italic and underlined forms, made when first
// asked for.
#pragma once

#include <windows.h>

namespace corvex {

class ViewFonts {
public:
    ViewFonts();
    ~ViewFonts();
    ViewFonts(const ViewFonts&) = delete;
    ViewFonts& operator=(const ViewFonts&) = delete;

    HFONT Base() const { return given_ ? given_ : own_; }
    // `style`: the control's font style bits (bold, italic, underline).
    HFONT Styled(BYTE style);
    void Give(HFONT font);

private:
    void ReleaseStyled();

    HFONT given_ = nullptr;
    HFONT own_ = nullptr;
    HFONT styled_[8] = {};
};

} // namespace corvex
