// The Options dialog: created hidden at start-up, shown on demand, destroyed at exit.
#pragma once

#include <windows.h>

void CreateOptionsDialog(HWND main);
// Shows the dialog, topmost exactly when `topmost` (the main window is topmost).
void ShowOptionsDialog(bool topmost);
void DestroyOptionsDialog();
// The dialog's check boxes that start-up and exit consult.
bool IsMinimiseOnStartupChecked();   // "Minimise Main Window On Startup"
bool IsOpenLastFilesChecked();       // "Open Last Files Used On Startup"
bool IsSkinOverrideChecked();
