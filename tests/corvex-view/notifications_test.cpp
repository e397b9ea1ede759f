// What the control tells its parent: caret moves, changes of the modified flag and of
// the insert/overwrite mode, right clicks and the program's key commands.
#include "control_fixture.h"

#include <commctrl.h>

namespace {

TEST_F(ControlTest, TypingReportsTheCaretAndTheFirstModification)
{
    Type("ab");
    EXPECT_EQ(Count(corvex::NotifyCaretMoved), 2);
    EXPECT_EQ(Count(corvex::NotifyModifiedChanged), 1);
    EXPECT_NE(Send(corvex::IsModified), 0);
    notifications.clear();
    Send(corvex::ClearModified);
    EXPECT_EQ(Send(corvex::IsModified), 0);
    EXPECT_EQ(Count(corvex::NotifyModifiedChanged), 1);
}

TEST_F(ControlTest, UndoingBackToTheSavePointReportsUnmodified)
{
    Type("x");
    notifications.clear();
    Send(corvex::Undo);
    EXPECT_EQ(Send(corvex::IsModified), 0);
    EXPECT_EQ(Count(corvex::NotifyModifiedChanged), 1);
    Send(corvex::Redo);
    EXPECT_NE(Send(corvex::IsModified), 0);
    EXPECT_EQ(Count(corvex::NotifyModifiedChanged), 2);
}

TEST_F(ControlTest, QueriesDoNotNotify)
{
    Type("abc");
    notifications.clear();
    int record[4];
    Send(corvex::GetPosition, 1, reinterpret_cast<LPARAM>(record));
    Send(corvex::IsModified);
    Send(corvex::CanUndo);
    Send(corvex::GetTabSize);
    EXPECT_TRUE(notifications.empty());
}

TEST_F(ControlTest, InsertKeyTogglesOverwriteAndReportsIt)
{
    EXPECT_EQ(Send(corvex::IsOverwrite), 0);
    Press(VK_INSERT);
    EXPECT_NE(Send(corvex::IsOverwrite), 0);
    EXPECT_EQ(Count(corvex::NotifyOverwriteChanged), 1);
    Press(VK_INSERT);
    EXPECT_EQ(Send(corvex::IsOverwrite), 0);
    EXPECT_EQ(Count(corvex::NotifyOverwriteChanged), 2);
}

TEST_F(ControlTest, RightClickAndContextKeyAskForTheMenu)
{
    Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 10));
    Send(WM_RBUTTONUP, 0, MAKELPARAM(100, 10));
    EXPECT_EQ(Count(static_cast<UINT>(NM_RCLICK)), 1);
    Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control), MAKELPARAM(-1, -1));
    EXPECT_EQ(Count(static_cast<UINT>(NM_RCLICK)), 2);
}

TEST_F(ControlTest, ProgramKeysArriveAsKeyCommands)
{
    Press('N', {VK_CONTROL});
    Press('O', {VK_CONTROL});
    Press('W', {VK_CONTROL});
    Press(VK_F4, {VK_CONTROL});
    Press('S', {VK_CONTROL});
    Press(VK_F12);
    Press('P', {VK_CONTROL});
    Press('D', {VK_CONTROL});
    Press('V', {VK_CONTROL, VK_SHIFT});
    Press('L', {VK_CONTROL, VK_SHIFT});
    Press('M', {VK_CONTROL, VK_SHIFT});
    const std::vector<WORD> expected = {242, 243, 244, 244, 245, 246, 247, 248, 249, 250, 251};
    EXPECT_EQ(keyCommands, expected);
    EXPECT_EQ(Count(corvex::NotifyKeyCommand), 11);
    EXPECT_EQ(Text(), ""); // none of them typed anything
}

TEST_F(ControlTest, ControlKeysRunInsideTheControl)
{
    Type("abc");
    Press('A', {VK_CONTROL});
    SendMessageW(control, WM_CHAR, 1, 1); // the character Ctrl+A also produces
    int record[4];
    Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    EXPECT_EQ(record[0], 0);
    EXPECT_EQ(record[1], 3);
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Text(), "");
    Press('Y', {VK_CONTROL});
    EXPECT_EQ(Text(), "abc");
    Press('F', {VK_CONTROL}); // find belongs to the control: accepted, nothing reported
    EXPECT_TRUE(keyCommands.empty());
}

TEST_F(ControlTest, AnyMessageWithoutDataIsHarmless)
{
    Type("still here");
    for (UINT message = 2600; message <= 5400; ++message) {
        if (message == corvex::Print)
            continue; // opens the system's print dialog
        for (WPARAM wParam : {WPARAM(0), WPARAM(1), WPARAM(7), static_cast<WPARAM>(-1)})
            if ((message != corvex::SaveRecord && message != corvex::SaveRecordWide) || wParam == 0) // wParam is a pointer
                Send(message, wParam, 0);
    }
    Send(corvex::SetTabSize, 4);
    Send(corvex::Command, corvex::CmdSelectAll);
    Type("alive");
    EXPECT_EQ(Text(), "alive");
}

} // namespace
