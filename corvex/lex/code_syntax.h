// Data description of a programming language for the code scanner: keywords, comment
// and string delimiters, and a few switches for language habits.
#pragma once

#include "corvex/lex/keyword_set.h"

#include <cstdint>
#include <utility>

namespace corvex::lex {

struct BlockDelimiters {
    const char* open = nullptr; // null: unused
    const char* close = nullptr;
};

struct CodeSyntax {
    explicit CodeSyntax(KeywordSet words) : keywords(std::move(words)) {}

    KeywordSet keywords;
    const char* lineComments[2] = {nullptr, nullptr};
    BlockDelimiters blockComments[2];
    BlockDelimiters directive;      // a bracketed compiler directive, e.g. {$ ... }
    const char* quotes = "\"";      // string quote bytes, at most three
    bool backslashEscapes = false;  // \" does not end a string
    bool doubledQuotes = false;     // "" inside a string is a quote
    const char* multilineQuotes = "";// quotes whose strings run on over line ends
    bool rawStrings = false;        // R"delimiter( ... )delimiter", also over line ends
    bool lineContinuation = false;  // a final backslash continues strings, // comments, #lines
    bool hashDirectives = false;    // '#' first on a line makes a directive line
    bool remComments = false;       // the word Rem starts a comment
    bool annotations = false;       // @Name is a directive
    const char* numberPrefixes = "";// bytes that start a number before a hex digit ($FF, #13, &H1F)
    const char* extraWordBytes = "";// bytes beyond letters, digits and '_' inside words

    // What each byte may start or continue, derived from the fields above by finish().
    enum ByteClass : std::uint8_t {
        kWordStart = 1, kWordPart = 2, kOperatorByte = 4, kQuoteByte = 8,
        kOpensComment = 16, // first byte of a comment or directive opener
        kNumberPrefix = 32,
    };
    std::uint8_t classes[256] = {};
    void finish();
    bool is(unsigned char c, ByteClass cls) const { return (classes[c] & cls) != 0; }
};

namespace syntax {
const CodeSyntax& cpp();
const CodeSyntax& java();
const CodeSyntax& basic();
const CodeSyntax& pascal();
const CodeSyntax& sql();
const CodeSyntax& php();
const CodeSyntax& vbScript();
const CodeSyntax& javaScript();
const CodeSyntax& css();
const CodeSyntax& cfScript();
} // namespace syntax

} // namespace corvex::lex
