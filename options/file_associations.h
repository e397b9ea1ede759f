// File associations under HKEY_CLASSES_ROOT: making the program (through its launcher)
// the "open" handler of a file type, with the type's previous registration kept in the
// program's key and restored on removal; and switching the Explorer extension.
#pragma once

#include <windows.h>
#include <string>

namespace options {

// Points type `type` at the program's key "Quillet" + type, keeping the previous
// registration's key name in its Backup value and copying its description and icon.
// False when a key could not be written: what was written is undone then.
bool Associate(const std::string& type, const std::string& appFolder);
// Points the type back at the key named in Backup and deletes the program's key.
void Unassociate(const std::string& type);

// The default (or named) REG_SZ value of a key under HKEY_CLASSES_ROOT; "" for a missing
// key or value, another type, or a value longer than 259 characters.
std::string ReadClassesValue(const std::string& key, const char* name = nullptr);

// Loads Vantrix.dll from the application folder and calls DllUnregisterServer (unregister)
// or DllRegisterServer; true when it reported success. Failures to load the library or
// find the function are reported with `owner` as the message's owner, unless `quiet`.
bool SetShellExtension(bool unregister, const std::string& appFolder, HWND owner, bool quietWhenMissing = false);

} // namespace options
