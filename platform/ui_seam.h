// The one road to message boxes, common file dialogs, the notification area and the
// shell's "open". Tests replace the real ones with answering functions and record what
// was asked.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <functional>
#include <string>

namespace ui {

constexpr const char* kCaption = "Quillet";

// Shows a message box captioned "Quillet"; returns the button pressed (IDOK, IDYES, ...).
int Message(HWND owner, const std::string& text, UINT type);
// The same for text that may hold any character (a file name). A handler set by a test
// gets it in the ANSI code page, as it gets the narrow form's text.
int Message(HWND owner, const std::wstring& text, UINT type);

// Runs the open or save dialog on a filled OPENFILENAMEW; true when the user confirmed.
bool OpenFileDialog(OPENFILENAMEW& request);
bool SaveFileDialog(OPENFILENAMEW& request);

// Shell_NotifyIconA: adds, changes or removes a notification-area icon.
bool NotifyIcon(DWORD action, NOTIFYICONDATAA& record);

// Opens a file with the program the shell associates with it (ShellExecute "open");
// false when the shell could not.
bool OpenWithShell(HWND owner, const std::wstring& path);

using MessageHandler = std::function<int(HWND owner, const std::string& text, UINT type)>;
using FileDialogHandler = std::function<bool(bool save, OPENFILENAMEW& request)>;

using NotifyIconHandler = std::function<bool(DWORD action, const NOTIFYICONDATAA& record)>;  // the narrow shell 5.0 record
// The handler is given the path in ANSI, as the tests compare it.
using ShellOpenHandler = std::function<bool(HWND owner, const std::string& path)>;

// Replace the real dialogs and shell calls (an empty function restores them).
void SetMessageHandler(MessageHandler handler);
void SetFileDialogHandler(FileDialogHandler handler);
void SetNotifyIconHandler(NotifyIconHandler handler);
void SetShellOpenHandler(ShellOpenHandler handler);

} // namespace ui
