// A settings page of on/off options: groups of check boxes, each bound to an option.
#pragma once

#include "corvex/dialogs/settings_page.h"

#include <memory>
#include <vector>

namespace corvex::dialogs {

struct CheckItem {
    const char* caption;
    OptionId option;
};

struct CheckGroup {
    const char* title;
    int column; // 0 left, 1 right
    std::vector<CheckItem> items;
};

class CheckListPage : public SettingsPage {
public:
    CheckListPage(const char* name, std::vector<CheckGroup> groups) : name_(name), groups_(std::move(groups)) {}
    const char* name() const override { return name_; }
    void load(const ControlSettings& settings) override;
    void store(ControlSettings& settings) const override;

    // The check box of `option`.
    static WORD ItemOf(OptionId option) { return static_cast<WORD>(kFirstItem + option); }
    // Lays `groups` out in two columns of `dialog`.
    static void AddGroups(DialogTemplate& dialog, const std::vector<CheckGroup>& groups);

protected:
    DialogTemplate buildTemplate() const override;

private:
    static constexpr WORD kFirstItem = 2000;
    const char* name_;
    std::vector<CheckGroup> groups_;
};

// The check boxes of `groups` on `page`, from and into `settings`. A stored option that
// was some other nonzero value stays as it was while checked.
void LoadChecks(HWND page, const std::vector<CheckGroup>& groups, const ControlSettings& settings);
void StoreChecks(HWND page, const std::vector<CheckGroup>& groups, ControlSettings& settings);
void StoreCheck(int& option, bool checked);

// Scroll bars, splitters, display and selection options.
std::unique_ptr<SettingsPage> GeneralPage();
// The colour-syntax switch.
std::unique_ptr<SettingsPage> MiscellaneousPage();

} // namespace corvex::dialogs
