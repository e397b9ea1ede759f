#include "corvex/dialogs/find_dialog.h"

namespace corvex::dialogs {

DialogTemplate FindDialog::buildTemplate() const
{
    DialogTemplate dialog(title(), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 262, 66);
    AddFindTextRow(dialog, 138);
    dialog.check("Match &case", kMatchCase, 7, 30, 90);
    dialog.check("Match &whole word only", kWholeWord, 7, 44, 96);
    dialog.group("Direction", 118, 25, 80, 33);
    dialog.radio("&Up", kDirectionUp, 126, 39, 30, true);
    dialog.radio("&Down", kDirectionDown, 160, 39, 34, false);
    dialog.button("&Find Next", kFindNextButton, 205, 7, true);
    dialog.button("Close", kCloseButton, 205, 25);
    return dialog;
}

INT_PTR FindDialog::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        setChecked(kDirectionDown, true);
    if (message == WM_COMMAND && LOWORD(wParam) == kFindNextButton) {
        findNext(isChecked(kDirectionUp));
        return TRUE;
    }
    return handleCommon(message, wParam, lParam);
}

} // namespace corvex::dialogs
