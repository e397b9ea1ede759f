// The tool windows as the rest of the program sees them: the clipboard-history and
// favourites drop-downs and the About window, one of each for the whole program.
#pragma once

#include "tools/tool_host.h"

#include <windows.h>
#include <string>

// Creates both drop-downs hidden (the clipboard one joins the clipboard-viewer chain,
// the favourites one loads its list). The host must be set first.
void CreateToolPopups();
// Keeps the clipboard history out of the clipboard-viewer chain from the next creation on
// (for a program run inside a test process).
void StayOutOfClipboardChain();
// Destroys the drop-downs (the favourites write their list) and the About window.
void DestroyToolPopups();
void DestroyAboutWindow();

// Opens a drop-down under button `command` of the toolbar or menu bar `bar`; returns
// when it has closed.
void ShowClipboardPopup(HWND bar, int command);
void ShowFavouritesPopup(HWND bar, int command);
bool IsClipboardPopupVisible();
bool IsFavouritesPopupVisible();
// Opens every favourite marked to open at start-up, in list order.
void OpenStartupFavourites();

void ShowAboutWindow();
bool IsAboutWindowVisible();

// Commands of the clipboard item menu, on the entry chosen in the history.
void PasteChosenClipboardEntry(HWND control);  // replaces the control's selection
void DeleteChosenClipboardEntry();
void ClearClipboardHistory();

// Commands of the favourites item menu, on the favourite chosen in the list.
void AddFavourite(const std::wstring& path);
void OpenChosenFavourite();
void OpenAllFavourites();
void DeleteChosenFavourite();
void DeleteAllFavourites();
void ToggleChosenFavouriteOnStartup();
