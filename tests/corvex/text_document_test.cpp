#include "corvex/engine/text_document.h"
#include "corvex/engine/file_codec.h"

#include <gtest/gtest.h>

#include <string>

using corvex::EditKind;
using corvex::Selection;
using corvex::TextDocument;

namespace {

// Types `text` at `pos` one character at a time, as the view would.
void type(TextDocument& d, std::size_t pos, const std::string& text) {
    for (char c : text) {
        d.insert(pos, std::string(1, c), Selection(pos), Selection(pos + 1), EditKind::Typing);
        ++pos;
    }
}

void backspace(TextDocument& d, std::size_t caret, int times) {
    for (int i = 0; i < times; ++i, --caret)
        d.erase(caret - 1, 1, Selection(caret), Selection(caret - 1), EditKind::Backspace);
}

void deleteForward(TextDocument& d, std::size_t caret, int times) {
    for (int i = 0; i < times; ++i) d.erase(caret, 1, Selection(caret), Selection(caret), EditKind::DeleteForward);
}

} // namespace

TEST(TextDocument, TypingGroupsIntoWords) {
    TextDocument d;
    type(d, 0, "hello world");
    EXPECT_EQ(d.undoSteps(), 2u);
    auto r = d.undo();
    EXPECT_TRUE(r.done);
    EXPECT_EQ(d.text(), "hello");
    EXPECT_EQ(r.selection, Selection(5));
    EXPECT_EQ(r.changeStart, 5u);
    EXPECT_EQ(r.changeEnd, 5u);
    r = d.undo();
    EXPECT_EQ(d.text(), "");
    EXPECT_EQ(r.selection, Selection(0));
    EXPECT_FALSE(d.undo().done);
    r = d.redo();
    EXPECT_EQ(d.text(), "hello");
    EXPECT_EQ(r.selection, Selection(5));
    EXPECT_EQ(r.changeStart, 0u);
    EXPECT_EQ(r.changeEnd, 5u);
    d.redo();
    EXPECT_EQ(d.text(), "hello world");
    EXPECT_FALSE(d.redo().done);
}

TEST(TextDocument, PunctuationAndNewlineStartSteps) {
    TextDocument d;
    type(d, 0, "a.b\nc  d");
    // "a" | ".b" | "\nc"? no: "\n" starts a step, "c" continues it; "  d" is one step.
    EXPECT_EQ(d.undoSteps(), 4u);
    d.undo();
    EXPECT_EQ(d.text(), "a.b\nc");
    d.undo();
    EXPECT_EQ(d.text(), "a.b");
    d.undo();
    EXPECT_EQ(d.text(), "a");
}

TEST(TextDocument, CaretJumpStartsANewStep) {
    TextDocument d;
    type(d, 0, "abc");
    d.breakGroup();
    type(d, 3, "def");
    EXPECT_EQ(d.undoSteps(), 2u);
    type(d, 0, "x");  // not where the typing ended
    EXPECT_EQ(d.undoSteps(), 3u);
    d.undo();
    EXPECT_EQ(d.text(), "abcdef");
}

TEST(TextDocument, BackspaceAndDeleteGroup) {
    TextDocument d;
    d.load(std::string_view("one two three"));
    backspace(d, 13, 5);  // "three"
    EXPECT_EQ(d.text(), "one two ");
    EXPECT_EQ(d.undoSteps(), 1u);
    backspace(d, 8, 2);  // " " starts a step, "o" continues it
    EXPECT_EQ(d.text(), "one tw");
    EXPECT_EQ(d.undoSteps(), 2u);
    d.breakGroup();
    deleteForward(d, 0, 3);
    EXPECT_EQ(d.text(), " tw");
    EXPECT_EQ(d.undoSteps(), 3u);
    auto r = d.undo();
    EXPECT_EQ(d.text(), "one tw");
    EXPECT_EQ(r.selection, Selection(0));
    r = d.undo();
    EXPECT_EQ(d.text(), "one two ");
    EXPECT_EQ(r.selection, Selection(8));
    EXPECT_EQ(r.changeStart, 6u);
    EXPECT_EQ(r.changeEnd, 8u);
    d.undo();
    EXPECT_EQ(d.text(), "one two three");
    EXPECT_FALSE(d.isModified());
}

TEST(TextDocument, TypingOverASelectionIsOneStepWithTheDeletion) {
    TextDocument d;
    d.load(std::string_view("pick THIS word"));
    d.replace(5, 4, "t", Selection(5, 9), Selection(6), EditKind::Typing);
    type(d, 6, "hat");
    EXPECT_EQ(d.text(), "pick that word");
    EXPECT_EQ(d.undoSteps(), 1u);
    auto r = d.undo();
    EXPECT_EQ(d.text(), "pick THIS word");
    EXPECT_EQ(r.selection, Selection(5, 9));
    EXPECT_EQ(r.changeStart, 5u);
    EXPECT_EQ(r.changeEnd, 9u);
}

TEST(TextDocument, OverwriteTypingGroups) {
    TextDocument d;
    d.load(std::string_view("abcdef"));
    for (std::size_t i = 0; i < 3; ++i)
        d.replace(i, 1, "X", Selection(i), Selection(i + 1), EditKind::Typing);
    EXPECT_EQ(d.text(), "XXXdef");
    EXPECT_EQ(d.undoSteps(), 1u);
    d.undo();
    EXPECT_EQ(d.text(), "abcdef");
}

TEST(TextDocument, OtherEditsAreStepsOfTheirOwn) {
    TextDocument d;
    d.insert(0, "paste", Selection(0), Selection(5));
    d.insert(5, "paste", Selection(5), Selection(10));
    EXPECT_EQ(d.undoSteps(), 2u);
    type(d, 10, "ab");
    EXPECT_EQ(d.undoSteps(), 3u);
}

TEST(TextDocument, SavePoint) {
    TextDocument d;
    d.load(std::string_view("base"));
    EXPECT_FALSE(d.isModified());
    type(d, 4, "x");
    EXPECT_TRUE(d.isModified());
    d.undo();
    EXPECT_FALSE(d.isModified());
    d.redo();
    EXPECT_TRUE(d.isModified());
    d.setSavePoint();  // "clear the modified flag"
    EXPECT_FALSE(d.isModified());
    type(d, 5, "y");  // would merge with "x", but not across the save point
    EXPECT_TRUE(d.isModified());
    d.undo();
    EXPECT_EQ(d.text(), "basex");
    EXPECT_FALSE(d.isModified());
    d.undo();
    EXPECT_TRUE(d.isModified());
    EXPECT_EQ(d.text(), "base");
    // A new change now discards the redo branch holding the save point.
    type(d, 4, "z");
    EXPECT_TRUE(d.isModified());
    d.undo();
    EXPECT_TRUE(d.isModified());
    d.setSavePoint();
    EXPECT_FALSE(d.isModified());
}

TEST(TextDocument, NewEditDiscardsRedo) {
    TextDocument d;
    type(d, 0, "ab cd");
    d.undo();
    EXPECT_TRUE(d.canRedo());
    d.breakGroup();
    type(d, 2, "!");
    EXPECT_FALSE(d.canRedo());
    EXPECT_EQ(d.text(), "ab!");
}

TEST(TextDocument, CompoundIsOneStep) {
    TextDocument d;
    d.load(std::string_view("a\nb\nc"));
    d.beginCompound(Selection(0, 5));
    d.insert(0, "\t", Selection(), Selection());
    d.insert(3, "\t", Selection(), Selection());
    d.beginCompound(Selection());
    d.insert(6, "\t", Selection(), Selection());
    d.endCompound(Selection());
    d.endCompound(Selection(0, 8));
    EXPECT_EQ(d.text(), "\ta\n\tb\n\tc");
    EXPECT_EQ(d.undoSteps(), 1u);
    auto r = d.undo();
    EXPECT_EQ(d.text(), "a\nb\nc");
    EXPECT_EQ(r.selection, Selection(0, 5));
    EXPECT_EQ(r.changeStart, 0u);
    EXPECT_EQ(r.changeEnd, 4u);
    r = d.redo();
    EXPECT_EQ(r.selection, Selection(0, 8));
    // An empty compound records nothing.
    d.beginCompound(Selection());
    d.endCompound(Selection());
    EXPECT_EQ(d.undoSteps(), 1u);
}

TEST(TextDocument, ChangeCaseIsOneStepAndKeepsLength) {
    TextDocument d;
    d.load(std::string_view("Hello, World"));
    EXPECT_TRUE(d.changeCase(0, 12, corvex::CaseChange::Upper, true, Selection(0, 12), Selection(0, 12)));
    EXPECT_EQ(d.text(), "HELLO, WORLD");
    EXPECT_FALSE(d.changeCase(0, 12, corvex::CaseChange::Upper, true, Selection(), Selection()));
    EXPECT_EQ(d.undoSteps(), 1u);
    d.undo();
    EXPECT_EQ(d.text(), "Hello, World");
}

TEST(TextDocument, LoadClearsHistory) {
    TextDocument d;
    type(d, 0, "abc");
    d.load(std::string("fresh"));
    EXPECT_FALSE(d.canUndo());
    EXPECT_FALSE(d.isModified());
    EXPECT_EQ(d.text(), "fresh");
}

TEST(TextDocument, LongBackspaceRunsStayBounded) {
    TextDocument d;
    d.load(std::string(10000, 'a'));
    backspace(d, 10000, 10000);
    EXPECT_EQ(d.size(), 0u);
    // A backspace group stops at 4096 bytes: 4096 + 4096 + 1808.
    EXPECT_EQ(d.undoSteps(), 3u);
    d.undo();
    EXPECT_EQ(d.size(), 1808u);
    d.undo();
    EXPECT_EQ(d.size(), 1808u + 4096u);
    d.undo();
    EXPECT_FALSE(d.canUndo());
    EXPECT_EQ(d.text(), std::string(10000, 'a'));
}

// A file with mixed line ends: each deleted line end comes back with its own kind on undo,
// and one typed later takes the document's style.
TEST(TextDocumentLineEnds, UndoRestoresTheKindOfADeletedLineEnd) {
    using corvex::LineEnd;
    const std::string file = "a\r\nb\nc\r\nd";
    auto decoded = corvex::decodeFile(file);
    corvex::TextDocument doc;
    doc.load(std::move(decoded.text), decoded.lineEndKinds);
    auto saved = [&] { return corvex::encodeFile(doc.buffer(), corvex::Encoding::Utf8, LineEnd::CRLF); };
    ASSERT_EQ(saved(), file);

    // Backspace twice over "b\n"'s line end and the "b", then forward-delete the next one.
    doc.erase(3, 1, corvex::Selection(4), corvex::Selection(3), corvex::EditKind::Backspace);  // the LF after b
    EXPECT_EQ(saved(), "a\r\nbc\r\nd");
    doc.erase(2, 1, corvex::Selection(3), corvex::Selection(2), corvex::EditKind::Backspace);
    EXPECT_EQ(saved(), "a\r\nc\r\nd");
    doc.undo();
    EXPECT_EQ(saved(), file);
    doc.redo();
    EXPECT_EQ(saved(), "a\r\nc\r\nd");
    doc.undo();

    // Typing a line break uses the style; erasing and undoing it keeps the others intact.
    doc.insert(0, "\n", corvex::Selection(0), corvex::Selection(1), corvex::EditKind::Typing);
    EXPECT_EQ(saved(), "\r\n" + file);
    doc.undo();
    EXPECT_EQ(saved(), file);
    EXPECT_TRUE(doc.buffer().checkInvariants());
}
