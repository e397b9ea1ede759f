// Find next / previous with every option combination, wrapping, and matches that
// straddle the blocks the search reads.
#include "corvex/search/text_search.h"
#include "tests/corvex-scan/string_source.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>

namespace corvex::search {
namespace {

using test::StringSource;

SearchOptions options(bool caseSensitive, bool wholeWord, bool wrap = true) {
    SearchOptions o;
    o.caseSensitive = caseSensitive;
    o.wholeWord = wholeWord;
    o.wrap = wrap;
    return o;
}

// Offsets of successive findNext results from 0 until the search wraps.
std::vector<std::size_t> allStarts(const StringSource& doc, std::string_view pattern, SearchOptions o) {
    std::vector<std::size_t> starts;
    std::size_t from = 0;
    while (auto m = findNext(doc, pattern, from, o)) {
        if (m->wrapped) break;
        starts.push_back(m->start);
        from = m->end();
    }
    return starts;
}

TEST(FindNext, EveryOptionCombination) {
    StringSource doc("Cat cat concat CAT_ cat.");
    using V = std::vector<std::size_t>;
    EXPECT_EQ(allStarts(doc, "cat", options(false, false)), (V{0, 4, 11, 15, 20}));
    EXPECT_EQ(allStarts(doc, "cat", options(true, false)), (V{4, 11, 20}));
    EXPECT_EQ(allStarts(doc, "cat", options(false, true)), (V{0, 4, 20}));
    EXPECT_EQ(allStarts(doc, "cat", options(true, true)), (V{4, 20}));
    EXPECT_EQ(allStarts(doc, "CAT", options(true, true)), V{});
}

TEST(FindNext, WrapsToTheStartOnlyWhenAsked) {
    StringSource doc("one two one");
    auto m = findNext(doc, "one", 9, options(false, false));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->start, 0u);
    EXPECT_TRUE(m->wrapped);
    EXPECT_FALSE(findNext(doc, "one", 9, options(false, false, false)));
    EXPECT_FALSE(findNext(doc, "three", 0, options(false, false)));
    EXPECT_FALSE(findNext(doc, "", 0, options(false, false)));
    EXPECT_FALSE(findNext(doc, "one two one!", 0, options(false, false)));
}

TEST(FindPrevious, NeverOverlapsTheOffsetAndWrapsToTheEnd) {
    StringSource doc("aaa b aaa");
    auto m = findPrevious(doc, "aa", 6, options(false, false));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->start, 1u); // the last match ending at or before 6
    EXPECT_FALSE(m->wrapped);
    m = findPrevious(doc, "aa", 1, options(false, false));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->start, 7u);
    EXPECT_TRUE(m->wrapped);
    EXPECT_FALSE(findPrevious(doc, "aa", 1, options(false, false, false)));
    m = findPrevious(doc, "AAA", 9, options(true, false));
    EXPECT_FALSE(m);
    m = findPrevious(doc, "aaa", 9, options(false, true));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->start, 6u);
}

TEST(FindInLargeText, MatchesAcrossBlockBoundariesAreFoundOnce) {
    const std::size_t block = 1 << 20;
    std::string text(3 * block, 'x');
    text.replace(block - 2, 6, "needle");
    text.replace(2 * block - 5, 6, "NEEDLE");
    StringSource doc(text);
    auto o = options(false, false);
    EXPECT_EQ(allStarts(doc, "needle", o), (std::vector<std::size_t>{block - 2, 2 * block - 5}));
    auto last = findPrevious(doc, "needle", doc.size(), o);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->start, 2 * block - 5);
    auto before = findPrevious(doc, "needle", last->start, o);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->start, block - 2);
    EXPECT_EQ(findAll(doc, "needle", 0, doc.size(), o).size(), 2u);
    StringSource plain(std::string(3 * block + 1, 'x'));
    EXPECT_EQ(findAll(plain, "xx", 0, plain.size(), o).size(), 3 * block / 2);
}

// Every match of each option combination against a plain reading of the text, on random
// texts and patterns over a few letters of both cases, so that partial matches, repeats in
// the pattern and matches at the very ends are common.
TEST(FindNext, AgreesWithAPlainSearchOnRandomTexts) {
    std::mt19937 random(11);
    const std::string letters = "aAbB_ \n";
    const auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    const auto wordByte = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    for (int round = 0; round < 400; ++round) {
        std::string text(random() % 60, ' '), pattern(1 + random() % 4, ' ');
        for (char& c : text) c = letters[random() % letters.size()];
        for (char& c : pattern) c = letters[random() % 4];
        const StringSource doc(text);
        for (bool caseSensitive : {true, false})
            for (bool wholeWord : {true, false}) {
                const std::string hay = caseSensitive ? text : lower(text);
                const std::string needle = caseSensitive ? pattern : lower(pattern);
                std::vector<std::size_t> expected;
                for (std::size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + 1)) {
                    const std::size_t end = at + needle.size();
                    const bool whole = (at == 0 || !wordByte(text[at - 1])) && (end == text.size() || !wordByte(text[end]));
                    if ((!wholeWord || whole) && (expected.empty() || at >= expected.back() + needle.size()))
                        expected.push_back(at);
                }
                SCOPED_TRACE("text \"" + text + "\", pattern \"" + pattern + "\", case " +
                             std::to_string(caseSensitive) + ", whole word " + std::to_string(wholeWord));
                const SearchOptions o = options(caseSensitive, wholeWord);
                EXPECT_EQ(allStarts(doc, pattern, o), expected);
                std::vector<std::size_t> all;
                for (const Match& m : findAll(doc, pattern, 0, doc.size(), o)) all.push_back(m.start);
                EXPECT_EQ(all, expected);
                const auto last = findPrevious(doc, pattern, doc.size(), options(caseSensitive, wholeWord, false));
                std::size_t lastStart = std::string::npos;
                for (std::size_t at = hay.rfind(needle); at != std::string::npos && lastStart == std::string::npos;
                     at = at ? hay.rfind(needle, at - 1) : std::string::npos) {
                    const std::size_t end = at + needle.size();
                    if (!wholeWord ||
                        ((at == 0 || !wordByte(text[at - 1])) && (end == text.size() || !wordByte(text[end]))))
                        lastStart = at;
                }
                EXPECT_EQ(last ? last->start : std::string::npos, lastStart);
            }
    }
}

TEST(FindInRange, ResultsLieWhollyInside) {
    StringSource doc("ab ab ab");
    auto o = options(true, false);
    EXPECT_FALSE(findForwardIn(doc, "ab", 1, 4, o));
    EXPECT_EQ(findForwardIn(doc, "ab", 1, 5, o)->start, 3u);
    EXPECT_EQ(findBackwardIn(doc, "ab", 0, 7, o)->start, 3u);
    EXPECT_EQ(findBackwardIn(doc, "ab", 4, 99, o)->start, 6u);
    // Whole-word checks look outside the range: "b" inside "ab" is no word.
    EXPECT_FALSE(findForwardIn(doc, "b", 1, 2, options(true, true)));
}

TEST(FindAll, MatchesDoNotOverlap) {
    StringSource doc("aaaa");
    auto all = findAll(doc, "aa", 0, 4, options(true, false));
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].start, 2u);
}

TEST(MatchesAt, ChecksTheSelectionWithTheOptions) {
    StringSource doc("Word words");
    EXPECT_TRUE(matchesAt(doc, "word", 0, 4, options(false, true)));
    EXPECT_FALSE(matchesAt(doc, "word", 0, 4, options(true, false)));
    EXPECT_FALSE(matchesAt(doc, "word", 5, 4, options(false, true)));
    EXPECT_FALSE(matchesAt(doc, "word", 8, 4, options(false, false)));
}

} // namespace
} // namespace corvex::search
