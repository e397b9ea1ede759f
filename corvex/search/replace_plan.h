// Replace and Replace All as lists of edits for the view to apply (last one first, so
// earlier offsets stay valid, grouped as one undo step).
#pragma once

#include "corvex/engine/text_edit.h"
#include "corvex/search/text_search.h"

#include <optional>
#include <string>

namespace corvex::search {

using TextEdit = corvex::TextEdit;

// Replace: when the selection [start, start + length) is a match, the edit replacing it.
// The caret then goes to start + text.size() and the next match is searched from there.
std::optional<TextEdit> planReplace(const TextSource& text, std::string_view pattern,
                                    std::string_view replacement, std::size_t start,
                                    std::size_t length, const SearchOptions& options,
                                    bool preserveCase);

// Replace All inside [begin, end) (the document or the selection), in document order.
std::vector<TextEdit> planReplaceAll(const TextSource& text, std::string_view pattern,
                                     std::string_view replacement, std::size_t begin,
                                     std::size_t end, const SearchOptions& options,
                                     bool preserveCase);

} // namespace corvex::search
