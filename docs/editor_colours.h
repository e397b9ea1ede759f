// The skin's colours in the editor controls: splitter, line tooltips and skin folder
// always, and the text colours of [Editor] when the caller asks for the skin's colours
// over the control's own (the skin-override option). The skin's text colours are only
// shown: the control keeps the user's colours, which are what the program stores, and
// shows them again when the option is off or the skin has no editor colours.
#pragma once

#include <windows.h>
#include <vector>

void ApplySkinEditorColours(const std::vector<HWND>& controls, bool overrideColours);
