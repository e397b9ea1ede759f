// The four fields of the status bar: free text, saved state, caret position, insert/overwrite.
#pragma once

#include <string>

namespace status {

void SetText(int field, const std::string& text);
// Field edges by whether a document is active.
void LayoutFields();
// Empties the fields, removes the saved-state icon and lays out the no-document state.
void Reset();
void UpdateCaretField();
void UpdateModeField();
void UpdateSavedField();
inline void UpdateAll() { UpdateCaretField(); UpdateSavedField(); UpdateModeField(); }

} // namespace status
