// The Colours page: the 31 entries of the colour block, each with its swatch; Change...
// (or a double click) opens the colour picker for the selected entry.
#pragma once

#include "corvex/dialogs/settings_page.h"

namespace corvex::dialogs {

enum ColourPageItem : WORD { kColourList = 2201, kChangeColour = 2202 };

class ColourPage : public SettingsPage {
public:
    const char* name() const override { return "Colours"; }
    void load(const ControlSettings& settings) override;
    void store(ControlSettings& settings) const override { settings.colours = colours_; }

protected:
    DialogTemplate buildTemplate() const override;
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void changeSelected();
    void draw(const DRAWITEMSTRUCT& item) const;

    std::array<COLORREF, kColourCount> colours_{};
};

} // namespace corvex::dialogs
