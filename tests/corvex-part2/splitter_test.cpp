// The horizontal split: dragging the splitter box down makes two panes on the same
// document, each with its own first line; dragging the bar to the top ends it.
#include "split_fixture.h"

namespace {

class SplitterTest : public SplitFixture {
protected:
    void SetUp() override
    {
        SplitFixture::SetUp();
        for (int k = 0; k < 100; ++k)
            Type("line " + std::to_string(k) + "\r");
    }
    int CaretLine() const
    {
        int record[4];
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        return record[2];
    }
};

TEST_F(SplitterTest, TheBoxSplitsTheViewIntoPanesWithTheirOwnFirstLines)
{
    Press(VK_HOME, {VK_CONTROL});
    const int boxX = client.right - 8;
    EXPECT_EQ(Pixel(boxX, 2), kSplitter) << "the splitter box";
    Drag({boxX, 2}, {boxX, 160});
    EXPECT_EQ(Pixel(200, 160), kSplitter) << "the bar where it was dropped";

    // The main pane goes to the end; the upper one still shows the first lines.
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(CaretLine(), 100);
    Click(300, 200);
    const int mainLine = CaretLine();
    EXPECT_GT(mainLine, 50);
    Click(300, 4);
    EXPECT_EQ(CaretLine(), 0) << "a click in the upper pane is on its first line";

    // The wheel over the upper pane scrolls it alone.
    POINT screen = {};
    ASSERT_NO_FATAL_FAILURE(MoveCursorTo({300, 4}, screen));
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    Click(300, 4);
    EXPECT_EQ(CaretLine(), 3);

    // Back to the top: one pane again.
    Drag({200, 162}, {200, 0});
    EXPECT_NE(Pixel(200, 160), kSplitter);
    EXPECT_EQ(Pixel(boxX, 2), kSplitter);
}

TEST_F(SplitterTest, WithTheOptionOffThereIsNoBoxAndNoSplit)
{
    const int boxX = client.right - 8;
    Drag({boxX, 2}, {boxX, 160});
    EXPECT_EQ(Pixel(200, 160), kSplitter);
    Send(corvex::SetSplitter, 1, 0);
    EXPECT_NE(Pixel(200, 160), kSplitter);
    EXPECT_NE(Pixel(boxX, 2), kSplitter);
    Drag({boxX, 2}, {boxX, 160});
    EXPECT_NE(Pixel(200, 160), kSplitter);
}

} // namespace
