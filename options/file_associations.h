// File associations under HKEY_CLASSES_ROOT: making the program (through its launcher)
// the "open" handler of a file type, with the type's previous registration kept in the
// program's key and restored on removal. Key names and values are UTF-16 and go through
// the registry's wide functions, so a type in any script is written as typed.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

namespace options {

// Points type `type` at the program's key "Quillet" + type, keeping the previous
// registration's key name in its Backup value and copying its description and icon.
// False when a key could not be written: what was written is undone then.
bool Associate(const std::wstring& type, const std::wstring& appFolder);
// Deletes the program's key. The type points back at the key named in Backup only while
// it still points at the program's key: when another program took the type since (or the
// program's key is gone), its registration is that program's and stays as it is. True
// when the Backup was restored.
bool Unassociate(const std::wstring& type);

// Whether the list already holds the type text: type texts that name the same registry key
// (SameNameIgnoringCase: ".Ä" and ".ä" are one type).
bool ListHolds(const std::vector<std::wstring>& list, const std::wstring& type);

// The default (or named) REG_SZ value of a key under HKEY_CLASSES_ROOT; "" for a missing
// key or value, another type, or a value longer than 259 characters.
std::wstring ReadClassesValue(const std::wstring& key, const wchar_t* name = nullptr);

} // namespace options
