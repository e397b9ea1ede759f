// Typing, keys, auto-indent, tabs, undo, case commands, the mouse and the position
// record, all through the control's messages.
#include "control_fixture.h"

namespace {

std::vector<int> Position(HWND control, WPARAM shown)
{
    int record[4] = {};
    SendMessageA(control, corvex::GetPosition, shown, reinterpret_cast<LPARAM>(record));
    return {record[0], record[1], record[2], record[3]};
}

TEST_F(ControlTest, PositionRecordShowsLinesAndColumnsWithTabsExpanded)
{
    Type("one\r\tab");
    EXPECT_EQ(Position(control, 1), (std::vector<int>{7, 7, 2, 7}));
    EXPECT_EQ(Position(control, 0), (std::vector<int>{7, 7, 1, 6}));
    Send(corvex::SetTabSize, 8);
    EXPECT_EQ(Position(control, 1)[3], 11);
    Select(6, 1);
    EXPECT_EQ(Position(control, 1), (std::vector<int>{1, 6, 1, 2}));
}

TEST_F(ControlTest, ReplaceTakesTheRecordAndNormalisesLineEnds)
{
    Send(corvex::SetAutoIndent, 0);
    Type("hello world");
    Select(6, 11);
    int record[4];
    Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    EXPECT_EQ(Send(corvex::SaveRecord, reinterpret_cast<WPARAM>(record), reinterpret_cast<LPARAM>("there\r\nfriend")), 1);
    EXPECT_EQ(Text(), "hello there\nfriend");
    const int outside[4] = {100, 200, 0, 0};
    Send(corvex::SaveRecord, reinterpret_cast<WPARAM>(outside), reinterpret_cast<LPARAM>("!"));
    EXPECT_EQ(Text(), "hello there\nfriend!");
    EXPECT_EQ(Send(corvex::SaveRecord, 0, reinterpret_cast<LPARAM>("x")), 0);
}

TEST_F(ControlTest, NavigationKeysMoveAndExtend)
{
    Send(corvex::SetAutoIndent, 0);
    Type("alpha beta\rgamma");
    Press(VK_HOME, {VK_CONTROL});
    EXPECT_EQ(Position(control, 1)[2], 1);
    Press(VK_RIGHT, {VK_CONTROL});
    EXPECT_EQ(Position(control, 0)[1], 6);
    Press(VK_RIGHT, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(Position(control, 0), (std::vector<int>{6, 10, 0, 10}));
    Press(VK_DOWN);
    EXPECT_EQ(Position(control, 0), (std::vector<int>{16, 16, 1, 5}));
    Press(VK_END, {VK_CONTROL});
    Press(VK_LEFT, {VK_SHIFT});
    Press(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(Position(control, 0), (std::vector<int>{14, 16, 1, 3}));
    Press(VK_HOME);
    EXPECT_EQ(Position(control, 0)[1], 11);
    Press(VK_UP);
    Press(VK_END);
    EXPECT_EQ(Position(control, 0)[1], 10);
    Press(VK_NEXT);
    EXPECT_EQ(Position(control, 0)[2], 1);
}

TEST_F(ControlTest, DeletingKeysRemoveCharactersAndWords)
{
    Type("one two three");
    Press(VK_BACK);
    EXPECT_EQ(Text(), "one two thre");
    Press(VK_BACK, {VK_CONTROL});
    EXPECT_EQ(Text(), "one two ");
    Press(VK_HOME);
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "ne two ");
    Press(VK_DELETE, {VK_CONTROL});
    EXPECT_EQ(Text(), "two ");
    Send(corvex::Command, corvex::CmdSelectAll);
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "");
}

TEST_F(ControlTest, EnterIndentsByMode)
{
    Send(corvex::SetAutoIndent, corvex::AutoIndentNone);
    Type("  a\r");
    EXPECT_EQ(Text(), "  a\n");
    Send(corvex::Command, corvex::CmdSelectAll);
    Send(corvex::SetAutoIndent, corvex::AutoIndentKeep);
    Type("  a {\rb");
    EXPECT_EQ(Text(), "  a {\n  b");
    Send(corvex::Command, corvex::CmdSelectAll);
    Press(VK_DELETE);
    Send(corvex::SetAutoIndent, corvex::AutoIndentSmart);
    Type("\tif (x) {\rcall();\r}");
    EXPECT_EQ(Text(), "\tif (x) {\n\t\tcall();\n\t}");
    Send(corvex::SetTabExpand, 1);
    Send(corvex::Command, corvex::CmdSelectAll);
    Type("f:\r");
    EXPECT_EQ(Text(), "f:\n    ");
}

TEST_F(ControlTest, TabThroughWmCharShiftsTheSelectedLinesAndWithShiftHeldTakesThemBack)
{
    Send(corvex::SetAutoIndent, 0);
    Type("a\rb");
    Select(0, 3);
    Type("\t");
    EXPECT_EQ(Text(), "\ta\n\tb");
    HoldKeys({VK_SHIFT}, true);
    Type("\t");
    HoldKeys({VK_SHIFT}, false);
    EXPECT_EQ(Text(), "a\nb");
}

TEST_F(ControlTest, CanUndoAndCanRedoAnswerForTheHistory)
{
    Type("hello world");
    EXPECT_NE(Send(corvex::CanUndo), 0);
    EXPECT_EQ(Send(corvex::CanRedo), 0);
    Send(corvex::Undo);
    EXPECT_EQ(Text(), "hello");
    EXPECT_NE(Send(corvex::CanRedo), 0);
    Send(corvex::Undo);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(Send(corvex::CanUndo), 0);
    Send(corvex::Redo);
    Send(corvex::Redo);
    EXPECT_EQ(Text(), "hello world");
    EXPECT_EQ(Send(corvex::CanRedo), 0);
}

TEST_F(ControlTest, CaseCommandsChangeTheSelectionOnly)
{
    Type("Caf\xC3\xA9 Au Lait");
    Select(0, 5);
    EXPECT_EQ(Send(corvex::Command, corvex::CmdUpperCase), 1);
    EXPECT_EQ(Text(), "CAF\xC3\x89 Au Lait");
    Send(corvex::Command, corvex::CmdSelectAll);
    Send(corvex::Command, corvex::CmdLowerCase);
    EXPECT_EQ(Text(), "caf\xC3\xA9 au lait");
    Send(corvex::Undo);
    EXPECT_EQ(Text(), "CAF\xC3\x89 Au Lait");
}

TEST_F(ControlTest, NonAsciiCharactersAreStoredAsUtf8)
{
    SendMessageW(control, WM_CHAR, 0x20AC, 1);      // euro sign
    SendMessageW(control, WM_CHAR, 0xD83D, 1);      // a character outside the BMP,
    SendMessageW(control, WM_CHAR, 0xDE00, 1);      // as a surrogate pair
    EXPECT_EQ(Text(), "\xE2\x82\xAC\xF0\x9F\x98\x80");
    Press(VK_BACK);
    EXPECT_EQ(Text(), "\xE2\x82\xAC");
}

TEST_F(ControlTest, MouseSelectsByClickWordLineAndShift)
{
    Send(corvex::SetAutoIndent, 0);
    Type("first word\rsecond");
    UpdateWindow(control);
    const int y = 5;
    // Find a point over the text: the fifth column of line 1.
    POINT point = {0, y};
    for (point.x = 0; point.x < 300; ++point.x) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(point.x, y));
        if (Position(control, 0)[1] == 8)
            break;
    }
    ASSERT_LT(point.x, 300);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, y));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(point.x, y));
    EXPECT_EQ(Position(control, 0), (std::vector<int>{6, 10, 0, 10}));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, y));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(point.x, y));
    EXPECT_EQ(Position(control, 0), (std::vector<int>{0, 11, 1, 0}));
    Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(point.x, 200));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(point.x, 200));
    EXPECT_EQ(Position(control, 0)[1], 17);
}

TEST_F(ControlTest, DraggingTheSelectionMovesIt)
{
    Type("abc def");
    Select(0, 3); // "abc"
    UpdateWindow(control);
    int inside = -1, end = -1;
    for (int x = 0; x < 300 && end < 0; ++x) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
        const int caret = Position(control, 0)[1];
        if (caret == 1 && inside < 0)
            inside = x;
        if (caret == 7 && inside >= 0)
            end = x;
        Select(0, 3);
    }
    ASSERT_GE(inside, 0);
    ASSERT_GE(end, 0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside, 5));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end, 5));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(end + 20, 5));
    EXPECT_EQ(Text(), " defabc");
    Send(corvex::Undo);
    EXPECT_EQ(Text(), "abc def");
    Send(corvex::SetDragDrop, 0);
    Select(0, 3);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside, 5));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end, 5));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(end, 5));
    EXPECT_EQ(Text(), "abc def");
    EXPECT_EQ(Position(control, 0), (std::vector<int>{1, 7, 0, 7}));
}

} // namespace

namespace {

// The column the position record should show for `offset` of a one-line text: tabs to the
// next multiple of `tab`, a UTF-8 character one column, 1-based.
int ExpectedColumn(const std::string& text, std::size_t offset, int tab)
{
    int column = 0;
    for (std::size_t k = 0; k < offset; ++k) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if (c == '\t')
            column = (column / tab + 1) * tab;
        else if ((c & 0xC0) != 0x80)
            ++column;
    }
    return column + 1;
}

} // namespace

// A line far longer than a screen keeps the columns it knows across edits: typing at its
// end, in its middle and at its start, deleting, undoing, and a changed tab size all show
// the right caret column, and the painted line follows the text.
TEST_F(ControlTest, ColumnsOfALongLineStayRightThroughEdits)
{
    std::string line;
    while (line.size() < 200 * 1024)
        line += "word\t\xC3\xA9t\xC3\xA9 x\tmore text ";
    ScratchFolder folder;
    WriteBytes(folder.File("long.txt"), line);
    Load(folder.File("long.txt"));
    const auto check = [&](const char* when) {
        const std::string text = Text();
        const std::vector<int> record = Position(control, 1);
        const std::size_t caret = static_cast<std::size_t>(record[1]);
        EXPECT_EQ(record[3], ExpectedColumn(text, caret, static_cast<int>(Send(corvex::GetTabSize)))) << when;
    };
    Select(line.size(), line.size());
    check("at the end");
    Type("ab\t");
    check("typed at the end");
    Select(line.size() / 2, line.size() / 2);
    check("in the middle");
    Type("\t\xC3\xA9z");
    check("typed in the middle");
    Press(VK_BACK);
    Press(VK_BACK);
    check("deleted in the middle");
    Select(3, 3);
    Type("\t");
    Select(line.size() / 2 + 40, line.size() / 2 + 40);
    check("after a tab typed near the start, further along");
    Send(corvex::Undo);
    Select(line.size() / 2 + 40, line.size() / 2 + 40);
    check("after the undo");
    Send(corvex::SetTabSize, 8);
    check("with tab size 8");
    Press(VK_END);
    check("End");
    Type("q");
    check("typed at the end again");
    UpdateWindow(control);
}
