// A most-recently-used list of search texts, exchanged with the program as one string:
// the entries, newest first, separated by a line feed ('\n'), which a one-line search
// text cannot contain. The joined string never exceeds kJoinedLimit bytes (oldest
// entries are dropped to fit), so it fits a 1025-byte buffer with its NUL.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvex::search {

class SearchHistory {
public:
    static constexpr char kSeparator = '\n';
    static constexpr std::size_t kJoinedLimit = 1024;
    static constexpr std::size_t kDefaultCapacity = 16;

    explicit SearchHistory(std::size_t capacity = kDefaultCapacity)
        : capacity_(capacity ? capacity : 1) {}

    // Puts `text` first (moving it up when present). Text from a line break on is cut
    // off, as is anything beyond kJoinedLimit bytes; empty texts are ignored.
    void add(std::string_view text);

    const std::vector<std::string>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

    std::string join() const;
    // Replaces the entries with those of a joined string (tolerating "\r\n" separators,
    // empty pieces and more entries than the capacity, which are dropped).
    void split(std::string_view joined);

private:
    void trimToFit();

    std::size_t capacity_;
    std::vector<std::string> entries_; // newest first
};

} // namespace corvex::search
