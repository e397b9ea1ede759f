// The clipboard-history and favourites drop-downs and the About window.
#pragma once

#include <windows.h>
#include <string>

void CreateToolPopups(HWND main);
void DestroyToolWindows();
// Shows a drop-down under the given screen rectangle (a toolbar or menu-bar button).
void ShowClipboardPopup(const RECT& under);
void ShowFavouritesPopup(const RECT& under);
bool IsClipboardPopupVisible();
bool IsFavouritesPopupVisible();
// Opens every favourite marked to open at start-up, in list order.
void OpenStartupFavourites();

// The About window.
void ShowAboutWindow();

// Commands of the clipboard item menu, on the entry chosen in the history.
void PasteChosenClipboardEntry(HWND control);  // replaces the control's selection
void DeleteChosenClipboardEntry();
void ClearClipboardHistory();

// Commands of the favourites item menu, on the favourite chosen in the list.
void AddFavourite(const std::string& path);
void OpenChosenFavourite();
void OpenAllFavourites();
void DeleteChosenFavourite();
void DeleteAllFavourites();
void ToggleChosenFavouriteOnStartup();
