#include "corvex/lex/code_scanner.h"

#include "corvex/engine/byte_find.h"
#include "corvex/lex/char_class.h"

#include <cstring>

namespace corvex::lex {
namespace {

// Code states: the mode in bits 0-2, then the quote of an open string in bits 3-4, or
// for a raw string the delimiter's length in bits 3-7 and its hash in bits 8-31.
enum Mode : std::uint8_t {
    Normal = 0,
    Block0 = 1,     // inside blockComments[0]
    Block1 = 2,     // inside blockComments[1]
    Directive = 3,  // inside the bracketed directive
    InString = 4,
    LineCommentContinued = 5,
    DirectiveLineContinued = 6,
    InRawString = 7,
};

constexpr std::size_t kMaxRawDelimiter = 16;

std::uint32_t delimiterHash(std::string_view delimiter) {
    std::uint32_t h = 2166136261u;
    for (char c : delimiter) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return (h ^ (h >> 24)) & 0xFFFFFF;
}

bool startsWith(std::string_view line, std::size_t pos, std::string_view text, bool ignoreCase) {
    if (text.empty() || line.size() - pos < text.size()) return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        char a = line[pos + k], b = text[k];
        if (ignoreCase ? asciiLower(a) != asciiLower(b) : a != b) return false;
    }
    return true;
}

bool startsWith(std::string_view line, std::size_t pos, const char* text) {
    return text && startsWith(line, pos, std::string_view(text), false);
}

class CodeScanner {
public:
    CodeScanner(const CodeSyntax& syntax, std::string_view line, std::size_t begin,
                SpanSink& sink, const StopSet& stops)
        : s_(syntax), line_(line), n_(line.size()), i_(begin), atLineStart_(begin == 0),
          sink_(sink), stops_(stops) {}

    CodeScanEnd run(std::uint32_t& state);

private:
    bool stopHere() const { return stops_.count > 0 && stopAt(stops_, line_, i_) >= 0; }
    bool stopInsideToken() const { return stops_.insideTokens && stopHere(); }
    const BlockDelimiters& block(int index) const {
        return index == 2 ? s_.directive : s_.blockComments[index];
    }
    TokenKind plain(TokenKind kind) const {
        bool code = kind == TokenKind::Text || kind == TokenKind::Keyword ||
                    kind == TokenKind::Number || kind == TokenKind::Operator;
        return directiveLine_ && code ? TokenKind::Preprocessor : kind;
    }
    bool isWordStart(unsigned char c) const { return s_.is(c, CodeSyntax::kWordStart); }
    bool isWordPart(unsigned char c) const { return s_.is(c, CodeSyntax::kWordPart); }

    // Each scanner below returns false when it ended at a stop.
    bool blockBody(int index, std::size_t start, std::uint32_t& mode);
    bool stringBody(int quote, std::size_t start, std::uint32_t& mode);
    bool lineComment(std::size_t start, std::uint32_t& mode);
    bool rawStringStart(std::size_t start, std::uint32_t& mode);
    bool rawStringBody(std::size_t start, std::uint32_t& mode);
    bool normal(std::uint32_t& mode, int& quote);
    bool prefixedNumber() const;
    void number();
    bool word(std::uint32_t& mode);

    const CodeSyntax& s_;
    std::string_view line_;
    std::size_t n_;
    std::size_t i_;
    bool atLineStart_;
    bool directiveLine_ = false;
    SpanSink& sink_;
    const StopSet& stops_;
};

bool CodeScanner::blockBody(int index, std::size_t start, std::uint32_t& mode) {
    const BlockDelimiters& d = block(index);
    TokenKind kind = index == 2 ? TokenKind::Preprocessor : TokenKind::Comment;
    mode = Block0 + index;
    const std::string_view close(d.close);
    while (i_ < n_) {
        if (!stops_.insideTokens) {
            // Nothing to stop at inside: straight to the next byte that may close it.
            const char* next = FindByte(line_.data() + i_, line_.data() + n_, close[0]);
            if (!next) {
                i_ = n_;
                break;
            }
            i_ = static_cast<std::size_t>(next - line_.data());
        } else if (stopHere()) {
            sink_.emit(start, i_, kind);
            return false;
        }
        if (line_[i_] == close[0] && startsWith(line_, i_, close, false)) {
            i_ += close.size();
            mode = Normal;
            break;
        }
        ++i_;
    }
    sink_.emit(start, i_, kind);
    return true;
}

bool CodeScanner::stringBody(int quote, std::size_t start, std::uint32_t& mode) {
    const char q = s_.quotes[quote];
    mode = InString;
    bool closed = false;
    bool endsInEscape = false;
    while (i_ < n_ && !closed) {
        if (stopInsideToken()) {
            sink_.emit(start, i_, TokenKind::String);
            return false;
        }
        char c = line_[i_];
        if (c == '\\' && s_.backslashEscapes) {
            endsInEscape = i_ + 1 == n_;
            i_ += endsInEscape ? 1 : 2;
        } else if (c == q) {
            if (s_.doubledQuotes && i_ + 1 < n_ && line_[i_ + 1] == q) {
                i_ += 2;
            } else {
                ++i_;
                closed = true;
            }
        } else {
            ++i_;
        }
    }
    sink_.emit(start, i_, TokenKind::String);
    if (closed) {
        mode = Normal;
    } else {
        bool continued = std::strchr(s_.multilineQuotes, q) || (s_.lineContinuation && endsInEscape);
        if (!continued) mode = Normal;
    }
    return true;
}

// A raw string whose prefix (R, LR, u8R, ...) ends at i_ on a quote.
bool CodeScanner::rawStringStart(std::size_t start, std::uint32_t& mode) {
    std::size_t open = i_ + 1;
    while (open < n_ && open - i_ - 1 <= kMaxRawDelimiter && line_[open] != '(') {
        char c = line_[open];
        if (c == ' ' || c == ')' || c == '\\' || c == '"' || c == '\t') return true; // not raw
        ++open;
    }
    if (open >= n_ || line_[open] != '(' || open - i_ - 1 > kMaxRawDelimiter) return true;
    std::string_view delimiter = line_.substr(i_ + 1, open - i_ - 1);
    mode = InRawString | static_cast<std::uint32_t>(delimiter.size()) << 3 | delimiterHash(delimiter) << 8;
    i_ = open + 1;
    return rawStringBody(start, mode);
}

bool CodeScanner::rawStringBody(std::size_t start, std::uint32_t& mode) {
    const std::size_t length = (mode >> 3) & 31;
    const std::uint32_t hash = mode >> 8;
    while (i_ < n_) {
        if (stopInsideToken()) {
            sink_.emit(start, i_, TokenKind::String);
            return false;
        }
        if (line_[i_] == ')' && n_ - i_ >= length + 2 && line_[i_ + 1 + length] == '"' &&
            delimiterHash(line_.substr(i_ + 1, length)) == hash) {
            i_ += length + 2;
            mode = Normal;
            break;
        }
        ++i_;
    }
    sink_.emit(start, i_, TokenKind::String);
    return true;
}

bool CodeScanner::lineComment(std::size_t start, std::uint32_t& mode) {
    mode = Normal;
    if (stops_.count == 0) i_ = n_;
    while (i_ < n_) {
        if (stopHere()) {
            sink_.emit(start, i_, TokenKind::Comment);
            return false;
        }
        ++i_;
    }
    sink_.emit(start, n_, TokenKind::Comment);
    if (s_.lineContinuation && n_ > start && line_[n_ - 1] == '\\') mode = LineCommentContinued;
    return true;
}

void CodeScanner::number() {
    std::size_t start = i_++;
    while (i_ < n_) {
        unsigned char c = static_cast<unsigned char>(line_[i_]);
        unsigned char prev = static_cast<unsigned char>(line_[i_ - 1]);
        bool exponentSign = (c == '+' || c == '-') && (prev == 'e' || prev == 'E');
        bool fraction = c == '.' && prev != '.' && !(i_ + 1 < n_ && line_[i_ + 1] == '.');
        if (!(isWordByte(c) || fraction || exponentSign)) break;
        ++i_;
    }
    sink_.emit(start, i_, plain(TokenKind::Number));
}

bool CodeScanner::prefixedNumber() const {
    const char c = line_[i_];
    if (!s_.is(static_cast<unsigned char>(c), CodeSyntax::kNumberPrefix) || i_ + 1 >= n_) return false;
    auto isHexDigit = [](char h) { return isDigit(h) || (asciiLower(h) >= 'a' && asciiLower(h) <= 'f'); };
    if (c == '&') // &H1F, &O17
        return (asciiLower(line_[i_ + 1]) == 'h' || asciiLower(line_[i_ + 1]) == 'o') &&
               i_ + 2 < n_ && isHexDigit(line_[i_ + 2]);
    return c == '$' ? isHexDigit(line_[i_ + 1]) : isDigit(line_[i_ + 1]);
}

bool CodeScanner::word(std::uint32_t& mode) {
    std::size_t start = i_++;
    while (i_ < n_ && isWordPart(static_cast<unsigned char>(line_[i_]))) ++i_;
    std::string_view text = line_.substr(start, i_ - start);
    if (s_.remComments && text.size() == 3 && asciiLower(text[0]) == 'r' &&
        asciiLower(text[1]) == 'e' && asciiLower(text[2]) == 'm' &&
        (i_ == n_ || isBlank(static_cast<unsigned char>(line_[i_])))) {
        i_ = start;
        return lineComment(start, mode);
    }
    if (s_.rawStrings && i_ < n_ && line_[i_] == '"' &&
        (text == "R" || text == "LR" || text == "uR" || text == "UR" || text == "u8R")) {
        std::size_t end = i_;
        if (!rawStringStart(start, mode)) return false;
        if (i_ > end) return true; // it was one
    }
    if (!sink_.discards())
        sink_.emit(start, i_, plain(s_.keywords.contains(text) ? TokenKind::Keyword : TokenKind::Text));
    return true;
}

bool CodeScanner::normal(std::uint32_t& mode, int& quote) {
    while (i_ < n_) {
        if (stopHere()) return false;
        const unsigned char c = static_cast<unsigned char>(line_[i_]);
        if (isBlank(c)) {
            std::size_t start = i_;
            while (i_ < n_ && isBlank(static_cast<unsigned char>(line_[i_]))) ++i_;
            sink_.emit(start, i_, plain(TokenKind::Text));
            continue;
        }
        if (c == '#' && s_.hashDirectives && atLineStart_) {
            directiveLine_ = true;
            atLineStart_ = false;
            sink_.emit(i_, i_ + 1, TokenKind::Preprocessor);
            ++i_;
            continue;
        }
        atLineStart_ = false;
        std::size_t start = i_;
        if (s_.is(c, CodeSyntax::kOpensComment)) {
            if (startsWith(line_, i_, s_.lineComments[0]) || startsWith(line_, i_, s_.lineComments[1]))
                return lineComment(start, mode);
            int opened = -1;
            if (startsWith(line_, i_, s_.directive.open)) opened = 2;
            else if (startsWith(line_, i_, s_.blockComments[0].open)) opened = 0;
            else if (startsWith(line_, i_, s_.blockComments[1].open)) opened = 1;
            if (opened >= 0) {
                i_ += std::strlen(block(opened).open);
                if (!blockBody(opened, start, mode)) return false;
                continue;
            }
        }
        if (s_.is(c, CodeSyntax::kQuoteByte)) {
            const char* q = std::strchr(s_.quotes, c);
            quote = static_cast<int>(q - s_.quotes);
            ++i_;
            if (!stringBody(quote, start, mode)) return false;
            continue;
        }
        bool fraction = c == '.' && i_ + 1 < n_ && isDigit(line_[i_ + 1]) && !(i_ > 0 && line_[i_ - 1] == '.');
        if (isDigit(c) || prefixedNumber() || fraction) {
            number();
            continue;
        }
        if (isWordStart(c)) {
            if (!word(mode)) return false;
            continue;
        }
        if (c == '@' && s_.annotations && i_ + 1 < n_ && isWordStart(line_[i_ + 1])) {
            ++i_;
            while (i_ < n_ && isWordPart(static_cast<unsigned char>(line_[i_]))) ++i_;
            sink_.emit(start, i_, TokenKind::Preprocessor);
            continue;
        }
        ++i_;
        sink_.emit(start, i_, plain(s_.is(c, CodeSyntax::kOperatorByte) ? TokenKind::Operator : TokenKind::Text));
    }
    return true;
}

CodeScanEnd CodeScanner::run(std::uint32_t& state) {
    std::uint32_t mode = state & 7;
    int quote = (state >> 3) & 3;
    if (mode == InRawString && (!s_.rawStrings || ((state >> 3) & 31) > kMaxRawDelimiter)) mode = Normal;
    // Reject states this syntax cannot produce.
    if ((mode >= Block0 && mode <= Directive && !block(mode - Block0).open) ||
        (mode == InString && quote >= static_cast<int>(std::strlen(s_.quotes))))
        mode = Normal;

    bool reachedEnd = true;
    switch (mode) {
    case Block0: case Block1: case Directive:
        reachedEnd = blockBody(mode - Block0, i_, mode);
        break;
    case InString:
        reachedEnd = stringBody(quote, i_, mode);
        break;
    case LineCommentContinued:
        reachedEnd = lineComment(i_, mode);
        break;
    case InRawString:
        mode = state;
        reachedEnd = rawStringBody(i_, mode);
        break;
    case DirectiveLineContinued:
        directiveLine_ = true;
        atLineStart_ = false;
        mode = Normal;
        break;
    default:
        break;
    }
    if (reachedEnd && mode == Normal) reachedEnd = normal(mode, quote);
    if (reachedEnd && mode == Normal && directiveLine_ && s_.lineContinuation && n_ > 0 &&
        line_[n_ - 1] == '\\')
        mode = DirectiveLineContinued;
    if (mode == InString) mode |= static_cast<std::uint32_t>(quote) << 3;
    state = mode;
    return CodeScanEnd{i_, reachedEnd ? -1 : stopAt(stops_, line_, i_)};
}

} // namespace

int stopAt(const StopSet& stops, std::string_view line, std::size_t pos) {
    for (int k = 0; k < stops.count; ++k)
        if (startsWith(line, pos, stops.stops[k].text, stops.stops[k].ignoreCase)) return k;
    return -1;
}

CodeScanEnd scanCode(const CodeSyntax& syntax, std::string_view line, std::size_t begin,
                     std::uint32_t& state, SpanSink& sink, const StopSet& stops) {
    if (begin > line.size()) begin = line.size();
    CodeScanner scanner(syntax, line, begin, sink, stops);
    return scanner.run(state);
}

} // namespace corvex::lex
