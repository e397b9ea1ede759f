// A column selection made from the keyboard (Alt+Shift with the arrow and page keys), and
// typing acting on every one of its lines as one undo step.
#include "control_fixture.h"

namespace {

class ColumnTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        Send(corvex::SetAutoIndent, 0);
    }
    // Alt+Shift+key, which reaches a window as a system key.
    void AltShift(UINT key, int times = 1) const
    {
        HoldKeys({VK_MENU, VK_SHIFT}, true);
        for (int k = 0; k < times; ++k)
            SendMessageW(control, WM_SYSKEYDOWN, key, 1 | (1 << 29));
        HoldKeys({VK_MENU, VK_SHIFT}, false);
    }
    // The caret's line and column (0-based).
    std::pair<int, int> Caret() const
    {
        int record[4] = {};
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        return {record[2], record[3]};
    }
};

TEST_F(ColumnTest, AltShiftArrowsSelectAColumnThatTypingReplacesOnEveryLineInOneStep)
{
    Type("abcdef\rghijkl\rmn\ropqrst");
    Press(VK_HOME, {VK_CONTROL});
    Press(VK_RIGHT);
    AltShift(VK_DOWN, 3);
    AltShift(VK_RIGHT, 2);
    Press('C', {VK_CONTROL});  // a key command in between changes nothing
    Type("X");
    EXPECT_EQ(Text(), "aXdef\ngXjkl\nmX\noXrst") << "the short line loses what it had of the block";
    Type("Y");
    EXPECT_EQ(Text(), "aXYdef\ngXYjkl\nmXY\noXYrst") << "the block stays on every line after typing";
    EXPECT_EQ(Caret(), std::make_pair(3, 3));
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Text(), "aXdef\ngXjkl\nmX\noXrst");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Text(), "abcdef\nghijkl\nmn\nopqrst") << "one keystroke, one undo step";
}

TEST_F(ColumnTest, PageKeysExtendTheBlockByAPageAndEscapeEndsIt)
{
    for (int k = 0; k < 200; ++k)
        Type("line\r");
    Press(VK_HOME, {VK_CONTROL});
    AltShift(VK_NEXT);
    const int page = Caret().first;
    EXPECT_GT(page, 3);
    AltShift(VK_RIGHT, 2);
    Type("#");
    EXPECT_EQ(Text().substr(0, 18), "#ne\n#ne\n#ne\n#ne\n#n");
    AltShift(VK_PRIOR);
    EXPECT_EQ(Caret().first, 0);
    Press(VK_ESCAPE);
    Type("!");
    EXPECT_EQ(Text().substr(0, 6), "#!ne\n#") << "after Escape typing goes to the caret alone";
}

} // namespace
