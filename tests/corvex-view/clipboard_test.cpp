// Cut, copy and paste through the system clipboard, column selections included. These
// tests share the clipboard with every other program: ctest runs them one at a time
// (resource lock "clipboard").
#include "control_fixture.h"
#include "tests/harness/clipboard_text.h"

namespace {

class ClipboardTest : public ControlTest {};

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::wstring& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    PutTextOnOpenClipboard(text);
    CloseClipboard();
}

TEST_F(ClipboardTest, CopyAndPasteUseCrLfAndUnicode)
{
    Send(corvex::SetAutoIndent, 0);
    Type("caf\xC3\xA9\rline");
    EXPECT_EQ(Send(corvex::CanCopy), 0);
    EXPECT_EQ(Send(corvex::Copy), 0);
    Send(corvex::Command, corvex::CmdSelectAll);
    EXPECT_NE(Send(corvex::CanCopy), 0);
    EXPECT_NE(Send(corvex::CanCut), 0);
    EXPECT_EQ(Send(corvex::Copy), 1);
    EXPECT_EQ(ClipboardText(), L"caf\u00e9\r\nline");
    EXPECT_NE(Send(corvex::CanPaste), 0);
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(Send(corvex::Paste), 1);
    EXPECT_EQ(Text(), "caf\xC3\xA9\nlinecaf\xC3\xA9\nline");
    Send(corvex::Undo);
    EXPECT_EQ(Text(), "caf\xC3\xA9\nline");
}

TEST_F(ClipboardTest, CutRemovesTheSelectionAsOneStep)
{
    Type("keep cut");
    Select(4, 8);
    EXPECT_EQ(Send(corvex::Cut), 1);
    EXPECT_EQ(Text(), "keep");
    EXPECT_EQ(ClipboardText(), L" cut");
    Send(corvex::Undo);
    EXPECT_EQ(Text(), "keep cut");
}

TEST_F(ClipboardTest, PastedLineEndsBecomeTheDocumentsOwn)
{
    const std::wstring text = L"a\r\nb\rc\nd";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    Send(corvex::Paste);
    EXPECT_EQ(Text(), "a\nb\nc\nd");
}

TEST_F(ClipboardTest, AltDragCopiesAColumn)
{
    Send(corvex::SetAutoIndent, 0);
    Type("abcdef\rghijkl\rmnopqr");
    UpdateWindow(control);
    int record[4];
    // Column of x: click and read the caret.
    auto columnAt = [&](int x) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 2));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, 2));
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        return record[3];
    };
    int x1 = 0, x3 = 0;
    for (int x = 0; x < 300 && !x3; ++x) {
        const int column = columnAt(x);
        if (column == 1 && !x1)
            x1 = x;
        if (column == 3)
            x3 = x;
    }
    ASSERT_TRUE(x1 && x3);
    int lineHeight = 0;
    for (int y = 2; y < 100 && !lineHeight; ++y) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x1, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x1, y));
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        if (record[2] == 1)
            lineHeight = y;
    }
    ASSERT_GT(lineHeight, 0);
    HoldKeys({VK_MENU}, true);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x1, 2));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x3, lineHeight * 2 + 2));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(x3, lineHeight * 2 + 2));
    HoldKeys({VK_MENU}, false);
    EXPECT_EQ(Send(corvex::Copy), 1);
    EXPECT_EQ(ClipboardText(), L"bc\r\nhi\r\nno");
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "adef\ngjkl\nmpqr");

    Send(corvex::SetColumnSelect, 0);
    HoldKeys({VK_MENU}, true);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x1, 2));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x3, lineHeight + 2));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(x3, lineHeight + 2));
    HoldKeys({VK_MENU}, false);
    Send(corvex::Copy);
    EXPECT_EQ(ClipboardText(), L"def\r\ngjk"); // an ordinary selection
}

TEST_F(ClipboardTest, ACopiedColumnPastesAsAColumnAndOneLinePastesOnEveryLineOfABlock)
{
    Send(corvex::SetAutoIndent, 0);
    Type("abcd\refgh\rij");
    Press(VK_HOME, {VK_CONTROL});
    Press(VK_RIGHT);
    HoldKeys({VK_MENU, VK_SHIFT}, true);
    SendMessageW(control, WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    SendMessageW(control, WM_SYSKEYDOWN, VK_RIGHT, 1 | (1 << 29));
    SendMessageW(control, WM_SYSKEYDOWN, VK_RIGHT, 1 | (1 << 29));
    HoldKeys({VK_MENU, VK_SHIFT}, false);
    ASSERT_EQ(Send(corvex::Copy), 1);
    EXPECT_EQ(ClipboardText(), L"bc\r\nfg");
    Press(VK_END, {VK_CONTROL});  // after "ij": the column goes in there and on a new line below
    ASSERT_EQ(Send(corvex::Paste), 1);
    EXPECT_EQ(Text(), "abcd\nefgh\nijbc\n  fg");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(Text(), "abcd\nefgh\nij") << "one undo step";

    SetClipboardText(L"*");  // plain text of one line, onto a zero-width block of three lines
    Press(VK_HOME, {VK_CONTROL});
    HoldKeys({VK_MENU, VK_SHIFT}, true);
    SendMessageW(control, WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    SendMessageW(control, WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    HoldKeys({VK_MENU, VK_SHIFT}, false);
    ASSERT_EQ(Send(corvex::Paste), 1);
    EXPECT_EQ(Text(), "*abcd\n*efgh\n*ij");
}

TEST_F(ClipboardTest, TheClipboardKeysCutCopyAndPaste)
{
    Type("one two");
    Select(0, 3);
    Press('C', {VK_CONTROL});
    EXPECT_EQ(ClipboardText(), L"one");
    Select(7, 7);
    Press('V', {VK_CONTROL});
    EXPECT_EQ(Text(), "one twoone");
    Select(3, 7);
    Press('X', {VK_CONTROL});
    EXPECT_EQ(Text(), "oneone");
    EXPECT_EQ(ClipboardText(), L" two");

    // The older keys of the same commands.
    Select(0, 3);
    Press(VK_INSERT, {VK_CONTROL});
    EXPECT_EQ(ClipboardText(), L"one");
    Select(6, 6);
    Press(VK_INSERT, {VK_SHIFT});
    EXPECT_EQ(Text(), "oneoneone");
    Select(0, 6);
    Press(VK_DELETE, {VK_SHIFT});
    EXPECT_EQ(Text(), "one");
    EXPECT_EQ(ClipboardText(), L"oneone");
    EXPECT_TRUE(keyCommands.empty());
}

} // namespace
