// Saving the active document, and closing it with the save prompt.
#pragma once

#include <string>

// Writes the active document to its path; false (after the message) when the control
// did not save it, which leaves the document modified.
bool WriteDocument();
// Writes the active document to `path`, which becomes its path (and tab caption) only
// when the write succeeded. A document the control had to widen from ANSI to UTF-8 to
// keep its characters is reported once, at the save that did it.
bool WriteDocumentTo(const std::wstring& path);
// Save: writes the active document when it is modified, asking for a name when untitled.
void SaveDocument();
// Save As: asks for a name and writes the active document, modified or not.
void SaveDocumentAs();

// Asks "Save changes to <caption> ?" about the active document when it is modified.
// True when the document may go (saved, not modified, or No); false when it must
// stay: Cancel, a cancelled save dialog, or a save that failed.
bool AskToSaveActive();
// Close: the active document goes when AskToSaveActive allows; true when it went.
bool CloseWithPrompt();
