// The Options dialog ("Quillet Options"): three pages of program-wide options. Creating
// it (hidden, while the main window is built) loads every option from Config.ini and puts
// it into effect; afterwards it is only shown and hidden until the program exits.
#pragma once

#include <windows.h>

// Creates the dialog hidden, loads the stored options and applies them all. The options
// host must be set first.
void CreateOptionsDialog();
// Shows the dialog, topmost exactly when `topmost` (the main window is topmost).
void ShowOptionsDialog(bool topmost);
bool IsOptionsDialogVisible();
// Destroys the dialog at exit (its position is written then).
void DestroyOptionsDialog();
// The dialog's window, null until created.
HWND OptionsDialogWindow();

// The dialog's check boxes that start-up and the exit consult (the stored flags while the
// dialog does not exist), and the skin-colour option as last applied.
bool IsMinimiseOnStartupChecked();   // "Minimise Main Window On Startup"
bool IsOpenLastFilesChecked();       // "Open Last Files Used On Startup"
bool IsSkinOverrideChecked();        // "Allow Skins To Override Editor Settings"
// [Main] BackupSeconds: seconds after a document's last change before its backup is
// written (0: none), 7 when not set.
int StoredBackupSeconds();
