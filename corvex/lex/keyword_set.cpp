#include "corvex/lex/keyword_set.h"

#include "corvex/lex/char_class.h"

namespace corvex::lex {

KeywordSet::KeywordSet(const char* const* words, bool ignoreCase) : ignoreCase_(ignoreCase) {
    for (; *words; ++words) {
        std::string_view word(*words);
        if (word.empty() || word.size() > kMaxLength) continue;
        char buffer[kMaxLength];
        folded_.emplace_back(fold(word, buffer));
        words_.push_back(word);
        if (word.size() < shortest_) shortest_ = word.size();
        if (word.size() > longest_) longest_ = word.size();
    }
    std::size_t capacity = 16;
    while (capacity < 4 * folded_.size()) capacity *= 2;
    slots_.assign(capacity, -1);
    for (std::size_t k = 0; k < folded_.size(); ++k) {
        std::size_t slot = hash(folded_[k]) & (capacity - 1);
        while (slots_[slot] >= 0) slot = (slot + 1) & (capacity - 1);
        slots_[slot] = static_cast<std::int32_t>(k);
    }
}

std::uint32_t KeywordSet::hash(std::string_view folded) {
    std::uint32_t h = 2166136261u;
    for (char c : folded) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h ^ (h >> 15);
}

std::string_view KeywordSet::fold(std::string_view word, char* buffer) const {
    if (!ignoreCase_) return word;
    for (std::size_t i = 0; i < word.size(); ++i) buffer[i] = asciiLower(word[i]);
    return std::string_view(buffer, word.size());
}

std::string_view KeywordSet::canonical(std::string_view word) const {
    if (word.size() < shortest_ || word.size() > longest_) return {};
    char buffer[kMaxLength];
    std::string_view key = fold(word, buffer);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash(key) & mask; slots_[slot] >= 0; slot = (slot + 1) & mask)
        if (folded_[static_cast<std::size_t>(slots_[slot])] == key)
            return words_[static_cast<std::size_t>(slots_[slot])];
    return {};
}

} // namespace corvex::lex
