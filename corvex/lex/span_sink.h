// Collects spans for one line, merging neighbours of the same kind. With no output
// vector it only discards, so a lexer can run for its end state alone.
#pragma once

#include "corvex/lex/token.h"

#include <vector>

namespace corvex::lex {

class SpanSink {
public:
    explicit SpanSink(std::vector<Span>* out) : out_(out) {
        if (out_) out_->clear();
    }

    // Bytes [begin, end) have `kind`; calls come in line order.
    void emit(std::size_t begin, std::size_t end, TokenKind kind) {
        if (!out_ || end <= begin) return;
        if (!out_->empty()) {
            Span& last = out_->back();
            if (last.kind == kind && last.start + last.length == begin) {
                last.length += end - begin;
                return;
            }
        }
        out_->push_back(Span{begin, end - begin, kind});
    }

    // Whether spans are thrown away (the lexer runs for its end state alone), so that
    // work that only decides a span's kind can be skipped.
    bool discards() const { return !out_; }

private:
    std::vector<Span>* out_;
};

} // namespace corvex::lex
