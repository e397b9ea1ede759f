#include "docs/editor_settings.h"

// Filled in with the registry persistence of the editor settings.
void LoadEditorSettings(HWND) {}
void SaveEditorSettings(HWND) {}
