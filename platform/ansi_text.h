// Text of the ANSI code page, as the program's narrow strings hold it, turned into the
// UTF-16 that the wide Win32 functions take.
#pragma once

#include <string>

std::wstring WidenAnsi(const std::string& text);
