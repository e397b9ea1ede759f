// More editing rules of the session, with no window: column Backspace, Delete and typing
// as separate undo steps, bookmarks stepped through with wrapping and kept on their lines
// through edits, undo and redo, find and replace for every combination of case, whole
// word and preserve case, and a recorded search repeated by a played macro.
#include "recorded_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace corvex;
using search::SearchOptions;

class EditingRulesTest : public ::testing::Test, protected corvex_test::RecordedSession {
protected:
    EditingRulesTest() { view.given.autoIndent = AutoIndentRule::None; }
    std::size_t LineStart(std::size_t line) const { return session.text().lineStart(line); }
    void GoToLineStart(std::size_t line) { session.moveCaret(LineStart(line), false); }
    std::size_t CaretLine() const { return session.caretLine(); }
    void ToggleAt(std::size_t line)
    {
        GoToLineStart(line);
        session.toggleBookmark();
    }
    std::vector<std::size_t> Marks() const { return session.bookmarks().lines(); }
};

// ---- undo -----------------------------------------------------------------------------

TEST_F(EditingRulesTest, TypingLeavesNothingToRedoAndUndoingItAllLeavesNothingToUndo)
{
    Type("hello world");
    EXPECT_TRUE(session.document().canUndo());
    EXPECT_FALSE(session.document().canRedo());
    session.undo();
    EXPECT_TRUE(session.document().canRedo());
    session.undo();
    EXPECT_FALSE(session.document().canUndo());
    session.redo();
    session.redo();
    EXPECT_EQ(Text(), "hello world");
    EXPECT_FALSE(session.document().canRedo());
}

// ---- column editing -------------------------------------------------------------------

TEST_F(EditingRulesTest, ColumnBackspaceDeleteAndTypingAreAStepEachAndPadNothingWhenEveryLineReaches)
{
    Load("abcd\nab\nefgh");
    session.startColumnBlock(0, 3);
    session.extendColumnBlock(2, 3);  // an insertion point at column 3 on three lines
    session.backspace(false);
    EXPECT_EQ(Text(), "abd\nab\nefh") << "the line ending before column 3 keeps its text";
    session.deleteForward(false);
    EXPECT_EQ(Text(), "ab\nab\nef");
    Type("-");
    EXPECT_EQ(Text(), "ab-\nab-\nef-") << "every line reaches column 2: no padding";
    session.undo();
    EXPECT_EQ(Text(), "ab\nab\nef");
    session.undo();
    EXPECT_EQ(Text(), "abd\nab\nefh");
    session.undo();
    EXPECT_EQ(Text(), "abcd\nab\nefgh");
}

// ---- bookmarks ------------------------------------------------------------------------

class BookmarkRulesTest : public EditingRulesTest {
protected:
    BookmarkRulesTest() { Type("l0\rl1\rl2\rl3\rl4\rl5\rl6"); }
};

TEST_F(BookmarkRulesTest, NextAndPreviousWrapAroundTheDocument)
{
    ToggleAt(2);
    ToggleAt(5);
    GoToLineStart(3);
    session.goToBookmark(true);
    EXPECT_EQ(CaretLine(), 5u);
    EXPECT_EQ(session.selection(), Selection(LineStart(5))) << "to the start of the marked line";
    session.goToBookmark(true);
    EXPECT_EQ(CaretLine(), 2u);
    session.goToBookmark(false);
    EXPECT_EQ(CaretLine(), 5u);
    session.goToBookmark(false);
    EXPECT_EQ(CaretLine(), 2u);

    ToggleAt(2);  // off again
    GoToLineStart(0);
    session.goToBookmark(true);
    EXPECT_EQ(CaretLine(), 5u);
    session.clearBookmarks();
    GoToLineStart(1);
    session.goToBookmark(true);
    EXPECT_EQ(CaretLine(), 1u) << "no bookmark: the caret stays";
    session.goToBookmark(false);
    EXPECT_EQ(session.selection(), Selection(LineStart(1)));
}

TEST_F(BookmarkRulesTest, BookmarksMoveWithTheirLinesWhenLinesAboveChange)
{
    ToggleAt(3);
    ToggleAt(5);
    GoToLineStart(1);
    Type("new\rnew\r");
    EXPECT_EQ(Marks(), (std::vector<std::size_t>{5, 7}));

    // Deleting two whole lines above them.
    session.setSelection(LineStart(1), LineStart(3));
    session.deleteForward(false);
    EXPECT_EQ(Marks(), (std::vector<std::size_t>{3, 5}));

    // Undo and redo move them as the edit did.
    session.undo();
    EXPECT_EQ(Marks(), (std::vector<std::size_t>{5, 7}));
    session.redo();
    EXPECT_EQ(Marks(), (std::vector<std::size_t>{3, 5}));

    // Edits below or on the same line leave them.
    GoToLineStart(6);
    Type("tail\r");
    session.moveCaret(LineStart(4) - 1, false);  // the end of line 3
    Type(" more");
    EXPECT_EQ(Text(), "l0\nl1\nl2\nl3 more\nl4\nl5\ntail\nl6");
    EXPECT_EQ(Marks(), (std::vector<std::size_t>{3, 5}));
}

TEST_F(BookmarkRulesTest, DeletingABookmarkedLineKeepsOneMarkAtTheJoin)
{
    ToggleAt(2);
    ToggleAt(3);
    session.setSelection(LineStart(2), LineStart(4));
    session.deleteForward(false);
    EXPECT_EQ(Text(), "l0\nl1\nl4\nl5\nl6");
    EXPECT_EQ(Marks(), (std::vector<std::size_t>{2}));
}

// ---- find and replace -----------------------------------------------------------------

constexpr const char* kSample = "Word word words WORD sword word";

SearchOptions Options(bool caseSensitive, bool wholeWord)
{
    SearchOptions options;
    options.caseSensitive = caseSensitive;
    options.wholeWord = wholeWord;
    return options;
}

class SearchRulesTest : public EditingRulesTest {
protected:
    SearchRulesTest() { Load(kSample); }
    // Where repeated searches forwards stop, from the start until they come round again.
    std::vector<std::size_t> Matches(const std::string& text, const SearchOptions& options)
    {
        session.moveCaret(0, false);
        std::vector<std::size_t> starts;
        while (search.find(text, options, false)) {
            const std::size_t start = session.selection().start();
            if (!starts.empty() && start == starts.front())
                break;
            starts.push_back(start);
            if (starts.size() > 20)
                break;
        }
        return starts;
    }
};

TEST_F(SearchRulesTest, FindHonoursCaseAndWholeWord)
{
    using Starts = std::vector<std::size_t>;
    EXPECT_EQ(Matches("word", Options(false, false)), (Starts{0, 5, 10, 16, 22, 27}));
    EXPECT_EQ(Matches("word", Options(true, false)), (Starts{5, 10, 22, 27}));
    EXPECT_EQ(Matches("word", Options(false, true)), (Starts{0, 5, 16, 27}));
    EXPECT_EQ(Matches("word", Options(true, true)), (Starts{5, 27}));
    EXPECT_FALSE(search.find("absent", SearchOptions(), false));
}

TEST_F(SearchRulesTest, FindBackwardsWrapsFromTheFirstMatchToTheLast)
{
    session.setSelection(27, 31);
    ASSERT_TRUE(search.find("word", Options(true, true), true));
    EXPECT_EQ(session.selection().start(), 5u);
    ASSERT_TRUE(search.find("word", Options(true, true), true));
    EXPECT_EQ(session.selection().start(), 27u);
}

TEST_F(SearchRulesTest, ReplaceAllForEveryOptionCombinationIsOneUndoStep)
{
    struct Case {
        bool caseSensitive, wholeWord, preserveCase;
        int count;
        const char* result;
    };
    const Case cases[] = {
        {false, false, false, 6, "text text texts text stext text"},
        {false, false, true, 6, "Text text texts TEXT stext text"},
        {true, false, false, 4, "Word text texts WORD stext text"},
        {true, false, true, 4, "Word text texts WORD stext text"},
        {false, true, false, 4, "text text words text sword text"},
        {false, true, true, 4, "Text text words TEXT sword text"},
        {true, true, false, 2, "Word text words WORD sword text"},
        {true, true, true, 2, "Word text words WORD sword text"},
    };
    for (const Case& c : cases) {
        session.selectAll();
        Type(kSample);
        EXPECT_EQ(search.replaceAll("word", "text", Options(c.caseSensitive, c.wholeWord), c.preserveCase, false),
                  c.count)
            << c.caseSensitive << c.wholeWord << c.preserveCase;
        EXPECT_EQ(Text(), c.result) << c.caseSensitive << c.wholeWord << c.preserveCase;
        session.undo();
        EXPECT_EQ(Text(), kSample) << "one undo step";
    }
}

TEST_F(SearchRulesTest, ReplaceAllInTheSelectionKeepsTheRestAndTheSelectionCoversTheResult)
{
    session.setSelection(5, 20);
    EXPECT_EQ(search.replaceAll("word", "w", Options(false, false), false, true), 3);
    EXPECT_EQ(Text(), "Word w ws w sword word");
    EXPECT_EQ(session.selection().start(), 5u);
    EXPECT_EQ(session.selection().end(), 11u);
}

TEST_F(SearchRulesTest, ReplaceChangesOnlyASelectionThatIsAMatchUnderTheCaseOption)
{
    session.setSelection(0, 4);  // "Word": no match with case sensitivity
    EXPECT_FALSE(search.replaceSelection("word", "WORD!", Options(true, false), false));
    EXPECT_EQ(Text(), kSample);
    session.setSelection(5, 9);
    EXPECT_TRUE(search.replaceSelection("word", "WORD!", Options(true, false), false));
    EXPECT_EQ(Text(), "Word WORD! words WORD sword word");
}

// ---- macros ---------------------------------------------------------------------------

TEST_F(EditingRulesTest, ARecordedSearchIsRepeatedFromTheCaret)
{
    Type("a1 b a2 b a3 b");
    session.moveCaret(0, false);
    recorder.start(0);
    search.find("b", SearchOptions(), false);
    Type("B");
    const formats::Macro macro = recorder.stop().second;
    EXPECT_EQ(Text(), "a1 B a2 b a3 b");
    Play(macro);
    EXPECT_EQ(Text(), "a1 B a2 B a3 b");
}

} // namespace
