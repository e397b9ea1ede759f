// The arguments of a Windows command line: what follows the program's name, as WinMain's
// lpCmdLine gives them, for the UTF-16 command line of GetCommandLineW. No Windows here.
#pragma once

#include <string>

// The program's name is skipped as Windows skips it: up to the closing quote when it
// starts with one, otherwise up to the first blank (a space, a tab or another control
// character); then the blanks after it.
std::wstring ArgumentsOf(const std::wstring& commandLine);
