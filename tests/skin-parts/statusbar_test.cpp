// The status bar painted from `statusbar.bmp` with its parts, and the tooltip colours
// of the frame buttons and the toolbar.
#include "app/main_window.h"
#include "platform/ansi_text.h"
#include "skin/skinned_frame.h"
#include "skin/three_slice.h"
#include "tests/skin-parts/parts_fixture.h"

#include <commctrl.h>

namespace skintest {
namespace {

const skin::Rgb kRed{255, 0, 0};

class StatusBarTest : public PartsTest {
protected:
    void SetUp() override
    {
        StartWith();
        bar = Main().StatusBar();
    }
    void TearDown() override
    {
        if (icon)
            DestroyIcon(icon);
    }
    void SetParts(std::vector<int> edges) const
    {
        SendMessageA(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    }
    void SetPart(int part, const char* text, HICON partIcon = nullptr) const
    {
        SendMessageA(bar, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text));
        SendMessageA(bar, SB_SETICON, part, reinterpret_cast<LPARAM>(partIcon));
    }
    Picture Painted() const
    {
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return ClientPicture(bar);
    }
    RECT PartRect(int part) const
    {
        RECT rect = {};
        SendMessageA(bar, SB_GETRECT, part, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // A 16 x 16 icon of solid red.
    HICON RedIcon()
    {
        HDC screen = GetDC(nullptr);
        HBITMAP colour = CreateCompatibleBitmap(screen, 16, 16);
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ previous = SelectObject(memory, colour);
        const RECT all = {0, 0, 16, 16};
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(memory, &all, red);
        DeleteObject(red);
        SelectObject(memory, previous);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        const BYTE zeros[32] = {};
        HBITMAP mask = CreateBitmap(16, 16, 1, 1, zeros);
        ICONINFO info = {TRUE, 0, 0, mask, colour};
        icon = CreateIconIndirect(&info);
        DeleteObject(mask);
        DeleteObject(colour);
        return icon;
    }

    HWND bar = nullptr;
    HICON icon = nullptr;
};

TEST_F(StatusBarTest, AnAmpersandIsDrawnLiterallyInPartsAfterTheFirst)
{
    SetParts({100, 200, -1});
    SetPart(1, "");
    const Picture empty = Painted();
    SetPart(1, "&");
    const Picture ampersand = Painted();
    const RECT part = PartRect(1);
    int changed = 0;
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            changed += empty.At(x, y) != ampersand.At(x, y);
    EXPECT_GT(changed, 3);
}

TEST_F(StatusBarTest, APartNarrowerThanEighteenPixelsShowsItsTextWithoutItsIcon)
{
    RedIcon();
    SetParts({14, 40, 200, -1});
    SetPart(0, "x", icon);
    SetPart(1, "x", icon);
    SetPart(2, "", icon);  // no text: not even the icon
    const Picture drawn = Painted();
    EXPECT_EQ(drawn.Count(PartRect(0), kRed), 0);
    EXPECT_GT(drawn.Count(PartRect(1), kRed), 100);
    EXPECT_EQ(drawn.Count(PartRect(2), kRed), 0);
    // The narrow part still shows its text.
    SetPart(0, "");
    const Picture withoutText = Painted();
    int changed = 0;
    const RECT first = PartRect(0);
    for (int y = first.top; y < first.bottom; ++y)
        for (int x = first.left; x < first.right; ++x)
            changed += withoutText.At(x, y) != drawn.At(x, y);
    EXPECT_GT(changed, 0);
}

// The bar paints the text it holds, not its ANSI form: a name in another script does not
// come out as the code page's question marks and best fits.
TEST_F(StatusBarTest, APartPaintsANameOutsideTheCodePageAsItIs)
{
    SetParts({200, -1});
    const std::wstring greek = L"\u03A9\u03BC\u03AD\u03B3\u03B1.txt";
    const std::wstring asAnsi = WidenAnsi(NarrowToAnsi(greek));
    ASSERT_NE(asAnsi, greek);
    SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(greek.c_str()));
    const Picture whole = Painted();
    SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(asAnsi.c_str()));
    const Picture narrowed = Painted();
    const RECT part = PartRect(0);
    int changed = 0;
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            changed += whole.At(x, y) != narrowed.At(x, y);
    EXPECT_GT(changed, 10);
}

TEST_F(StatusBarTest, WithoutTextTheBarShowsOnlyTheSkinBackground)
{
    SetParts({-1});
    SetPart(0, "");
    const Picture drawn = Painted();
    const Picture background = Bitmap("Quillblue", "statusbar.bmp");
    const skin::StatusbarDescription& d = MainSkin().Description().statusbar;
    std::vector<int> sourceX(static_cast<std::size_t>(drawn.width), -1);
    for (const skin::SliceBlit& blit : skin::ThreeSliceBlits(drawn.width, background.width, d.leftWidth, d.rightWidth))
        for (int x = 0; x < blit.width; ++x)
            if (blit.destX + x >= 0 && blit.destX + x < drawn.width)
                sourceX[static_cast<std::size_t>(blit.destX + x)] = blit.sourceX + x;
    int wrong = 0;
    for (int y = 0; y < std::min(drawn.height, background.height); ++y)
        for (int x = 0; x < drawn.width; ++x)
            wrong += sourceX[static_cast<std::size_t>(x)] < 0 ||
                     drawn.At(x, y) != background.At(sourceX[static_cast<std::size_t>(x)], y);
    EXPECT_EQ(wrong, 0);
}

TEST_F(StatusBarTest, TooltipsTakeTheSkinsColoursOrTheSystemsWithoutThem)
{
    CopySkin("NoTips");
    WritePrivateProfileStringA("Tooltips", nullptr, nullptr, (SkinFolder("NoTips") + "Skin.ini").c_str());
    ASSERT_TRUE(Load("NoTips"));
    ASSERT_NE(Main().ToolbarTips(), nullptr);
    const CSkinToolTip& frameTips = MainSkin().ButtonTips();
    EXPECT_EQ(frameTips.GetTextColour(), GetSysColor(COLOR_INFOTEXT));
    EXPECT_EQ(frameTips.GetBackColour(), GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(SendMessageA(Main().ToolbarTips(), TTM_GETTIPTEXTCOLOR, 0, 0), static_cast<LRESULT>(GetSysColor(COLOR_INFOTEXT)));

    CopySkin("RedTips");
    SetValue("RedTips", "Tooltips", "TextColour", "255,000,000");
    ASSERT_TRUE(Load("RedTips"));
    EXPECT_EQ(frameTips.GetTextColour(), RGB(255, 0, 0));
    EXPECT_EQ(SendMessageA(Main().ToolbarTips(), TTM_GETTIPTEXTCOLOR, 0, 0), static_cast<LRESULT>(RGB(255, 0, 0)));
    EXPECT_EQ(SendMessageA(Main().ToolbarTips(), TTM_GETTIPBKCOLOR, 0, 0),
              static_cast<LRESULT>(frameTips.GetBackColour()));
}

TEST_F(StatusBarTest, ATipHoldsATextOutsideTheCodePageWhole)
{
    CSkinToolTip tip;
    ASSERT_TRUE(tip.Create(Main().Frame()));
    const std::wstring greek = L"\u03A9\u03BC\u03AD\u03B3\u03B1.txt";
    ASSERT_TRUE(tip.AddTool(Main().Frame(), 7, greek, false));
    EXPECT_EQ(tip.GetText(Main().Frame(), 7), greek);
    const std::wstring other = L"\u65E5\u672C\u8A9E \U0001F600";
    tip.SetText(Main().Frame(), 7, other);
    EXPECT_EQ(tip.GetText(Main().Frame(), 7), other);
    tip.SetText(Main().Frame(), 7, std::string("Close"));
    EXPECT_EQ(tip.GetText(Main().Frame(), 7), L"Close") << "the narrow form takes ANSI text";
}

} // namespace
} // namespace skintest
