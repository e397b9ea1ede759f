// Text in global memory, as the clipboard and OLE data objects hand it over: the Unicode
// form (CF_UNICODETEXT) and the ANSI form (CF_TEXT), each with its terminating null.
#pragma once

#include <windows.h>

#include <string>

namespace corvex {

// A new block holding `text` (null when out of memory); the caller owns it.
HGLOBAL GlobalUnicodeText(const std::wstring& text);
// The same in the ANSI code page (characters it lacks become its default character).
HGLOBAL GlobalAnsiText(const std::wstring& text);
// The text of a block, up to its first null or its end; false when it cannot be locked.
bool ReadGlobalUnicodeText(HGLOBAL memory, std::wstring& text);
bool ReadGlobalAnsiText(HGLOBAL memory, std::wstring& text);

} // namespace corvex
