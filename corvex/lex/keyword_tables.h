// Keyword lists of the languages, each ending with a null entry.
#pragma once

namespace corvex::lex::keywords {

extern const char* const kCpp[];
extern const char* const kJava[];
extern const char* const kBasic[];
extern const char* const kVbScript[];
extern const char* const kPascal[];
extern const char* const kSql[];
extern const char* const kPhp[];
extern const char* const kJavaScript[];
extern const char* const kCfScript[];
extern const char* const kNone[];

} // namespace corvex::lex::keywords
