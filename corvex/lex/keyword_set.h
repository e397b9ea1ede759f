// A set of keywords built once from a data table, looked up by word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvex::lex {

class KeywordSet {
public:
    // `words` ends with a null entry. With `ignoreCase` lookups fold ASCII case and
    // canonical() returns the spelling of the table.
    KeywordSet(const char* const* words, bool ignoreCase);

    bool contains(std::string_view word) const { return !canonical(word).empty(); }
    std::string_view canonical(std::string_view word) const; // empty when absent
    bool ignoresCase() const { return ignoreCase_; }

private:
    static constexpr std::size_t kMaxLength = 32;
    static std::uint32_t hash(std::string_view folded);
    std::string_view fold(std::string_view word, char* buffer) const;

    bool ignoreCase_;
    std::size_t shortest_ = kMaxLength;
    std::size_t longest_ = 0;
    std::vector<std::string> folded_;     // the words as looked up
    std::vector<std::string_view> words_; // the words as spelled in the table
    std::vector<std::int32_t> slots_;     // open addressing: index into words_, -1 free
};

} // namespace corvex::lex
