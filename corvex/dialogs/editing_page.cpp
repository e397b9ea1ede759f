#include "corvex/dialogs/editing_page.h"

#include "corvex/dialogs/check_list_page.h"

#include <commctrl.h>

namespace corvex::dialogs {
namespace {

const std::vector<CheckGroup>& CheckGroups()
{
    static const std::vector<CheckGroup> groups = {
        {"Search and case", 1, {
            {"&Case-sensitive search", OptCaseSensitive},
            {"&Whole words only", OptWholeWord},
            {"&Preserve case when replacing", OptPreserveCase},
            {"Correct the case of &keywords", OptNormalizeCase},
        }},
    };
    return groups;
}

constexpr WORD kIndentItems[] = {kIndentNone, kIndentKeep, kIndentSmart}; // by AutoIndentMode
const WORD kTabExpandItem = CheckListPage::ItemOf(OptTabExpand);

} // namespace

DialogTemplate EditingPage::buildTemplate() const
{
    DialogTemplate dialog = PageTemplate();
    dialog.group("Auto indent", 7, 7, 120, 56);
    dialog.radio("&None", kIndentNone, 15, 20, 100, true);
    dialog.radio("Keep the &indentation", kIndentKeep, 15, 33, 100, false);
    dialog.radio("&Smart", kIndentSmart, 15, 46, 100, false);
    dialog.group("Tabs", 7, 68, 120, 48);
    dialog.label("&Tab size:", 15, 82, 40);
    dialog.spinEdit(kTabSizeEdit, kTabSizeSpin, 60, 81, 32);
    dialog.check("&Expand tabs to spaces", kTabExpandItem, 15, 99, 106);
    CheckListPage::AddGroups(dialog, CheckGroups());
    return dialog;
}

void EditingPage::load(const ControlSettings& settings)
{
    const int mode = settings.options[OptAutoIndent];
    for (int m = AutoIndentNone; m <= AutoIndentSmart; ++m)
        setChecked(kIndentItems[m], m == mode);
    SendDlgItemMessageA(hwnd_, kTabSizeSpin, UDM_SETRANGE32, kMinTabSize, kMaxTabSize);
    SendDlgItemMessageA(hwnd_, kTabSizeSpin, UDM_SETPOS32, 0, settings.options[OptTabSize]);
    setChecked(kTabExpandItem, settings.options[OptTabExpand] != 0);
    LoadChecks(hwnd_, CheckGroups(), settings);
}

void EditingPage::store(ControlSettings& settings) const
{
    for (int m = AutoIndentNone; m <= AutoIndentSmart; ++m)
        if (isChecked(kIndentItems[m]))
            settings.options[OptAutoIndent] = m;
    BOOL valid = FALSE;
    const int size = static_cast<int>(GetDlgItemInt(hwnd_, kTabSizeEdit, &valid, FALSE));
    if (valid)
        settings.options[OptTabSize] = size < kMinTabSize ? kMinTabSize : size > kMaxTabSize ? kMaxTabSize : size;
    StoreCheck(settings.options[OptTabExpand], isChecked(kTabExpandItem));
    StoreChecks(hwnd_, CheckGroups(), settings);
}

} // namespace corvex::dialogs
