#include "corvex/search/text_search.h"

#include "corvex/lex/char_class.h"

#include <algorithm>
#include <functional>
#include <string>

namespace corvex::search {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

using lex::asciiLower;
using lex::isWordByte;

class Finder {
public:
    Finder(const TextSource& text, std::string_view pattern, const SearchOptions& options)
        : text_(text), options_(options), pattern_(fold(std::string(pattern))),
          searcher_(pattern_.begin(), pattern_.end()) {}

    // Calls `found(start)` for each candidate wholly inside [lo, hi) whose start lies in
    // [lo, startLimit), in order; stops when it returns true.
    template <class Found>
    void scanBlock(std::size_t lo, std::size_t hi, std::size_t startLimit, Found found) const {
        std::string block = fold(text_.text(lo, hi - lo));
        auto from = block.begin();
        while (true) {
            auto hit = std::search(from, block.end(), searcher_);
            if (hit == block.end()) return;
            std::size_t start = lo + static_cast<std::size_t>(hit - block.begin());
            if (start >= startLimit) return;
            if (wordOk(start) && found(start)) return;
            from = hit + 1;
        }
    }

    std::size_t length() const { return pattern_.size(); }

private:
    std::string fold(std::string s) const {
        if (!options_.caseSensitive)
            for (char& c : s) c = asciiLower(c);
        return s;
    }
    bool wordOk(std::size_t start) const {
        if (!options_.wholeWord) return true;
        std::size_t end = start + pattern_.size();
        bool before = start > 0 && isWordByte(static_cast<unsigned char>(text_.at(start - 1)));
        bool after = end < text_.size() && isWordByte(static_cast<unsigned char>(text_.at(end)));
        return !before && !after;
    }

    const TextSource& text_;
    const SearchOptions& options_;
    std::string pattern_;
    std::boyer_moore_horspool_searcher<std::string::const_iterator> searcher_;
};

bool clip(const TextSource& text, std::string_view pattern, std::size_t& begin, std::size_t& end) {
    end = std::min(end, text.size());
    return !pattern.empty() && begin <= end && end - begin >= pattern.size();
}

} // namespace

std::optional<Match> findForwardIn(const TextSource& text, std::string_view pattern,
                                   std::size_t begin, std::size_t end, const SearchOptions& options) {
    if (!clip(text, pattern, begin, end)) return std::nullopt;
    Finder finder(text, pattern, options);
    const std::size_t overlap = finder.length() - 1;
    for (std::size_t lo = begin; lo + finder.length() <= end; lo += kBlockSize) {
        std::size_t limit = std::min(end, lo + kBlockSize);
        std::size_t hi = std::min(end, limit + overlap);
        std::optional<Match> match;
        finder.scanBlock(lo, hi, limit, [&](std::size_t start) {
            match = Match{start, finder.length(), false};
            return true;
        });
        if (match) return match;
    }
    return std::nullopt;
}

std::optional<Match> findBackwardIn(const TextSource& text, std::string_view pattern,
                                    std::size_t begin, std::size_t end, const SearchOptions& options) {
    if (!clip(text, pattern, begin, end)) return std::nullopt;
    Finder finder(text, pattern, options);
    const std::size_t overlap = finder.length() - 1;
    // Starts of candidates lie in [begin, end - length]; walk them in blocks from the top.
    std::size_t top = end - finder.length() + 1;
    while (top > begin) {
        std::size_t lo = top - std::min(kBlockSize, top - begin);
        std::size_t hi = std::min(end, top + overlap);
        std::optional<Match> match;
        finder.scanBlock(lo, hi, top, [&](std::size_t start) {
            match = Match{start, finder.length(), false};
            return false;
        });
        if (match) return match;
        top = lo;
    }
    return std::nullopt;
}

std::optional<Match> findNext(const TextSource& text, std::string_view pattern, std::size_t from,
                              const SearchOptions& options) {
    from = std::min(from, text.size());
    if (auto match = findForwardIn(text, pattern, from, text.size(), options)) return match;
    if (!options.wrap || pattern.empty()) return std::nullopt;
    auto match = findForwardIn(text, pattern, 0, std::min(text.size(), from + pattern.size() - 1), options);
    if (match) match->wrapped = true;
    return match;
}

std::optional<Match> findPrevious(const TextSource& text, std::string_view pattern,
                                  std::size_t from, const SearchOptions& options) {
    from = std::min(from, text.size());
    if (auto match = findBackwardIn(text, pattern, 0, from, options)) return match;
    if (!options.wrap) return std::nullopt;
    auto match = findBackwardIn(text, pattern, 0, text.size(), options);
    if (match) match->wrapped = true;
    return match;
}

std::vector<Match> findAll(const TextSource& text, std::string_view pattern, std::size_t begin,
                           std::size_t end, const SearchOptions& options) {
    std::vector<Match> matches;
    if (!clip(text, pattern, begin, end)) return matches;
    Finder finder(text, pattern, options);
    const std::size_t overlap = finder.length() - 1;
    std::size_t next = begin; // matches may not overlap the previous one
    for (std::size_t lo = begin; lo + finder.length() <= end; lo += kBlockSize) {
        std::size_t limit = std::min(end, lo + kBlockSize);
        finder.scanBlock(lo, std::min(end, limit + overlap), limit, [&](std::size_t start) {
            if (start >= next) {
                matches.push_back(Match{start, finder.length(), false});
                next = start + finder.length();
            }
            return false;
        });
    }
    return matches;
}

bool matchesAt(const TextSource& text, std::string_view pattern, std::size_t start,
               std::size_t length, const SearchOptions& options) {
    if (length != pattern.size() || start > text.size() || text.size() - start < length) return false;
    auto match = findForwardIn(text, pattern, start, start + length, options);
    return match && match->start == start;
}

} // namespace corvex::search
