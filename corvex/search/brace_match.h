// Matching brackets: (), [], {} and optionally <>. Given the document's lexer states,
// brackets inside comments and strings do not count, and a bracket inside a comment
// or string is matched only within that comment or string.
#pragma once

#include "corvex/engine/text_source.h"
#include "corvex/lex/lex_state_cache.h"

#include <cstddef>
#include <optional>

namespace corvex::search {

struct BraceOptions {
    bool angleBrackets = false;
    // Bounds for searching on every caret move: at most this many lines away from the
    // bracket's line, and no line longer than this many bytes is read (the search gives
    // up there). The defaults search the whole document.
    std::size_t maxLines = static_cast<std::size_t>(-1);
    std::size_t maxLineLength = static_cast<std::size_t>(-1);
};

// The bracket the caret touches: the byte at `caret` when it is one, else the byte before.
std::optional<std::size_t> braceNear(const TextSource& text, std::size_t caret,
                                     const BraceOptions& options = BraceOptions());

// Offset of the bracket matching the one at `offset`; nothing when `offset` holds no
// bracket or its partner is missing. `states` may be null (or have no lexer): then every
// bracket counts.
std::optional<std::size_t> matchBrace(const TextSource& text, std::size_t offset,
                                      lex::LexStateCache* states,
                                      const BraceOptions& options = BraceOptions());

} // namespace corvex::search
