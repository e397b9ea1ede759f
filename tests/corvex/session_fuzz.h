// The edit session driven by bytes: shared by the bounded GoogleTest run and the libFuzzer
// program. Returns "" when every check held, else what went wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvex_fuzz {

// The first bytes make a file (any encoding and line ends) and the rules (tab width, tab
// expansion, auto-indent); the rest is a sequence of typing, deleting, caret moves, stream
// and column selections, column typing and deletion, pastes, case changes, bookmarks, undo
// and redo, and macros: the steps taken while recording, played again as one undo step. Checked after every step: the selection and the bookmarks lie in the text, the
// line index agrees with a recount, text typed into a column block stands at the block's
// column on every line. At the end: undoing everything gives the file's text byte for byte,
// redoing everything the final text, and the saved bytes decode and encode to themselves.
std::string fuzzSession(const std::uint8_t* data, std::size_t size);

} // namespace corvex_fuzz
