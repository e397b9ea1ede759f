// Shows the settings dialog for a screenshot: the page whose tab index is the first
// argument, over a fake control holding typical values; closes itself after four seconds.
#include "fake_control.h"

#include "corvex/dialogs/dialogs.h"
#include "corvex/dialogs/settings_dialog.h"

#include <commctrl.h>
#include <cstdlib>
#include <cstring>

namespace {

int g_page = 0;

void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD)
{
    PostMessageA(FindWindowA("#32770", corvex::dialogs::SettingsDialog::kTitle), WM_COMMAND, IDCANCEL, 0);
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
    SetTimer(nullptr, 0, 50, ShowPage);
    corvex::dialogs::ShowSettingsDialog(control.window());
    corvex::dialogs::ShutdownDialogs();
    return 0;
}
