// The lexer states a view paints from: exact near what is known, a guess after a far
// jump that the lines around it continue from, guesses dropped by edits above them, and
// the real states learned in steps. Then keyword case: a keyword of a language that
// ignores case takes its table's spelling when typing ends it in code, as an undo step
// of its own.
#include "plain_session_view.h"

#include "corvex/engine/text_buffer.h"
#include "corvex/lex/lexer_registry.h"
#include "corvex/session/paint_lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace corvex;

const lex::Lexer* Sql() { return lex::lexerByName("SQL"); }

// `lines` lines of SQL; the first opens a block comment that no line closes, so that a
// state guessed from a few lines above a far line is wrong.
std::string OpenCommentDocument(std::size_t lines)
{
    std::string text = "/* left open";
    for (std::size_t k = 1; k < lines; ++k)
        text += "\nselect x from t;";
    return text;
}

// The state at the start of `line` as a fresh cache learns it, line by line from the top.
lex::LexState TrueState(const TextBuffer& text, std::size_t line)
{
    lex::LexStateCache cache;
    cache.reset(Sql(), text.lineCount());
    return cache.stateAt(line, text);
}

lex::LexState LexFrom(const TextBuffer& text, lex::LexState state, std::size_t first, std::size_t last)
{
    for (std::size_t line = first; line < last; ++line)
        state = Sql()->lexLine(text.text(text.lineStart(line), text.lineLength(line)), state, nullptr);
    return state;
}

class PaintLexerTest : public ::testing::Test {
protected:
    void Open(std::size_t lines)
    {
        text.assign(OpenCommentDocument(lines));
        paint.reset(Sql(), text.lineCount());
    }

    TextBuffer text;
    PaintLexer paint;
};

TEST_F(PaintLexerTest, StartStatesNearWhatIsKnownAreExact)
{
    Open(2000);
    ASSERT_NE(TrueState(text, 150), lex::kInitialState) << "the lines are inside the comment";
    for (std::size_t line : {0, 1, 150, 199, 350, 540, 700}) {
        const PaintLexer::Start start = paint.startState(text, line);
        EXPECT_FALSE(start.newGuess) << line;
        EXPECT_FALSE(paint.guessed()) << line;
        EXPECT_EQ(start.state, TrueState(text, line)) << line;
    }
    // The lines a paint lexes from an exact start are learned on the way.
    std::vector<lex::Span> spans;
    lex::LexState state = paint.startState(text, 700).state;
    for (std::size_t line = 700; line < 720; ++line)
        state = paint.lexLine(text, line, state, spans);
    EXPECT_TRUE(paint.states().knows(720));
    EXPECT_EQ(state, TrueState(text, 720));
}

TEST_F(PaintLexerTest, AFarJumpGuessesOnceAndTheLinesNearItContinueFromTheGuess)
{
    Open(10000);
    const PaintLexer::Start far = paint.startState(text, 5000);
    EXPECT_TRUE(far.newGuess);
    EXPECT_TRUE(paint.guessed());

    // Repainting the same place or a few lines below it (the caret's row while typing)
    // lexes only the lines in between, from the same guess.
    const PaintLexer::Start again = paint.startState(text, 5000);
    EXPECT_FALSE(again.newGuess);
    EXPECT_EQ(again.state, far.state);
    const std::size_t lexed = paint.linesLexed();
    const PaintLexer::Start near = paint.startState(text, 5010);
    EXPECT_FALSE(near.newGuess);
    EXPECT_TRUE(paint.guessed());
    EXPECT_EQ(near.state, LexFrom(text, far.state, 5000, 5010));
    EXPECT_EQ(paint.linesLexed() - lexed, 10u);

    // Painting from the guess colours as the lexer does from that state.
    std::vector<lex::Span> spans, expected;
    const lex::LexState end = paint.lexLine(text, 5010, near.state, spans);
    EXPECT_EQ(end, Sql()->lexLine(text.text(text.lineStart(5010), text.lineLength(5010)), near.state, &expected));
    ASSERT_EQ(spans.size(), expected.size());

    EXPECT_TRUE(paint.startState(text, 4990).newGuess) << "a line above the guess is guessed anew";
    EXPECT_TRUE(paint.startState(text, 8000).newGuess) << "and so is one far below it";
}

TEST_F(PaintLexerTest, AnEditAboveTheGuessDropsItAndOneAtOrBelowItKeepsIt)
{
    Open(10000);
    ASSERT_TRUE(paint.startState(text, 5000).newGuess);
    paint.linesReplaced(6000, 1, 1);
    EXPECT_FALSE(paint.startState(text, 5010).newGuess);
    paint.linesReplaced(5000, 1, 1);
    EXPECT_FALSE(paint.startState(text, 5010).newGuess) << "the state at the guessed line's start stays";
    paint.linesReplaced(4999, 1, 1);
    EXPECT_TRUE(paint.startState(text, 5010).newGuess);
    paint.linesReplaced(10, 3, 3);
    EXPECT_TRUE(paint.startState(text, 5015).newGuess);
    paint.reset(Sql(), text.lineCount());
    EXPECT_TRUE(paint.startState(text, 5020).newGuess) << "a new language forgets the guess";
}

TEST_F(PaintLexerTest, CatchingUpLearnsTheRealStatesInSteps)
{
    Open(50000);
    const std::size_t line = 45000;
    const PaintLexer::Start guess = paint.startState(text, line);
    ASSERT_TRUE(guess.newGuess);
    const lex::LexState truth = TrueState(text, line);
    ASSERT_NE(guess.state, truth) << "the comment opened at the top is too far up to be seen by a guess";

    int steps = 1;
    while (!paint.catchUp(text, line) && steps < 100)
        ++steps;
    EXPECT_GT(steps, 1) << "learned in more than one step";
    EXPECT_LT(steps, 100);
    EXPECT_TRUE(paint.states().knows(line));
    EXPECT_TRUE(paint.catchUp(text, line)) << "nothing more to learn";

    const PaintLexer::Start start = paint.startState(text, line);
    EXPECT_FALSE(start.newGuess);
    EXPECT_FALSE(paint.guessed());
    EXPECT_EQ(start.state, truth);

    PaintLexer plain;
    plain.reset(nullptr, text.lineCount());
    EXPECT_TRUE(plain.catchUp(text, line)) << "without a language there is nothing to learn";
    EXPECT_FALSE(plain.startState(text, line).newGuess);
}

// Once the real states are learned down to a line, a paint a little below it has the exact
// state within reach; it must not go back to the guess made before the catching up, which
// is wrong here and would never be corrected (no new guess, so no more catching up).
TEST_F(PaintLexerTest, AfterCatchingUpTheLinesBelowStartFromTheRealStates)
{
    Open(50000);
    const std::size_t line = 45000;
    ASSERT_TRUE(paint.startState(text, line).newGuess);
    for (int step = 0; step < 100 && !paint.catchUp(text, line); ++step) {
    }
    ASSERT_TRUE(paint.states().knows(line));
    const PaintLexer::Start below = paint.startState(text, line + 50);
    EXPECT_EQ(below.state, TrueState(text, line + 50));
    EXPECT_FALSE(paint.guessed());
}

// ---- keyword case ---------------------------------------------------------------------

class KeywordCaseTest : public ::testing::Test, protected LineChangeListener {
protected:
    KeywordCaseTest()
    {
        view.session = &session;
        session.setLineListener(this);
    }
    void linesReplaced(std::size_t first, std::size_t oldCount, std::size_t newCount) override
    {
        paint.linesReplaced(first, oldCount, newCount);
    }

    void Load(const std::string& text, const char* language)
    {
        session.document().load(text);
        session.moveCaret(text.size(), false);
        paint.reset(lex::lexerByName(language), session.text().lineCount());
    }
    void Normalize(std::size_t end) { NormalizeKeywordCase(session, paint.states(), end); }
    // Types as the keyboard does with keyword case on: each character may end a word
    // before it, and Enter ends the word before the caret.
    void Type(const std::string& keys)
    {
        for (char key : keys) {
            if (key == '\r') {
                Normalize(session.selection().caret);
                session.newLine();
            } else {
                session.typeText(std::string(1, key));
                Normalize(session.selection().caret - 1);
            }
        }
    }
    std::string Text() const { return session.text().text(); }
    std::size_t Steps() const { return session.document().undoSteps(); }

    corvex_test::PlainSessionView view;
    EditSession session{view};
    PaintLexer paint;
};

TEST_F(KeywordCaseTest, AKeywordTakesItsSpellingWhenTheWordEndsAsAnUndoStepOfItsOwn)
{
    Load("", "SQL");
    Type("select");
    EXPECT_EQ(Text(), "select") << "not while the word goes on";
    Type(" ");
    EXPECT_EQ(Text(), "SELECT ");
    EXPECT_EQ(session.selection(), Selection(7));
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(Text(), "select ") << "undo gives back the spelling as typed";
    EXPECT_EQ(session.selection(), Selection(7));
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(Text(), "select") << "the space typed is a step before the correction";

    Load("", "SQL");
    Type("SeLeCt name\rfrom t;");
    EXPECT_EQ(Text(), "SELECT name\nFROM t;") << "Enter and punctuation end words too";

    Load("", "Pascal");
    Type("BEGIN x := 1 End;");
    EXPECT_EQ(Text(), "begin x := 1 end;") << "the table's spelling, not always capitals";
}

TEST_F(KeywordCaseTest, CommentsStringsAndWordsThatGoOnAreLeftAlone)
{
    Load("", "SQL");
    Type("-- select from ");
    EXPECT_EQ(Text(), "-- select from ");

    Load("", "SQL");
    Type("x = 'select from ");
    EXPECT_EQ(Text(), "x = 'select from ");

    // A comment opened on a line above: the state at the line's start says so.
    Load("", "SQL");
    Type("/* note\rselect */ select ");
    EXPECT_EQ(Text(), "/* note\nselect */ SELECT ");

    Load("select from selected", "SQL");
    Normalize(3);
    EXPECT_EQ(Text(), "select from selected") << "the character at the end is inside the word";
    Normalize(6);
    EXPECT_EQ(Text(), "SELECT from selected");
    Normalize(11);
    EXPECT_EQ(Text(), "SELECT FROM selected");
    Normalize(20);
    EXPECT_EQ(Text(), "SELECT FROM selected") << "\"selected\" is no keyword";
}

TEST_F(KeywordCaseTest, NothingWithASelectionACanonicalSpellingOrALanguageThatMindsCase)
{
    Load("select x", "SQL");
    session.setSelection(0, 2);
    Normalize(6);
    session.startColumnBlock(0, 8);
    Normalize(6);
    EXPECT_EQ(Text(), "select x");

    Load("SELECT x", "SQL");
    Normalize(6);
    EXPECT_EQ(Steps(), 0u) << "an already canonical keyword makes no step";

    Load("WHILE (x) Return", "C/C++");
    Normalize(5);
    Normalize(16);
    EXPECT_EQ(Text(), "WHILE (x) Return");

    Load("select x", "");
    Normalize(6);
    EXPECT_EQ(Text(), "select x");
    EXPECT_EQ(Steps(), 0u);
}

} // namespace
