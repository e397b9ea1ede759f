// Bookmarks through the control's commands: toggling, stepping through them with
// wrapping, and clearing.
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

} // namespace
