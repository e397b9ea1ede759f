// The editing control's settings kept in the registry under
// HKLM\Software\Brightmoor\Quillet\Editor Settings.
#pragma once

#include "platform/registry.h"

#include <windows.h>

// The macro slots the editing control keeps (played by the macro menu's first ten items).
constexpr int kMacroCount = 10;

// With a control: hand it the stored per-control values. Without (null): load the
// library-wide macros, hot keys and search histories.
void LoadEditorSettings(HWND control);
// With a control: store its values. Without: store the library-wide values and
// release the editor fonts.
void SaveEditorSettings(HWND control);

// The key the settings live in. Tests point it at a key of their own.
const registry::KeyPath& EditorSettingsKey();
void SetEditorSettingsKey(const registry::KeyPath& key);
