// Syntax colouring as painted, and how much the lexer runs: nothing before the first
// paint, only the visible lines on a paint, and after an edit only what changed.
#include "control_fixture.h"

#include <cstring>

namespace {

constexpr COLORREF kKeyword = RGB(0, 0, 255);
constexpr COLORREF kComment = RGB(0, 200, 0);
constexpr COLORREF kString = RGB(255, 0, 0);
constexpr COLORREF kText = RGB(0, 0, 0);

class ColouringTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        COLORREF colours[corvex::kColourCount];
        Send(corvex::GetColours, 0, reinterpret_cast<LPARAM>(colours));
        colours[corvex::ColourText] = kText;
        colours[corvex::ColourKeyword] = kKeyword;
        colours[corvex::ColourComment] = kComment;
        colours[corvex::ColourString] = kString;
        colours[corvex::ColourBackground] = colours[corvex::ColourHighlightedLine] = RGB(255, 255, 255);
        Send(corvex::SetColours, 0, reinterpret_cast<LPARAM>(colours));
    }
    // How many pixels of the first text row have `colour`.
    int PixelsOfRow(int row, COLORREF colour) const
    {
        RECT client;
        GetClientRect(control, &client);
        HDC screen = GetDC(control);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        int count = 0;
        for (int y = row * 16; y < row * 16 + 14; ++y)
            for (int x = 0; x < client.right; ++x)
                count += GetPixel(memory, x, y) == colour;
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(control, screen);
        return count;
    }
    void SetLanguage(const char* name) const { Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>(name)); }
    std::size_t Lexed() const { return static_cast<std::size_t>(Send(corvex::GetLinesLexed)); }
    void Paint() const
    {
        InvalidateRect(control, nullptr, FALSE);
        UpdateWindow(control);
    }
    void LoadLines(std::size_t count, const std::string& line)
    {
        std::string text;
        for (std::size_t k = 0; k < count; ++k)
            text += line + "\r\n";
        WriteBytes(folder.File("long.cpp"), text);
        Load(folder.File("long.cpp"));
    }
    ScratchFolder folder;
};

TEST_F(ColouringTest, KeywordsCommentsAndStringsTakeTheirColoursOnlyWithColourSyntaxOn)
{
    SetLanguage("C/C++");
    Type("int s = \"text\"; // note");
    EXPECT_GT(PixelsOfRow(0, kKeyword), 0);
    EXPECT_GT(PixelsOfRow(0, kComment), 0);
    EXPECT_GT(PixelsOfRow(0, kString), 0);
    Send(corvex::SetColourSyntax, 0);
    EXPECT_EQ(PixelsOfRow(0, kKeyword), 0);
    EXPECT_EQ(PixelsOfRow(0, kComment), 0);
    EXPECT_GT(PixelsOfRow(0, kText), 0);
    Send(corvex::SetColourSyntax, 1);
    SetLanguage(nullptr);
    EXPECT_EQ(PixelsOfRow(0, kKeyword), 0);
}

TEST_F(ColouringTest, EmbeddedScriptOfAPageIsColouredInItsLanguage)
{
    SetLanguage("HTML");
    Send(corvex::SetAutoIndent, 0);
    Type("<p>if</p>\r<script>if (a) x = 'q';</script>");
    EXPECT_EQ(PixelsOfRow(0, kKeyword), 0) << "text of the page is no keyword";
    EXPECT_GT(PixelsOfRow(1, kKeyword), 0);
    EXPECT_GT(PixelsOfRow(1, kString), 0);
}

TEST_F(ColouringTest, ALongFileIsLexedOnlyAsFarAsTheScreen)
{
    LoadLines(20000, "int value = 42; /* a comment */ call(\"text\");");
    SetLanguage("C/C++");
    EXPECT_EQ(Lexed(), 0u) << "nothing before the first paint";
    Paint();
    const std::size_t screen = Lexed();
    EXPECT_GT(screen, 10u);
    EXPECT_LT(screen, 60u);

    // A keystroke in the middle of the screen relexes its line and, when the state after
    // it is unchanged, nothing more than the repainted line.
    Send(corvex::SelectRange, 400, 400);
    UpdateWindow(control);
    const std::size_t atCaret = Lexed();
    Type("x");
    UpdateWindow(control);
    EXPECT_LE(Lexed() - atCaret, 2u);

    // Opening a comment changes the state of every later line: the paint relexes to the
    // bottom of the screen and no further.
    const std::size_t before = Lexed();
    Type("/*");
    UpdateWindow(control);
    Paint();
    EXPECT_LE(Lexed() - before, 2 * screen + 4);

    // A jump to the end guesses the state from a few lines above the screen instead of
    // lexing the whole file.
    const std::size_t beforeJump = Lexed();
    Press(VK_END, {VK_CONTROL});
    Paint();
    EXPECT_LT(Lexed() - beforeJump, 1000u);
}

// A comment opened on the first line turns every later line into comment; at the far end
// the first paint can only guess, and the real states are learned while the control is
// idle: the screen turns to comment colours, and back to code once the comment is gone.
TEST_F(ColouringTest, TheFarEndTakesTheColoursOfAStateChangeOnTheFirstLineOnceIdle)
{
    LoadLines(30000, "int value = 42; // a note");
    SetLanguage("C/C++");
    Paint();
    Type("/*");
    Press(VK_END, {VK_CONTROL});
    Paint();
    const auto idleUntil = [&](auto condition) {
        const DWORD start = GetTickCount();
        while (!condition() && GetTickCount() - start < 30000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            UpdateWindow(control);
        }
        return condition();
    };
    EXPECT_TRUE(idleUntil([&] { return PixelsOfRow(0, kKeyword) == 0 && PixelsOfRow(0, kComment) > 0; }));
    Press(VK_HOME, {VK_CONTROL});
    Press(VK_DELETE);
    Press(VK_DELETE);
    Press(VK_END, {VK_CONTROL});
    Paint();
    EXPECT_TRUE(idleUntil([&] { return PixelsOfRow(0, kKeyword) > 0; }));
}

TEST_F(ColouringTest, KeywordCaseIsCorrectedAsTheUserTypesInCaseInsensitiveLanguages)
{
    SetLanguage("SQL");
    Send(corvex::SetNormalizeCase, 1);
    Type("select name from t -- select\r");
    EXPECT_EQ(Text(), "SELECT name FROM t -- select\n") << "not in a comment";

    // The correction is an undo step of its own.
    Send(corvex::Command, corvex::CmdSelectAll);
    Type("where ");
    EXPECT_EQ(Text(), "WHERE ");
    Send(corvex::Undo);
    EXPECT_EQ(Text(), "where ");

    Send(corvex::Command, corvex::CmdSelectAll);
    SetLanguage("Basic");
    Type("dim x\r");
    EXPECT_EQ(Text(), "Dim x\n");

    Send(corvex::Command, corvex::CmdSelectAll);
    SetLanguage("C/C++");
    Type("INT x;");
    EXPECT_EQ(Text(), "INT x;") << "C/C++ keywords keep the case typed";

    Send(corvex::Command, corvex::CmdSelectAll);
    SetLanguage("Pascal");
    Send(corvex::SetNormalizeCase, 0);
    Type("BEGIN ");
    EXPECT_EQ(Text(), "BEGIN ");
}

TEST_F(ColouringTest, MatchBraceSkipsBracketsInStringsAndComments)
{
    SetLanguage("C/C++");
    Type("f(a, \")\", /* ) */ b)");
    Send(corvex::SelectRange, 1, 1);
    Send(corvex::Command, corvex::CmdMatchBrace);
    int record[4];
    Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    EXPECT_EQ(record[0], 19);
    Send(corvex::Command, corvex::CmdMatchBrace);
    Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    EXPECT_EQ(record[0], 1);
}

} // namespace
