// What a control tells its parent window: WM_NOTIFY with one of the control's notification
// codes, or a key command the parent runs.
#pragma once

#include <windows.h>

namespace corvex {

void NotifyParent(HWND control, UINT code);
// NotifyKeyCommand with the program's command `command` (a hot key or a macro step).
void SendKeyCommand(HWND control, WORD command);

} // namespace corvex
