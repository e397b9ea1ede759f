// The bracket pair at the caret: when the caret touches a bracket (and nothing is
// selected), it and its partner are painted on the matched-brace colour. The partner is
// found on every caret move or edit,
// so the search is bounded: at most a screenful of the active pane plus kBraceMargin lines
// away, never through a line longer than kBraceLineLength bytes, and only when the lexer
// state of the caret's line is already known (brackets in strings and comments are then
// skipped through the cached states; an unknown state would mean lexing from far above).
// A search put off for want of the state runs after the next paint has learned it.
#include "corvex/editor.h"
#include "corvex/search/brace_match.h"

namespace corvex {
namespace {

constexpr std::size_t kBraceMargin = 50;
constexpr std::size_t kBraceLineLength = 64 * 1024;

} // namespace

void Editor::RefreshBraceHighlight()
{
    std::size_t brace = kNoBrace, match = kNoBrace;
    const TextBuffer& text = Text();
    braceWaits_ = false;
    if (!session_.columnMode() && session_.selection().empty()) {
        const std::optional<std::size_t> touched = search::braceNear(text, session_.selection().caret);
        const std::size_t line = touched ? text.lineOfOffset(*touched) : 0;
        const bool lexed = paintLexer_.states().lexer() != nullptr;
        braceWaits_ = touched && lexed && !paintLexer_.states().knows(line);
        if (touched && (!lexed || paintLexer_.states().knows(line))) {
            search::BraceOptions options;
            options.maxLines = VisibleLines() + kBraceMargin;
            options.maxLineLength = kBraceLineLength;
            const std::optional<std::size_t> partner =
                search::matchBrace(text, *touched, lexed ? &paintLexer_.states() : nullptr, options);
            if (partner) {
                brace = *touched;
                match = *partner;
            }
        }
    }
    if (brace == brace_ && match == braceMatch_)
        return;
    auto invalidate = [&](std::size_t offset) {
        if (offset != kNoBrace) {
            const std::size_t line = text.lineOfOffset(std::min(offset, text.size()));
            InvalidateLines(line, line);
        }
    };
    invalidate(brace_);
    invalidate(braceMatch_);
    brace_ = brace;
    braceMatch_ = match;
    invalidate(brace_);
    invalidate(braceMatch_);
}

} // namespace corvex
