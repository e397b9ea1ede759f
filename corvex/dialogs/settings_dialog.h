// The control's settings dialog: a tab control with one page per group of settings. It
// reads every value from the control when it opens and, on OK or Apply, sends the set
// message of each value the user changed, then notifies the control's parent with
// NotifySettingsChanged. Cancel sends nothing.
#pragma once

#include "corvex/dialogs/control_settings.h"
#include "corvex/dialogs/settings_page.h"

#include <memory>
#include <vector>

namespace corvex::dialogs {

enum SettingsDialogItem : WORD { kSettingsTabs = 1901, kApplyButton = 1902 };

class SettingsDialog : public DialogWindow {
public:
    explicit SettingsDialog(HWND control);
    // Modal, owned by the control's top-level window; true when closed with OK.
    bool run();
    static constexpr const char* kTitle = "Editor Settings";

protected:
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Ctrl+Tab / Ctrl+Page Down and Ctrl+Shift+Tab / Ctrl+Page Up turn the pages, seen in
    // the modal loop before the dialog manager takes the Tab key.
    static LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam);
    bool turnPage(const MSG& message);
    void createPages();
    void select(int index);
    // Writes what changed since the last write; notifies when anything was sent or `always`.
    void apply(bool always);

    HWND control_;
    ControlSettings written_;
    std::vector<std::unique_ptr<SettingsPage>> pages_;
};

} // namespace corvex::dialogs
