#include "corvex/lex/keyword_set.h"

#include "corvex/lex/char_class.h"

namespace corvex::lex {

KeywordSet::KeywordSet(const char* const* words, bool ignoreCase) : ignoreCase_(ignoreCase) {
    std::size_t count = 0;
    while (words[count]) ++count;
    folded_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string key(words[i]);
        if (key.size() > kMaxLength) continue;
        if (ignoreCase_)
            for (char& c : key) c = asciiLower(c);
        folded_.push_back(std::move(key));
    }
    words_.reserve(folded_.size());
    for (std::size_t i = 0, kept = 0; i < count; ++i) {
        std::string_view word(words[i]);
        if (word.size() > kMaxLength) continue;
        words_.emplace(folded_[kept++], word);
        if (word.size() < shortest_) shortest_ = word.size();
        if (word.size() > longest_) longest_ = word.size();
    }
}

std::string_view KeywordSet::fold(std::string_view word, char* buffer) const {
    if (!ignoreCase_) return word;
    for (std::size_t i = 0; i < word.size(); ++i) buffer[i] = asciiLower(word[i]);
    return std::string_view(buffer, word.size());
}

std::string_view KeywordSet::canonical(std::string_view word) const {
    if (word.size() < shortest_ || word.size() > longest_) return {};
    char buffer[kMaxLength];
    auto found = words_.find(fold(word, buffer));
    return found == words_.end() ? std::string_view() : found->second;
}

bool KeywordSet::contains(std::string_view word) const { return !canonical(word).empty(); }

} // namespace corvex::lex
