// The lexer state at the start of every line of a document, learned lazily: a state is
// computed only when asked for, and after an edit the old states below the edit are
// kept as hints, so relexing stops as soon as a recomputed state equals its hint.
#pragma once

#include "corvex/engine/text_source.h"
#include "corvex/lex/lexer.h"

#include <cstddef>
#include <string>
#include <vector>

namespace corvex::lex {

class LexStateCache {
public:
    // With no lexer every state is the initial state and nothing is lexed.
    void reset(const Lexer* lexer, std::size_t lineCount);
    const Lexer* lexer() const { return lexer_; }
    std::size_t lineCount() const { return lineCount_; }

    // Lines [first, first + oldCount) of the document were replaced by `newCount` lines
    // starting at `first` (an edit within one line is replaceLines(line, 1, 1)).
    void replaceLines(std::size_t first, std::size_t oldCount, std::size_t newCount);

    // The state at the start of `line` (clamped to the last line).
    LexState stateAt(std::size_t line, const TextSource& text);

    // For painting far from what is known (Ctrl+End in a huge file): lexes at most `budget`
    // lines. When the state is further away it returns a guess instead, the state reached by
    // lexing the `budget` lines above `line` from the initial state, and stores nothing.
    struct Estimate {
        LexState state;
        bool exact;
    };
    Estimate estimateAt(std::size_t line, const TextSource& text, std::size_t budget);

    // Learns states towards `line` for at most `budget` lines (idle-time work after an
    // estimate); true when the state of `line` is now known.
    bool catchUp(std::size_t line, const TextSource& text, std::size_t budget);

    // Lexes `line` into `spans` (when not null), learning the next line's state on the way.
    LexState lexLine(std::size_t line, const TextSource& text, std::vector<Span>* spans);

    // The cached state of `line` without lexing: certain, a hint left by an edit, or a
    // value no lexer produces when never computed. A painter compares it with the state it
    // lexed to know whether the lines below must be painted again.
    LexState cachedAt(std::size_t line) const { return line < states_.size() ? states_[line] : kUnknown; }

    // Whether the state of `line` is certain (stateAt would lex nothing).
    bool knows(std::size_t line) const { return known_ > line; }

    // How many line states are held: only as far down as lexing has gone.
    std::size_t statesHeld() const { return states_.size(); }

    // How many lines were handed to the lexer so far.
    std::size_t linesLexed() const { return linesLexed_; }

private:
    static constexpr LexState kUnknown = 0xFFFFFFFFu; // no lexer produces it (the fuzz tests check)
    LexState lexAt(std::size_t line, LexState start, const TextSource& text, std::vector<Span>* spans);
    void learn(LexState computed); // the true state of line known_

    const Lexer* lexer_ = nullptr;
    std::size_t lineCount_ = 1;
    // Only the lines above the frontier have an entry, so that a huge document costs
    // memory for its states as far as it has been lexed, not on opening.
    std::vector<LexState> states_{kInitialState};
    std::size_t known_ = 1;             // states_[0, known_) are certain
    std::size_t frontier_ = 1;          // lines [frontier_, lineCount_) were never computed; states_.size() == frontier_
    std::vector<std::size_t> marks_;    // ascending lines past known_ whose hint needs checking
    std::size_t linesLexed_ = 0;
    std::string line_;                  // the line being lexed, its memory kept between lines
};

} // namespace corvex::lex
