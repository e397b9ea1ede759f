// The settings dialog against a fake control: what it shows is what the control holds,
// OK writes back exactly what the user changed and notifies the parent, Cancel writes
// nothing.
#include "dialog_driver.h"
#include "fake_control.h"

#include "corvex/dialogs/check_list_page.h"
#include "corvex/dialogs/colour_page.h"
#include "corvex/dialogs/common_dialogs.h"
#include "corvex/dialogs/dialogs.h"
#include "corvex/dialogs/editing_page.h"
#include "corvex/dialogs/font_page.h"
#include "corvex/dialogs/line_numbering_page.h"
#include "corvex/dialogs/settings_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <commctrl.h>
#include <cstring>

using namespace corvex;
using namespace corvex::dialogs;

namespace {

// The on/off options with the page check box that shows them.
struct CheckedOption {
    UINT set;
    int selector;
    OptionId id;
};
const CheckedOption kCheckedOptions[] = {
    {SetColourSyntax, 0, OptColourSyntax}, {SetScrollBar, 1, OptHorizontalScrollBar},
    {SetScrollBar, 0, OptVerticalScrollBar}, {SetSplitter, 1, OptHorizontalSplitter},
    {SetSplitter, 0, OptVerticalSplitter}, {SetWholeWord, 0, OptWholeWord},
    {SetSmoothScroll, 0, OptSmoothScroll}, {SetLineTooltips, 0, OptLineTooltips},
    {SetLineHighlight, 0, OptLineHighlight}, {SetLeftMargin, 0, OptLeftMargin},
    {SetColumnSelect, 0, OptColumnSelect}, {SetDragDrop, 0, OptDragDrop},
    {SetCaseSensitive, 0, OptCaseSensitive}, {SetPreserveCase, 0, OptPreserveCase},
    {SetTabExpand, 0, OptTabExpand}, {SetNormalizeCase, 0, OptNormalizeCase},
    {SetSelBounds, 0, OptSelBounds},
};

LOGFONTA FaceOf(HFONT font)
{
    LOGFONTA logFont{};
    GetObjectA(font, sizeof logFont, &logFont);
    return logFont;
}

bool PickInverse(HWND, COLORREF& colour)
{
    colour = RGB(255 - GetRValue(colour), 255 - GetGValue(colour), 255 - GetBValue(colour));
    return true;
}

bool PickTestFont(HWND, LOGFONTA& font)
{
    std::strcpy(font.lfFaceName, "Arial");
    font.lfHeight = -20;
    return true;
}

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Alternating values, so that a value read from the wrong option shows.
        int n = 0;
        for (const CheckedOption& option : kCheckedOptions)
            control.setOption(option.set, n++ % 2, option.selector);
        control.setOption(SetAutoIndent, AutoIndentKeep);
        control.setOption(SetTabSize, 7);
        for (int i = 0; i < kColourCount; ++i)
            control.colours[i] = RGB(i * 8, 100, 255 - i * 8);
        control.fontStyles = {0, StyleBold, StyleItalic, StyleUnderline, 0, 0, 0, 0, 0, 0, 0, StyleBold};
        LineNumbering numbering{1, 10, 4};
        std::memcpy(control.lineNumbering.data(), &numbering, sizeof numbering);
        givenFont = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
        control.font = givenFont;
        SetColourFunction(PickInverse);
        SetFontFunction(PickTestFont);
    }
    void TearDown() override
    {
        SetColourFunction(nullptr);
        SetFontFunction(nullptr);
        ShutdownDialogs();
        DeleteObject(givenFont);
    }

    // Opens the dialog, runs `action` in it, then presses `button`.
    bool Run(std::function<void(HWND)> action, int button)
    {
        return RunSettingsDialog(control.window(), std::move(action), button);
    }

    LineNumbering Numbering() const
    {
        LineNumbering numbering;
        std::memcpy(&numbering, control.lineNumbering.data(), sizeof numbering);
        return numbering;
    }

    FakeControl control;
    HFONT givenFont = nullptr;
};

TEST_F(SettingsDialogTest, ShowsEveryValueTheControlHolds)
{
    bool looked = false;
    EXPECT_FALSE(Run([&](HWND dialog) {
        looked = true;
        for (const CheckedOption& option : kCheckedOptions)
            EXPECT_EQ(IsChecked(dialog, CheckListPage::ItemOf(option.id)),
                      control.option(option.set, option.selector) != 0) << option.id;
        EXPECT_TRUE(IsChecked(dialog, kIndentKeep));
        EXPECT_FALSE(IsChecked(dialog, kIndentSmart));
        EXPECT_EQ(Text(dialog, kTabSizeEdit), "7");
        EXPECT_TRUE(IsChecked(dialog, kShowLineNumbers));
        EXPECT_EQ(Text(dialog, kFirstLineNumber), "10");
        EXPECT_EQ(Text(dialog, kMinimumDigits), "4");
        EXPECT_EQ(Text(dialog, kFontDescription).rfind("Courier New", 0), 0u);
        // The selected style entry (Text) has no style; Keywords are bold.
        EXPECT_FALSE(IsChecked(dialog, kStyleBold));
        HWND styles = Find(dialog, kStyleList);
        SendMessageA(styles, LB_SETCURSEL, 1, 0);
        SendMessageA(GetParent(styles), WM_COMMAND, MAKEWPARAM(kStyleList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(styles));
        EXPECT_TRUE(IsChecked(dialog, kStyleBold));
        EXPECT_FALSE(IsChecked(dialog, kStyleItalic));
        EXPECT_EQ(SendMessageA(Find(dialog, kColourList), LB_GETCOUNT, 0, 0), kColourCount);
    }, IDCANCEL));
    EXPECT_TRUE(looked);
    EXPECT_TRUE(control.sets.empty());
    EXPECT_TRUE(control.notifications.empty());
}

TEST_F(SettingsDialogTest, TabsNameThePagesIncludingMiscellaneous)
{
    std::vector<std::string> names;
    Run([&](HWND dialog) {
        HWND tabs = Find(dialog, kSettingsTabs);
        const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[64] = {};
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            names.push_back(text);
        }
    }, IDCANCEL);
    EXPECT_EQ(names, (std::vector<std::string>{"General", "Editing", "Colours", "Font", "Line numbering",
                                                "Keyboard", "Miscellaneous"}));
}

int CurrentPage(HWND dialog)
{
    return static_cast<int>(SendMessageA(Find(dialog, kSettingsTabs), TCM_GETCURSEL, 0, 0));
}

TEST_F(SettingsDialogTest, CtrlTabTurnsThePagesAndTheDialogReopensOnTheLastOne)
{
    constexpr int kPages = 7;
    int first = -1, shown = -1;
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    WhenDialogShows(SettingsDialog::kTitle, [&](HWND dialog) {
        first = CurrentPage(dialog);
        BYTE held[256];
        std::memcpy(held, keys, sizeof held);
        held[VK_CONTROL] = 0x80;
        SetKeyboardState(held);
        HWND tabs = Find(dialog, kSettingsTabs);
        for (int i = 0; i < 3; ++i)
            PostMessageA(tabs, WM_KEYDOWN, i == 2 ? VK_PRIOR : VK_TAB, 0);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ShowSettingsDialog(control.window());
    SetKeyboardState(keys);
    Run([&](HWND dialog) { shown = CurrentPage(dialog); }, IDCANCEL);
    ASSERT_GE(first, 0);
    EXPECT_EQ(shown, (first + 1) % kPages);
}

TEST_F(SettingsDialogTest, TabKeyWalksTheButtonsAndTheShownPageOnly)
{
    std::vector<int> order;
    bool allShown = true;
    Run([&](HWND dialog) {
        HWND start = Find(dialog, IDOK);
        HWND at = start;
        do {
            at = GetNextDlgTabItem(dialog, at, FALSE);
            order.push_back(GetDlgCtrlID(at));
            allShown = allShown && IsWindowVisible(at);
        } while (at && at != start && order.size() < 40);
    }, IDCANCEL);
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 2), (std::vector<int>{IDCANCEL, kApplyButton}));
    EXPECT_EQ(order.back(), IDOK);
    EXPECT_TRUE(allShown); // the controls of hidden pages are skipped
}

TEST_F(SettingsDialogTest, OkWritesEveryChangedValueOnceAndNotifiesTheParent)
{
    std::vector<std::pair<CheckedOption, int>> expected;
    EXPECT_TRUE(Run([&](HWND dialog) {
        for (const CheckedOption& option : kCheckedOptions) {
            Click(dialog, CheckListPage::ItemOf(option.id));
            expected.push_back({option, control.option(option.set, option.selector) ? 0 : 1});
        }
        Click(dialog, kIndentNone);
        SetText(dialog, kTabSizeEdit, "99");
        for (int entry : {0, 5, 30}) {
            SendMessageA(Find(dialog, kColourList), LB_SETCURSEL, entry, 0);
            Press(dialog, kChangeColour);
        }
        Press(dialog, kChooseFont);
        HWND styles = Find(dialog, kStyleList);
        SendMessageA(styles, LB_SETCURSEL, 2, 0);
        SendMessageA(GetParent(styles), WM_COMMAND, MAKEWPARAM(kStyleList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(styles));
        Click(dialog, kStyleBold);
        Click(dialog, kShowLineNumbers);
        SetText(dialog, kFirstLineNumber, "-5");
        SetText(dialog, kMinimumDigits, "6");
    }, IDOK));

    for (const auto& [option, value] : expected)
        EXPECT_EQ(control.option(option.set, option.selector), value) << option.id;
    EXPECT_EQ(control.option(SetAutoIndent), AutoIndentNone);
    EXPECT_EQ(control.option(SetTabSize), EditingPage::kMaxTabSize);
    EXPECT_EQ(control.colours[0], RGB(255, 155, 0));
    EXPECT_EQ(control.colours[5], RGB(255 - 40, 155, 40));
    EXPECT_EQ(control.colours[1], RGB(8, 100, 247));
    EXPECT_EQ(control.fontStyles[2], StyleItalic | StyleBold);
    EXPECT_EQ(control.fontStyles[1], StyleBold);
    EXPECT_EQ(Numbering().shown, 0u);
    EXPECT_EQ(Numbering().firstNumber, -5);
    EXPECT_EQ(Numbering().minimumDigits, 6);
    ASSERT_NE(control.font, givenFont);
    EXPECT_STREQ(FaceOf(control.font).lfFaceName, "Arial");
    EXPECT_EQ(FaceOf(control.font).lfHeight, -20);

    // Every option once (scroll bars and splitters twice, one per direction), each block once.
    auto count = [&](UINT message) { return std::count(control.sets.begin(), control.sets.end(), message); };
    for (const auto& [set, get] : FakeControl::OptionPairs())
        EXPECT_EQ(count(set), FakeControl::HasSelector(set) ? 2 : 1) << set;
    for (UINT block : {UINT(SetColours), UINT(SetFontStyles), UINT(SetLineNumbering), UINT(WM_SETFONT)})
        EXPECT_EQ(count(block), 1) << block;
    EXPECT_EQ(control.notifications, std::vector<UINT>{NotifySettingsChanged});
    EXPECT_EQ(control.notifyingIds, std::vector<UINT_PTR>{FakeControl::kId});
}

TEST_F(SettingsDialogTest, OkWithoutChangesWritesNothingButStillNotifies)
{
    control.setOption(SetLeftMargin, 5); // some other nonzero value: shown checked, kept as it is
    EXPECT_TRUE(Run([](HWND) {}, IDOK));
    EXPECT_TRUE(control.sets.empty());
    EXPECT_EQ(control.option(SetLeftMargin), 5);
    EXPECT_EQ(control.notifications, std::vector<UINT>{NotifySettingsChanged});
}

TEST_F(SettingsDialogTest, CancelAfterChangesWritesNothing)
{
    EXPECT_FALSE(Run([](HWND dialog) {
        Click(dialog, CheckListPage::ItemOf(OptColourSyntax));
        Press(dialog, kChangeColour);
        Press(dialog, kChooseFont);
        SetText(dialog, kTabSizeEdit, "2");
    }, IDCANCEL));
    EXPECT_TRUE(control.sets.empty());
    EXPECT_TRUE(control.notifications.empty());
    EXPECT_EQ(control.font, givenFont);
}

TEST_F(SettingsDialogTest, ApplyWritesAtOnceAndOnlyOnce)
{
    EXPECT_FALSE(Run([&](HWND dialog) {
        Click(dialog, CheckListPage::ItemOf(OptColourSyntax));
        Press(dialog, kApplyButton);
        EXPECT_EQ(control.sets, std::vector<UINT>{SetColourSyntax});
        EXPECT_EQ(control.notifications, std::vector<UINT>{NotifySettingsChanged});
        Press(dialog, kApplyButton); // nothing new
    }, IDCANCEL));
    EXPECT_EQ(control.sets, std::vector<UINT>{SetColourSyntax});
    EXPECT_EQ(control.notifications.size(), 1u);
}

TEST_F(SettingsDialogTest, KeepsTheFontsItCreatedUntilShutdown)
{
    Run([](HWND dialog) { Press(dialog, kChooseFont); }, IDOK);
    HFONT created = control.font;
    ASSERT_NE(created, givenFont);
    EXPECT_NE(GetObjectType(created), 0u);
    ShutdownDialogs();
    EXPECT_EQ(GetObjectType(created), 0u);
}


int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The font's size, its sample and the colour entries as drawn at the screen's DPI, while
// the font's setting keeps its 96-DPI height.
void ExpectDrawnAtTheScreensDpi(const std::function<bool(std::function<void(HWND)>)>& run, int scale)
{
    bool looked = false;
    EXPECT_FALSE(run([&](HWND dialog) {
        looked = true;
        EXPECT_EQ(Text(dialog, kFontDescription), "Courier New, 10 pt");
        const auto sample = reinterpret_cast<HFONT>(SendMessageA(Find(dialog, kFontSample), WM_GETFONT, 0, 0));
        EXPECT_EQ(FaceOf(sample).lfHeight, -13 * scale);
        EXPECT_EQ(SendMessageA(Find(dialog, kColourList), LB_GETITEMHEIGHT, 0, 0), 16 * scale);
    }));
    EXPECT_TRUE(looked);
}

TEST_F(SettingsDialogTest, AtTheDesignDpiTheFontAndColoursAreDrawnAsDesigned)
{
    if (ScreenDpi() != 96)
        GTEST_SKIP() << "the screen is not at 96 DPI";
    ExpectDrawnAtTheScreensDpi([this](std::function<void(HWND)> action) { return Run(std::move(action), IDCANCEL); }, 1);
}

TEST_F(SettingsDialogTest, HighDpiTheFontAndColoursAreDrawnTwiceAsLargeAndTheSettingKept)
{
    if (ScreenDpi() != 192)
        GTEST_SKIP() << "the screen is not at 192 DPI";
    ExpectDrawnAtTheScreensDpi([this](std::function<void(HWND)> action) { return Run(std::move(action), IDCANCEL); }, 2);
    EXPECT_TRUE(control.sets.empty());
    EXPECT_EQ(FaceOf(control.font).lfHeight, -13);
}

} // namespace
