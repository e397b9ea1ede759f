#include "corvex/dialogs/dialog_window.h"

#include <commctrl.h>

#include <vector>

namespace corvex::dialogs {

HINSTANCE DialogModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&DialogModule), &module);
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
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

INT_PTR DialogWindow::runModal(const DialogTemplate& dialog, HWND owner)
{
    InitDialogControls();
    return DialogBoxIndirectParamA(DialogModule(), dialog.get(), owner, Procedure,
                                   reinterpret_cast<LPARAM>(this));
}

HWND DialogWindow::create(const DialogTemplate& dialog, HWND parent)
{
    InitDialogControls();
    return CreateDialogIndirectParamA(DialogModule(), dialog.get(), parent, Procedure,
                                      reinterpret_cast<LPARAM>(this));
}

std::string DialogWindow::itemText(int id) const
{
    HWND control = item(id);
    const int length = control ? GetWindowTextLengthA(control) : 0;
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    if (control)
        GetWindowTextA(control, text.data(), length + 1);
    return text.data();
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    const INT_PTR handled = self->handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return handled;
}

} // namespace corvex::dialogs
