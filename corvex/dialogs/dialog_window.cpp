#include "corvex/dialogs/dialog_window.h"

#include "corvex/dialogs/wide_text.h"

#include <commctrl.h>

#include <vector>

namespace corvex::dialogs {

HINSTANCE DialogModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&DialogModule), &module);
    return module;
}

void InitDialogControls()
{
    static const bool done = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls,
                                      ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES |
                                      ICC_HOTKEY_CLASS};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)done;
}

DialogWindow::~DialogWindow()
{
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

INT_PTR DialogWindow::runModal(const DialogTemplate& dialog, HWND owner)
{
    InitDialogControls();
    return DialogBoxIndirectParamW(DialogModule(), dialog.get(), owner, Procedure,
                                   reinterpret_cast<LPARAM>(this));
}

HWND DialogWindow::create(const DialogTemplate& dialog, HWND parent)
{
    InitDialogControls();
    return CreateDialogIndirectParamW(DialogModule(), dialog.get(), parent, Procedure,
                                      reinterpret_cast<LPARAM>(this));
}

std::string DialogWindow::itemText(int id) const
{
    HWND control = item(id);
    const int length = control ? GetWindowTextLengthW(control) : 0;
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    if (control)
        GetWindowTextW(control, text.data(), length + 1);
    return Utf8FromWide(text.data());
}

void DialogWindow::setItemText(int id, const std::string& text) const
{
    SetDlgItemTextW(hwnd_, id, WideFromUtf8(text).c_str());
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    const INT_PTR handled = self->handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return handled;
}

} // namespace corvex::dialogs
