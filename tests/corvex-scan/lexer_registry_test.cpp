// Language names map exactly to lexers.
#include "corvex/lex/lexer_registry.h"
#include "corvex/lex/token.h"

#include <gtest/gtest.h>

#include <set>

namespace corvex::lex {
namespace {

TEST(LexerRegistry, EveryNameHasItsOwnLexer) {
    std::set<const Lexer*> seen;
    for (const char* name : kLanguageNames) {
        const Lexer* lexer = lexerByName(name);
        ASSERT_NE(lexer, nullptr) << name;
        EXPECT_STREQ(lexer->name(), name);
        seen.insert(lexer);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kLanguageCount));
}

TEST(LexerRegistry, NamesAreExact) {
    EXPECT_EQ(lexerByName(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(lexerByName(""), nullptr);
    EXPECT_EQ(lexerByName("html"), nullptr);
    EXPECT_EQ(lexerByName("C++"), nullptr);
    EXPECT_EQ(lexerByName("C/C++ "), nullptr);
    EXPECT_EQ(lexerByName("Php"), nullptr);
}

TEST(ColourIndexes, KindsUseTheSyntaxEntriesOfTheColourBlock) {
    EXPECT_EQ(colourIndex(TokenKind::Text), 4);
    std::set<int> used;
    for (int k = 1; k < kTokenKindCount; ++k) {
        int index = colourIndex(static_cast<TokenKind>(k));
        EXPECT_GE(index, 5);
        EXPECT_LE(index, 25); // below the line-number entries
        used.insert(index);
    }
    EXPECT_EQ(used.size(), static_cast<std::size_t>(kTokenKindCount - 1));
}

} // namespace
} // namespace corvex::lex
