// Real keyboard input for end-to-end tests: SendInput to whatever window has the focus,
// as a user's keystrokes arrive, never a message posted to a chosen window.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Brings `window` to the foreground and waits until its thread's focus is `focus`
// (any window of that thread when null); false when that did not happen.
bool FocusForInput(HWND window, HWND focus = nullptr, int ms = 10000);
// The window with the keyboard focus in the thread of `window`.
HWND FocusedWindow(HWND window);

// One key pressed and released, with modifiers held around it (VK_MENU, VK_CONTROL,
// VK_SHIFT; 0 for none).
void PressKey(WORD key, WORD modifier = 0, WORD secondModifier = 0);
// A modifier pressed and released alone (a lone Alt, say).
void TapKey(WORD key);
// UTF-16 text typed as Unicode keystrokes (KEYEVENTF_UNICODE), as input methods do.
void TypeUnicode(const std::wstring& text);

// The mouse: moved to a screen point, then a button pressed and released there.
void MoveMouse(POINT screen);
void Click(POINT screen, bool right = false);

} // namespace e2e

namespace e2e {

// A picture of this moment when the environment variable QUILLET_SHOTS_DIR names a
// folder: writes <folder>\<name>.ready and waits (up to 10 s) for <folder>\<name>.png,
// which a watcher outside Wine takes from the display (./quillet shots). Nothing otherwise.
void ShotIfAsked(const char* name);

} // namespace e2e
