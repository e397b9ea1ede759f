// The notification-area icon.
#pragma once

#include <windows.h>

void OnTrayIconCallback(WPARAM wParam, LPARAM lParam);
// Puts the icon back after the taskbar was re-created.
void RestoreTrayIcon();
void RemoveTrayIcon();
