#include "corvex/lex/lexer_registry.h"

#include "corvex/lex/code_lexer.h"
#include "corvex/lex/markup_lexer.h"

namespace corvex::lex {

const char* const kLanguageNames[kLanguageCount] = {
    "ASP", "Basic", "C/C++", "ColdFusion", "HTML", "Java", "Pascal", "PHP", "SQL", "XML"};

const Lexer* lexerByName(std::string_view name) {
    static const MarkupLexer asp("ASP", MarkupDialect{false, ServerBlocks::Asp, false});
    static const CodeLexer basic("Basic", syntax::basic(), true);
    static const CodeLexer cpp("C/C++", syntax::cpp(), false);
    static const MarkupLexer coldFusion("ColdFusion", MarkupDialect{false, ServerBlocks::None, true});
    static const MarkupLexer html("HTML", MarkupDialect{});
    static const CodeLexer java("Java", syntax::java(), false);
    static const CodeLexer pascal("Pascal", syntax::pascal(), true);
    static const MarkupLexer php("PHP", MarkupDialect{false, ServerBlocks::Php, false});
    static const CodeLexer sql("SQL", syntax::sql(), true);
    static const MarkupLexer xml("XML", MarkupDialect{true, ServerBlocks::None, false});
    static const Lexer* const all[kLanguageCount] = {&asp, &basic, &cpp, &coldFusion, &html,
                                                      &java, &pascal, &php, &sql, &xml};
    for (const Lexer* lexer : all)
        if (name == lexer->name()) return lexer;
    return nullptr;
}

const Lexer* lexerByName(const char* name) {
    return name ? lexerByName(std::string_view(name)) : nullptr;
}

} // namespace corvex::lex
