// Printing through the system print dialog: the view's font at 10 points, margins of
// three quarters of an inch, long lines wrapped, a header with the document's name (or
// "Untitled") and a footer with the page number.
#pragma once

#include "corvex/engine/text_source.h"

#include <windows.h>

#include <string>

namespace corvex {

// False when the user cancelled or the printer failed.
bool PrintText(HWND owner, const TextSource& text, HFONT base, const std::wstring& documentName, unsigned tabSize,
               bool utf8);

} // namespace corvex
