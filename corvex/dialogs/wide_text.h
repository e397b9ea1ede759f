// Text between the forms the control meets: UTF-16 (windows and the wide functions),
// UTF-8 (the dialogs' own texts and histories, and most documents) and the ANSI code page
// (the callers' narrow messages and exports).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvex {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromAnsi(std::string_view ansi);
// The text in the ANSI code page; nothing when a character has no exact form there.
std::optional<std::string> AnsiFromWide(std::wstring_view wide);

} // namespace corvex
