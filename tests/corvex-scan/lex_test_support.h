// Helpers for lexer tests: lexing sample lines and asking which kind a piece of a line got.
#pragma once

#include "corvex/lex/lexer_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvex::test {

using lex::LexState;
using lex::Span;
using lex::TokenKind;

struct LexedLine {
    std::string text;
    std::vector<Span> spans;
    LexState end = 0;

    // Kind of the first occurrence of `piece` (checked to be one kind throughout).
    TokenKind kindOf(const std::string& piece, std::size_t from = 0) const {
        std::size_t at = text.find(piece, from);
        EXPECT_NE(at, std::string::npos) << piece;
        if (at == std::string::npos) return TokenKind::Text;
        TokenKind kind = kindAt(at);
        for (std::size_t k = at; k < at + piece.size(); ++k)
            EXPECT_EQ(kindAt(k), kind) << "'" << piece << "' is split in: " << text;
        return kind;
    }
    TokenKind kindAt(std::size_t column) const {
        for (const Span& s : spans)
            if (column >= s.start && column < s.start + s.length) return s.kind;
        ADD_FAILURE() << "column " << column << " not covered";
        return TokenKind::Text;
    }
};

// Lexes `lines` in turn, each from the previous line's end state.
inline std::vector<LexedLine> lexLines(const char* language, const std::vector<std::string>& lines) {
    const lex::Lexer* lexer = lex::lexerByName(language);
    EXPECT_NE(lexer, nullptr) << language;
    std::vector<LexedLine> result;
    LexState state = lex::kInitialState;
    for (const std::string& line : lines) {
        LexedLine lexed{line, {}, 0};
        if (lexer) state = lexer->lexLine(line, state, &lexed.spans);
        lexed.end = state;
        result.push_back(std::move(lexed));
    }
    return result;
}

inline LexedLine lexOne(const char* language, const std::string& line) {
    return lexLines(language, {line}).front();
}

// Spans cover [0, length) in order without gaps, empty spans or equal-kind neighbours.
inline ::testing::AssertionResult coversExactly(const std::vector<Span>& spans, std::size_t length) {
    std::size_t next = 0;
    for (std::size_t k = 0; k < spans.size(); ++k) {
        if (spans[k].start != next)
            return ::testing::AssertionFailure() << "span " << k << " starts at " << spans[k].start
                                                 << ", expected " << next;
        if (spans[k].length == 0) return ::testing::AssertionFailure() << "empty span " << k;
        if (k && spans[k - 1].kind == spans[k].kind)
            return ::testing::AssertionFailure() << "spans " << k - 1 << " and " << k << " not merged";
        next += spans[k].length;
    }
    if (next != length)
        return ::testing::AssertionFailure() << "spans end at " << next << ", line has " << length;
    return ::testing::AssertionSuccess();
}

} // namespace corvex::test
