// The Keyboard page: the library's hot keys and the commands they run.
#pragma once

#include "corvex/dialogs/settings_page.h"

namespace corvex::dialogs {

enum KeyboardPageItem : WORD { kHotKeyList = 2501 };

class KeyboardPage : public SettingsPage {
public:
    const char* name() const override { return "Keyboard"; }
    void load(const ControlSettings& settings) override;
    void store(ControlSettings&) const override {}

protected:
    DialogTemplate buildTemplate() const override;
};

} // namespace corvex::dialogs
