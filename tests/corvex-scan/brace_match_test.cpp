// Matching brackets, with and without the lexer's view of strings and comments.
#include "corvex/lex/lexer_registry.h"
#include "corvex/search/brace_match.h"
#include "tests/corvex-scan/string_source.h"

#include <gtest/gtest.h>

namespace corvex::search {
namespace {

using test::StringSource;

struct Doc {
    explicit Doc(const std::string& text, const char* language = nullptr) : source(text) {
        states.reset(lex::lexerByName(language), source.lineCount());
    }
    std::optional<std::size_t> match(std::size_t at, BraceOptions o = BraceOptions()) {
        return matchBrace(source, at, &states, o);
    }
    std::size_t at(const std::string& piece, std::size_t from = 0) const { return source.str().find(piece, from); }
    StringSource source;
    lex::LexStateCache states;
};

TEST(BraceMatch, NestedPairsBothWays) {
    Doc d("f(a[1], {b(c)}) x");
    EXPECT_EQ(d.match(1), d.at(")", 13));
    EXPECT_EQ(d.match(d.at(")", 13)), 1u);
    EXPECT_EQ(d.match(d.at("[")), d.at("]"));
    EXPECT_EQ(d.match(d.at("{")), d.at("}"));
    EXPECT_FALSE(d.match(0));              // no bracket
    EXPECT_FALSE(d.match(d.source.size())); // past the end
}

TEST(BraceMatch, UnbalancedHasNoPartner) {
    Doc d("(()");
    EXPECT_FALSE(d.match(0));
    EXPECT_EQ(d.match(1), 2u);
}

TEST(BraceMatch, AcrossLinesAndEmptyLines) {
    Doc d("{\n\n  (x)\n\n}");
    EXPECT_EQ(d.match(0), d.source.size() - 1);
    EXPECT_EQ(d.match(d.source.size() - 1), 0u);
}

TEST(BraceMatch, SkipsBracketsInStringsAndComments) {
    Doc d("if (s == \")\" /* ) */) {\n  // }\n}", "C/C++");
    EXPECT_EQ(d.match(3), d.at(") {"));
    EXPECT_EQ(d.match(d.at("{")), d.source.size() - 1);
    Doc plain("if (s == \")\" /* ) */) {");
    EXPECT_EQ(plain.match(3), plain.at(")\""));
}

TEST(BraceMatch, InsideACommentMatchesOnlyWithinIt) {
    Doc d("/* (a\n b) */ (c)", "C/C++");
    EXPECT_EQ(d.match(3), d.at("b)") + 1);
    Doc open("/* ( */ )", "C/C++");
    EXPECT_FALSE(open.match(3));
}

TEST(BraceMatch, AngleBracketsOnlyWhenAsked) {
    Doc d("vector<int> v;");
    BraceOptions angles;
    angles.angleBrackets = true;
    EXPECT_FALSE(d.match(6));
    EXPECT_EQ(d.match(6, angles), 10u);
}

TEST(BraceNear, PrefersTheByteAtTheCaret) {
    StringSource doc("(a)b");
    EXPECT_EQ(braceNear(doc, 0), 0u);
    EXPECT_EQ(braceNear(doc, 1), 0u);
    EXPECT_EQ(braceNear(doc, 2), 2u);
    EXPECT_EQ(braceNear(doc, 3), 2u);
    EXPECT_FALSE(braceNear(doc, 4));
    EXPECT_FALSE(braceNear(doc, 99));
}

} // namespace
} // namespace corvex::search
