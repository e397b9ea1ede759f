// A lexer for tag languages (HTML, XML) and for pages that embed code in them: ASP
// (<% %> blocks of VBScript), PHP (<?php ?> blocks) and ColdFusion (<cf...> tags,
// <!--- ---> comments, <cfscript>). HTML pages colour <script> as JavaScript and
// <style> as CSS; a server block may also sit inside a tag, a value or a script.
#pragma once

#include "corvex/lex/lexer.h"

namespace corvex::lex {

enum class ServerBlocks { None, Asp, Php };

struct MarkupDialect {
    bool xml = false;        // no embedded scripts; <?...?> are processing instructions
    ServerBlocks server = ServerBlocks::None;
    bool coldFusion = false;
};

class MarkupLexer final : public Lexer {
public:
    MarkupLexer(const char* name, MarkupDialect dialect) : name_(name), dialect_(dialect) {}

    const char* name() const override { return name_; }
    LexState lexLine(std::string_view line, LexState start, std::vector<Span>* spans) const override;

private:
    const char* name_;
    MarkupDialect dialect_;
};

} // namespace corvex::lex
