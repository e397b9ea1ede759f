// Shows a dialog for a screenshot over a fake control holding typical values: the
// settings dialog on the page whose tab index is the argument, or "find", "replace" or
// "goto". Closes itself after four seconds.
#include "fake_control.h"
#include "fake_target.h"

#include "corvex/dialogs/dialogs.h"
#include "corvex/dialogs/settings_dialog.h"

#include <commctrl.h>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int g_page = 0;

bool g_done = false;

void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD)
{
    for (const char* title : {corvex::dialogs::SettingsDialog::kTitle, "Go To Line"})
        PostMessageA(FindWindowA("#32770", title), WM_COMMAND, IDCANCEL, 0);
    g_done = true;
}

void RunModeless()
{
    SetTimer(nullptr, 0, 4000, Close);
    MSG msg;
    while (!g_done && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(GetForegroundWindow(), &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void CALLBACK ShowPage(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindWindowA("#32770", corvex::dialogs::SettingsDialog::kTitle);
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    HWND tabs = GetDlgItem(dialog, corvex::dialogs::kSettingsTabs);
    SendMessageA(tabs, TCM_SETCURFOCUS, g_page, 0);
    SetTimer(nullptr, 0, 4000, Close);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    g_page = std::atoi(commandLine);
    FakeControl control;
    const int on[] = {corvex::SetColourSyntax, corvex::SetLineTooltips, corvex::SetLineHighlight,
                      corvex::SetLeftMargin, corvex::SetColumnSelect, corvex::SetDragDrop, corvex::SetSelBounds};
    for (int message : on)
        control.setOption(message, 1);
    for (int selector : {0, 1}) {
        control.setOption(corvex::SetScrollBar, 1, selector);
        control.setOption(corvex::SetSplitter, 1, selector);
    }
    control.setOption(corvex::SetAutoIndent, corvex::AutoIndentSmart);
    control.setOption(corvex::SetTabSize, 4);
    const COLORREF colours[] = {RGB(255, 255, 255), RGB(240, 240, 240), RGB(49, 106, 197), RGB(255, 255, 255),
                                RGB(0, 0, 0), RGB(0, 0, 255), RGB(0, 128, 0), RGB(163, 21, 21), RGB(128, 0, 128)};
    for (int i = 0; i < corvex::kColourCount; ++i)
        control.colours[i] = colours[i % (sizeof colours / sizeof colours[0])];
    corvex::LineNumbering numbering;
    std::memcpy(control.lineNumbering.data(), &numbering, sizeof numbering);
    control.font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
    FakeTarget target;
    target.selection = "needle";
    const std::string what = commandLine;
    ShowWindow(control.parent(), SW_SHOW);
    if (what == "find" || what == "replace") {
        if (what == "find")
            corvex::dialogs::ShowFindDialog(control.window(), target);
        else
            corvex::dialogs::ShowReplaceDialog(control.window(), target);
        RunModeless();
    } else if (what == "goto") {
        SetTimer(nullptr, 0, 4000, Close);
        corvex::dialogs::ShowGoToLineDialog(control.window(), target);
    } else {
        SetTimer(nullptr, 0, 50, ShowPage);
        corvex::dialogs::ShowSettingsDialog(control.window());
    }
    corvex::dialogs::ShutdownDialogs();
    return 0;
}
