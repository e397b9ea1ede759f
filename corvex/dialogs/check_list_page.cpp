#include "corvex/dialogs/check_list_page.h"

namespace corvex::dialogs {
namespace {

constexpr short kRowHeight = 13, kGroupTop = 13, kGroupBottom = 3;

} // namespace

void CheckListPage::AddGroups(DialogTemplate& dialog, const std::vector<CheckGroup>& groups)
{
    short top[2] = {kMargin, kMargin};
    for (const CheckGroup& group : groups) {
        const short x = group.column ? kRightColumn : kLeftColumn;
        short& y = top[group.column ? 1 : 0];
        const short height = static_cast<short>(kGroupTop + kRowHeight * group.items.size() + kGroupBottom);
        dialog.group(group.title, x, y, kColumnWidth, height);
        short row = static_cast<short>(y + kGroupTop);
        for (const CheckItem& check : group.items) {
            dialog.check(check.caption, ItemOf(check.option), x + 8, row, kColumnWidth - 14);
            row += kRowHeight;
        }
        y = static_cast<short>(y + height + 5);
    }
}

DialogTemplate CheckListPage::buildTemplate() const
{
    DialogTemplate dialog = PageTemplate();
    AddGroups(dialog, groups_);
    return dialog;
}

void StoreCheck(int& option, bool checked)
{
    if (checked != (option != 0))
        option = checked ? 1 : 0;
}

void LoadChecks(HWND page, const std::vector<CheckGroup>& groups, const ControlSettings& settings)
{
    for (const CheckGroup& group : groups)
        for (const CheckItem& check : group.items)
            CheckDlgButton(page, CheckListPage::ItemOf(check.option),
                           settings.options[check.option] ? BST_CHECKED : BST_UNCHECKED);
}

void StoreChecks(HWND page, const std::vector<CheckGroup>& groups, ControlSettings& settings)
{
    for (const CheckGroup& group : groups)
        for (const CheckItem& check : group.items)
            StoreCheck(settings.options[check.option],
                       IsDlgButtonChecked(page, CheckListPage::ItemOf(check.option)) == BST_CHECKED);
}

void CheckListPage::load(const ControlSettings& settings) { LoadChecks(hwnd_, groups_, settings); }
void CheckListPage::store(ControlSettings& settings) const { StoreChecks(hwnd_, groups_, settings); }

std::unique_ptr<SettingsPage> GeneralPage()
{
    return std::make_unique<CheckListPage>("General", std::vector<CheckGroup>{
        {"Window", 0, {
            {"&Horizontal scroll bar", OptHorizontalScrollBar},
            {"&Vertical scroll bar", OptVerticalScrollBar},
            {"Hori&zontal splitter", OptHorizontalSplitter},
            {"Ver&tical splitter", OptVerticalSplitter},
        }},
        {"Selection", 0, {
            {"&Column selection", OptColumnSelect},
            {"&Drag and drop editing", OptDragDrop},
            {"Selection &bounds", OptSelBounds},
        }},
        {"Display", 1, {
            {"&Smooth scrolling", OptSmoothScroll},
            {"Line t&ooltips while scrolling", OptLineTooltips},
            {"Highlight the c&urrent line", OptLineHighlight},
            {"&Left margin", OptLeftMargin},
            {"&Word wrap", OptWordWrap},
        }},
    });
}

std::unique_ptr<SettingsPage> MiscellaneousPage()
{
    return std::make_unique<CheckListPage>("Miscellaneous", std::vector<CheckGroup>{
        {"Syntax highlighting", 0, {{"&Enable syntax highlighting", OptColourSyntax}}},
    });
}

} // namespace corvex::dialogs
