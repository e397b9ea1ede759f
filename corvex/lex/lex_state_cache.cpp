#include "corvex/lex/lex_state_cache.h"

#include <algorithm>

namespace corvex::lex {

void LexStateCache::reset(const Lexer* lexer, std::size_t lineCount) {
    lexer_ = lexer;
    lineCount_ = std::max<std::size_t>(lineCount, 1);
    states_.assign(1, kInitialState);
    known_ = 1;
    frontier_ = 1;
    marks_.clear();
}

void LexStateCache::replaceLines(std::size_t first, std::size_t oldCount, std::size_t newCount) {
    if (first >= lineCount_) return;
    oldCount = std::max<std::size_t>(1, std::min(oldCount, lineCount_ - first));
    newCount = std::max<std::size_t>(1, newCount);
    lineCount_ = lineCount_ - oldCount + newCount;
    if (first >= frontier_) return;  // below everything computed: nothing to forget
    if (frontier_ >= first + oldCount) {
        // The edited first line keeps its start state; its successors are replaced.
        auto from = states_.begin() + static_cast<std::ptrdiff_t>(first + 1);
        states_.erase(from, from + static_cast<std::ptrdiff_t>(oldCount - 1));
        states_.insert(states_.begin() + static_cast<std::ptrdiff_t>(first + 1), newCount - 1, kUnknown);
    } else {
        states_.resize(first + 1);  // the edit reaches past what was computed
    }

    std::vector<std::size_t> marks;
    for (std::size_t mark : marks_) {
        if (mark <= first) marks.push_back(mark);
        else if (mark >= first + oldCount) marks.push_back(mark - oldCount + newCount);
    }
    if (frontier_ >= first + oldCount) frontier_ = frontier_ - oldCount + newCount;
    else frontier_ = std::min(frontier_, first + 1);
    // Where certainty ended before, the hints may not follow from the states above.
    if (known_ >= first + oldCount) marks.push_back(known_ - oldCount + newCount);
    known_ = std::min(known_, first + 1);
    // So with the line below the edited one and the first line below the new ones.
    marks.push_back(first + 1);
    marks.push_back(first + newCount);
    marks.erase(std::remove_if(marks.begin(), marks.end(),
                               [&](std::size_t m) { return m <= known_ || m >= frontier_; }),
                marks.end());
    std::sort(marks.begin(), marks.end());
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());
    marks_ = std::move(marks);
}

LexState LexStateCache::lexAt(std::size_t line, LexState start, const TextSource& text,
                              std::vector<Span>* spans) {
    ++linesLexed_;
    text.textInto(text.lineStart(line), text.lineLength(line), line_);
    return lexer_->lexLine(line_, start, spans);
}

void LexStateCache::learn(LexState computed) {
    if (known_ < frontier_ && computed == states_[known_]) {
        // The hint holds, and so does every hint up to the next edited place.
        auto next = std::upper_bound(marks_.begin(), marks_.end(), known_);
        known_ = std::min(next == marks_.end() ? frontier_ : *next, frontier_);
        marks_.erase(marks_.begin(), next);
    } else {
        if (known_ < frontier_)
            states_[known_] = computed;
        else
            states_.push_back(computed);
        ++known_;
        frontier_ = std::max(frontier_, known_);
        if (!marks_.empty() && marks_.front() < known_) marks_.erase(marks_.begin());
    }
}

LexState LexStateCache::stateAt(std::size_t line, const TextSource& text) {
    if (!lexer_) return kInitialState;
    line = std::min(line, lineCount_ - 1);
    while (known_ <= line) learn(lexAt(known_ - 1, states_[known_ - 1], text, nullptr));
    return states_[line];
}

bool LexStateCache::catchUp(std::size_t line, const TextSource& text, std::size_t budget) {
    if (!lexer_) return true;
    line = std::min(line, lineCount_ - 1);
    for (std::size_t n = 0; known_ <= line && n < budget; ++n)
        learn(lexAt(known_ - 1, states_[known_ - 1], text, nullptr));
    return known_ > line;
}

LexStateCache::Estimate LexStateCache::estimateAt(std::size_t line, const TextSource& text,
                                                  std::size_t budget) {
    if (!lexer_) return Estimate{kInitialState, true};
    line = std::min(line, lineCount_ - 1);
    if (known_ > line || line - known_ < budget) return Estimate{stateAt(line, text), true};
    LexState state = kInitialState;
    for (std::size_t k = line - std::min(line, budget); k < line; ++k) state = lexAt(k, state, text, nullptr);
    return Estimate{state, false};
}

LexState LexStateCache::lexLine(std::size_t line, const TextSource& text, std::vector<Span>* spans) {
    if (!lexer_) {
        if (spans) {
            spans->clear();
            std::size_t length = line < text.lineCount() ? text.lineLength(line) : 0;
            if (length) spans->push_back(Span{0, length, TokenKind::Text});
        }
        return kInitialState;
    }
    line = std::min(line, lineCount_ - 1);
    LexState end = lexAt(line, stateAt(line, text), text, spans);
    if (known_ == line + 1 && known_ < lineCount_) learn(end);
    return end;
}

} // namespace corvex::lex
