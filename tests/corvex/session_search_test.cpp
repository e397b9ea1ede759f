// Find, replace, go to line and match brace on an edit session: searches step from match
// to match in either direction, replacements are single undo steps and leave the caret or
// the selection where the next search wants it, and each action goes into the macro being
// recorded (only when one is, and never while a macro plays).
#include "recorded_session.h"

#include "corvex/lex/lexer_registry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace corvex;
using formats::MacroAction;
using formats::MacroOp;
using search::SearchOptions;

SearchOptions Options(bool caseSensitive, bool wholeWord)
{
    SearchOptions options;
    options.caseSensitive = caseSensitive;
    options.wholeWord = wholeWord;
    return options;
}

class SessionSearchTest : public ::testing::Test, protected corvex_test::RecordedSession {
protected:
    void Caret(std::size_t at) { session.moveCaret(at, false); }
    const Selection& Selected() const { return session.selection(); }
};

TEST_F(SessionSearchTest, FindForwardsStepsFromMatchToMatchAndWrapsAround)
{
    Load("one two one two one");
    Caret(0);
    ASSERT_TRUE(search.find("one", SearchOptions(), false));
    EXPECT_EQ(Selected(), Selection(0, 3)) << "the match is selected, the caret at its end";
    ASSERT_TRUE(search.find("one", SearchOptions(), false));
    EXPECT_EQ(Selected(), Selection(8, 11)) << "the next search starts after the selected match";
    ASSERT_TRUE(search.find("one", SearchOptions(), false));
    EXPECT_EQ(Selected(), Selection(16, 19));
    ASSERT_TRUE(search.find("one", SearchOptions(), false));
    EXPECT_EQ(Selected(), Selection(0, 3)) << "past the last match it wraps to the first";

    session.setSelection(4, 7);
    EXPECT_FALSE(search.find("three", SearchOptions(), false));
    EXPECT_EQ(Selected(), Selection(4, 7)) << "no match leaves the selection alone";
}

TEST_F(SessionSearchTest, FindBackwardsStepsFromTheSelectionsStart)
{
    Load("one two one two one");
    Caret(19);
    ASSERT_TRUE(search.find("one", SearchOptions(), true));
    EXPECT_EQ(Selected(), Selection(16, 19));
    ASSERT_TRUE(search.find("one", SearchOptions(), true));
    EXPECT_EQ(Selected(), Selection(8, 11)) << "not the selected match again";
    ASSERT_TRUE(search.find("one", SearchOptions(), true));
    EXPECT_EQ(Selected(), Selection(0, 3));
    // A selection made backwards searches from its start all the same.
    session.setSelection(11, 8);
    ASSERT_TRUE(search.find("two", SearchOptions(), true));
    EXPECT_EQ(Selected(), Selection(4, 7));
}

TEST_F(SessionSearchTest, FindMatchesWholeWordsAndCaseOnlyWhenAsked)
{
    // "Cat" at 0, "cat" inside "concat" at 7, the word "cat" at 11.
    Load("Cat concat cat");
    Caret(0);
    ASSERT_TRUE(search.find("cat", Options(false, false), false));
    EXPECT_EQ(Selected(), Selection(0, 3));
    ASSERT_TRUE(search.find("cat", Options(false, false), false));
    EXPECT_EQ(Selected(), Selection(7, 10));
    Caret(0);
    ASSERT_TRUE(search.find("cat", Options(true, false), false));
    EXPECT_EQ(Selected(), Selection(7, 10)) << "matching case skips \"Cat\"";
    Caret(0);
    ASSERT_TRUE(search.find("cat", Options(false, true), false));
    EXPECT_EQ(Selected(), Selection(0, 3));
    ASSERT_TRUE(search.find("cat", Options(false, true), false));
    EXPECT_EQ(Selected(), Selection(11, 14)) << "whole words skip the one inside \"concat\"";
    Caret(0);
    ASSERT_TRUE(search.find("cat", Options(true, true), false));
    EXPECT_EQ(Selected(), Selection(11, 14));
}

TEST_F(SessionSearchTest, ReplaceSelectionReplacesOnlyASelectedMatch)
{
    Load("cat concat cat");
    session.setSelection(4, 7);  // "con"
    EXPECT_FALSE(search.replaceSelection("cat", "dog", SearchOptions(), false));
    session.setSelection(7, 10);  // "cat" inside a word
    EXPECT_FALSE(search.replaceSelection("cat", "dog", Options(false, true), false));
    Caret(0);
    EXPECT_FALSE(search.replaceSelection("cat", "dog", SearchOptions(), false)) << "a caret is not a match";
    EXPECT_EQ(Text(), "cat concat cat");
    EXPECT_FALSE(session.document().canUndo());

    session.setSelection(14, 11);  // the last word, selected backwards
    EXPECT_TRUE(search.replaceSelection("cat", "horse", Options(false, true), false));
    EXPECT_EQ(Text(), "cat concat horse");
    EXPECT_EQ(Selected(), Selection(16)) << "the caret goes after the replacement";
}

TEST_F(SessionSearchTest, ReplaceSelectionIsOneUndoStepApartFromTheTypingBeforeIt)
{
    // Typed, not loaded: the replacement must not join the open typing step.
    Type("Cat nap");
    session.setSelection(0, 3);
    ASSERT_TRUE(search.replaceSelection("cat", "dog", SearchOptions(), true));
    EXPECT_EQ(Text(), "Dog nap") << "the replacement takes the case of what it replaces";
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(Text(), "Cat nap");
    EXPECT_EQ(Selected(), Selection(0, 3)) << "undo selects the match again";
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(Text(), "Cat") << "the typing before is a step of its own";
}

TEST_F(SessionSearchTest, ReplaceAllInTheDocumentIsOneStepAndLeavesTheCaretAfterTheLastReplacement)
{
    const std::string original = "a cat, a cat\nand a cat.";
    Load(original);
    session.setSelection(2, 5);
    const std::size_t steps = session.document().undoSteps();
    EXPECT_EQ(search.replaceAll("cat", "tiger", SearchOptions(), false, false), 3);
    const std::string replaced = "a tiger, a tiger\nand a tiger.";
    EXPECT_EQ(Text(), replaced);
    EXPECT_EQ(Selected(), Selection(replaced.rfind("tiger") + 5));
    EXPECT_EQ(session.document().undoSteps(), steps + 1);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(Text(), original) << "one undo takes back every replacement";
    EXPECT_EQ(Selected(), Selection(2, 5));
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(Text(), replaced);

    // Shorter replacements, matches side by side: the caret still lands after the last.
    Load("aaaaa aa-");
    EXPECT_EQ(search.replaceAll("aa", "b", SearchOptions(), false, false), 3);
    EXPECT_EQ(Text(), "bba b-");
    EXPECT_EQ(Selected(), Selection(5));
    EXPECT_EQ(search.replaceAll("zz", "b", SearchOptions(), false, false), 0);
    EXPECT_EQ(Text(), "bba b-");
}

TEST_F(SessionSearchTest, ReplaceAllInTheSelectionKeepsItOverTheReplacedText)
{
    // The selection starts inside the first "cat", which is therefore not replaced.
    const std::string original = "cat cat cat\ncat";
    Load(original);
    session.setSelection(1, 11);
    EXPECT_EQ(search.replaceAll("cat", "ox", SearchOptions(), false, true), 2);
    EXPECT_EQ(Text(), "cat ox ox\ncat");
    EXPECT_EQ(Selected().start(), 1u);
    EXPECT_EQ(Selected().end(), 9u);
    EXPECT_EQ(session.selectedText(), "at ox ox");
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(Text(), original);
    EXPECT_EQ(Selected(), Selection(1, 11));

    session.setSelection(4, 15);
    EXPECT_EQ(search.replaceAll("cat", "lion", SearchOptions(), false, true), 3);
    EXPECT_EQ(Text(), "cat lion lion\nlion");
    EXPECT_EQ(session.selectedText(), "lion lion\nlion");
}

TEST_F(SessionSearchTest, GoToLineMovesTheCaretToTheLineStartClampedToTheDocument)
{
    Load("a\nbb\nccc");
    session.setSelection(0, 4);
    search.goToLine(2);
    EXPECT_EQ(Selected(), Selection(2)) << "the selection ends";
    search.goToLine(3);
    EXPECT_EQ(Selected(), Selection(5));
    search.goToLine(99);
    EXPECT_EQ(Selected(), Selection(5)) << "past the end: the last line";
    search.goToLine(1);
    EXPECT_EQ(Selected(), Selection(0));
    Caret(4);
    search.goToLine(0);
    EXPECT_EQ(Selected(), Selection(0));
    Caret(4);
    search.goToLine(-7);
    EXPECT_EQ(Selected(), Selection(0));
}

TEST_F(SessionSearchTest, MatchBraceGoesToThePartnerOnTheSameSideOfIt)
{
    // f(a[b]c) x : '(' at 1, '[' at 3, ']' at 5, ')' at 7.
    Load("f(a[b]c) x");
    Caret(1);
    search.matchBrace(nullptr);
    EXPECT_EQ(Selected(), Selection(7)) << "before '(': before ')'";
    search.matchBrace(nullptr);
    EXPECT_EQ(Selected(), Selection(1)) << "and back";
    Caret(8);
    search.matchBrace(nullptr);
    EXPECT_EQ(Selected(), Selection(2)) << "after ')': after '('";
    Caret(3);
    search.matchBrace(nullptr);
    EXPECT_EQ(Selected(), Selection(5));
    Caret(10);
    search.matchBrace(nullptr);
    EXPECT_EQ(Selected(), Selection(10)) << "no bracket at the caret: it stays";
    Load("(a [b");
    Caret(0);
    search.matchBrace(nullptr);
    EXPECT_EQ(Selected(), Selection(0)) << "an unmatched bracket: it stays";

    // Given the lexer states, brackets in comments do not count: '(' at 0, a ')' inside
    // the comment at 6, the real partner at 12.
    Load("(a /* ) */ b)");
    lex::LexStateCache states;
    states.reset(lex::lexerByName("C/C++"), session.text().lineCount());
    Caret(0);
    search.matchBrace(&states);
    EXPECT_EQ(Selected(), Selection(12));
    Caret(0);
    search.matchBrace(nullptr);
    EXPECT_EQ(Selected(), Selection(6)) << "without states every bracket counts";
}

TEST_F(SessionSearchTest, EveryActionIsRecordedWithItsOptions)
{
    Load("one two\none two\nthree");
    recorder.start(3);
    search.find("one", Options(true, true), true);
    search.replaceSelection("one", "1", SearchOptions(), true);
    search.replaceAll("two", "2", Options(false, true), false, true);
    search.replaceAll("t", "T", Options(true, false), false, false);
    search.goToLine(2);
    search.goToLine(-4);
    search.find("absent", SearchOptions(), false);  // recorded although nothing is found
    const auto [slot, macro] = recorder.stop();
    EXPECT_EQ(slot, 3);
    ASSERT_EQ(macro.actions.size(), 7u);

    const MacroAction& find = macro.actions[0];
    EXPECT_EQ(find.op, MacroOp::Find);
    EXPECT_EQ(find.text, "one");
    EXPECT_EQ(find.flags, formats::kFindMatchCase | formats::kFindWholeWord | formats::kFindBackwards);

    const MacroAction& replace = macro.actions[1];
    EXPECT_EQ(replace.op, MacroOp::Replace);
    EXPECT_EQ(replace.text, "one");
    EXPECT_EQ(replace.replacement, "1");
    EXPECT_EQ(replace.flags, formats::kReplacePreserveCase);

    EXPECT_EQ(macro.actions[2].op, MacroOp::Replace);
    EXPECT_EQ(macro.actions[2].replacement, "2");
    EXPECT_EQ(macro.actions[2].flags,
              formats::kFindWholeWord | formats::kReplaceEvery | formats::kReplaceInSelection);
    EXPECT_EQ(macro.actions[3].flags, formats::kFindMatchCase | formats::kReplaceEvery);

    EXPECT_EQ(macro.actions[4].op, MacroOp::GoToLine);
    EXPECT_EQ(macro.actions[4].line, 2u);
    EXPECT_EQ(macro.actions[5].line, 1u) << "a line before the first is recorded as the first";
    EXPECT_EQ(macro.actions[6].op, MacroOp::Find);
    EXPECT_EQ(macro.actions[6].flags, 0);
}

TEST_F(SessionSearchTest, NothingIsRecordedWhileAMacroPlaysOrNoneIsRecorded)
{
    Load("red red");
    search.find("red", SearchOptions(), false);
    recorder.start(0);
    {
        MacroRecorder::Playing playing(recorder);
        ASSERT_TRUE(search.find("red", SearchOptions(), false));
        EXPECT_TRUE(search.replaceSelection("red", "blue", SearchOptions(), false));
        EXPECT_EQ(search.replaceAll("blue", "navy", SearchOptions(), false, false), 1);
        search.goToLine(1);
    }
    EXPECT_EQ(Text(), "red navy") << "the actions themselves still happen";
    search.goToLine(1);
    const formats::Macro macro = recorder.stop().second;
    ASSERT_EQ(macro.actions.size(), 1u) << "only the action after the playing ended";
    EXPECT_EQ(macro.actions[0].op, MacroOp::GoToLine);
}

TEST_F(SessionSearchTest, AnEmptySearchTextDoesNothingAndRecordsNothing)
{
    Load("abc abc");
    session.setSelection(0, 3);
    recorder.start(1);
    EXPECT_FALSE(search.find("", SearchOptions(), false));
    EXPECT_FALSE(search.find("", SearchOptions(), true));
    EXPECT_FALSE(search.replaceSelection("", "x", SearchOptions(), false));
    EXPECT_EQ(search.replaceAll("", "x", SearchOptions(), false, false), 0);
    EXPECT_EQ(search.replaceAll("", "x", SearchOptions(), false, true), 0);
    EXPECT_EQ(Text(), "abc abc");
    EXPECT_EQ(Selected(), Selection(0, 3));
    EXPECT_FALSE(session.document().canUndo());
    EXPECT_TRUE(recorder.stop().second.empty());
}

} // namespace
