// Command dispatch: every WM_COMMAND of the main window, the editor's key commands,
// and the keys the message loop takes before any window sees them.
#pragma once

#include "app/command_table.h"

#include <windows.h>

// Who sent a WM_COMMAND of the main window.
CommandSource SourceOf(WPARAM wParam, LPARAM lParam);
// Runs what the command table gives for a command of that source (nothing for a
// separator, a menu-bar button or an unknown number).
void RunCommand(CommandSource source, int command);
// Posts a command to the main window as its toolbar's (wParam's notification code 1, lParam
// the toolbar), or as a menu item's.
void PostToolbarCommand(int command);
void PostMenuCommand(int command);

// WM_COMMAND of the main window, run through the command table.
void DispatchCommand(WPARAM wParam, LPARAM lParam);
// Key command 242-251 reported by an editor control.
void OnEditorKeyCommand(WORD command);
// Ctrl+Tab and Ctrl+Shift+Tab in the main window select the next and previous tab,
// wrapping; true when the message was taken.
bool TranslateTabSwitchKey(const MSG& message);
// Alt+F/E/S/A/C/H, F10 and a lone Alt open the menu-bar menus whatever child of the
// main window has the focus; true when the message was taken.
bool TranslateMenuBarKey(const MSG& message);
// With no document open (so no editor control to take them), the keys of the editor's
// hot-key table that run program commands (Ctrl+N, Ctrl+O, ... as the user assigned
// them) run them from the main window; true when the message was taken.
bool TranslateKeyWithoutDocument(const MSG& message);
// All of the above: what the message loop calls before dispatching a message.
bool TranslateMainWindowKey(const MSG& message);
// Help: Help.chm of the application folder, or "The Help file was not found".
void ShowHelp();
