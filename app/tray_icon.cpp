#include "app/tray_icon.h"

// Filled in with the tray icon and its menu.
void OnTrayIconCallback(WPARAM, LPARAM) {}
void RestoreTrayIcon() {}
void RemoveTrayIcon() {}
