// The Corvex control's dialogs, for the view to open: its settings dialog (command 224),
// find (178), replace (169), find next / previous without a dialog (176 / 174) and go to
// line (168 with lParam -1). Each control's DialogSearchTarget implements SearchTarget
// (dialog_host.h), and the control tells SetActiveSearchTarget which one has the focus.
#pragma once

#include "corvex/dialogs/dialog_host.h"
#include "corvex/dialogs/search_session.h"

#include <windows.h>

namespace corvex::dialogs {

// Modal; true when closed with OK (the changes were then sent to `control` and its parent
// got NotifySettingsChanged).
bool ShowSettingsDialog(HWND control);

// Modeless, owned by the control's top-level window; `target` becomes the active search
// target. The find text starts as the selection when it is a single line, else the last
// search. Showing one of the two hides the other.
void ShowFindDialog(HWND control, SearchTarget& target);
void ShowReplaceDialog(HWND control, SearchTarget& target);

// Modal; true when the caret went to the line asked for.
bool ShowGoToLineDialog(HWND control, SearchTarget& target);

// At library shutdown: destroys the modeless dialogs and deletes the fonts the settings
// dialog created.
void ShutdownDialogs();

} // namespace corvex::dialogs
