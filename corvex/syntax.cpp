// Syntax colouring: the lexer of the control's language and the state at the start of
// each line, learned only as far as painting needs it. An edit hands its line change to
// the state cache, which relexes from the edited line until the states agree again.
// Far from what is known (a jump to the middle of a huge file) the paint starts from a
// guessed state and a timer learns the real states towards the screen in small steps,
// repainting when it arrives.
#include "corvex/editor.h"
#include "corvex/lex/lexer_registry.h"

#include <cctype>

namespace corvex {
namespace {

// Lines lexed from the initial state above a far line to guess its state.
constexpr std::size_t kEstimateLines = 200;
// Lines the lex timer learns per tick.
constexpr std::size_t kCatchUpLines = 20000;

bool IsWordByte(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || u >= 0x80;
}

} // namespace

void Editor::linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount)
{
    lexStates_.replaceLines(first, oldCount, newCount);
    if (first < guessLine_)
        guessValid_ = false;
    // The longest line may have been shortened or removed: measured again once idle, so
    // that the horizontal range shrinks with it. Lines below the edit only move.
    if (longestLine_ >= first && longestLine_ < first + oldCount)
        SetTimer(window_, kWidthTimer, USER_TIMER_MINIMUM, nullptr);
    else if (longestLine_ >= first + oldCount)
        longestLine_ = longestLine_ - oldCount + newCount;
}

void Editor::ResetLexer()
{
    const lex::Lexer* lexer = lex::lexerByName(options_.language);
    if (!lexer)
        options_.language.clear(); // a name the control does not know is no language
    lexStates_.reset(lexer, Text().lineCount());
    estimated_ = guessValid_ = false;
    KillTimer(window_, kLexTimer);
    InvalidateRect(window_, nullptr, FALSE);
}

bool Editor::Colouring() const { return options_.colourSyntax && lexStates_.lexer(); }

// Repaints near the last guess (the caret's row while typing) continue from it, so they
// cost a few lines and colour the same as the rows around them.
lex::LexState Editor::PaintStartState(std::size_t line)
{
    if (!lexStates_.knows(line) && guessValid_ && guessLine_ <= line && line - guessLine_ <= kEstimateLines) {
        estimated_ = true;
        const TextBuffer& text = Text();
        lex::LexState state = guessState_;
        for (std::size_t k = guessLine_; k < line; ++k, ++paintLexed_)
            state = lexStates_.lexer()->lexLine(text.text(text.lineStart(k), text.lineLength(k)), state, nullptr);
        return state;
    }
    const lex::LexStateCache::Estimate estimate = lexStates_.estimateAt(line, Text(), kEstimateLines);
    estimated_ = !estimate.exact;
    if (estimated_) {
        paintLexed_ += kEstimateLines;
        guessValid_ = true;
        guessLine_ = line;
        guessState_ = estimate.state;
        SetTimer(window_, kLexTimer, 10, nullptr);
    }
    return estimate.state;
}

lex::LexState Editor::LexForPaint(std::size_t line, lex::LexState start, std::vector<lex::Span>& spans)
{
    if (!estimated_)
        return lexStates_.lexLine(line, Text(), &spans);
    ++paintLexed_;
    const TextBuffer& text = Text();
    return lexStates_.lexer()->lexLine(text.text(text.lineStart(line), text.lineLength(line)), start, &spans);
}

void Editor::OnLexTimer()
{
    if (!lexStates_.lexer() || lexStates_.catchUp(topLine_, Text(), kCatchUpLines)) {
        KillTimer(window_, kLexTimer);
        if (estimated_)
            InvalidateRect(window_, nullptr, FALSE);
    }
}

// The word ending at `end`, when the character there ends it: a keyword of a language whose keywords ignore case
// takes its canonical spelling. The correction is an undo step of its own, so Undo right
// after it gives back the spelling as typed.
void Editor::NormalizeKeywordCase(std::size_t end)
{
    const lex::Lexer* lexer = lexStates_.lexer();
    if (!options_.normalizeCase || !lexer || session_.hasSelection() || session_.columnMode())
        return;
    const TextBuffer& text = Text();
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
    // Only a keyword in code: not inside a comment or a string.
    const lex::LexState state = lexStates_.estimateAt(line, text, kEstimateLines).state;
    lexer->lexLine(text.text(lineStart, text.lineLength(line)), state, &spans_);
    bool keyword = false;
    for (const lex::Span& span : spans_)
        if (span.start <= start - lineStart && start - lineStart < span.start + span.length)
            keyword = span.kind == lex::TokenKind::Keyword;
    if (!keyword)
        return;
    session_.document().breakGroup();
    session_.document().replace(start, word.size(), canonical, session_.selection(), session_.selection(), EditKind::Other);
    session_.document().breakGroup();
    session_.afterEdit(line, false);
}

} // namespace corvex
