#include "corvex/search/brace_match.h"

#include <string>
#include <vector>

namespace corvex::search {
namespace {

using lex::Span;
using lex::TokenKind;

// The partner of a bracket and whether it lies forwards; 0 when `c` is no bracket.
char partnerOf(char c, bool& forwards, const BraceOptions& options) {
    static const char kPairs[] = "()[]{}<>";
    std::size_t pairs = options.angleBrackets ? 8 : 6;
    for (std::size_t k = 0; k < pairs; ++k) {
        if (kPairs[k] == c) {
            forwards = k % 2 == 0;
            return kPairs[k ^ 1];
        }
    }
    return 0;
}

bool isQuoted(TokenKind kind) { return kind == TokenKind::Comment || kind == TokenKind::String; }

// One line's bytes and the kind of each byte.
class LineKinds {
public:
    LineKinds(const TextSource& text, lex::LexStateCache* states) : text_(text), states_(states) {}

    void load(std::size_t line) {
        bytes_ = text_.text(text_.lineStart(line), text_.lineLength(line));
        kinds_.assign(bytes_.size(), TokenKind::Text);
        if (!states_ || !states_->lexer()) return;
        states_->lexLine(line, text_, &spans_);
        for (const Span& span : spans_)
            for (std::size_t k = span.start; k < span.start + span.length && k < kinds_.size(); ++k)
                kinds_[k] = span.kind;
    }
    std::size_t size() const { return bytes_.size(); }
    char byte(std::size_t k) const { return bytes_[k]; }
    TokenKind kind(std::size_t k) const { return kinds_[k]; }

private:
    const TextSource& text_;
    lex::LexStateCache* states_;
    std::string bytes_;
    std::vector<TokenKind> kinds_;
    std::vector<Span> spans_;
};

} // namespace

std::optional<std::size_t> braceNear(const TextSource& text, std::size_t caret,
                                     const BraceOptions& options) {
    bool forwards = false;
    if (caret < text.size() && partnerOf(text.at(caret), forwards, options)) return caret;
    if (caret > 0 && caret <= text.size() && partnerOf(text.at(caret - 1), forwards, options))
        return caret - 1;
    return std::nullopt;
}

std::optional<std::size_t> matchBrace(const TextSource& text, std::size_t offset,
                                      lex::LexStateCache* states, const BraceOptions& options) {
    if (offset >= text.size()) return std::nullopt;
    const char bracket = text.at(offset);
    bool forwards = false;
    const char partner = partnerOf(bracket, forwards, options);
    if (!partner) return std::nullopt;

    std::size_t line = text.lineOfOffset(offset);
    if (text.lineLength(line) > options.maxLineLength) return std::nullopt;
    std::size_t linesLeft = options.maxLines;
    // Moves to the next line to read; false when the bounds say stop.
    auto allowed = [&](std::size_t next) {
        if (linesLeft == 0 || text.lineLength(next) > options.maxLineLength) return false;
        --linesLeft;
        return true;
    };
    LineKinds kinds(text, states);
    kinds.load(line);
    std::size_t column = offset - text.lineStart(line);
    if (column >= kinds.size()) return std::nullopt;
    const TokenKind home = kinds.kind(column);
    const bool quoted = isQuoted(home);

    std::size_t depth = 0;
    std::size_t k = column;
    while (true) {
        // Step to the next byte in the search direction, crossing lines as needed.
        if (forwards) {
            while (k + 1 >= kinds.size()) {
                if (++line >= text.lineCount() || !allowed(line)) return std::nullopt;
                kinds.load(line);
                k = static_cast<std::size_t>(-1);
                if (kinds.size()) break;
            }
            ++k;
        } else {
            while (k == 0) {
                if (line == 0 || !allowed(line - 1)) return std::nullopt;
                kinds.load(--line);
                k = kinds.size();
            }
            --k;
        }
        TokenKind kind = kinds.kind(k);
        if (quoted ? kind != home : isQuoted(kind)) {
            if (quoted) return std::nullopt; // left the comment or string
            continue;
        }
        char c = kinds.byte(k);
        if (c == bracket) {
            ++depth;
        } else if (c == partner) {
            if (depth == 0) return text.lineStart(line) + k;
            --depth;
        }
    }
}

} // namespace corvex::search
