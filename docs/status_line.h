// The four fields of the status bar: free text, saved state, caret position, insert/overwrite.
#pragma once

#include <string>

namespace status {

// Any text (a document's name in any script); the narrow form takes text of the ANSI
// code page.
void SetStatusText(int field, const std::wstring& text);
void SetStatusText(int field, const std::string& text);
// Field edges by whether a document is active.
void LayoutStatusFields();
inline void LayoutFields() { LayoutStatusFields(); }  // the frame layout's name for it
// Empties the fields, removes the saved-state icon and lays out the no-document state.
void Reset();
void UpdateCaretField();
void UpdateModeField();
// Field 1 and the "*" marker of the active tab.
void UpdateSavedField();
inline void UpdateAll() { UpdateCaretField(); UpdateSavedField(); UpdateModeField(); }

} // namespace status
