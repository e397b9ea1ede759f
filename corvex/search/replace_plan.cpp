#include "corvex/search/replace_plan.h"

#include "corvex/search/preserve_case.h"

namespace corvex::search {

std::optional<TextEdit> planReplace(const TextSource& text, std::string_view pattern,
                                    std::string_view replacement, std::size_t start,
                                    std::size_t length, const SearchOptions& options,
                                    bool preserveCase) {
    if (!matchesAt(text, pattern, start, length, options)) return std::nullopt;
    return TextEdit{start, length, replacementFor(text.text(start, length), replacement, preserveCase)};
}

std::vector<TextEdit> planReplaceAll(const TextSource& text, std::string_view pattern,
                                     std::string_view replacement, std::size_t begin,
                                     std::size_t end, const SearchOptions& options,
                                     bool preserveCase) {
    std::vector<TextEdit> edits;
    for (const Match& match : findAll(text, pattern, begin, end, options)) {
        std::string matched = preserveCase ? text.text(match.start, match.length) : std::string();
        edits.push_back(TextEdit{match.start, match.length,
                                 replacementFor(matched, replacement, preserveCase)});
    }
    return edits;
}

} // namespace corvex::search
