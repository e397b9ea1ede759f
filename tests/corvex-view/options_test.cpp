// Every option message stores its value and the get message returns it; the blocks
// are copied whole; values the control cannot use are brought into range.
#include "control_fixture.h"

#include <cstring>

namespace {

struct Pair {
    UINT set, get;
};

const Pair kWParamOptions[] = {
    {corvex::SetColourSyntax, corvex::GetColourSyntax}, {corvex::SetWholeWord, corvex::GetWholeWord},
    {corvex::SetSmoothScroll, corvex::GetSmoothScroll}, {corvex::SetLineTooltips, corvex::GetLineTooltips},
    {corvex::SetLineHighlight, corvex::GetLineHighlight}, {corvex::SetLeftMargin, corvex::GetLeftMargin},
    {corvex::SetColumnSelect, corvex::GetColumnSelect}, {corvex::SetDragDrop, corvex::GetDragDrop},
    {corvex::SetCaseSensitive, corvex::GetCaseSensitive}, {corvex::SetPreserveCase, corvex::GetPreserveCase},
    {corvex::SetTabExpand, corvex::GetTabExpand}, {corvex::SetNormalizeCase, corvex::GetNormalizeCase},
    {corvex::SetSelBounds, corvex::GetSelBounds},
};

TEST_F(ControlTest, FlagOptionsRoundTripBothValues)
{
    for (const Pair& pair : kWParamOptions) {
        for (int value : {0, 1}) {
            Send(pair.set, value);
            EXPECT_EQ(Send(pair.get), value) << "option " << pair.set;
        }
    }
}

TEST_F(ControlTest, DefaultsMatchTheSettingsTable)
{
    EXPECT_EQ(Send(corvex::GetColourSyntax), 1);
    EXPECT_EQ(Send(corvex::GetAutoIndent), 2);
    EXPECT_EQ(Send(corvex::GetTabSize), 4);
    EXPECT_EQ(Send(corvex::GetSmoothScroll), 0);
    EXPECT_EQ(Send(corvex::GetScrollBar, 1), 1);
    EXPECT_EQ(Send(corvex::GetScrollBar, 0), 1);
}

TEST_F(ControlTest, DirectionalOptionsKeepTheirDirectionsApart)
{
    for (const Pair& pair : {Pair{corvex::SetScrollBar, corvex::GetScrollBar}, Pair{corvex::SetSplitter, corvex::GetSplitter}}) {
        Send(pair.set, 1, 0);
        Send(pair.set, 0, 1);
        EXPECT_EQ(Send(pair.get, 1), 0);
        EXPECT_EQ(Send(pair.get, 0), 1);
        Send(pair.set, 1, 1);
        Send(pair.set, 0, 0);
        EXPECT_EQ(Send(pair.get, 1), 1);
        EXPECT_EQ(Send(pair.get, 0), 0);
    }
}

TEST_F(ControlTest, HidingScrollBarsRemovesThemFromTheWindow)
{
    Send(corvex::SetScrollBar, 1, 0);
    Send(corvex::SetScrollBar, 0, 0);
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    Send(corvex::SetScrollBar, 0, 1);
    EXPECT_NE(GetWindowLongA(control, GWL_STYLE) & WS_VSCROLL, 0);
}

TEST_F(ControlTest, NumericOptionsAreStoredWithinRange)
{
    for (int mode : {0, 1, 2}) {
        Send(corvex::SetAutoIndent, mode);
        EXPECT_EQ(Send(corvex::GetAutoIndent), mode);
    }
    Send(corvex::SetTabSize, 8);
    EXPECT_EQ(Send(corvex::GetTabSize), 8);
    Send(corvex::SetTabSize, 0);
    EXPECT_EQ(Send(corvex::GetTabSize), 1);
    Send(corvex::SetAutoIndent, 7);
    EXPECT_EQ(Send(corvex::GetAutoIndent), corvex::AutoIndentSmart);
}

TEST_F(ControlTest, BlocksRoundTripByteForByte)
{
    COLORREF colours[corvex::kColourCount];
    for (int i = 0; i < corvex::kColourCount; ++i)
        colours[i] = RGB(i, 255 - i, i * 3);
    Send(corvex::SetColours, 0, reinterpret_cast<LPARAM>(colours));
    COLORREF back[corvex::kColourCount] = {};
    Send(corvex::GetColours, 0, reinterpret_cast<LPARAM>(back));
    EXPECT_EQ(std::memcmp(colours, back, sizeof colours), 0);

    BYTE styles[corvex::kFontStylesSize] = {1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4};
    Send(corvex::SetFontStyles, 0, reinterpret_cast<LPARAM>(styles));
    BYTE stylesBack[corvex::kFontStylesSize] = {};
    Send(corvex::GetFontStyles, 0, reinterpret_cast<LPARAM>(stylesBack));
    EXPECT_EQ(std::memcmp(styles, stylesBack, sizeof styles), 0);

    const LONG numbering[3] = {0, 100, 5};
    Send(corvex::SetLineNumbering, 0, reinterpret_cast<LPARAM>(numbering));
    LONG numberingBack[3] = {};
    Send(corvex::GetLineNumbering, 0, reinterpret_cast<LPARAM>(numberingBack));
    EXPECT_EQ(std::memcmp(numbering, numberingBack, sizeof numbering), 0);

    // Null blocks are refused and change nothing.
    EXPECT_EQ(Send(corvex::SetColours, 0, 0), 0);
    Send(corvex::GetColours, 0, reinterpret_cast<LPARAM>(back));
    EXPECT_EQ(back[5], colours[5]);
}

TEST_F(ControlTest, OnlyTheKnownLanguageNamesAreKept)
{
    char name[20];
    Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>("C/C++"));
    Send(corvex::GetLanguage, 0, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, "C/C++");
    Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>("ColdFusion"));
    Send(corvex::GetLanguage, 0, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, "ColdFusion");
    for (const char* unknown : {"A language name far too long", "c/c++", "Perl"}) {
        Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>(unknown));
        std::memset(name, 'x', sizeof name);
        Send(corvex::GetLanguage, 0, reinterpret_cast<LPARAM>(name));
        EXPECT_STREQ(name, "") << unknown;
    }
    Send(corvex::SetLanguage, 0, reinterpret_cast<LPARAM>("SQL"));
    Send(corvex::SetLanguage, 0, 0);
    Send(corvex::GetLanguage, 0, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, "");
}

TEST_F(ControlTest, FontIsReturnedAndNeverDeleted)
{
    EXPECT_NE(Send(WM_GETFONT), 0); // its own font when none was given
    HFONT font = CreateFontA(-15, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    EXPECT_EQ(reinterpret_cast<HFONT>(Send(WM_GETFONT)), font);
    Send(corvex::SetFontStyles, 0, reinterpret_cast<LPARAM>("\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"));
    UpdateWindow(control);
    DestroyWindow(control);
    LOGFONTA info;
    EXPECT_EQ(GetObjectA(font, sizeof info, &info), static_cast<int>(sizeof info));
    DeleteObject(font);
}

struct TooltipSearch {
    HWND owner, found;
};

BOOL CALLBACK FindShownTooltip(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TooltipSearch*>(data);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) &&
        lstrcmpiA(name, "tooltips_class32") == 0)
        search->found = window;
    return TRUE;
}

// The line tooltip: a tooltip window owned by the control's top-level window.
HWND ShownTooltipOf(HWND control)
{
    TooltipSearch search = {GetAncestor(control, GA_ROOT), nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindShownTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(ControlTest, LineTooltipFollowsTheThumbWhenEnabled)
{
    for (int k = 0; k < 200; ++k)
        Type("line\r");
    Send(corvex::SetLineTooltips, 0);
    Send(WM_VSCROLL, SB_THUMBTRACK);
    EXPECT_EQ(ShownTooltipOf(control), nullptr);
    Send(corvex::SetLineTooltips, 1);
    Send(WM_VSCROLL, SB_THUMBTRACK);
    EXPECT_NE(ShownTooltipOf(control), nullptr);
    Send(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(ShownTooltipOf(control), nullptr);
}

TEST_F(ControlTest, AnswersDialogCodesForEveryKey)
{
    EXPECT_EQ(Send(WM_GETDLGCODE), DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB);
}

TEST_F(ControlTest, WhitespaceDisplayToggles)
{
    EXPECT_EQ(Send(corvex::IsWhitespaceShown), 0);
    Send(corvex::ShowWhitespace, 1);
    EXPECT_NE(Send(corvex::IsWhitespaceShown), 0);
    Send(corvex::ShowWhitespace, 0);
    EXPECT_EQ(Send(corvex::IsWhitespaceShown), 0);
}

TEST(HotKeyTable, DefaultTableRoundTripsAndGarbageIsRefused)
{
    const int size = CorvexGetHotKeys(nullptr);
    ASSERT_GT(size, 12);
    std::string table(static_cast<std::size_t>(size), '\0');
    EXPECT_EQ(CorvexGetHotKeys(table.data()), size);
    // The table carries its own length.
    unsigned length = 0;
    std::memcpy(&length, table.data() + 4, 4);
    EXPECT_EQ(length, static_cast<unsigned>(size));
    EXPECT_EQ(CorvexSetHotKeys("garbage of no format at all"), 0);
    EXPECT_EQ(CorvexSetHotKeys(nullptr), 0);
    EXPECT_EQ(CorvexGetHotKeys(nullptr), size);
    EXPECT_EQ(CorvexSetHotKeys(table.data()), 1);
    std::string again(static_cast<std::size_t>(size), '\0');
    CorvexGetHotKeys(again.data());
    EXPECT_EQ(again, table);
}

} // namespace
