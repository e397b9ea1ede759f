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
    const short x = kLeftColumn + 8, width = kColumnWidth - 14;
    dialog.group("Auto indent", kLeftColumn, kMargin, kColumnWidth, 55);
    dialog.radio("&None", kIndentNone, x, 20, width, true);
    dialog.radio("Keep the &indentation", kIndentKeep, x, 33, width, false);
    dialog.radio("&Smart", kIndentSmart, x, 46, width, false);
    dialog.group("Tabs", kLeftColumn, 67, kColumnWidth, 45);
    dialog.label("&Tab size:", x, 81, 40);
    dialog.spinEdit(kTabSizeEdit, kTabSizeSpin, x + 45, 80, 32);
    dialog.check("&Expand tabs to spaces", kTabExpandItem, x, 97, width);
    CheckListPage::AddGroups(dialog, CheckGroups());
    return dialog;
}

void EditingPage::load(const ControlSettings& settings)
{
    const int mode = settings.options[OptAutoIndent];
    for (int m = AutoIndentNone; m <= AutoIndentSmart; ++m)
        setChecked(kIndentItems[m], m == mode);
    SendDlgItemMessageW(hwnd_, kTabSizeSpin, UDM_SETRANGE32, kMinTabSize, kMaxTabSize);
    SendDlgItemMessageW(hwnd_, kTabSizeSpin, UDM_SETPOS32, 0, settings.options[OptTabSize]);
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
