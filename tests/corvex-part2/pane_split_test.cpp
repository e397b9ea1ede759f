// The vertical split and the four panes: the box at the bottom left makes a left and a
// right pane with their own first columns; with the horizontal split too there are four.
// And the bracket pair at the caret painted on the matched-brace colour.
#include "split_fixture.h"

#include <string>

namespace {

constexpr COLORREF kBrace = RGB(250, 20, 200);
// Dropping the vertical bar at x = 300 centres it there; the right pane starts after it.
constexpr int kRightPane = 300 - 2 + 5;

class PaneSplitTest : public SplitFixture {
protected:
    void Fill(int lines) const
    {
        for (int k = 0; k < lines; ++k)
            Type(std::string(200, static_cast<char>('a' + k % 26)) + " " + std::to_string(k) + "\r");
    }
    // [0] selection start, [2] caret line, [3] caret column.
    std::vector<int> Position() const
    {
        std::vector<int> record(4);
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record.data()));
        return record;
    }
    struct Cells {
        int textLeft, width, height;
    };
    // The character cells, found by clicking: a click half a cell right of a cell's left
    // edge lands after it, and the second line starts a line height down.
    Cells FindCells() const
    {
        int toColumn1 = -1, toColumn2 = -1, secondLine = -1;
        for (int x = 0; x < client.right && toColumn2 < 0; ++x) {
            Click(x, 4);
            const std::vector<int> at = Position();
            if (at[2] == 0 && at[3] == 1 && toColumn1 < 0)
                toColumn1 = x;
            if (at[2] == 0 && at[3] == 2)
                toColumn2 = x;
        }
        for (int y = 0; y < client.bottom && secondLine < 0; ++y) {
            Click(toColumn2, y);
            if (Position()[2] == 1)
                secondLine = y;
        }
        const int width = toColumn2 - toColumn1;
        return {toColumn1 - width / 2, width, secondLine};
    }
    // The colour most of a cell's upper half (around the glyph) has when it is the
    // bracket colour; black otherwise.
    COLORREF CellColour(const Cells& cells, int line, int column) const
    {
        UpdateWindow(control);
        HDC dc = GetDC(control);
        int count = 0;
        for (int y = line * cells.height; y < line * cells.height + 6; ++y)
            for (int x = cells.textLeft + column * cells.width; x < cells.textLeft + (column + 1) * cells.width; ++x)
                count += GetPixel(dc, x, y) == kBrace;
        ReleaseDC(control, dc);
        return count > 3 * cells.width ? kBrace : RGB(0, 0, 0);
    }
    void BraceColours() const
    {
        COLORREF colours[corvex::kColourCount];
        Send(corvex::GetColours, 0, reinterpret_cast<LPARAM>(colours));
        colours[corvex::ColourMatchedBrace] = kBrace;
        colours[corvex::ColourHighlightedLine] = colours[corvex::ColourBackground];
        Send(corvex::SetColours, 0, reinterpret_cast<LPARAM>(colours));
        Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>("C/C++"));
    }
    POINT ColumnBox() const { return {2, client.bottom - 8}; }
    POINT RowBox() const { return {client.right - 8, 2}; }
};

TEST_F(PaneSplitTest, TheBottomLeftBoxSplitsIntoLeftAndRightPanesAndDraggingBackEndsIt)
{
    Fill(40);
    Press(VK_HOME, {VK_CONTROL});
    EXPECT_EQ(Pixel(ColumnBox().x, ColumnBox().y), kSplitter) << "the vertical splitter box";
    Drag(ColumnBox(), {300, client.bottom - 8});
    EXPECT_EQ(Pixel(300, 40), kSplitter) << "the bar where it was dropped, over the whole height";
    EXPECT_EQ(Pixel(300, 2), kSplitter);
    EXPECT_NE(Pixel(ColumnBox().x, ColumnBox().y), kSplitter) << "no box while split";

    // The right pane scrolls right alone; the left one keeps the first columns.
    Press(VK_END);
    const std::vector<int> end = Position();
    EXPECT_EQ(end[3], 202);
    Click(100, 4);
    const std::vector<int> left = Position();
    EXPECT_EQ(left[2], 0) << "a click in the left pane";
    EXPECT_LT(left[3], 10);

    // Back to the left edge: one pane, and the box again.
    Drag({302, 40}, {0, 40});
    EXPECT_NE(Pixel(300, 40), kSplitter);
    EXPECT_EQ(Pixel(ColumnBox().x, ColumnBox().y), kSplitter);
}

TEST_F(PaneSplitTest, AClickInTheRightPaneUsesThatPanesFirstColumn)
{
    Fill(40);
    Press(VK_HOME, {VK_CONTROL});
    Drag(ColumnBox(), {300, client.bottom - 8});
    // Scroll the right (active) pane 100 columns to the right.
    for (int k = 0; k < 100; ++k)
        Send(WM_HSCROLL, SB_LINERIGHT, 0);
    // The same distance from each pane's text start lands on different columns.
    Click(100, 4);
    const int leftColumn = Position()[3];
    Click(kRightPane + 100, 4);
    const int rightColumn = Position()[3];
    EXPECT_EQ(Position()[2], 0);
    EXPECT_EQ(rightColumn - leftColumn, 100) << "left pane column " << leftColumn;
    // Typing goes where the caret is, shown in the right pane.
    Type("#");
    EXPECT_EQ(Text().substr(static_cast<std::size_t>(rightColumn), 1), "#");
}

TEST_F(PaneSplitTest, TheCaretIsShownInThePaneClickedAndTheWheelScrollsThePaneUnderTheMouse)
{
    Fill(40);
    Press(VK_HOME, {VK_CONTROL});
    Drag(ColumnBox(), {300, client.bottom - 8});
    Click(100, 4);
    POINT caret = {};
    ASSERT_EQ(GetFocus(), control) << "a click gives the control the focus";
    ASSERT_TRUE(GetCaretPos(&caret)) << "the focused control shows a caret";
    EXPECT_GT(caret.x, 0);
    EXPECT_LT(caret.x, 300) << "the caret in the left pane";
    Click(kRightPane + 100, 4);
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_GT(caret.x, kRightPane) << "and in the right one";

    // The right pane is active; a horizontal wheel over the left one scrolls it alone.
    POINT screen = {};
    ASSERT_NO_FATAL_FAILURE(MoveCursorTo({100, 40}, screen));
    Send(0x020E /* WM_MOUSEHWHEEL */, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    Click(kRightPane + 100, 4);
    const int right = Position()[3];
    Click(100, 4);
    EXPECT_EQ(Position()[3], right + 3) << "the left pane three columns further right";
}

TEST_F(PaneSplitTest, BothOptionsMakeFourPanesWithTheirOwnLinesAndColumns)
{
    Fill(100);
    Press(VK_HOME, {VK_CONTROL});
    Drag(RowBox(), {client.right - 8, 160});
    Drag(ColumnBox(), {300, client.bottom - 8});
    EXPECT_EQ(Pixel(300, 40), kSplitter) << "the vertical bar above the horizontal one";
    EXPECT_EQ(Pixel(300, 250), kSplitter) << "and below it";
    EXPECT_EQ(Pixel(100, 160), kSplitter) << "the horizontal bar left of the vertical one";
    EXPECT_EQ(Pixel(500, 160), kSplitter) << "and right of it";

    // The lower right pane to the end of the document and 50 columns right.
    Press(VK_END, {VK_CONTROL});
    for (int k = 0; k < 50; ++k)
        Send(WM_HSCROLL, SB_LINERIGHT, 0);
    Click(kRightPane + 100, 200);
    const std::vector<int> lowerRight = Position();
    EXPECT_GT(lowerRight[2], 50);
    Click(100, 200);
    const std::vector<int> lowerLeft = Position();
    EXPECT_EQ(lowerLeft[2], lowerRight[2]) << "the lower panes share their first line";
    EXPECT_EQ(lowerRight[3] - lowerLeft[3], 50) << "the left panes have their own first column";
    Click(100, 4);
    EXPECT_EQ(Position()[2], 0) << "the upper left pane still shows the first line";
    Click(kRightPane + 100, 4);
    EXPECT_EQ(Position()[2], 0) << "the upper right pane too";
    EXPECT_EQ(Position()[3], lowerRight[3]) << "and the right column's first column";

    // Turning the vertical option off ends that split only.
    Send(corvex::SetSplitter, 0, 0);
    EXPECT_NE(Pixel(300, 40), kSplitter);
    EXPECT_EQ(Pixel(100, 160), kSplitter);
    EXPECT_NE(Pixel(ColumnBox().x, ColumnBox().y), kSplitter) << "no box with the option off";
    Drag(ColumnBox(), {300, client.bottom - 8});
    EXPECT_NE(Pixel(300, 40), kSplitter);
    // And the horizontal one ends the other.
    Send(corvex::SetSplitter, 1, 0);
    EXPECT_NE(Pixel(100, 160), kSplitter);
}

TEST_F(PaneSplitTest, TheBracketAtTheCaretAndItsMatchTakeTheMatchedBraceColour)
{
    BraceColours();
    Type("f(a, \")\", b)\rx;\r");

    const Cells cells = FindCells();
    auto cellColour = [&](int column) { return CellColour(cells, 0, column); };

    Select(1, 1); // before "(": it matches the last ")", not the quoted one
    EXPECT_EQ(cellColour(1), kBrace) << "the bracket at the caret";
    EXPECT_EQ(cellColour(11), kBrace) << "its partner past the quoted bracket";
    EXPECT_NE(cellColour(6), kBrace) << "the bracket in the string";
    EXPECT_NE(cellColour(0), kBrace);
    EXPECT_NE(cellColour(2), kBrace);
    Select(12, 12); // after the last ")"
    EXPECT_EQ(cellColour(1), kBrace);
    EXPECT_EQ(cellColour(11), kBrace);
    Select(3, 3); // next to no bracket
    EXPECT_NE(cellColour(1), kBrace);
    EXPECT_NE(cellColour(11), kBrace);
}

TEST_F(PaneSplitTest, ABracketBelowTheFirstLineIsFoundThroughTheLexerStatesOfItsLine)
{
    BraceColours();
    Type("x\r");
    const Cells cells = FindCells();
    // Text put in with one replacement, the caret placed before the next paint.
    int record[4] = {2, 2, 0, 0};
    Send(corvex::SaveRecord, reinterpret_cast<WPARAM>(record), reinterpret_cast<LPARAM>("\r\r\r\r\r\r\r{ a; }\r"));
    Select(10, 10); // after "{" on the ninth line
    EXPECT_EQ(CellColour(cells, 8, 0), kBrace) << "the bracket at the caret";
    EXPECT_EQ(CellColour(cells, 8, 5), kBrace) << "its partner";
}

} // namespace
