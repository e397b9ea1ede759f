// The lexer states a view paints from: the state at the start of each line, learned only
// as far as painting needs it. An edit hands its line change to the state cache, which
// relexes from the edited line until the states agree again. Far from what is known (a
// jump to the middle of a huge file) a paint starts from a guessed state, and the view
// asks for the real states to be learned towards the screen in small steps, repainting
// when they arrive.
#pragma once

#include "corvex/engine/edit_session.h"
#include "corvex/lex/lex_state_cache.h"

#include <cstddef>
#include <vector>

namespace corvex {

class PaintLexer {
public:
    lex::LexStateCache& states() { return states_; }
    const lex::LexStateCache& states() const { return states_; }
    const lex::Lexer* lexer() const { return states_.lexer(); }
    void reset(const lex::Lexer* lexer, std::size_t lineCount);
    void linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount);

    struct Start {
        lex::LexState state = 0;
        bool newGuess = false;  // a far guess was made: the real states are to be learned
    };
    // The state at the start of `line` for painting: exact, or a guess after a far jump.
    // Repaints near the last guess (the caret's row while typing) continue from it, so
    // they cost a few lines and colour the same as the rows around them.
    Start startState(const TextSource& text, std::size_t line);
    // The spans of `line` lexed from `start`; the state at its end.
    lex::LexState lexLine(const TextSource& text, std::size_t line, lex::LexState start,
                          std::vector<lex::Span>& spans);
    // The last paint started from a guessed state.
    bool guessed() const { return estimated_; }
    // One step of learning states towards `line`; true when there is no more to learn.
    bool catchUp(const TextSource& text, std::size_t line);
    // Lines lexed so far, by the cache and by paints from guessed states.
    std::size_t linesLexed() const { return states_.linesLexed() + paintLexed_; }

private:
    lex::LexStateCache states_;
    bool estimated_ = false;
    bool guessValid_ = false;         // guessState_ is the guess of line guessLine_, and no
    std::size_t guessLine_ = 0;       // edit above that line happened since
    lex::LexState guessState_ = 0;
    std::size_t paintLexed_ = 0;
};

// The word ending at `end`, when the character there ends it: a keyword of a language
// whose keywords ignore case takes its canonical spelling, unless it is in a comment or
// a string. The correction is an undo step of its own, so Undo right after it gives back
// the spelling as typed. Nothing with a selection.
void NormalizeKeywordCase(EditSession& session, lex::LexStateCache& states, std::size_t end);

} // namespace corvex
