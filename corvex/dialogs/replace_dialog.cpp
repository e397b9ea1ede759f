#include "corvex/dialogs/replace_dialog.h"

#include "corvex/dialogs/common_dialogs.h"
#include "corvex/dialogs/search_session.h"

namespace corvex::dialogs {
namespace {

bool SpansLines(const std::string& text) { return text.find('\n') != std::string::npos; }

} // namespace

DialogTemplate ReplaceDialog::buildTemplate() const
{
    DialogTemplate dialog(title(), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 262, 100);
    AddFindTextRow(dialog, 138);
    dialog.label("Re&place with:", 7, 26, 52);
    dialog.add(DialogTemplate::kComboBox, "", kReplaceText,
               CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 60, 25, 138, 120);
    dialog.check("Match &case", kMatchCase, 7, 46, 90);
    dialog.check("Match &whole word only", kWholeWord, 7, 60, 96);
    dialog.check("Pr&eserve case", kPreserveCase, 7, 74, 90);
    dialog.check("In &selection only", kInSelection, 106, 46, 90);
    dialog.button("&Find Next", kFindNextButton, 205, 7, true);
    dialog.button("&Replace", kReplaceButton, 205, 25);
    dialog.button("Replace &All", kReplaceAllButton, 205, 43);
    dialog.button("Close", kCloseButton, 205, 61);
    return dialog;
}

void ReplaceDialog::refreshFromControl()
{
    SearchDialog::refreshFromControl();
    SearchTarget* target = ActiveSearchTarget();
    const bool selection = target && target->hasSelection();
    if (!IsWindowEnabled(item(kInSelection)) || !selection)
        setChecked(kInSelection, selection && SpansLines(target->selectedText()));
    EnableWindow(item(kInSelection), selection);
}

bool ReplaceDialog::request(Request& request) const
{
    request.target = ActiveSearchTarget();
    request.text = itemText(kFindText);
    request.replacement = itemText(kReplaceText);
    const SearchSettings settings = SearchSettingsOf(ActiveSearchControl());
    request.options = settings.options;
    request.preserveCase = settings.preserveCase;
    return request.target && !request.text.empty();
}

void ReplaceDialog::replace()
{
    Request r;
    if (!request(r))
        return;
    r.target->replaceSelection(r.text, r.replacement, r.options, r.preserveCase);
    remember(r.text, r.replacement);
    FindInActiveTarget(r.text, false, hwnd_, title());
}

void ReplaceDialog::replaceAll()
{
    Request r;
    if (!request(r))
        return;
    const bool inSelection = isChecked(kInSelection) && r.target->hasSelection();
    const int count = r.target->replaceAll(r.text, r.replacement, r.options, r.preserveCase, inSelection);
    remember(r.text, r.replacement);
    const std::string report = count == 0   ? "Cannot find \"" + r.text + "\"."
                               : count == 1 ? std::string("1 occurrence replaced.")
                                            : std::to_string(count) + " occurrences replaced.";
    ShowMessage(hwnd_, report, title(), MB_OK | MB_ICONINFORMATION);
}

INT_PTR ReplaceDialog::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        switch (LOWORD(wParam)) {
        case kFindNextButton:
            findNext(false);
            return TRUE;
        case kReplaceButton:
            replace();
            return TRUE;
        case kReplaceAllButton:
            replaceAll();
            return TRUE;
        }
    }
    return handleCommon(message, wParam, lParam);
}

} // namespace corvex::dialogs
