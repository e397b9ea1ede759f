// The Editing page: auto-indent mode, tab size and expansion, and the case options.
#pragma once

#include "corvex/dialogs/settings_page.h"

namespace corvex::dialogs {

enum EditingPageItem : WORD {
    kIndentNone = 2101, kIndentKeep = 2102, kIndentSmart = 2103,
    kTabSizeEdit = 2110, kTabSizeSpin = 2111,
};

class EditingPage : public SettingsPage {
public:
    const char* name() const override { return "Editing"; }
    void load(const ControlSettings& settings) override;
    void store(ControlSettings& settings) const override;

    static constexpr int kMinTabSize = 1, kMaxTabSize = 64;

protected:
    DialogTemplate buildTemplate() const override;
};

} // namespace corvex::dialogs
