// Menu items measured and drawn from `menu item.bmp` and `menu check.bmp`.
#include "app/main_window.h"
#include "skin/menu_skin.h"
#include "skin/skinned_menus.h"
#include "tests/skin-parts/parts_fixture.h"

namespace skintest {
namespace {

class MenuItemsTest : public PartsTest {
protected:
    MEASUREITEMSTRUCT Measure(const char* caption)
    {
        MEASUREITEMSTRUCT measure = {};
        measure.CtlType = ODT_MENU;
        measure.itemData = reinterpret_cast<ULONG_PTR>(caption);
        MeasureMenuItem(&measure);
        return measure;
    }
    Picture Draw(const char* caption, UINT state, int width, int height)
    {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_MENU;
        draw.itemState = state;
        draw.hDC = memory;
        draw.rcItem = {0, 0, width, height};
        draw.itemData = reinterpret_cast<ULONG_PTR>(caption);
        DrawMenuItem(&draw);
        Picture picture = CopyOf(memory, width, height);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return picture;
    }
    static int TextWidthIn(HGDIOBJ font, const char* text)
    {
        HDC dc = GetDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, font);
        RECT rect = {};
        DrawTextA(dc, text, -1, &rect, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
        SelectObject(dc, previous);
        ReleaseDC(nullptr, dc);
        return rect.right;
    }
};

TEST_F(MenuItemsTest, ASeparatorIsThreePixelsHighWithItsLine)
{
    StartWith();
    const MEASUREITEMSTRUCT separator = Measure("-");
    EXPECT_EQ(separator.itemWidth, 1u);
    EXPECT_EQ(separator.itemHeight, 3u);

    const MenuSkin& m = Menus();
    const Picture item = Bitmap("Quillblue", "menu item.bmp");
    const int width = 120;
    const Picture drawn = Draw("-", 0, width, 3);
    const skin::Rgb line = skin::FromColorRef(m.textNormal);
    EXPECT_EQ(drawn.Count(RECT{m.text.x, 1, width - 5, 2}, line), width - 5 - m.text.x);
    EXPECT_NE(drawn.At(m.text.x - 1, 1), line);
    // Around the line: the normal row of the item bitmap, its ends in place.
    EXPECT_EQ(drawn.At(2, 0), item.At(2, 0));
    EXPECT_EQ(drawn.At(width - 5, 1), item.At(item.width - 5, 1));
    EXPECT_EQ(drawn.At(width - 1, 2), item.At(item.width - 1, 2));
}

TEST_F(MenuItemsTest, AGreyedHighlightedItemKeepsTheNormalRowAndTheDisabledColour)
{
    StartWith();
    const MenuSkin& m = Menus();
    const Picture item = Bitmap("Quillblue", "menu item.bmp");
    const int rowHeight = item.height / 2;
    ASSERT_NE(item.At(2, 10), item.At(2, rowHeight + 10)) << "the rows must differ where the test looks";
    const RECT text = {m.text.x, 0, 120, rowHeight};

    const Picture greyed = Draw("c&lose all", ODS_SELECTED | ODS_GRAYED, 120, rowHeight);
    EXPECT_EQ(greyed.At(2, 10), item.At(2, 10));
    EXPECT_GT(greyed.Count(text, skin::FromColorRef(m.textDisabled)), 5);
    EXPECT_EQ(greyed.Count(text, skin::FromColorRef(m.textSelected)), 0);

    const Picture selected = Draw("c&lose all", ODS_SELECTED, 120, rowHeight);
    EXPECT_EQ(selected.At(2, 10), item.At(2, rowHeight + 10));
    EXPECT_GT(selected.Count(text, skin::FromColorRef(m.textSelected)), 5);

    const Picture normal = Draw("c&lose all", 0, 120, rowHeight);
    EXPECT_GT(normal.Count(text, skin::FromColorRef(m.textNormal)), 5);
}

TEST_F(MenuItemsTest, ACheckedItemShowsTheMarkOfItsRow)
{
    StartWith();
    const MenuSkin& m = Menus();
    const Picture check = Bitmap("Quillblue", "menu check.bmp");
    const int markHeight = check.height / 2;
    for (bool selected : {false, true}) {
        SCOPED_TRACE(selected ? "selected" : "normal");
        const Picture drawn = Draw("show &whitespaces", ODS_CHECKED | (selected ? ODS_SELECTED : 0), 150, 20);
        int same = 0;
        for (int y = 0; y < markHeight && m.checkAt.y + y < 20; ++y)
            for (int x = 0; x < check.width; ++x)
                same += drawn.At(m.checkAt.x + x, m.checkAt.y + y) == check.At(x, (selected ? markHeight : 0) + y);
        EXPECT_EQ(same, check.width * std::min(markHeight, 20 - static_cast<int>(m.checkAt.y)));
    }
}

TEST_F(MenuItemsTest, ItemsAreHalfAsHighAsTheItemBitmapAndAsWideAsTheirTextInTheSkinsMenuFont)
{
    StartWith();
    const MenuSkin& m = Menus();
    ASSERT_EQ(m.item.Height(), 40);
    EXPECT_EQ(Measure("&open").itemHeight, 20u);

    CopySkin("BigFont");
    SetValue("BigFont", "Menu", "FontSize", "30");
    ASSERT_TRUE(Load("BigFont"));
    const MEASUREITEMSTRUCT big = Measure("save &all");
    EXPECT_EQ(big.itemHeight, 20u);
    // The width comes from the font the item is drawn in: the skin's menu font.
    ASSERT_NE(m.font, nullptr);
    EXPECT_EQ(static_cast<int>(big.itemWidth), m.leftWidth + m.rightWidth + TextWidthIn(m.font, "save &all"));
    EXPECT_GT(TextWidthIn(m.font, "save &all"), TextWidthIn(Main().UiFont(), "save &all"));

    const Picture item = Bitmap("Quillblue", "menu item.bmp");
    CopySkin("TallItems");
    WriteBitmap(SkinFolder("TallItems") + "menu item.bmp", item.width, 60,
                [&item](int x, int y) { return item.At(x, y % item.height); });
    ASSERT_TRUE(Load("TallItems"));
    EXPECT_EQ(Measure("&open").itemHeight, 30u);
}

TEST_F(MenuItemsTest, EndsAsWideAsTheBitmapDrawWithoutAMiddle)
{
    StartWith();
    CopySkin("NoMiddle");
    SetValue("NoMiddle", "Menu", "LeftWidth", "25");
    SetValue("NoMiddle", "Menu", "RightWidth", "15");
    ASSERT_TRUE(Load("NoMiddle"));
    EXPECT_EQ(Menus().middleWidth, 0);
    const Picture item = Bitmap("NoMiddle", "menu item.bmp");
    const Picture drawn = Draw("&new", 0, 90, 20);
    EXPECT_EQ(drawn.At(1, 1), item.At(1, 1));
    EXPECT_EQ(drawn.At(89, 18), item.At(39, 18));
}

} // namespace
} // namespace skintest
