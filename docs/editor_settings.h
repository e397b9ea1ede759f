// The editing control's settings kept in the registry.
#pragma once

#include <windows.h>

// With a control: hand it the stored per-control values. Without (null): load the
// library-wide macros, hot keys and search histories.
void LoadEditorSettings(HWND control);
// With a control: store its values. Without: store the library-wide values.
void SaveEditorSettings(HWND control);
