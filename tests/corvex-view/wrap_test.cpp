// Word wrap: a long line is shown in rows the width of the view, broken between words;
// the caret keys and clicks follow the rows while the position record keeps counting
// lines; the rows follow the view's width; Alt+Z turns wrapping on and off.
#include "control_fixture.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

// A shown control with word wrap on and no auto-indent.
class WrappingControlTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ShowWindow(parent, SW_SHOWNOACTIVATE);
        Send(corvex::SetAutoIndent, 0);
        Send(corvex::SetWordWrap, 1);
    }
};

class WrapTest : public WrappingControlTest {
protected:
    void SetUp() override
    {
        WrappingControlTest::SetUp();
        for (int k = 0; k < 70; ++k)
            paragraph += "word" + std::to_string(10 + k) + " ";
        paragraph += "end";
        for (std::size_t at = 0; at < paragraph.size(); at += 200)
            Type(paragraph.substr(at, 200));
        Type("\rnext line");
    }
    // {selection start, end, caret line, caret column}, 0-based.
    std::array<int, 4> Position() const
    {
        std::array<int, 4> record = {};
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record.data()));
        return record;
    }
    int Column() const { return Position()[3]; }
    int Line() const { return Position()[2]; }
    std::string paragraph;
};

TEST_F(WrapTest, ALongLineWrapsBetweenWordsAndUpAndDownMoveByRows)
{
    Press(VK_HOME, {VK_CONTROL});
    Press(VK_END);
    const int firstRowEnd = Column();
    EXPECT_GT(firstRowEnd, 20);
    EXPECT_LT(firstRowEnd, static_cast<int>(paragraph.size())) << "End goes to the end of the row";
    EXPECT_EQ(paragraph[static_cast<std::size_t>(firstRowEnd)], ' ') << "the row ends between words";
    EXPECT_EQ(Line(), 0);
    Press(VK_HOME);
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    Press(VK_DOWN);
    EXPECT_EQ(Line(), 0) << "still the first line: only its second row";
    EXPECT_EQ(Column(), firstRowEnd + 1 + 2) << "the same place in the next row";
    Press(VK_UP);
    EXPECT_EQ(Column(), 2);
    Press(VK_DOWN, {VK_CONTROL});  // scrolling does not move the caret
    for (int k = 0; k < 20 && Line() == 0; ++k)
        Press(VK_DOWN);
    EXPECT_EQ(Line(), 1) << "past the paragraph's last row comes the next line";
    std::array<int, 4> shown = {};
    Send(corvex::GetPosition, 1, reinterpret_cast<LPARAM>(shown.data()));
    EXPECT_EQ(shown[2], 2) << "the position counts lines, not rows";
}

TEST_F(WrapTest, TheRowsFollowTheViewsWidthAndWrappingCanBeTurnedOff)
{
    Press(VK_HOME, {VK_CONTROL});
    Press(VK_END);
    const int wide = Column();
    SetWindowPos(control, nullptr, 0, 0, 300, 400, SWP_NOZORDER | SWP_NOMOVE);
    Press(VK_HOME, {VK_CONTROL});
    Press(VK_END);
    const int narrow = Column();
    EXPECT_LT(narrow, wide / 2 + 10);
    EXPECT_GT(narrow, 5);
    Send(corvex::SetWordWrap, 0);
    Press(VK_END);
    EXPECT_EQ(Column(), static_cast<int>(paragraph.size())) << "unwrapped, End goes to the line's end";
}

TEST_F(WrapTest, AClickOnALaterRowPutsTheCaretThere)
{
    Press(VK_HOME, {VK_CONTROL});
    Press(VK_END);
    const int firstRowEnd = Column();
    // Down the first column of pixels of text until the click lands in the second row.
    int secondRowColumn = -1;
    for (int y = 2; y < 200 && secondRowColumn < 0; y += 2) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(60, y));
        if (Line() == 0 && Column() > firstRowEnd)
            secondRowColumn = Column();
        ASSERT_EQ(Line(), 0) << "the rows of the first line come first, at y " << y;
    }
    EXPECT_GT(secondRowColumn, firstRowEnd);
    EXPECT_LT(secondRowColumn, 2 * firstRowEnd);
}

TEST_F(WrapTest, AltDragMakesAPlainSelectionWhileWrapping)
{
    HoldKeys({VK_MENU}, true);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 4));
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 40));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(200, 40));
    HoldKeys({VK_MENU}, false);
    const std::array<int, 4> position = Position();
    EXPECT_LT(position[0], position[1]) << "a selection from the press to the release";
    Type("X");
    const std::string text = Text();
    EXPECT_EQ(text.find('X'), static_cast<std::size_t>(position[0])) << "typing replaces it, as one selection";
    EXPECT_EQ(std::count(text.begin(), text.end(), 'X'), 1);
}

TEST_F(WrapTest, AltZTurnsWrappingOnAndOffAndTellsTheParent)
{
    notifications.clear();
    HoldKeys({VK_MENU}, true);
    SendMessageW(control, WM_SYSKEYDOWN, 'Z', 1 | (1 << 29));
    HoldKeys({VK_MENU}, false);
    EXPECT_EQ(Send(corvex::GetWordWrap), 0);
    EXPECT_EQ(Count(corvex::NotifySettingsChanged), 1) << "so that the program stores the option";
    HoldKeys({VK_MENU}, true);
    SendMessageW(control, WM_SYSKEYDOWN, 'Z', 1 | (1 << 29));
    HoldKeys({VK_MENU}, false);
    EXPECT_EQ(Send(corvex::GetWordWrap), 1);
}

} // namespace

namespace {

// The control's client area as painted, pixel by pixel.
std::vector<COLORREF> Picture(HWND control)
{
    UpdateWindow(control);
    RECT client;
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; y += 2)
        for (int x = 0; x < client.right; x += 3)
            pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(control, dc);
    return pixels;
}

class LongWrappedLineTest : public WrappingControlTest {
protected:
    void SetUp() override
    {
        WrappingControlTest::SetUp();
        // One line of some 20 KB: words of every length, a tab now and then.
        std::string line;
        for (int k = 0; line.size() < 20000; ++k)
            line += std::string(1 + (k * 7) % 13, static_cast<char>('a' + k % 26)) + (k % 17 == 0 ? "\t" : " ");
        Send(corvex::SelectRange, 0, 0);
        int record[4] = {};
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        Send(corvex::SaveRecord, reinterpret_cast<WPARAM>(record), reinterpret_cast<LPARAM>(line.c_str()));
        Send(corvex::SelectRange, 10000, 10000);
        UpdateWindow(control);
    }
};

} // namespace

TEST_F(LongWrappedLineTest, AnEditRepaintsOnlyTheRowsItChanges)
{
    // A letter typed into a word with room left in its row changes that row (and the one
    // before, whose last word might now fit): the rows below stay as they are.
    Type("x");
    UpdateWindow(control);
    Type("y");
    RECT update = {};
    ASSERT_TRUE(GetUpdateRect(control, &update, FALSE));
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(Send(WM_GETFONT)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    EXPECT_LE(update.bottom - update.top, 3 * lineHeight) << update.top << "-" << update.bottom;
}

TEST_F(LongWrappedLineTest, WhatAnEditRepaintsLooksAsAFullRepaintWould)
{
    // Edits that reflow the rows below and edits that do not: after each, the screen is
    // what painting everything again shows.
    const struct {
        std::size_t at;
        const char* typed;
        UINT key;
    } edits[] = {
        {10000, "q", 0},           {10000, " ", 0},        {10005, "longwordlongwordlongword", 0},
        {10010, nullptr, VK_BACK}, {10010, nullptr, VK_DELETE}, {9990, "\t", 0},
        {10020, nullptr, VK_BACK}, {10030, "a b c d e f g h", 0}, {9980, nullptr, VK_DELETE},
    };
    for (const auto& edit : edits) {
        Send(corvex::SelectRange, edit.at, edit.at);
        UpdateWindow(control);
        if (edit.typed)
            Type(edit.typed);
        else
            Press(edit.key);
        const std::vector<COLORREF> painted = Picture(control);
        InvalidateRect(control, nullptr, FALSE);
        EXPECT_EQ(painted, Picture(control)) << "after the edit at " << edit.at;
    }
}

TEST_F(LongWrappedLineTest, WithColoursAQuoteTypedRepaintsTheRowsItColours)
{
    // The rows below keep their text and breaks, but now lie inside a string.
    Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>("C/C++"));
    for (const char* typed : {"\"", "\"", "/*"}) {
        Send(corvex::SelectRange, 10000, 10000);
        UpdateWindow(control);
        Type(typed);
        const std::vector<COLORREF> painted = Picture(control);
        InvalidateRect(control, nullptr, FALSE);
        EXPECT_EQ(painted, Picture(control)) << "after typing " << typed;
    }
}
