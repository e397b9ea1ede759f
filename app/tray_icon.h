// The notification-area icon: its record, adding and removing it, its clicks, and coming
// back after the shell's taskbar restarts.
#pragma once

#include <windows.h>

constexpr UINT kTrayIconId = 500;

// Adds the icon and remembers it is on ([Main] SysTrayShow "1").
void AddTrayIcon();
// Removes the icon and remembers it is off ("0").
void RemoveTrayIconAndRemember();
// Removes the icon at exit, leaving the setting for the next start.
void RemoveTrayIcon();
// Puts the icon back after the taskbar was re-created, when it is on.
void RestoreTrayIcon();
// The icon's callback message (also sent by the skinned frame's menu button).
void OnTrayIconCallback(WPARAM wParam, LPARAM lParam);
