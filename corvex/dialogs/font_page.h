// The Font page: the control's font (Choose... opens the font picker; a sample shows it)
// and the bold, italic and underline styles of each entry of the font-style block.
#pragma once

#include "corvex/dialogs/settings_page.h"

namespace corvex::dialogs {

enum FontPageItem : WORD {
    kFontDescription = 2301, kChooseFont = 2302, kFontSample = 2303, kStyleList = 2304,
    kStyleBold = 2305, kStyleItalic = 2306, kStyleUnderline = 2307,
};

class FontPage : public SettingsPage {
public:
    ~FontPage() override;
    const char* name() const override { return "Font"; }
    void load(const ControlSettings& settings) override;
    void store(ControlSettings& settings) const override;

protected:
    DialogTemplate buildTemplate() const override;
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void showFont();
    void showStyle();
    void storeStyle(WORD checkBox);
    int selectedStyle() const;

    LOGFONTA font_{};  // the control's font settings are a LOGFONTA
    std::array<BYTE, kFontStylesSize> styles_{};
    HFONT sample_ = nullptr;
};

} // namespace corvex::dialogs
