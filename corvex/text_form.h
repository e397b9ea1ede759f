// Text between the control's callers (UTF-16, or UTF-8 from the dialogs) and the
// document's own form: UTF-8, or the ANSI bytes of a file the code page describes.
#pragma once

#include "corvex/engine/file_codec.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvex {

// In the document's form. A character the code page has no byte for is refused, never
// replaced by a look-alike or a question mark: the text is then empty (with a beep).
std::string DocumentTextOf(const std::wstring& text, Encoding encoding);
std::wstring DisplayTextOf(std::string_view text, Encoding encoding);
// Nothing when the document's code page lacks a character of it (no such text can be in
// the document).
std::optional<std::string> DocumentTextOfUtf8(std::string_view utf8, Encoding encoding);

// Typed UTF-16 units joined into whole characters: a high surrogate waits for the low one
// that follows it; a low one without it is dropped.
class TypedUnits {
public:
    // The character `unit` completes, or nothing yet.
    std::wstring take(wchar_t unit);

private:
    wchar_t pending_ = 0;
};

} // namespace corvex
