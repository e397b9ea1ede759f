// The clipboard-history and favourites drop-downs and the About window.
#pragma once

#include <windows.h>

void CreateToolPopups(HWND main);
void DestroyToolWindows();
// Shows a drop-down under the given screen rectangle (a toolbar or menu-bar button).
void ShowClipboardPopup(const RECT& under);
void ShowFavouritesPopup(const RECT& under);
bool IsClipboardPopupVisible();
bool IsFavouritesPopupVisible();
// Opens every favourite marked to open at start-up, in list order.
void OpenStartupFavourites();
