// The system dialogs the Corvex dialogs open: message boxes, the colour picker and the
// font picker. Each goes through a replaceable function so that tests can answer them.
#pragma once

#include <windows.h>

#include <string>

namespace corvex::dialogs {

// Texts are UTF-8.
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT type);
// Lets the user change `colour`; false when cancelled.
bool PickColour(HWND owner, COLORREF& colour);
// Lets the user change `font`; false when cancelled.
bool PickFont(HWND owner, LOGFONTA& font);

using MessageFunction = int (*)(HWND owner, const std::string& text, const std::string& caption, UINT type);
using ColourFunction = bool (*)(HWND owner, COLORREF& colour);
using FontFunction = bool (*)(HWND owner, LOGFONTA& font);  // the settings' LOGFONTA
// Null restores the system's dialog.
void SetMessageFunction(MessageFunction function);
void SetColourFunction(ColourFunction function);
void SetFontFunction(FontFunction function);

} // namespace corvex::dialogs
