// Finding a literal text in a document: forwards and backwards, optionally matching
// case and whole words only, with wrapping. Case folding covers ASCII letters; other
// bytes must match exactly.
#pragma once

#include "corvex/engine/text_source.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace corvex::search {

struct SearchOptions {
    bool caseSensitive = false;
    bool wholeWord = false; // no word byte (letter, digit, '_', >= 0x80) right before or after
    bool wrap = true;
};

struct Match {
    std::size_t start = 0;
    std::size_t length = 0;
    bool wrapped = false; // found only after wrapping around the document's end or start
    std::size_t end() const { return start + length; }
};

// The first match at or after `from`; with wrapping, else the first one before it.
std::optional<Match> findNext(const TextSource& text, std::string_view pattern, std::size_t from,
                              const SearchOptions& options);

// The last match that ends at or before `from` (so it never overlaps a selection that
// starts there); with wrapping, else the last match of the document.
std::optional<Match> findPrevious(const TextSource& text, std::string_view pattern,
                                  std::size_t from, const SearchOptions& options);

// The first / last match lying wholly inside [begin, end). A view can search a huge
// document in slices of a few megabytes to stay responsive.
std::optional<Match> findForwardIn(const TextSource& text, std::string_view pattern,
                                   std::size_t begin, std::size_t end, const SearchOptions& options);
std::optional<Match> findBackwardIn(const TextSource& text, std::string_view pattern,
                                    std::size_t begin, std::size_t end, const SearchOptions& options);

// Every match inside [begin, end), in order, none overlapping.
std::vector<Match> findAll(const TextSource& text, std::string_view pattern, std::size_t begin,
                           std::size_t end, const SearchOptions& options);

// Whether `length` bytes at `start` are a match (the selection check of Replace).
bool matchesAt(const TextSource& text, std::string_view pattern, std::size_t start,
               std::size_t length, const SearchOptions& options);

} // namespace corvex::search
