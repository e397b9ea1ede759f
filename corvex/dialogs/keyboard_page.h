// The Keyboard page: every command a hot key can run, with its keys. The user picks a
// command, presses a key in the key field and assigns it, takes the command's keys away
// or goes back to the default keys. The page edits a copy of the library's table, which
// the dialog hands back on OK or Apply.
#pragma once

#include "corvex/dialogs/settings_page.h"

namespace corvex::dialogs {

enum KeyboardPageItem : WORD {
    kHotKeyList = 2501, kNewKeyField = 2502, kAssignKey = 2503, kRemoveKeys = 2504, kResetKeys = 2505
};

class KeyboardPage : public SettingsPage {
public:
    const char* name() const override { return "Keyboard"; }
    void load(const ControlSettings& settings) override;
    void store(ControlSettings& settings) const override { settings.hotKeys = table_; }

protected:
    DialogTemplate buildTemplate() const override;
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void addRows();
    // Puts each command's keys into its row.
    void showKeys();
    // The selected command's row, or -1.
    int selectedRow() const;
    // The key in the key field to the selected command, after asking when another
    // command has it.
    void assignKey();
    void removeKeys();
    void resetKeys();

    formats::HotKeyTable table_;
};

} // namespace corvex::dialogs
