#include "corvex/search/search_history.h"

#include <algorithm>

namespace corvex::search {
namespace {

// `text` up to its first line break, at most `limit` bytes, not ending inside a UTF-8
// sequence.
std::string_view oneLine(std::string_view text, std::size_t limit) {
    text = text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
    // A NUL cannot travel through a C string.
    text = text.substr(0, std::min(text.find('\0'), text.size()));
    if (text.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text = text.substr(0, cut);
    }
    return text;
}

} // namespace

void SearchHistory::add(std::string_view text) {
    std::string entry(oneLine(text, kJoinedLimit));
    if (entry.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), entry), entries_.end());
    entries_.insert(entries_.begin(), std::move(entry));
    trimToFit();
}

void SearchHistory::trimToFit() {
    if (entries_.size() > capacity_) entries_.resize(capacity_);
    std::size_t total = 0, kept = 0;
    for (const std::string& entry : entries_) {
        std::size_t next = total + (kept ? 1 : 0) + entry.size();
        if (next > kJoinedLimit) break;
        total = next;
        ++kept;
    }
    entries_.resize(kept);
}

std::string SearchHistory::join() const {
    std::string joined;
    for (const std::string& entry : entries_) {
        if (!joined.empty()) joined += kSeparator;
        joined += entry;
    }
    return joined;
}

void SearchHistory::split(std::string_view joined) {
    entries_.clear();
    while (!joined.empty() && entries_.size() < capacity_) {
        std::size_t end = std::min(joined.find(kSeparator), joined.size());
        std::string_view piece = joined.substr(0, end);
        if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
        std::string entry(oneLine(piece, kJoinedLimit));
        if (!entry.empty() && std::find(entries_.begin(), entries_.end(), entry) == entries_.end())
            entries_.push_back(std::move(entry));
        joined.remove_prefix(std::min(end + 1, joined.size()));
    }
    trimToFit();
}

} // namespace corvex::search
