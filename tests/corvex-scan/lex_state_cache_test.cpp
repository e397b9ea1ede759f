// The per-line state cache relexes only what an edit can change and always agrees
// with lexing the document from the start.
#include "corvex/lex/lex_state_cache.h"
#include "corvex/lex/lexer_registry.h"
#include "tests/corvex-scan/string_source.h"

#include <gtest/gtest.h>

#include <random>

namespace corvex::lex {
namespace {

using test::StringSource;

std::string lines(std::size_t count, const std::string& line) {
    std::string text;
    for (std::size_t k = 0; k < count; ++k) text += line + (k + 1 < count ? "\n" : "");
    return text;
}

std::vector<LexState> referenceStates(const Lexer* lexer, const StringSource& doc) {
    std::vector<LexState> states{kInitialState};
    for (std::size_t k = 0; k + 1 < doc.lineCount(); ++k)
        states.push_back(lexer->lexLine(doc.text(doc.lineStart(k), doc.lineLength(k)), states.back(), nullptr));
    return states;
}

// Replaces line `line` of the document by `with` (which may hold line breaks).
void replaceLine(StringSource& doc, LexStateCache& cache, std::size_t line, const std::string& with) {
    std::string text = doc.str();
    text.replace(doc.lineStart(line), doc.lineLength(line), with);
    doc.assign(text);
    cache.replaceLines(line, 1, 1 + static_cast<std::size_t>(std::count(with.begin(), with.end(), '\n')));
}

class LexStateCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.assign(lines(1000, "int x = 1; // plain"));
        cache.reset(lexerByName("C/C++"), doc.lineCount());
    }
    std::size_t lexedFor(std::size_t line) {
        std::size_t before = cache.linesLexed();
        cache.stateAt(line, doc);
        return cache.linesLexed() - before;
    }
    StringSource doc;
    LexStateCache cache;
};

TEST_F(LexStateCacheTest, LexesNothingUntilAsked) {
    EXPECT_EQ(cache.linesLexed(), 0u);
    EXPECT_EQ(lexedFor(40), 40u);
    EXPECT_EQ(lexedFor(20), 0u);
    std::vector<Span> spans;
    cache.lexLine(40, doc, &spans); // lexing the next line on screen teaches its end state
    EXPECT_EQ(lexedFor(41), 0u);
}

TEST_F(LexStateCacheTest, StatesAreHeldOnlyAsFarAsLexingWentAndEditsBelowCostNothing) {
    EXPECT_EQ(cache.statesHeld(), 1u) << "a document just opened holds no states";
    cache.stateAt(100, doc);
    EXPECT_EQ(cache.statesHeld(), 101u);
    replaceLine(doc, cache, 500, "a;\nb;\nc;");  // below what was lexed
    EXPECT_EQ(cache.lineCount(), 1002u);
    EXPECT_EQ(cache.statesHeld(), 101u);
    replaceLine(doc, cache, 50, "/* opened");  // above: the lines below it are relexed
    EXPECT_EQ(cache.stateAt(1001, doc), referenceStates(lexerByName("C/C++"), doc)[1001]);
    EXPECT_EQ(cache.statesHeld(), 1002u);
}

TEST_F(LexStateCacheTest, AnEditThatKeepsTheStateRelexesOneLine) {
    EXPECT_EQ(lexedFor(999), 999u);
    replaceLine(doc, cache, 500, "long y = 2;");
    EXPECT_EQ(lexedFor(999), 1u);
}

TEST_F(LexStateCacheTest, NewLinesAreLexedThenTheOldStatesHoldAgain) {
    lexedFor(999);
    replaceLine(doc, cache, 500, "a;\nb;\nc;");
    EXPECT_EQ(lexedFor(1001), 3u);
}

TEST_F(LexStateCacheTest, AnOpenedCommentRelexesUntilItCloses) {
    lexedFor(999);
    replaceLine(doc, cache, 500, "/* open");
    EXPECT_EQ(lexedFor(999), 499u);
    EXPECT_NE(cache.stateAt(999, doc), kInitialState);
    replaceLine(doc, cache, 600, "close */");
    EXPECT_EQ(lexedFor(999), 399u); // the lines below were lexed as comment: all change back
    EXPECT_EQ(cache.stateAt(999, doc), kInitialState);
    EXPECT_NE(cache.stateAt(550, doc), kInitialState);
}

TEST_F(LexStateCacheTest, FarAwayStatesAreEstimatedWithinTheBudgetThenCaughtUp) {
    replaceLine(doc, cache, 100, "/* never closed");
    auto estimate = cache.estimateAt(990, doc, 50);
    EXPECT_FALSE(estimate.exact);
    EXPECT_EQ(estimate.state, kInitialState); // the guess cannot see the comment
    EXPECT_LE(cache.linesLexed(), 50u);
    EXPECT_EQ(lexedFor(10), 10u); // nothing was stored by the estimate

    while (!cache.catchUp(990, doc, 100)) {}
    std::size_t before = cache.linesLexed();
    auto exact = cache.estimateAt(990, doc, 50);
    EXPECT_TRUE(exact.exact);
    EXPECT_NE(exact.state, kInitialState);
    EXPECT_EQ(cache.linesLexed(), before);
    EXPECT_TRUE(cache.estimateAt(995, doc, 50).exact); // near enough to lex exactly
}

TEST(LexStateCacheRandomEdits, AgreesWithAFullRelexAfterAnyEdits) {
    const char* pieces[] = {"int a;", "/* x", "y */", "\"s\\", "// c\\", "#if 1", "", "z;\nw;"};
    for (const char* language : {"C/C++", "HTML", "PHP", "Pascal"})
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        StringSource doc(lines(60, "k = 0;"));
        LexStateCache cache;
        cache.reset(lexerByName(language), doc.lineCount());
        for (int step = 0; step < 300; ++step) {
            std::size_t line = random() % doc.lineCount();
            if (random() % 5 == 0 && doc.lineCount() > 2) { // join two lines
                line = std::min(line, doc.lineCount() - 2);
                std::string text = doc.str();
                text.erase(doc.lineStart(line) + doc.lineLength(line), 1);
                doc.assign(text);
                cache.replaceLines(line, 2, 1);
            } else {
                replaceLine(doc, cache, line, pieces[random() % 8]);
            }
            if (step % 3 == 0) { // ask for a state, or lex a line as painting does
                std::size_t probe = random() % doc.lineCount();
                std::vector<Span> spans;
                if (step % 2) cache.lexLine(probe, doc, &spans);
                ASSERT_EQ(cache.stateAt(probe, doc), referenceStates(lexerByName(language), doc)[probe])
                    << language << " seed " << seed << " step " << step;
            }
        }
        std::vector<LexState> expected = referenceStates(lexerByName(language), doc);
        for (std::size_t k = 0; k < doc.lineCount(); ++k) ASSERT_EQ(cache.stateAt(k, doc), expected[k]) << k;
    }
}

TEST(LexStateCacheWithoutLexer, EveryLineIsPlainText) {
    StringSource doc("a\nbb");
    LexStateCache cache;
    cache.reset(nullptr, doc.lineCount());
    std::vector<Span> spans;
    cache.lexLine(1, doc, &spans);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].length, 2u);
    EXPECT_EQ(cache.linesLexed(), 0u);
}

} // namespace
} // namespace corvex::lex
