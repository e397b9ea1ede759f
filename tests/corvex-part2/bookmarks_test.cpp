// Bookmarks: toggling, stepping through them with wrapping, clearing, and keeping their
// lines while lines are inserted or deleted above them.
#include "control_fixture.h"

namespace {

class BookmarksTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        Send(corvex::SetAutoIndent, 0);
        Type("l0\rl1\rl2\rl3\rl4\rl5\rl6");
    }
    int CaretLine() const
    {
        int record[4];
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        return record[2];
    }
    void GoToLineStart(int line) const
    {
        Press(VK_HOME, {VK_CONTROL});
        for (int k = 0; k < line; ++k)
            Press(VK_DOWN);
        Press(VK_HOME);
    }
    void ToggleAt(int line) const
    {
        GoToLineStart(line);
        Send(corvex::Command, corvex::CmdToggleBookmark);
    }
    // The bookmarked lines, found by stepping forwards from the first line.
    std::vector<int> Marks() const
    {
        GoToLineStart(0);
        std::vector<int> lines;
        for (int k = 0; k < 10; ++k) {
            Send(corvex::Command, corvex::CmdNextBookmark);
            const int line = CaretLine();
            if (!lines.empty() && line == lines.front())
                break;
            lines.push_back(line);
        }
        return lines;
    }
};

TEST_F(BookmarksTest, NextAndPreviousWrapAroundTheDocument)
{
    ToggleAt(2);
    ToggleAt(5);
    GoToLineStart(3);
    Send(corvex::Command, corvex::CmdNextBookmark);
    EXPECT_EQ(CaretLine(), 5);
    Send(corvex::Command, corvex::CmdNextBookmark);
    EXPECT_EQ(CaretLine(), 2);
    Send(corvex::Command, corvex::CmdPreviousBookmark);
    EXPECT_EQ(CaretLine(), 5);
    Send(corvex::Command, corvex::CmdPreviousBookmark);
    EXPECT_EQ(CaretLine(), 2);

    ToggleAt(2); // off again
    GoToLineStart(0);
    Send(corvex::Command, corvex::CmdNextBookmark);
    EXPECT_EQ(CaretLine(), 5);
    Send(corvex::Command, corvex::CmdClearBookmarks);
    GoToLineStart(1);
    Send(corvex::Command, corvex::CmdNextBookmark);
    EXPECT_EQ(CaretLine(), 1) << "no bookmark: the caret stays";
}

TEST_F(BookmarksTest, BookmarksMoveWithTheirLinesWhenLinesAboveChange)
{
    ToggleAt(3);
    ToggleAt(5);
    GoToLineStart(1);
    Type("new\rnew\r");
    EXPECT_EQ(Marks(), (std::vector<int>{5, 7}));

    // Deleting two whole lines above them.
    GoToLineStart(1);
    Press(VK_DOWN, {VK_SHIFT});
    Press(VK_DOWN, {VK_SHIFT});
    Press(VK_DELETE);
    EXPECT_EQ(Marks(), (std::vector<int>{3, 5}));

    // Undo and redo move them as the edit did.
    Send(corvex::Undo);
    EXPECT_EQ(Marks(), (std::vector<int>{5, 7}));
    Send(corvex::Redo);
    EXPECT_EQ(Marks(), (std::vector<int>{3, 5}));

    // Edits below or on the same line leave them.
    GoToLineStart(6);
    Type("tail\r");
    GoToLineStart(3);
    Press(VK_END);
    Type(" more");
    EXPECT_EQ(Marks(), (std::vector<int>{3, 5}));
}

TEST_F(BookmarksTest, DeletingABookmarkedLineKeepsOneMarkAtTheJoin)
{
    ToggleAt(2);
    ToggleAt(3);
    GoToLineStart(2);
    Press(VK_DOWN, {VK_SHIFT});
    Press(VK_DOWN, {VK_SHIFT});
    Press(VK_DELETE);
    EXPECT_EQ(Marks(), (std::vector<int>{2}));
}

} // namespace
