// The skin's colours in the editor controls: splitter, line tooltips and skin folder
// always, and the text colours of [Editor] with the skin-override option.
#pragma once

#include <windows.h>

// For a newly created document's control, after it got its settings.
void ApplySkinEditorColours(HWND control);
// For every open document (a skin was loaded).
void ApplySkinEditorColoursToDocuments();
