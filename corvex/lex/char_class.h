// Byte classes shared by the lexers, search and brace matching. Bytes from 0x80 up
// count as word bytes so that UTF-8 and ANSI letters stay inside words.
#pragma once

namespace corvex::lex {

inline bool isAsciiAlpha(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
inline bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
inline bool isWordByte(unsigned char c) {
    return isAsciiAlpha(c) || isDigit(c) || c == '_' || c >= 0x80;
}
inline bool isBlank(unsigned char c) { return c == ' ' || c == '\t'; }
inline char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}
inline char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c;
}

} // namespace corvex::lex
