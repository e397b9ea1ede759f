#include "corvex/dialogs/font_page.h"
#include "corvex/dialogs/wide_text.h"

#include "corvex/dialogs/common_dialogs.h"
#include "corvex/dialogs/setting_names.h"
#include "corvex/view_dpi.h"

namespace corvex::dialogs {
namespace {

struct StyleCheck {
    WORD item;
    BYTE bit;
};
constexpr StyleCheck kStyleChecks[] = {
    {kStyleBold, StyleBold}, {kStyleItalic, StyleItalic}, {kStyleUnderline, StyleUnderline},
};

// The settings' heights are at 96 DPI, whatever the screen's.
int PointSize(const LOGFONTA& font)  // the settings' LOGFONTA
{
    const int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    return MulDiv(height, 72, static_cast<int>(kDesignDpi));
}

} // namespace

FontPage::~FontPage()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    if (sample_)
        DeleteObject(sample_);
}

DialogTemplate FontPage::buildTemplate() const
{
    DialogTemplate dialog = PageTemplate();
    const short x = kMargin + 8, innerWidth = kFullWidth - 16;
    const short buttonX = kMargin + kFullWidth - 8 - DialogTemplate::kButtonWidth;
    dialog.group("Font", kMargin, kMargin, kFullWidth, 62);
    dialog.label("", x, 20, buttonX - x - 4, kFontDescription);
    dialog.button("&Choose...", kChooseFont, buttonX, 19);
    dialog.add(DialogTemplate::kStatic, "AaBbCc XxYyZz 0123 {}", kFontSample,
               SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, x, 37, innerWidth, 24, WS_EX_CLIENTEDGE);
    dialog.group("Styles", kMargin, 74, kFullWidth, 76);
    dialog.add(DialogTemplate::kListBox, "", kStyleList,
               LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, x, 87, kColumnWidth, 56);
    const short checkX = kRightColumn + 8;
    dialog.check("&Bold", kStyleBold, checkX, 88, 80);
    dialog.check("&Italic", kStyleItalic, checkX, 102, 80);
    dialog.check("&Underline", kStyleUnderline, checkX, 116, 80);
    return dialog;
}

void FontPage::load(const ControlSettings& settings)
{
    font_ = settings.font;
    styles_ = settings.fontStyles;
    HWND list = item(kStyleList);
    if (SendMessageW(list, LB_GETCOUNT, 0, 0) == 0) {
        for (int i = 0; i < kFontStylesSize; ++i)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(FontStyleName(i)).c_str()));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
    }
    showFont();
    showStyle();
}

void FontPage::store(ControlSettings& settings) const
{
    settings.font = font_;
    settings.fontStyles = styles_;
}

void FontPage::showFont()
{
    setItemText(kFontDescription, Utf8FromWide(WideFromAnsi(font_.lfFaceName)) + ", " +
                                      std::to_string(PointSize(font_)) + " pt");
    // The sample as the control shows the font: at the page's DPI.
    LOGFONTA shown = font_;  // the control's font settings are a LOGFONTA
    const int dpi = static_cast<int>(WindowDpi(hwnd_));
    shown.lfHeight = MulDiv(shown.lfHeight, dpi, static_cast<int>(kDesignDpi));
    shown.lfWidth = MulDiv(shown.lfWidth, dpi, static_cast<int>(kDesignDpi));
    HFONT sample = CreateFontIndirectA(&shown); // the control's font settings are a LOGFONTA
    SendDlgItemMessageW(hwnd_, kFontSample, WM_SETFONT, reinterpret_cast<WPARAM>(sample), TRUE);
    if (sample_)
        DeleteObject(sample_);
    sample_ = sample;
}

int FontPage::selectedStyle() const
{
    const LRESULT index = SendDlgItemMessageW(hwnd_, kStyleList, LB_GETCURSEL, 0, 0);
    return index >= 0 && index < kFontStylesSize ? static_cast<int>(index) : -1;
}

void FontPage::showStyle()
{
    const int index = selectedStyle();
    for (const StyleCheck& check : kStyleChecks) {
        setChecked(check.item, index >= 0 && (styles_[index] & check.bit));
        EnableWindow(item(check.item), index >= 0);
    }
}

void FontPage::storeStyle(WORD checkBox)
{
    const int index = selectedStyle();
    for (const StyleCheck& check : kStyleChecks)
        if (index >= 0 && check.item == checkBox)
            styles_[index] = static_cast<BYTE>(isChecked(check.item) ? styles_[index] | check.bit
                                                                     : styles_[index] & ~check.bit);
}

INT_PTR FontPage::handle(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    const WORD id = LOWORD(wParam);
    switch (id) {
    case kChooseFont: {
        LOGFONTA font = font_;  // the settings' LOGFONTA
        if (PickFont(GetAncestor(hwnd_, GA_ROOT), font)) {
            font_ = font;
            showFont();
        }
        return TRUE;
    }
    case kStyleList:
        if (HIWORD(wParam) == LBN_SELCHANGE)
            showStyle();
        return TRUE;
    case kStyleBold:
    case kStyleItalic:
    case kStyleUnderline:
        storeStyle(id);
        return TRUE;
    }
    return FALSE;
}

} // namespace corvex::dialogs
