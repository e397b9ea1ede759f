// Base of the dialog objects: one object per dialog window, reached from the dialog
// procedure through DWLP_USER, with its own message handler.
#pragma once

#include "corvex/dialogs/dialog_template.h"

#include <windows.h>

#include <string>

namespace corvex::dialogs {

class DialogWindow {
public:
    virtual ~DialogWindow();
    DialogWindow() = default;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    // Runs the dialog modally; gives the code of EndDialog (or -1).
    INT_PTR runModal(const DialogTemplate& dialog, HWND owner);
    // Creates the dialog modeless (or as a child page, with DS_CONTROL | WS_CHILD).
    HWND create(const DialogTemplate& dialog, HWND parent);

    // The dialog procedure's answer: TRUE when handled.
    virtual INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    bool isChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void setChecked(int id, bool checked) const { CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED); }
    // An item's text, in UTF-8.
    std::string itemText(int id) const;
    void setItemText(int id, const std::string& text) const;

    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// The module the dialogs belong to (Corvex.dll, or the test program built with them).
HINSTANCE DialogModule();
// Once per process: the common controls the dialogs use.
void InitDialogControls();

} // namespace corvex::dialogs
