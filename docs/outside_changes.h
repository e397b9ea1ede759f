// Files changed by another program while they are open in the editor.
#pragma once

struct Document;

// Asks about each open document whose file changed on disk (written, resized, deleted or
// moved) since the document read or wrote it or the user last answered about it: reload
// it (the caret stays on its line), or for a file that is gone, keep the document (as
// modified, so a save writes the file again) or close it. A document is asked about once
// per change, and not again while its question is on screen.
void CheckFilesChangedOutside();

// Before the active document is saved over its own file: when the file changed on disk
// since the document read or wrote it, asks whether to overwrite it. False when not.
bool MayOverwriteFile(Document& document);
