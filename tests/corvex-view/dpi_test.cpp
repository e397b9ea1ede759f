// The control drawn at its window's DPI: fonts made at that DPI (line height and painted
// glyphs twice as tall at 192 as at 96), margins and caret scaled, and a DPI change
// followed. Tests named HighDpi run with the screen at 192 DPI (tests/cmake/at_dpi.sh)
// and skip themselves otherwise; the others run at the usual 96.
#include "control_fixture.h"

namespace {

UINT ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The control's default font (Courier New) at a pixel height.
HFONT MakeFont(int height)
{
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
}

struct FontMeasure {
    int lineHeight = 0;
    int charWidth = 0;
};

FontMeasure Measure(int height)
{
    HFONT font = MakeFont(height);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return FontMeasure{metrics.tmHeight + metrics.tmExternalLeading, metrics.tmAveCharWidth};
}

// The rows of a 32-bit top-down bitmap that hold a pixel other than `background`, within
// columns [left, right): the painted glyphs' height.
struct Bitmap {
    Bitmap(int width, int height) : width(width), height(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        old = SelectObject(dc, bitmap);
    }
    ~Bitmap()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const DWORD pixel = bits[y * width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    int InkHeight(int left, int right, int top, int bottom, COLORREF background) const
    {
        int first = -1, last = -1;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (At(x, y) != background) {
                    if (first < 0)
                        first = y;
                    last = y;
                    break;
                }
        return first < 0 ? 0 : last - first + 1;
    }

    int width, height;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    DWORD* bits = nullptr;
};

// The height of the ink of `text` drawn by the test itself with the default font at a
// pixel height.
int InkHeightOf(const wchar_t* text, int fontHeight)
{
    Bitmap picture(400, 120);
    RECT all = {0, 0, 400, 120};
    FillRect(picture.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = MakeFont(fontHeight);
    HGDIOBJ old = SelectObject(picture.dc, font);
    SetBkMode(picture.dc, TRANSPARENT);
    SetTextColor(picture.dc, RGB(0, 0, 0));
    TextOutW(picture.dc, 10, 10, text, static_cast<int>(wcslen(text)));
    SelectObject(picture.dc, old);
    DeleteObject(font);
    return picture.InkHeight(0, 400, 0, 120, RGB(255, 255, 255));
}

class DpiTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ShowWindow(parent, SW_SHOWNOACTIVATE);
    }
    // The caret's place and size as the system knows them (the control made it).
    RECT CaretRect() const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetCurrentThreadId(), &info);
        return info.rcCaret;
    }
    POINT CaretPos() const
    {
        POINT caret = {-1, -1};
        GetCaretPos(&caret);
        return caret;
    }
    // Three lines, the caret after the first character of the third.
    void ThreeLines() const
    {
        Send(corvex::SetAutoIndent, 0);
        Type("abc\rdef\rghi");
        Press(VK_HOME);
        Press(VK_RIGHT);
        Send(WM_SETFOCUS);
    }
};

#define SKIP_UNLESS_DPI(dpi)                                                                   \
    if (ScreenDpi() != (dpi))                                                                  \
        GTEST_SKIP() << "the screen is at " << ScreenDpi() << " DPI, not " << (dpi)

TEST_F(DpiTest, AtTheDesignDpiTheDefaultFontSetsTheLineHeightAndTheCaretIsTwoPixelsWide)
{
    SKIP_UNLESS_DPI(96);
    ThreeLines();
    const FontMeasure font = Measure(-13);
    EXPECT_EQ(CaretPos().y, 2 * font.lineHeight);
    const RECT caret = CaretRect();
    EXPECT_EQ(caret.right - caret.left, 2);
    EXPECT_EQ(caret.bottom - caret.top, font.lineHeight);
}

// A DPI change reaches the control as WM_DPICHANGED (0x02E0) when it is a top-level
// window: it then draws at the new DPI, and back.
TEST_F(DpiTest, TheControlFollowsADpiChange)
{
    SKIP_UNLESS_DPI(96);
    ThreeLines();
    const POINT before = CaretPos();
    Send(0x02E0, MAKEWPARAM(192, 192));
    EXPECT_EQ(CaretPos().y, 2 * Measure(-26).lineHeight);
    const RECT caret = CaretRect();
    EXPECT_EQ(caret.right - caret.left, 4);
    Send(0x02E0, MAKEWPARAM(96, 96));
    EXPECT_EQ(CaretPos().y, before.y);
    EXPECT_EQ(CaretPos().x, before.x);
}

TEST_F(DpiTest, HighDpiLinesAreTwiceAsTallAndTheCaretTwiceAsWide)
{
    SKIP_UNLESS_DPI(192);
    ThreeLines();
    const FontMeasure design = Measure(-13), doubled = Measure(-26);
    EXPECT_EQ(CaretPos().y, 2 * doubled.lineHeight);
    // The font's own rounding aside, twice the line of the 96-DPI font.
    EXPECT_NEAR(doubled.lineHeight, 2 * design.lineHeight, 1);
    const RECT caret = CaretRect();
    EXPECT_EQ(caret.right - caret.left, 4);
    EXPECT_EQ(caret.bottom - caret.top, doubled.lineHeight);
}

TEST_F(DpiTest, HighDpiAGivenFontIsDrawnAtTheDpiButAnsweredAsGiven)
{
    SKIP_UNLESS_DPI(192);
    LOGFONTW setting = {};
    setting.lfHeight = -13;
    setting.lfWeight = FW_NORMAL;
    setting.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyW(setting.lfFaceName, L"Courier New");
    HFONT given = CreateFontIndirectW(&setting);
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(given), TRUE);
    const auto answered = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    EXPECT_EQ(answered, given);
    LOGFONTW back = {};
    GetObjectW(answered, sizeof back, &back);
    EXPECT_EQ(back.lfHeight, -13);
    ThreeLines();
    EXPECT_EQ(CaretPos().y, 2 * Measure(-26).lineHeight);
    DestroyWindow(control);  // before the font it paints with
    control = nullptr;
    DeleteObject(given);
}

TEST_F(DpiTest, HighDpiTheTextIsPaintedWithAFontTwiceTheDesignHeight)
{
    SKIP_UNLESS_DPI(192);
    const LONG hidden[3] = {0, 1, 3};
    Send(corvex::SetLineNumbering, 0, reinterpret_cast<LPARAM>(hidden));
    Send(corvex::SetLeftMargin, 0);
    Send(corvex::SetLineHighlight, 0);
    const wchar_t* sample = L"Hg|jb";
    Type("Hg|jb");
    COLORREF colours[corvex::kColourCount] = {};
    Send(corvex::GetColours, 0, reinterpret_cast<LPARAM>(colours));
    const int lineHeight = Measure(-26).lineHeight;
    Bitmap picture(600, 400);
    Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.dc), PRF_CLIENT);
    // The first line's text, right of the margin divider.
    const int painted = picture.InkHeight(20, 400, 0, lineHeight, colours[corvex::ColourBackground]);
    EXPECT_EQ(painted, InkHeightOf(sample, -26));
    EXPECT_GT(painted, InkHeightOf(sample, -13) * 3 / 2);
}

TEST_F(DpiTest, HighDpiMarginsAreTwiceAsWide)
{
    SKIP_UNLESS_DPI(192);
    Type("abc");
    const int charWidth = Measure(-26).charWidth;
    const int withBoth = FirstColumnX();
    Send(corvex::SetLeftMargin, 0);
    const int withNumbers = FirstColumnX();
    LONG numbering[3] = {};
    Send(corvex::GetLineNumbering, 0, reinterpret_cast<LPARAM>(numbering));
    const LONG hidden[3] = {0, numbering[1], numbering[2]};
    Send(corvex::SetLineNumbering, 0, reinterpret_cast<LPARAM>(hidden));
    const int withNothing = FirstColumnX();
    // The bookmark margin is 14 pixels at 96 DPI, the number column's padding 8 and the
    // text's left padding 4.
    EXPECT_EQ(withBoth - withNumbers, 28);
    EXPECT_EQ(withNumbers - withNothing, std::max<LONG>(numbering[2], 1) * charWidth + 16);
    EXPECT_EQ(withNothing, 8 + charWidth - charWidth / 2);
}

// A DPI change of the parent reaches the control as WM_DPICHANGED_AFTERPARENT; it then
// takes its window's DPI again.
TEST_F(DpiTest, HighDpiTheControlTakesItsWindowsDpiAfterTheParentsChange)
{
    SKIP_UNLESS_DPI(192);
    ThreeLines();
    Send(0x02E0, MAKEWPARAM(96, 96));
    EXPECT_EQ(CaretPos().y, 2 * Measure(-13).lineHeight);
    Send(0x02E3);
    EXPECT_EQ(CaretPos().y, 2 * Measure(-26).lineHeight);
    const RECT caret = CaretRect();
    EXPECT_EQ(caret.right - caret.left, 4);
}

} // namespace
