#include "corvex/session/paint_lexer.h"

#include <cctype>

namespace corvex {
namespace {

// Lines lexed from the initial state above a far line to guess its state.
constexpr std::size_t kEstimateLines = 200;
// Lines learned per step of catching up: about half a millisecond of code.
constexpr std::size_t kCatchUpLines = 2000;

bool IsWordByte(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || u >= 0x80;
}

std::string LineText(const TextSource& text, std::size_t line)
{
    return text.text(text.lineStart(line), text.lineLength(line));
}

} // namespace

void PaintLexer::reset(const lex::Lexer* lexer, std::size_t lineCount)
{
    states_.reset(lexer, lineCount);
    estimated_ = guessValid_ = false;
}

void PaintLexer::linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount)
{
    states_.replaceLines(first, oldCount, newCount);
    if (first < guessLine_)
        guessValid_ = false;
}

PaintLexer::Start PaintLexer::startState(const TextSource& text, std::size_t line)
{
    // Once the real states reach the guessed line, the guess has served: lines below
    // start from what is known.
    if (guessValid_ && states_.knows(guessLine_))
        guessValid_ = false;
    if (!states_.knows(line) && guessValid_ && guessLine_ <= line && line - guessLine_ <= kEstimateLines) {
        estimated_ = true;
        lex::LexState state = guessState_;
        for (std::size_t k = guessLine_; k < line; ++k, ++paintLexed_)
            state = states_.lexer()->lexLine(LineText(text, k), state, nullptr);
        return {state, false};
    }
    const lex::LexStateCache::Estimate estimate = states_.estimateAt(line, text, kEstimateLines);
    estimated_ = !estimate.exact;
    if (!estimated_)
        return {estimate.state, false};
    paintLexed_ += kEstimateLines;
    guessValid_ = true;
    guessLine_ = line;
    guessState_ = estimate.state;
    return {estimate.state, true};
}

lex::LexState PaintLexer::lexLine(const TextSource& text, std::size_t line, lex::LexState start,
                                  std::vector<lex::Span>& spans)
{
    if (!estimated_)
        return states_.lexLine(line, text, &spans);
    ++paintLexed_;
    return states_.lexer()->lexLine(LineText(text, line), start, &spans);
}

bool PaintLexer::catchUp(const TextSource& text, std::size_t line)
{
    return !states_.lexer() || states_.catchUp(line, text, kCatchUpLines);
}

void NormalizeKeywordCase(EditSession& session, lex::LexStateCache& states, std::size_t end)
{
    const lex::Lexer* lexer = states.lexer();
    if (!lexer || session.hasSelection() || session.columnMode())
        return;
    const TextBuffer& text = session.text();
    if (end < text.size() && IsWordByte(text.at(end)))
        return;
    const std::size_t line = text.lineOfOffset(end);
    const std::size_t lineStart = text.lineStart(line);
    std::size_t start = end;
    while (start > lineStart && IsWordByte(text.at(start - 1)))
        --start;
    if (start == end)
        return;
    const std::string word = text.text(start, end - start);
    const std::string_view canonical = lexer->canonicalKeyword(word);
    if (canonical.empty() || canonical == word || canonical.size() != word.size())
        return;
    const lex::LexState state = states.estimateAt(line, text, kEstimateLines).state;
    std::vector<lex::Span> spans;
    lexer->lexLine(LineText(text, line), state, &spans);
    bool keyword = false;
    for (const lex::Span& span : spans)
        if (span.start <= start - lineStart && start - lineStart < span.start + span.length)
            keyword = span.kind == lex::TokenKind::Keyword;
    if (!keyword)
        return;
    TextDocument& document = session.document();
    document.breakGroup();
    document.replace(start, word.size(), canonical, session.selection(), session.selection(), EditKind::Other);
    document.breakGroup();
    session.afterEdit(line, false);
}

} // namespace corvex
