#include "corvex/view_fonts.h"

#include "corvex/engine/dpi_length.h"
#include "corvex/include/corvex.h"

namespace corvex {

ViewFonts::ViewFonts()
{
    own_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
}

ViewFonts::~ViewFonts()
{
    given_ = nullptr;
    dpi_ = kDesignDpi;
    Remake();
    if (own_)
        DeleteObject(own_);
}

void ViewFonts::Remake()
{
    for (HFONT& font : styled_) {
        if (font)
            DeleteObject(font);
        font = nullptr;
    }
    if (scaled_)
        DeleteObject(scaled_);
    scaled_ = nullptr;
    if (dpi_ == kDesignDpi || !Design())
        return;
    LOGFONTW font = {};
    if (!GetObjectW(Design(), sizeof font, &font))
        return;
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi_), static_cast<int>(kDesignDpi));
    font.lfWidth = MulDiv(font.lfWidth, static_cast<int>(dpi_), static_cast<int>(kDesignDpi));
    scaled_ = CreateFontIndirectW(&font);
}

HFONT ViewFonts::Styled(BYTE style)
{
    HFONT base = Base();
    style &= StyleBold | StyleItalic | StyleUnderline;
    if (style == 0 || !base)
        return base;
    if (!styled_[style]) {
        LOGFONTW font = {};
        GetObjectW(base, sizeof font, &font);
        if (style & StyleBold)
            font.lfWeight = FW_BOLD;
        font.lfItalic = (style & StyleItalic) ? TRUE : FALSE;
        font.lfUnderline = (style & StyleUnderline) ? TRUE : FALSE;
        styled_[style] = CreateFontIndirectW(&font);
    }
    return styled_[style] ? styled_[style] : base;
}

void ViewFonts::Give(HFONT font)
{
    given_ = font;
    Remake();
}

void ViewFonts::SetDpi(UINT dpi)
{
    if (dpi == 0 || dpi == dpi_)
        return;
    dpi_ = dpi;
    Remake();
}

} // namespace corvex
