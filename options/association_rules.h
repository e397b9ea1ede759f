// The rules of file associations that need no registry: the program's key name for a
// type, the launcher's command line and which type texts are refused. Free of windows so
// it can be tested anywhere. Texts are UTF-16, as the registry's wide functions take them.
#pragma once

#include <string>
#include <vector>

namespace options {

// "Quillet" followed by the type text: the key the program writes for type T.
std::wstring ProgramKeyFor(const std::wstring& type);

// The "open" command the program writes: the launcher's full path in double quotes, a
// space, and "%1" in double quotes. `appFolder` ends in a backslash.
std::wstring LauncherCommand(const std::wstring& appFolder);

// Why a type text cannot be associated, or "" when it can. A text with a backslash, "*",
// or nothing but spaces would rewrite registrations that are not a file type's; the types
// Windows runs as programs (.exe, .com, .bat, .cmd, .lnk, .scr, .pif) would stop every
// program, the editor included, from starting through the shell.
std::wstring RefusalOf(const std::wstring& type);

} // namespace options
