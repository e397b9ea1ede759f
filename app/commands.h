// Command dispatch: every WM_COMMAND of the main window and the editor's key commands.
#pragma once

#include <windows.h>

void DispatchCommand(WPARAM wParam, LPARAM lParam);
void OnEditorKeyCommand(WORD command);
// Context menus opened at the cursor.
void ShowTabMenu();
void ShowEditorMenu();
