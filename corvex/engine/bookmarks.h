// The bookmarked lines of one document, kept sorted. An edit that replaces lines moves
// the bookmarks below it by the change in line count; a bookmark on a line that the edit
// removed goes to the first line of the edit. Each edit costs O(bookmarks).
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace corvex {

class Bookmarks {
public:
    // Sets a bookmark on `line`, or removes the one there.
    void toggle(std::size_t line);
    bool has(std::size_t line) const;
    void clear() { lines_.clear(); }
    bool empty() const { return lines_.empty(); }
    const std::vector<std::size_t>& lines() const { return lines_; }

    // The first bookmark after / the last before `line`, wrapping around the document.
    std::optional<std::size_t> next(std::size_t line) const;
    std::optional<std::size_t> previous(std::size_t line) const;

    // Lines [first, first + oldCount) became `newCount` lines.
    void linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount);

private:
    std::vector<std::size_t> lines_; // ascending, no duplicates
};

} // namespace corvex
