#include "corvex/dialogs/go_to_line_dialog.h"

#include "corvex/dialogs/common_dialogs.h"

#include <cctype>

namespace corvex::dialogs {
namespace {

constexpr const char* kTitle = "Go To Line";

} // namespace

std::optional<int> GoToLineDialog::ParseLine(const std::string& text, int lineCount)
{
    std::size_t begin = text.find_first_not_of(" \t");
    std::size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return std::nullopt;
    long long value = 0;
    for (std::size_t i = begin; i <= end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > lineCount)
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return static_cast<int>(value);
}

bool GoToLineDialog::run(HWND owner)
{
    lineCount_ = target_.lineCount() > 0 ? target_.lineCount() : 1;
    DialogTemplate dialog(kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 180, 48);
    dialog.label("", 7, 7, 166, kLinePrompt);
    dialog.edit(kLineNumber, 7, 20, 56, ES_NUMBER);
    dialog.button("OK", IDOK, 70, 19, true);
    dialog.button("Cancel", IDCANCEL, 123, 19);
    return runModal(dialog, owner) == IDOK;
}

void GoToLineDialog::accept()
{
    if (std::optional<int> line = ParseLine(itemText(kLineNumber), lineCount_)) {
        target_.goToLine(*line);
        EndDialog(hwnd_, IDOK);
        return;
    }
    ShowMessage(hwnd_, "Enter a line number between 1 and " + std::to_string(lineCount_) + ".", kTitle,
                MB_OK | MB_ICONEXCLAMATION);
    SetFocus(item(kLineNumber));
    SendDlgItemMessageW(hwnd_, kLineNumber, EM_SETSEL, 0, -1);
}

INT_PTR GoToLineDialog::handle(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: {
        setItemText(kLinePrompt, "&Line number (1 - " + std::to_string(lineCount_) + "):");
        int current = target_.currentLine();
        setItemText(kLineNumber, std::to_string(current >= 1 && current <= lineCount_ ? current : 1));
        SetFocus(item(kLineNumber));
        SendDlgItemMessageW(hwnd_, kLineNumber, EM_SETSEL, 0, -1);
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            accept();
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(hwnd_, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace corvex::dialogs
