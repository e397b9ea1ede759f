#include "corvex/search/text_search.h"

#include "corvex/lex/char_class.h"

#include <algorithm>
#include <array>
#include <string>

namespace corvex::search {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

using lex::asciiLower;
using lex::isWordByte;

// Horspool's search over a block of bytes. Without match case the pattern is folded once
// and each byte of the text is folded only when looked at, so the text itself is never
// rewritten: a search of any case costs about what one of exact case does.
class Horspool {
public:
    Horspool(std::string_view pattern, bool caseSensitive)
        : pattern_(pattern), fold_(!caseSensitive) {
        if (fold_)
            for (char& c : pattern_) c = asciiLower(c);
        const std::size_t m = pattern_.size();
        if (m == 0) return;  // never searched for: an empty pattern finds nothing
        const auto set = [&](char c, std::size_t shift) {
            skip_[static_cast<unsigned char>(c)] = shift;
            if (fold_) skip_[static_cast<unsigned char>(lex::asciiUpper(c))] = shift;
        };
        skip_.fill(m);
        for (std::size_t k = 0; k + 1 < m; ++k) set(pattern_[k], m - 1 - k);
        lastShift_ = skip_[static_cast<unsigned char>(pattern_[m - 1])];
        set(pattern_[m - 1], 0);
    }

    std::size_t length() const { return pattern_.size(); }

    // The first match starting in [from, size - length], or npos.
    std::size_t find(const char* text, std::size_t size, std::size_t from) const {
        return fold_ ? find<true>(text, size, from) : find<false>(text, size, from);
    }

private:
    template <bool Fold>
    std::size_t find(const char* text, std::size_t size, std::size_t from) const {
        const std::size_t m = pattern_.size();
        if (m == 0 || size < m) return std::string::npos;
        const char* const pattern = pattern_.data();
        const std::size_t limit = size - m;
        const unsigned char* const ends = reinterpret_cast<const unsigned char*>(text) + m - 1;
        for (std::size_t at = from; at <= limit;) {
            // Skip while the window's last byte cannot end a match (shift 0 only for the
            // pattern's last byte), then compare.
            std::size_t skip;
            while ((skip = skip_[ends[at]]) != 0) {
                at += skip;
                if (at > limit) return std::string::npos;
            }
            if (equalBefore<Fold>(text + at, pattern, m - 1)) return at;
            at += lastShift_;
        }
        return std::string::npos;
    }
    template <bool Fold>
    static bool equalBefore(const char* at, const char* pattern, std::size_t n) {
        if (!Fold) return std::char_traits<char>::compare(at, pattern, n) == 0;
        for (std::size_t k = 0; k < n; ++k)
            if (asciiLower(at[k]) != pattern[k]) return false;
        return true;
    }

    std::string pattern_;
    bool fold_;
    std::array<std::size_t, 256> skip_;  // Horspool's shifts, 0 for the pattern's last byte
    std::size_t lastShift_ = 1;           // the shift after a window whose last byte matched
};

class Finder {
public:
    Finder(const TextSource& text, std::string_view pattern, const SearchOptions& options)
        : text_(text), options_(options), searcher_(pattern, options.caseSensitive) {}

    // Calls `found(start)` for each candidate wholly inside [lo, hi) whose start lies in
    // [lo, startLimit), in order; stops when it returns true.
    template <class Found>
    void scanBlock(std::size_t lo, std::size_t hi, std::size_t startLimit, Found found) const {
        // One buffer for every block: a fresh megabyte each time would cost its page faults.
        text_.textInto(lo, hi - lo, block_);
        for (std::size_t from = 0;; ++from) {
            from = searcher_.find(block_.data(), block_.size(), from);
            if (from == std::string::npos) return;
            const std::size_t start = lo + from;
            if (start >= startLimit) return;
            if (wordOk(start) && found(start)) return;
        }
    }

    std::size_t length() const { return searcher_.length(); }

private:
    bool wordOk(std::size_t start) const {
        if (!options_.wholeWord) return true;
        std::size_t end = start + length();
        bool before = start > 0 && isWordByte(static_cast<unsigned char>(text_.at(start - 1)));
        bool after = end < text_.size() && isWordByte(static_cast<unsigned char>(text_.at(end)));
        return !before && !after;
    }

    const TextSource& text_;
    const SearchOptions& options_;
    Horspool searcher_;
    mutable std::string block_;
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
