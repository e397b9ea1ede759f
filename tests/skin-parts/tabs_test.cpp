// The tab strip painted from `tab.bmp`, its hover and selected rows, and the arrows
// painted from `tab buttons.bmp`.
#include "app/main_window.h"
#include "docs/documents.h"
#include "skin/skinned_tabs.h"
#include "tests/skin-parts/parts_fixture.h"

#include <commctrl.h>

namespace skintest {
namespace {

enum TabRow { kNormalRow, kSelectedRow, kHoverRow };

class TabsTest : public PartsTest {
protected:
    RECT TabRect(int index) const
    {
        RECT rect = {};
        SendMessageA(Main().Tabs(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    void MoveOver(int index) const
    {
        const RECT rect = TabRect(index);
        SendMessageA(Main().Tabs(), WM_MOUSEMOVE, 0, MAKELPARAM((rect.left + rect.right) / 2, rect.top + 3));
    }
    // The tab's right end as painted, against the same place of a row of `tab.bmp`.
    bool ShowsRow(int index, TabRow row, const std::string& skin = "Quillblue") const
    {
        RedrawWindow(Main().Tabs(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const Picture strip = ClientPicture(Main().Tabs());
        const Picture tab = Bitmap(skin, "tab.bmp");
        const RECT rect = TabRect(index);
        const int rowTop = tab.height / 3 * row;
        for (int dx = 1; dx <= 4; ++dx)
            for (int y = 1; y < rect.bottom - rect.top - 1; ++y)
                if (strip.At(rect.right - dx, rect.top + y) != tab.At(tab.width - dx, rowTop + y))
                    return false;
        return true;
    }
};

TEST_F(TabsTest, TheHoverRowFollowsTheMouseExceptOverTheSelectedTab)
{
    StartWith();
    OpenDocuments(3);
    CSkinnedTabs& tabs = SkinnedTabs();
    ASSERT_EQ(tabs.SelectedIndex(), 2);
    EXPECT_TRUE(ShowsRow(2, kSelectedRow));
    EXPECT_TRUE(ShowsRow(0, kNormalRow));

    MoveOver(0);
    EXPECT_EQ(tabs.HoverIndex(), 0);
    EXPECT_TRUE(ShowsRow(0, kHoverRow));

    MoveOver(2);
    EXPECT_EQ(tabs.HoverIndex(), -1);
    EXPECT_TRUE(ShowsRow(2, kSelectedRow));
    EXPECT_TRUE(ShowsRow(0, kNormalRow));

    MoveOver(1);
    EXPECT_TRUE(ShowsRow(1, kHoverRow));
    SendMessageA(Main().Tabs(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(tabs.HoverIndex(), -1);
    EXPECT_TRUE(ShowsRow(1, kNormalRow));
}

TEST_F(TabsTest, AClickSelectsTheTabAndClosingTheOnlyDocumentClearsTheSelection)
{
    StartWith();
    OpenDocuments(2);
    const RECT first = TabRect(0);
    MoveOver(0);
    SendMessageA(Main().Tabs(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.left + 5, first.top + 3));
    SendMessageA(Main().Tabs(), WM_LBUTTONUP, 0, MAKELPARAM(first.left + 5, first.top + 3));
    harness::InProcessApp::Pump();
    EXPECT_EQ(SkinnedTabs().SelectedIndex(), 0);
    EXPECT_EQ(SkinnedTabs().HoverIndex(), -1);
    EXPECT_EQ(currentIndex, 0);

    CloseDocument();
    CloseDocument();
    harness::InProcessApp::Pump();
    EXPECT_EQ(SkinnedTabs().SelectedIndex(), -1);
    EXPECT_EQ(SkinnedTabs().HoverIndex(), -1);
}

TEST_F(TabsTest, ManyDocumentsBringTheArrowsDrawnFromTheSkin)
{
    StartWith();
    OpenDocuments(30);
    HWND arrows = FindWindowExA(Main().Tabs(), nullptr, UPDOWN_CLASSA, nullptr);
    ASSERT_NE(arrows, nullptr);
    EXPECT_NE(GetPropA(Main().Tabs(), "CGTSubcls"), nullptr);
    EXPECT_EQ(SkinnedTabs().Arrows(), arrows);
    EXPECT_NE(GetPropA(arrows, "CSSubcls"), nullptr);

    RedrawWindow(arrows, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Picture drawn = ClientPicture(arrows);
    const Picture cells = Bitmap("Quillblue", "tab buttons.bmp");
    const int cellWidth = cells.width / 2, cellHeight = cells.height / 3;
    const int half = drawn.width / 2;
    const int y = (drawn.height - cellHeight) / 2;
    for (int column = 0; column < 2; ++column) {
        SCOPED_TRACE(column ? "right arrow" : "left arrow");
        const int halfWidth = column ? drawn.width - half : half;
        const int x = column * half + (halfWidth - cellWidth) / 2;
        for (int dy : {cellHeight / 4, cellHeight / 2})
            for (int dx : {cellWidth / 4, cellWidth / 2})
                EXPECT_EQ(drawn.At(x + dx, y + dy), cells.At(column * cellWidth + dx, dy));
    }
}

TEST_F(TabsTest, EndsAsWideAsTheBitmapDrawWithoutAMiddle)
{
    StartWith();
    CopySkin("NoMiddle");
    SetValue("NoMiddle", "Tabs", "LeftWidth", "30");
    SetValue("NoMiddle", "Tabs", "RightWidth", "10");
    ASSERT_TRUE(Load("NoMiddle"));
    OpenDocuments(2);
    EXPECT_TRUE(ShowsRow(0, kNormalRow, "NoMiddle"));
    EXPECT_TRUE(ShowsRow(1, kSelectedRow, "NoMiddle"));
}

} // namespace
} // namespace skintest
