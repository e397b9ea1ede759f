// The languages the control colours, by the names the program uses.
#pragma once

#include "corvex/lex/lexer.h"

#include <string_view>

namespace corvex::lex {

// The lexer named exactly `name` ("ASP", "Basic", "C/C++", "ColdFusion", "HTML", "Java",
// "Pascal", "PHP", "SQL", "XML"); null for null, "" and any other name.
const Lexer* lexerByName(const char* name);
const Lexer* lexerByName(std::string_view name);

constexpr int kLanguageCount = 10;
// The names in the order above.
extern const char* const kLanguageNames[kLanguageCount];

} // namespace corvex::lex
