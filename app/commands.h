// Command dispatch: every WM_COMMAND of the main window, the editor's key commands,
// and the keys the message loop takes before any window sees them.
#pragma once

#include <windows.h>

// WM_COMMAND of the main window: the toolbar's own commands (lParam is the toolbar)
// or menu commands and the program's posts (notification code 0).
void DispatchCommand(WPARAM wParam, LPARAM lParam);
// Key command 242-251 reported by an editor control.
void OnEditorKeyCommand(WORD command);
// Ctrl+Tab and Ctrl+Shift+Tab in the main window select the next and previous tab,
// wrapping; true when the message was taken.
bool TranslateTabSwitchKey(const MSG& message);
// Alt+F/E/S/A/C/H, F10 and a lone Alt open the menu-bar menus whatever child of the
// main window has the focus; true when the message was taken.
bool TranslateMenuBarKey(const MSG& message);
// Both of the above: what the message loop calls before dispatching a message.
bool TranslateMainWindowKey(const MSG& message);
// Help: Help.chm of the application folder, or "The Help file was not found".
void ShowHelp();
