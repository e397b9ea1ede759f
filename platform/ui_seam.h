// The one road to message boxes and common file dialogs. Tests replace the real
// dialogs with answering functions and record what was asked.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <functional>
#include <string>

namespace ui {

constexpr const char* kCaption = "Quillet";

// Shows a message box captioned "Quillet"; returns the button pressed (IDOK, IDYES, ...).
int Message(HWND owner, const std::string& text, UINT type);

// Runs the open or save dialog on a filled OPENFILENAMEA; true when the user confirmed.
bool OpenFileDialog(OPENFILENAMEA& request);
bool SaveFileDialog(OPENFILENAMEA& request);

using MessageHandler = std::function<int(HWND owner, const std::string& text, UINT type)>;
using FileDialogHandler = std::function<bool(bool save, OPENFILENAMEA& request)>;

// Replace the real dialogs (an empty function restores them).
void SetMessageHandler(MessageHandler handler);
void SetFileDialogHandler(FileDialogHandler handler);

} // namespace ui
