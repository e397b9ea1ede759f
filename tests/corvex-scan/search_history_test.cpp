// The search history as one string: order, de-duplication, and the 1024-byte limit.
#include "corvex/search/search_history.h"

#include <gtest/gtest.h>

namespace corvex::search {
namespace {

TEST(SearchHistory, NewestFirstWithoutDuplicates) {
    SearchHistory h(3);
    h.add("one");
    h.add("two");
    h.add("one");
    h.add("");
    EXPECT_EQ(h.join(), "one\ntwo");
    h.add("three");
    h.add("four");
    EXPECT_EQ(h.join(), "four\nthree\none");
}

TEST(SearchHistory, RoundTripsThroughTheJoinedString) {
    SearchHistory h;
    for (const char* text : {"a b", "tab\there", "x;y,z|w", "\xC3\xA9t\xC3\xA9"}) h.add(text);
    SearchHistory back;
    back.split(h.join());
    EXPECT_EQ(back.entries(), h.entries());
}

TEST(SearchHistory, LineBreaksCannotEnterAnEntry) {
    SearchHistory h;
    h.add("first line\r\nsecond");
    h.add("\nonly after a break");
    EXPECT_EQ(h.entries(), std::vector<std::string>{"first line"});
}

TEST(SearchHistory, JoinedStringFitsTheLimitByDroppingTheOldest) {
    SearchHistory h(100);
    for (int k = 0; k < 40; ++k) h.add(std::string(50, static_cast<char>('a' + k % 26)) + std::to_string(k));
    std::string joined = h.join();
    EXPECT_LE(joined.size(), SearchHistory::kJoinedLimit);
    EXPECT_EQ(h.entries().front().substr(50), "39");
    EXPECT_GT(joined.size(), SearchHistory::kJoinedLimit - 60); // nothing dropped needlessly

    h.add(std::string(2000, 'q'));
    EXPECT_EQ(h.join(), std::string(SearchHistory::kJoinedLimit, 'q'));
}

TEST(SearchHistory, OverLongEntriesAreNotCutInsideACharacter) {
    SearchHistory h;
    h.add(std::string(1023, 'a') + "\xC3\xA9");
    EXPECT_EQ(h.join(), std::string(1023, 'a'));
}

TEST(SearchHistory, SplitToleratesForeignStrings) {
    SearchHistory h(2);
    h.split("a\r\n\nb\nc\nd");
    EXPECT_EQ(h.entries(), (std::vector<std::string>{"a", "b"}));
    h.split("");
    EXPECT_TRUE(h.entries().empty());
    h.split(std::string(3000, 'z'));
    EXPECT_LE(h.join().size(), SearchHistory::kJoinedLimit);
}

} // namespace
} // namespace corvex::search
