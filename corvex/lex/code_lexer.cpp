#include "corvex/lex/code_lexer.h"

#include "corvex/lex/code_scanner.h"

namespace corvex::lex {

std::string_view Lexer::canonicalKeyword(std::string_view) const { return {}; }

LexState CodeLexer::lexLine(std::string_view line, LexState start, std::vector<Span>* spans) const {
    SpanSink sink(spans);
    std::uint32_t state = start;
    scanCode(syntax_, line, 0, state, sink);
    return state;
}

std::string_view CodeLexer::canonicalKeyword(std::string_view word) const {
    if (!normalizesCase_ || !syntax_.keywords.ignoresCase()) return {};
    return syntax_.keywords.canonical(word);
}

} // namespace corvex::lex
