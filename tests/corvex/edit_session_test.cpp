// The editing rules of the session, with no window: typing, Enter, Tab, deleting,
// overwrite, case, undo grouping and the caret it puts back, column blocks with their
// padding, pasting as a column, moving the selection, bookmarks following their lines.
#include "plain_session_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace corvex;

class EditSessionTest : public ::testing::Test {
protected:
    EditSessionTest() { view.session = &session; }
    std::string Text() const { return session.text().text(); }
    // Types as the keyboard does: Enter and Tab by their own rules.
    void Type(const std::string& keys)
    {
        for (char key : keys) {
            if (key == '\r')
                session.newLine();
            else if (key == '\t')
                session.insertTab(false);
            else
                session.typeText(std::string(1, key));
        }
    }
    void Load(const std::string& text) { session.document().load(text); }
    void Caret(std::size_t at) { session.moveCaret(at, false); }

    corvex_test::PlainSessionView view;
    EditSession session{view};
};

TEST_F(EditSessionTest, EnterIndentsByTheRule)
{
    view.given.autoIndent = AutoIndentRule::None;
    Type("  a\r");
    EXPECT_EQ(Text(), "  a\n");
    session.selectAll();
    view.given.autoIndent = AutoIndentRule::Keep;
    Type("  a {\rb");
    EXPECT_EQ(Text(), "  a {\n  b");
    session.selectAll();
    session.deleteForward(false);
    view.given.autoIndent = AutoIndentRule::Smart;
    Type("\tif (x) {\rcall();\r}");
    EXPECT_EQ(Text(), "\tif (x) {\n\t\tcall();\n\t}") << "the closing brace goes back one level";
    view.given.expandTabs = true;
    session.selectAll();
    Type("f:\r");
    EXPECT_EQ(Text(), "f:\n    ");
}

TEST_F(EditSessionTest, TabInsertsATabOrSpacesToTheNextStop)
{
    Type("ab\t");
    EXPECT_EQ(Text(), "ab\t");
    view.given.expandTabs = true;
    Type("\t");
    EXPECT_EQ(Text(), "ab\t    ") << "spaces up to the next stop";
    Type("x\t");
    EXPECT_EQ(Text(), "ab\t    x   ");
}

TEST_F(EditSessionTest, TabAndShiftTabShiftSelectedLinesAsOneStep)
{
    view.given.autoIndent = AutoIndentRule::None;
    Type("a\rb\r\rc");
    session.setSelection(0, 5);  // "a", "b", the empty line; "c" is left alone
    session.insertTab(false);
    EXPECT_EQ(Text(), "\ta\n\tb\n\nc");
    EXPECT_EQ(session.selection(), Selection(0, 7));
    session.insertTab(true);
    EXPECT_EQ(Text(), "a\nb\n\nc");
    session.undo();
    EXPECT_EQ(Text(), "\ta\n\tb\n\nc");
    session.undo();
    EXPECT_EQ(Text(), "a\nb\n\nc");
    // Shift+Tab on one line takes a level of spaces off it and keeps the caret on its text.
    session.selectAll();
    Type("      x");
    session.insertTab(true);
    EXPECT_EQ(Text(), "  x");
    EXPECT_EQ(session.selection().caret, 3u);
}

TEST_F(EditSessionTest, DeletingTakesCharactersWordsAndWholeUtf8Characters)
{
    Type("one two thr\xC3\xA9");
    session.backspace(false);
    EXPECT_EQ(Text(), "one two thr") << "a two-byte character goes whole";
    session.backspace(true);
    EXPECT_EQ(Text(), "one two ");
    Caret(0);
    session.deleteForward(false);
    session.deleteForward(true);
    EXPECT_EQ(Text(), "two ");
    session.selectAll();
    session.deleteForward(false);
    EXPECT_EQ(Text(), "");
}

TEST_F(EditSessionTest, OverwriteReplacesCharactersButNeverTheLineEnd)
{
    Load("abc\ndef");
    session.toggleOverwrite();
    Type("XYZW");
    EXPECT_EQ(Text(), "XYZW\ndef");
    session.undo();
    EXPECT_EQ(Text(), "abc\ndef");
    Caret(0);
    Type("\xE2\x82\xAC");  // one character of three bytes replaces one character
    EXPECT_EQ(Text(), "\xE2\x82\xAC" "bc\ndef");
}

TEST_F(EditSessionTest, UndoGroupsTypingIntoWordsAndACaretMoveEndsAGroup)
{
    Type("hello world");
    session.undo();
    EXPECT_EQ(Text(), "hello");
    session.undo();
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(session.undo()) << "nothing left to undo";
    session.redo();
    session.redo();
    EXPECT_EQ(Text(), "hello world");
    session.selectAll();
    Type("ab");
    session.moveCaret(1, false);
    Type("cd");
    EXPECT_EQ(Text(), "acdb");
    session.undo();
    EXPECT_EQ(Text(), "ab");
}

TEST_F(EditSessionTest, UndoPutsTheSelectionBackAndCountsAsAnEdit)
{
    Type("abc def");
    session.setSelection(0, 3);
    Type("X");
    const unsigned long edits = session.editCount();
    session.undo();
    EXPECT_EQ(session.selection(), Selection(0, 3));
    EXPECT_GT(session.editCount(), edits);
}

TEST_F(EditSessionTest, CaseChangesTheSelectionOnlyAsOneStep)
{
    Type("Caf\xC3\xA9 Au Lait");
    session.setSelection(0, 5);
    session.changeCase(CaseChange::Upper);
    EXPECT_EQ(Text(), "CAF\xC3\x89 Au Lait");
    session.selectAll();
    session.changeCase(CaseChange::Lower);
    EXPECT_EQ(Text(), "caf\xC3\xA9 au lait");
    session.undo();
    EXPECT_EQ(Text(), "CAF\xC3\x89 Au Lait");
}

TEST_F(EditSessionTest, TypingIntoAColumnBlockReplacesItOnEveryLineInOneStep)
{
    Load("abcdef\nghijkl\nmn\nopqrst");
    session.startColumnBlock(0, 1);
    session.extendColumnBlock(3, 3);
    EXPECT_EQ(session.selectedText(), "bc\nhi\nn\npq");
    Type("X");
    EXPECT_EQ(Text(), "aXdef\ngXjkl\nmX\noXrst") << "the short line loses what it had of the block";
    Type("Y");
    EXPECT_EQ(Text(), "aXYdef\ngXYjkl\nmXY\noXYrst") << "the block stays on every line after typing";
    EXPECT_EQ(session.blockCaretColumn(), 3u);
    session.undo();
    EXPECT_EQ(Text(), "aXdef\ngXjkl\nmX\noXrst");
    session.undo();
    EXPECT_EQ(Text(), "abcdef\nghijkl\nmn\nopqrst") << "one keystroke, one undo step";
}

TEST_F(EditSessionTest, TabInAColumnBlockGoesOntoEveryLineOfIt)
{
    Load("abcdef\nghijkl\nmnopqr");
    session.startColumnBlock(0, 1);
    session.extendColumnBlock(2, 3);
    Type("\t");
    EXPECT_EQ(Text(), "a\tdef\ng\tjkl\nm\tpqr");
    session.undo();
    EXPECT_EQ(Text(), "abcdef\nghijkl\nmnopqr") << "one keystroke, one undo step";
    view.given.expandTabs = true;
    view.given.tabWidth = 4;
    session.startColumnBlock(0, 1);
    session.extendColumnBlock(2, 1);  // an insertion point at column 1
    Type("\t");
    EXPECT_EQ(Text(), "a   bcdef\ng   hijkl\nm   nopqr") << "spaces to the next stop on every line";
}

TEST_F(EditSessionTest, ColumnDeletingLeavesShortLinesAloneAndTypingPadsThem)
{
    Load("abcd\nab\nefgh");
    session.startColumnBlock(0, 3);
    session.extendColumnBlock(2, 3);  // an insertion point at column 3 on three lines
    session.backspace(false);
    EXPECT_EQ(Text(), "abd\nab\nefh") << "the line ending before column 3 keeps its text";
    session.deleteForward(false);
    EXPECT_EQ(Text(), "ab\nab\nef");
    Load("abcdef\nx\nabcdef");
    session.startColumnBlock(0, 4);
    session.extendColumnBlock(2, 4);
    Type("|");
    EXPECT_EQ(Text(), "abcd|ef\nx   |\nabcd|ef") << "padded with spaces up to the block";
    session.undo();
    EXPECT_EQ(Text(), "abcdef\nx\nabcdef") << "the padding goes with the text it made room for";
}

TEST_F(EditSessionTest, PastingAsAColumnGoesDownFromTheCaretAndAddsLinesPastTheEnd)
{
    Load("ab\nc");
    Caret(1);
    session.pasteAsColumn({"1", "2", "3"});
    EXPECT_EQ(Text(), "a1b\nc2\n 3");
    session.undo();
    EXPECT_EQ(Text(), "ab\nc");
    // One line goes onto every line of a block.
    session.startColumnBlock(0, 1);
    session.extendColumnBlock(1, 1);
    session.pasteAsColumn({"-"});
    EXPECT_EQ(Text(), "a-b\nc-");
}

TEST_F(EditSessionTest, MovingTheSelectionIsOneStepAndCopyingKeepsTheOriginal)
{
    Load("one two three");
    session.setSelection(0, 4);
    session.moveSelectedText(13, false);
    EXPECT_EQ(Text(), "two threeone ");
    EXPECT_EQ(session.selection(), Selection(9, 13));
    session.undo();
    EXPECT_EQ(Text(), "one two three");
    session.setSelection(4, 7);
    session.moveSelectedText(0, true);
    EXPECT_EQ(Text(), "twoone two three");
    session.setSelection(0, 3);
    session.moveSelectedText(1, false);
    EXPECT_EQ(session.selection(), Selection(1, 1)) << "a drop inside the selection only moves the caret";
}

TEST_F(EditSessionTest, BookmarksStayWithTheirLinesThroughEditsAndUndo)
{
    Load("a\nb\nc\nd");
    session.bookmarks().toggle(2);  // "c"
    Caret(0);
    Type("\r\r");
    EXPECT_TRUE(session.bookmarks().has(4));
    session.undo();  // each line end typed is a step of its own
    EXPECT_TRUE(session.bookmarks().has(3));
    session.undo();
    EXPECT_TRUE(session.bookmarks().has(2));
    session.setSelection(2, 6);  // "b\nc\n" goes
    session.backspace(false);
    ASSERT_EQ(session.bookmarks().lines().size(), 1u);
    EXPECT_LT(session.bookmarks().lines().front(), session.text().lineCount());
}

TEST_F(EditSessionTest, TheCaretKeepsItsColumnOverShortLinesAndTheViewIsToldOfEachEdit)
{
    Load("abcdef\nab\nabcdef");
    session.moveCaret(5, false);
    EXPECT_EQ(session.preferredColumn(), 5u);
    session.moveCaret(9, false, true);  // onto the short line, keeping the column
    EXPECT_EQ(session.preferredColumn(), 5u);
    const int edits = view.edits;
    Type("x");
    EXPECT_EQ(view.edits, edits + 1);
    EXPECT_EQ(session.preferredColumn(), 3u) << "an edit takes the caret's new column";
}

TEST_F(EditSessionTest, TheStepsAMacroRepeatsAreToldAndTakenAgainGiveTheSameText)
{
    view.given.autoIndent = AutoIndentRule::Keep;
    view.recording = true;
    Type("  ab\rc\t");
    session.backspace(false);
    session.typeText("\xF0\x9F\x98\x80");  // a character outside the BMP, whole
    const std::size_t steps = view.steps.size();
    session.insertTab(true);  // Shift+Tab: not a step a macro repeats
    EXPECT_EQ(view.steps.size(), steps);
    session.undo();
    view.recording = false;
    const std::string recorded = Text();
    ASSERT_EQ(view.steps.size(), 9u);
    EXPECT_EQ(view.steps[4].kind, EditStep::Kind::NewLine);
    EXPECT_EQ(view.steps[8].text, "\xF0\x9F\x98\x80");
    session.selectAll();
    session.deleteForward(false);
    for (const corvex_test::TakenStep& step : view.steps)
        corvex_test::Replay(session, step);
    EXPECT_EQ(Text(), "  ab\n  c\xF0\x9F\x98\x80");
    EXPECT_EQ(recorded, "  ab\n  c\xF0\x9F\x98\x80");
}

} // namespace
