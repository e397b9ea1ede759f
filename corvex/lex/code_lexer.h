// A lexer for a plain programming language described by a CodeSyntax.
#pragma once

#include "corvex/lex/code_syntax.h"
#include "corvex/lex/lexer.h"

namespace corvex::lex {

class CodeLexer final : public Lexer {
public:
    // With `normalizesCase` canonicalKeyword() offers the table's spelling of keywords.
    CodeLexer(const char* name, const CodeSyntax& syntax, bool normalizesCase)
        : name_(name), syntax_(syntax), normalizesCase_(normalizesCase) {}

    const char* name() const override { return name_; }
    LexState lexLine(std::string_view line, LexState start, std::vector<Span>* spans) const override;
    std::string_view canonicalKeyword(std::string_view word) const override;

private:
    const char* name_;
    const CodeSyntax& syntax_;
    bool normalizesCase_;
};

} // namespace corvex::lex
