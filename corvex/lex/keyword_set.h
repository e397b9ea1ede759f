// A set of keywords built once from a data table, looked up by word.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvex::lex {

class KeywordSet {
public:
    // `words` ends with a null entry. With `ignoreCase` lookups fold ASCII case and
    // canonical() returns the spelling of the table.
    KeywordSet(const char* const* words, bool ignoreCase);

    bool contains(std::string_view word) const;
    std::string_view canonical(std::string_view word) const; // empty when absent
    bool ignoresCase() const { return ignoreCase_; }

private:
    static constexpr std::size_t kMaxLength = 32;
    std::string_view fold(std::string_view word, char* buffer) const;

    bool ignoreCase_;
    std::size_t shortest_ = kMaxLength;
    std::size_t longest_ = 0;
    std::vector<std::string> folded_;
    std::unordered_map<std::string_view, std::string_view> words_; // folded -> table spelling
};

} // namespace corvex::lex
