// Syntax colouring in the view: the control's language and the lexer states painting
// learns (session/paint_lexer.h); after a paint had to start from a guess, the idle timer
// learns the real states towards the screen (view_layout.cpp).
#include "corvex/editor.h"
#include "corvex/lex/lexer_registry.h"

namespace corvex {

void Editor::linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount)
{
    paintLexer_.linesReplaced(first, oldCount, newCount);
    // The longest line may have been shortened or removed: measured again once idle, so
    // that the horizontal range shrinks with it. Lines below the edit only move.
    if (widest_.linesReplaced(first, oldCount, newCount))
        SetTimer(window_, kWidthTimer, USER_TIMER_MINIMUM, nullptr);
}

void Editor::ResetLexer()
{
    const lex::Lexer* lexer = lex::lexerByName(options_.language);
    if (!lexer)
        options_.language.clear(); // a name the control does not know is no language
    paintLexer_.reset(lexer, Text().lineCount());
    KillTimer(window_, kLexTimer);
    InvalidateRect(window_, nullptr, FALSE);
}

bool Editor::Colouring() const { return options_.colourSyntax && paintLexer_.lexer(); }

lex::LexState Editor::PaintStartState(std::size_t line)
{
    const PaintLexer::Start start = paintLexer_.startState(Text(), line);
    if (start.newGuess)
        SetTimer(window_, kLexTimer, 10, nullptr);
    return start.state;
}

} // namespace corvex
