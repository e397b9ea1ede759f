// What the main window is sent besides the system's messages: its private messages and
// the timers of the toolbar's press-and-hold buttons.
#pragma once

#include <windows.h>

constexpr UINT kTrayCallbackMessage = WM_USER + 1;  // 1025: the notification-area icon's events
constexpr UINT kCloseActiveMessage = WM_USER + 2;   // 1026: close the active document, asking first
constexpr UINT kOpenMenuBarMessage = WM_USER + 4;   // 1028: open the menu of menu-bar button wParam (700-705)
constexpr UINT kCheckFilesMessage = WM_USER + 5;    // 1029: ask about files changed by other programs

// Started when the Paste or Open button is pressed; firing before the release opens the
// clipboard history or the favourites under the button.
constexpr UINT_PTR kPasteHoldTimer = 300;
constexpr UINT_PTR kOpenHoldTimer = 301;
