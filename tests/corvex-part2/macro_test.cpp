// Recording and playing macros through the control's messages: typed text, deletions,
// caret moves and commands are repeated at the caret; the recording is stored in the
// library and announced to the parent.
#include "control_fixture.h"

#include <algorithm>
#include <string>

namespace {

class MacroTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        Send(corvex::SetAutoIndent, 0);
        for (int slot = 0; slot < 10; ++slot)
            CorvexSetMacro(slot, nullptr);
    }
    void Record(int slot = 1) const { Send(corvex::Command, corvex::CmdRecordMacro, slot); }
    void Play(int number) const { Send(corvex::Command, corvex::CmdPlayMacro1 + number - 1); }
};

TEST_F(MacroTest, PlaybackRepeatsTypingDeletionsMovesAndCommands)
{
    Type("one\rtwo\r");
    Press(VK_HOME, {VK_CONTROL});
    Record();
    EXPECT_NE(Send(corvex::MacroRecording), 0);
    Press(VK_END);
    Type(" xy");
    Press(VK_BACK);
    Type("z");
    Press(VK_HOME);
    Press(VK_RIGHT, {VK_SHIFT});
    Send(corvex::Command, corvex::CmdUpperCase);
    Press(VK_DOWN);
    Press(VK_HOME);
    notifications.clear();
    Record();
    EXPECT_EQ(Send(corvex::MacroRecording), 0);
    EXPECT_EQ(Count(corvex::NotifySettingsChanged), 1);
    EXPECT_EQ(Text(), "One xz\ntwo\n");
    EXPECT_GT(CorvexGetMacro(0, nullptr), 0);

    Play(1);
    EXPECT_EQ(Text(), "One xz\nTwo xz\n");
    EXPECT_EQ(Send(corvex::MacroPlaying), 0);
    // One undo step takes back the whole playback.
    Send(corvex::Undo);
    EXPECT_EQ(Text(), "One xz\ntwo\n");
}

TEST_F(MacroTest, TheRecordHotKeyEndsTheRecordingAndMacrosGoToTheirSlots)
{
    Record(3);
    Type("ab");
    Press(VK_DELETE);
    Press('R', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(Send(corvex::MacroRecording), 0);
    EXPECT_EQ(CorvexGetMacro(0, nullptr), 0);
    EXPECT_GT(CorvexGetMacro(2, nullptr), 0);
    Play(1);
    EXPECT_EQ(Text(), "ab") << "an empty slot plays nothing";
    Play(3);
    EXPECT_EQ(Text(), "abab");
}

TEST_F(MacroTest, AStoredMacroTravelsThroughTheExportsAndStillPlays)
{
    Record();
    Type("hi ");
    Press(VK_LEFT, {VK_CONTROL});
    Record();
    const int size = CorvexGetMacro(0, nullptr);
    ASSERT_GT(size, 0);
    std::vector<char> bytes(static_cast<std::size_t>(size));
    EXPECT_EQ(CorvexGetMacro(0, bytes.data()), size);
    CorvexSetMacro(0, nullptr);
    EXPECT_EQ(CorvexGetMacro(0, nullptr), 0);
    EXPECT_NE(CorvexSetMacro(9, bytes.data()), 0);
    std::vector<char> back(static_cast<std::size_t>(size));
    EXPECT_EQ(CorvexGetMacro(9, back.data()), size);
    EXPECT_EQ(back, bytes);
    Press(VK_END, {VK_CONTROL});
    Play(10);
    EXPECT_EQ(Text(), "hi hi ");
    int record[4];
    Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    EXPECT_EQ(record[0], 3) << "the word move was repeated";

    // Bytes that are no macro empty the slot.
    const char junk[32] = "not a macro at all";
    EXPECT_EQ(CorvexSetMacro(9, junk), 0);
    EXPECT_EQ(CorvexGetMacro(9, nullptr), 0);
    EXPECT_EQ(CorvexGetMacro(10, nullptr), 0);
}

// Answers the next "Go To Line" dialog of this thread with `line` (its modal loop
// dispatches the thread timer that does it).
std::string g_lineToEnter;
BOOL CALLBACK FindGoToLine(HWND window, LPARAM found)
{
    char title[32] = "";
    GetWindowTextA(window, title, sizeof title);
    if (std::string(title) != "Go To Line" || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK AnswerGoToLine(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;  // this thread's own: other tests may show one at the same time
    EnumThreadWindows(GetCurrentThreadId(), &FindGoToLine, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    SetDlgItemTextA(dialog, 1101, g_lineToEnter.c_str());
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void GoToLineThroughTheDialog(HWND control, int line)
{
    g_lineToEnter = std::to_string(line);
    SetTimer(nullptr, 0, 20, &AnswerGoToLine);
    SendMessageA(control, corvex::Command, corvex::CmdGoToLine, 0);
}

TEST_F(MacroTest, ReplacementsAndGoToLineAreRecordedAndRepeated)
{
    Type("one cat\rtwo cat\rthree cat\rfour dog");
    Press(VK_HOME, {VK_CONTROL});
    Record();
    GoToLineThroughTheDialog(control, 3);
    Press(VK_END, {VK_SHIFT});
    corvex::ReplaceRequest selectionOnly = {"three cat", "THREE", 0, 0};
    EXPECT_EQ(Send(corvex::ReplaceText, 0, reinterpret_cast<LPARAM>(&selectionOnly)), 1);
    corvex::ReplaceRequest every = {"cat", "cow", 1, 0};
    EXPECT_EQ(Send(corvex::ReplaceText, 0, reinterpret_cast<LPARAM>(&every)), 2);
    Record();
    ASSERT_EQ(Text(), "one cow\ntwo cow\nTHREE\nfour dog");

    Select(0, Text().size());
    Type("a cat\rb cat\rthree cat\rd");
    ASSERT_EQ(Text(), "a cat\nb cat\nthree cat\nd");
    Press(VK_END, {VK_CONTROL});
    Play(1);
    EXPECT_EQ(Text(), "a cow\nb cow\nTHREE\nd") << "line 3 reached, its match replaced, then every other";
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Text(), "a cat\nb cat\nthree cat\nd") << "the playback undoes in one step";
}

} // namespace
