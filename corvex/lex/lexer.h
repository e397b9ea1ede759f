// The line-lexer interface. A lexer colours one line at a time: it takes the state at
// the line's start and returns the state at its end, so a view caches one state per
// line and relexes from an edited line only until the end state matches the cached
// start state of the next line.
#pragma once

#include "corvex/lex/token.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvex::lex {

// Opaque per-line state; 0 is the state at the start of a document. Any value is
// accepted as input (unknown bits are ignored), so stale caches cannot crash a lexer.
using LexState = std::uint32_t;
constexpr LexState kInitialState = 0;

class Lexer {
public:
    virtual ~Lexer() = default;
    virtual const char* name() const = 0;

    // Lexes `line` (without its line end). When `spans` is not null it is cleared and
    // filled with spans that cover the line exactly, in order, without gaps, empty
    // spans or two neighbours of the same kind. Returns the state at the line's end.
    virtual LexState lexLine(std::string_view line, LexState start,
                             std::vector<Span>* spans) const = 0;

    // For languages whose keywords ignore case: the keyword's canonical spelling when
    // `word` is a keyword, else empty. Used to correct keyword case while typing.
    virtual std::string_view canonicalKeyword(std::string_view word) const;
};

} // namespace corvex::lex
