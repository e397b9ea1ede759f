// Lexing and searching speed on a generated 50 MB C++ file.
#include "corvex/engine/text_buffer.h"
#include "corvex/engine/text_source.h"
#include "corvex/lex/lex_state_cache.h"
#include "corvex/lex/lexer_registry.h"
#include "corvex/search/text_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

class FlatText final : public corvex::TextSource {
public:
    explicit FlatText(std::string text) : text_(std::move(text)) {
        starts_.push_back(0);
        for (std::size_t k = 0; k < text_.size(); ++k)
            if (text_[k] == '\n') starts_.push_back(k + 1);
    }
    std::size_t size() const override { return text_.size(); }
    char at(std::size_t offset) const override { return text_[offset]; }
    std::size_t lineCount() const override { return starts_.size(); }
    std::size_t lineStart(std::size_t line) const override { return starts_[line]; }
    std::size_t lineLength(std::size_t line) const override {
        return (line + 1 < starts_.size() ? starts_[line + 1] - 1 : text_.size()) - starts_[line];
    }
    std::size_t lineOfOffset(std::size_t offset) const override {
        return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) - starts_.begin()) - 1;
    }
    std::string text(std::size_t offset, std::size_t length) const override { return text_.substr(offset, length); }
    std::string_view line(std::size_t k) const { return std::string_view(text_).substr(starts_[k], lineLength(k)); }

private:
    std::string text_;
    std::vector<std::size_t> starts_;
};

std::string makeCpp(std::size_t bytes) {
    static const char* const kLines[] = {
        "#include <vector>",
        "/* A block comment that runs",
        "   over two lines. */",
        "static int compute(const std::vector<int>& values, double scale) {",
        "    int total = 0x1F; // running sum",
        "    for (std::size_t i = 0; i < values.size(); ++i) total += values[i] * 3;",
        "    const char* name = \"compute \\\"quoted\\\" text\";",
        "    return static_cast<int>(total * scale + 0.5e1);",
        "}",
        "",
    };
    std::string text;
    text.reserve(bytes + 128);
    for (std::size_t k = 0; text.size() < bytes; ++k) {
        text += kLines[k % 10];
        text += '\n';
    }
    text += "int needle_at_the_end;\n";
    return text;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    using clock = std::chrono::steady_clock;
    FlatText doc(makeCpp(50u << 20));
    const double megabytes = static_cast<double>(doc.size()) / (1 << 20);
    const corvex::lex::Lexer* cpp = corvex::lex::lexerByName("C/C++");

    std::vector<corvex::lex::Span> spans;
    auto start = clock::now();
    corvex::lex::LexState state = 0;
    std::size_t spanCount = 0;
    for (std::size_t k = 0; k < doc.lineCount(); ++k) {
        state = cpp->lexLine(doc.line(k), state, &spans);
        spanCount += spans.size();
    }
    double lexSeconds = secondsSince(start);
    std::printf("scan: lex %.0f MB of C++ (%zu lines, %zu spans): %.2f s, %.0f MB/s\n", megabytes,
                doc.lineCount(), spanCount, lexSeconds, megabytes / lexSeconds);

    start = clock::now();
    for (std::size_t k = 0; k < doc.lineCount(); ++k) state = cpp->lexLine(doc.line(k), state, nullptr);
    double stateSeconds = secondsSince(start);
    std::printf("scan: end states only: %.2f s, %.0f MB/s\n", stateSeconds, megabytes / stateSeconds);

    corvex::lex::LexStateCache cache;
    cache.reset(cpp, doc.lineCount());
    // A screen of 60 lines at the end of a freshly loaded file, states estimated.
    start = clock::now();
    auto estimate = cache.estimateAt(doc.lineCount() - 60, doc, 500);
    corvex::lex::LexState screenState = estimate.state;
    for (std::size_t k = doc.lineCount() - 60; k < doc.lineCount(); ++k)
        screenState = cpp->lexLine(doc.line(k), screenState, &spans);
    std::printf("scan: colour the last screen of a fresh file (estimated state): %.3f ms (target 20 ms)\n",
                secondsSince(start) * 1000);
    start = clock::now();
    while (!cache.catchUp(doc.lineCount() - 1, doc, 20000)) {}
    std::printf("scan: exact states of the whole file through the cache: %.2f s\n", secondsSince(start));
    std::size_t middle = doc.lineCount() / 2 + 4; // a code line
    start = clock::now();
    cache.replaceLines(middle, 1, 1);
    std::size_t lexedBefore = cache.linesLexed();
    cache.stateAt(doc.lineCount() - 1, doc);
    std::printf("scan: relex after an edit in the middle: %zu line(s), %.3f ms (target 2 ms)\n",
                cache.linesLexed() - lexedBefore, secondsSince(start) * 1000);

    // As the control searches: through the document's blocks.
    const corvex::TextBuffer blocks(makeCpp(50u << 20));
    corvex::search::SearchOptions options;
    for (bool caseSensitive : {true, false}) {
        options.caseSensitive = caseSensitive;
        // The median of seven runs: one run of a few milliseconds is at the mercy of the machine.
        std::vector<double> runs;
        bool found = true;
        for (int run = 0; run < 7; ++run) {
            start = clock::now();
            found = corvex::search::findNext(blocks, "needle_at_the_end", 0, options).has_value() && found;
            runs.push_back(secondsSince(start));
        }
        std::sort(runs.begin(), runs.end());
        const double s = runs[runs.size() / 2];
        std::printf("scan: find across %.0f MB (%s, median of 7): %s, %.3f s, %.0f MB/s (target above 3000 MB/s)\n",
                    megabytes, caseSensitive ? "match case" : "any case", found ? "found" : "NOT FOUND", s,
                    megabytes / s);
    }
    options.caseSensitive = false;
    start = clock::now();
    auto back = corvex::search::findPrevious(doc, "#INCLUDE", doc.size(), options);
    std::printf("scan: find previous: %s, %.6f s\n", back ? "found" : "NOT FOUND", secondsSince(start));
    return 0;
}
