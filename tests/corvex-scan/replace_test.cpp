// Replace and Replace All, with and without preserving the case of what is replaced.
#include "corvex/search/preserve_case.h"
#include "corvex/search/replace_plan.h"
#include "tests/corvex-scan/string_source.h"

#include <gtest/gtest.h>

namespace corvex::search {
namespace {

using test::StringSource;

std::string applied(std::string text, const std::vector<TextEdit>& edits) {
    for (auto e = edits.rbegin(); e != edits.rend(); ++e) text.replace(e->start, e->length, e->text);
    return text;
}

TEST(PreserveCase, TheReplacementTakesTheShapeOfTheMatch) {
    EXPECT_EQ(replacementFor("HELLO", "world", true), "WORLD");
    EXPECT_EQ(replacementFor("hello", "World", true), "world");
    EXPECT_EQ(replacementFor("Hello", "wORLD", true), "World");
    EXPECT_EQ(replacementFor("I", "we", true), "We");
    EXPECT_EQ(replacementFor("hELLo", "wOrld", true), "wOrld");
    EXPECT_EQ(replacementFor("42", "wOrld", true), "wOrld");
    EXPECT_EQ(replacementFor("HELLO_2", "new_name", true), "NEW_NAME");
    EXPECT_EQ(replacementFor("HELLO", "world", false), "world");
}

TEST(ReplaceAll, EveryOptionCombination) {
    const std::string text = "Cat cat CAT concat";
    StringSource doc(text);
    auto plan = [&](bool matchCase, bool whole, bool preserve) {
        SearchOptions o;
        o.caseSensitive = matchCase;
        o.wholeWord = whole;
        return applied(text, planReplaceAll(doc, "cat", "dog", 0, doc.size(), o, preserve));
    };
    EXPECT_EQ(plan(false, false, false), "dog dog dog condog");
    EXPECT_EQ(plan(false, false, true), "Dog dog DOG condog");
    EXPECT_EQ(plan(true, false, false), "Cat dog CAT condog");
    EXPECT_EQ(plan(true, false, true), "Cat dog CAT condog");
    EXPECT_EQ(plan(false, true, false), "dog dog dog concat");
    EXPECT_EQ(plan(false, true, true), "Dog dog DOG concat");
    EXPECT_EQ(plan(true, true, false), "Cat dog CAT concat");
    EXPECT_EQ(plan(true, true, true), "Cat dog CAT concat");
}

TEST(ReplaceAll, InASelectionOnly) {
    StringSource doc("aa aa aa");
    auto edits = planReplaceAll(doc, "aa", "b", 2, 6, SearchOptions(), false);
    EXPECT_EQ(applied(doc.str(), edits), "aa b aa");
}

TEST(ReplaceAll, ReplacementContainingThePatternIsNotReplacedAgain) {
    StringSource doc("x x");
    EXPECT_EQ(applied(doc.str(), planReplaceAll(doc, "x", "xx", 0, 3, SearchOptions(), false)), "xx xx");
}

TEST(Replace, OnlyASelectionThatIsAMatch) {
    StringSource doc("Cat scat");
    SearchOptions whole;
    whole.wholeWord = true;
    auto edit = planReplace(doc, "cat", "dog", 0, 3, whole, true);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text, "Dog");
    EXPECT_FALSE(planReplace(doc, "cat", "dog", 5, 3, whole, true));
    EXPECT_FALSE(planReplace(doc, "cat", "dog", 0, 2, SearchOptions(), true));
}

} // namespace
} // namespace corvex::search
