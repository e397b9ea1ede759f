// The control's own hot keys, pressed as a user would: each one does its work inside the
// control, and none of them types a character or reaches the program.
#include "control_fixture.h"

#include <string>

namespace {

class HotKeyTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        Send(corvex::SetAutoIndent, 0);
    }
    void TearDown() override
    {
        EXPECT_TRUE(keyCommands.empty()) << "a control key reached the program";
        ControlTest::TearDown();
    }
    // [0] selection start, [1] selection end, [2] caret line (0-based).
    std::vector<int> Position() const
    {
        std::vector<int> record(4);
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record.data()));
        return record;
    }
    int CaretLine() const { return Position()[2]; }
    void GoToLine(int line) const
    {
        Press(VK_HOME, {VK_CONTROL});
        for (int k = 0; k < line; ++k)
            Press(VK_DOWN);
    }
};

TEST_F(HotKeyTest, CtrlShiftUAndCtrlUChangeTheCaseOfTheSelection)
{
    Type("Mixed Case");
    Select(0, 5);
    Press('U', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(Text(), "MIXED Case");
    Press('A', {VK_CONTROL});
    Press('U', {VK_CONTROL});
    EXPECT_EQ(Text(), "mixed case");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Text(), "MIXED Case") << "a case change is one undo step";
}

TEST_F(HotKeyTest, CtrlShiftZRedoesLikeCtrlY)
{
    Type("abc");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Text(), "");
    Press('Z', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(Text(), "abc");
    Press('Z', {VK_CONTROL});
    Press('Y', {VK_CONTROL});
    EXPECT_EQ(Text(), "abc");
}

TEST_F(HotKeyTest, TheF2KeysSetStepThroughAndClearBookmarks)
{
    Type("l0\rl1\rl2\rl3\rl4");
    GoToLine(1);
    Press(VK_F2, {VK_CONTROL});
    GoToLine(3);
    Press(VK_F2, {VK_CONTROL});
    GoToLine(0);
    Press(VK_F2);
    EXPECT_EQ(CaretLine(), 1);
    Press(VK_F2);
    EXPECT_EQ(CaretLine(), 3);
    Press(VK_F2, {VK_SHIFT});
    EXPECT_EQ(CaretLine(), 1);

    // Ctrl+F2 on a bookmarked line takes its mark away.
    Press(VK_F2, {VK_CONTROL});
    GoToLine(0);
    Press(VK_F2);
    EXPECT_EQ(CaretLine(), 3);

    Press(VK_F2, {VK_CONTROL, VK_SHIFT});
    GoToLine(2);
    Press(VK_F2);
    EXPECT_EQ(CaretLine(), 2) << "no bookmark is left to go to";
    EXPECT_EQ(Text(), "l0\nl1\nl2\nl3\nl4");
}

TEST_F(HotKeyTest, CtrlCloseBracketGoesToTheMatchingBracket)
{
    Type("f(a(b)c) x");
    Select(1, 1);  // before the outer "("
    Press(VK_OEM_6, {VK_CONTROL});
    EXPECT_EQ(Position()[0], 7);
    EXPECT_EQ(Position()[1], 7);
    Press(VK_OEM_6, {VK_CONTROL});
    EXPECT_EQ(Position()[0], 1);
    EXPECT_EQ(Text(), "f(a(b)c) x");
}

TEST_F(HotKeyTest, F3AndShiftF3FindTheLastSearchedTextAgain)
{
    CorvexSetHistory("word\nother", 1);
    Send(corvex::SetCaseSensitive, 0);
    Type("a word, a Word, a word");
    Select(0, 0);
    Press(VK_F3);
    EXPECT_EQ(Position()[0], 2);
    EXPECT_EQ(Position()[1], 6);
    Press(VK_F3);
    EXPECT_EQ(Position()[0], 10);
    Press(VK_F3, {VK_SHIFT});
    EXPECT_EQ(Position()[0], 2);
    CorvexSetHistory(nullptr, 1);
}

} // namespace
