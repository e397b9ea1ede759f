#include "tools/tool_windows.h"

// Filled in with the clipboard viewer, the favourites and the About window.
void CreateToolPopups(HWND) {}
void DestroyToolWindows() {}
void ShowClipboardPopup(const RECT&) {}
void ShowFavouritesPopup(const RECT&) {}
bool IsClipboardPopupVisible() { return false; }
bool IsFavouritesPopupVisible() { return false; }
void OpenStartupFavourites() {}
void ShowAboutWindow() {}
void PasteChosenClipboardEntry(HWND) {}
void DeleteChosenClipboardEntry() {}
void ClearClipboardHistory() {}
void AddFavourite(const std::string&) {}
void OpenChosenFavourite() {}
void OpenAllFavourites() {}
void DeleteChosenFavourite() {}
void DeleteAllFavourites() {}
void ToggleChosenFavouriteOnStartup() {}
