// Text of the ANSI code page, as the program's narrow strings hold it, turned into the
// UTF-16 that the wide Win32 functions take.
#pragma once

#include "platform/stored_text.h"

#include <string>

std::wstring WidenAnsi(const std::string& text);
// UTF-16 in the ANSI code page, a character it lacks as its best fit or '?': only for
// what a peer or a stored format takes as ANSI, never for a path that is to be opened.
std::string NarrowToAnsi(const std::wstring& text);

// The machine's ANSI code page for stored text (see stored_text.h). A character it has no
// exact form for (no best fit) makes ToAnsi fail. Where the ANSI code page is UTF-8
// (Windows 10's "Use Unicode UTF-8" option), every text fits.
const stored::CodePage& AnsiCodePage();
