#include "options/options_dialog.h"

#include "platform/config.h"

// Until the dialog exists its check boxes stand for the [Main] and [Editor] flags they hold.
void CreateOptionsDialog(HWND) {}
void ShowOptionsDialog(bool) {}
void DestroyOptionsDialog() {}
bool IsMinimiseOnStartupChecked() { return config::ReadFlag("Main", "MinOnLoad"); }
bool IsOpenLastFilesChecked() { return config::ReadFlag("Main", "OpenFilesAtStartup"); }
bool IsSkinOverrideChecked() { return config::ReadFlag("Editor", "SkinOverride"); }
