#include "corvex/dialogs/search_dialog.h"

#include "corvex/dialogs/search_session.h"
#include "corvex/dialogs/wide_text.h"
#include "corvex/include/corvex.h"

namespace corvex::dialogs {

void SearchDialog::AddFindTextRow(DialogTemplate& dialog, short width)
{
    dialog.label("Fi&nd what:", 7, 9, 50);
    dialog.add(DialogTemplate::kComboBox, "", kFindText,
               CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 60, 8, width, 120);
}

void SearchDialog::show(HWND control, SearchTarget& target, const std::string& text)
{
    SetActiveSearchTarget(&target, control);
    HWND owner = GetAncestor(control, GA_ROOT);
    if (hwnd_ && GetWindow(hwnd_, GW_OWNER) != owner)
        DestroyWindow(hwnd_);
    if (!hwnd_ && !create(buildTemplate(), owner))
        return;
    remember(std::string());
    setItemText(kFindText, text);
    refreshFromControl();
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(item(kFindText));
    SendDlgItemMessageW(hwnd_, kFindText, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void SearchDialog::hide() const
{
    if (hwnd_)
        ShowWindow(hwnd_, SW_HIDE);
}

void SearchDialog::refreshFromControl()
{
    const SearchSettings settings = SearchSettingsOf(ActiveSearchControl());
    setChecked(kMatchCase, settings.options.caseSensitive);
    setChecked(kWholeWord, settings.options.wholeWord);
    setChecked(kPreserveCase, settings.preserveCase);
}

void SearchDialog::fillHistory(int id, const search::SearchHistory& history) const
{
    const std::string text = itemText(id);
    SendDlgItemMessageW(hwnd_, id, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : history.entries())
        SendDlgItemMessageW(hwnd_, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(entry).c_str()));
    setItemText(id, text);
}

void SearchDialog::remember(const std::string& findText, const std::string& replacement)
{
    FindHistory().add(findText);
    ReplaceHistory().add(replacement);
    fillHistory(kFindText, FindHistory());
    if (item(kReplaceText))
        fillHistory(kReplaceText, ReplaceHistory());
}

void SearchDialog::findNext(bool backwards)
{
    const std::string text = itemText(kFindText);
    if (text.empty())
        return;
    FindInActiveTarget(text, backwards, hwnd_, title());
    remember(text);
}

INT_PTR SearchDialog::handleCommon(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            refreshFromControl();
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kMatchCase:
            SetSearchOption(ActiveSearchControl(), corvex::SetCaseSensitive, isChecked(kMatchCase));
            return TRUE;
        case kWholeWord:
            SetSearchOption(ActiveSearchControl(), corvex::SetWholeWord, isChecked(kWholeWord));
            return TRUE;
        case kPreserveCase:
            SetSearchOption(ActiveSearchControl(), corvex::SetPreserveCase, isChecked(kPreserveCase));
            return TRUE;
        case kCloseButton:
            hide();
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        hide();
        return TRUE;
    }
    return FALSE;
}

} // namespace corvex::dialogs
