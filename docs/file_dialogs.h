// The open and save dialogs with the program's filter list and the folders and
// filter indexes they remember (held in App(), written to Config.ini at exit).
#pragma once

#include <windows.h>
#include <string>

// The filter list in the dialogs' form: pairs of shown text and pattern, each
// NUL-terminated, the whole list ending in a second NUL.
const std::wstring& FileFilterList();

// Return the chosen path, or "" when the dialog was cancelled.
std::wstring ShowOpenDialog(HWND owner, const wchar_t* defaultExtension, DWORD flags);
std::wstring ShowSaveDialog(HWND owner, const wchar_t* defaultExtension, DWORD flags);
