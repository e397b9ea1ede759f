// The Line numbering page: whether numbers are shown, the number of the first line and
// the least number of digits of the number column.
#pragma once

#include "corvex/dialogs/settings_page.h"

namespace corvex::dialogs {

enum LineNumberingPageItem : WORD {
    kShowLineNumbers = 2401, kFirstLineNumber = 2402, kMinimumDigits = 2403, kMinimumDigitsSpin = 2404,
};

class LineNumberingPage : public SettingsPage {
public:
    const char* name() const override { return "Line numbering"; }
    void load(const ControlSettings& settings) override;
    void store(ControlSettings& settings) const override;

    static constexpr int kMinDigits = 1, kMaxDigits = 9;

protected:
    DialogTemplate buildTemplate() const override;
};

} // namespace corvex::dialogs
