// Small questions about files that several rooms ask.
#pragma once

#include <string>

// Whether two names (of files, of registry keys) are one name as Windows compares them:
// case-blind for every letter, with the system's upper-case table.
bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b);

// True when `path` names an existing file (not a folder); a narrow path is ANSI.
bool FileExists(const std::wstring& path);
bool FileExists(const std::string& path);

// A path for the functions that only take ANSI paths (the profile functions that keep
// Config.ini's and skin.ini's bytes): the path itself when the code page spells it
// exactly, else its short (8.3) form when that is spelt exactly; "" when neither is.
// The file or folder must exist for a short form.
std::string AnsiPathOf(const std::wstring& path);
