// The modeless find and replace dialogs, find-again and the histories, driven through
// the dialogs' controls against a fake target and control.
#include "dialog_driver.h"
#include "fake_control.h"
#include "fake_target.h"

#include "corvex/dialogs/dialogs.h"
#include "corvex/dialogs/search_dialog.h"

#include <gtest/gtest.h>

using namespace corvex;
using namespace corvex::dialogs;

namespace {

struct TitleSearch {
    const char* title;
    HWND found;
};

// Stops at the visible dialog ("#32770") of the searched title.
BOOL CALLBACK MatchTitledDialog(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TitleSearch*>(data);
    char name[16] = "", text[64] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, text, sizeof text);
    if (std::string(name) == "#32770" && std::string(text) == search->title && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

class SearchDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FindHistory().clear();
        ReplaceHistory().clear();
    }
    void TearDown() override
    {
        ShutdownDialogs();
        SetActiveSearchTarget(nullptr, nullptr);
    }

    // The visible dialog titled `title` owned by the fake control's top-level window.
    // The visible dialog of this test with that title (other test programs running
    // beside this one have dialogs of the same titles).
    HWND Dialog(const char* title) const
    {
        TitleSearch search{title, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), &MatchTitledDialog, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    std::vector<std::string> ListOf(HWND dialog, int id) const
    {
        std::vector<std::string> entries;
        HWND combo = Find(dialog, id);
        const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }

    FakeControl control;
    FakeTarget target;
    MessageRecorder messages;
};

TEST_F(SearchDialogsTest, FindDialogSearchesWithTheControlsOptionsAndDirection)
{
    control.setOption(SetCaseSensitive, 1);
    target.selection = "needle";
    ShowFindDialog(control.window(), target);
    HWND dialog = Dialog("Find");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), control.parent());
    EXPECT_EQ(Text(dialog, kFindText), "needle");
    EXPECT_TRUE(IsChecked(dialog, kMatchCase));
    EXPECT_FALSE(IsChecked(dialog, kWholeWord));

    Press(dialog, kFindNextButton);
    Click(dialog, kDirectionUp);
    Click(dialog, kWholeWord);
    Press(dialog, kFindNextButton);

    ASSERT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(target.calls[0].what, "find");
    EXPECT_EQ(target.calls[0].text, "needle");
    EXPECT_TRUE(target.calls[0].options.caseSensitive);
    EXPECT_FALSE(target.calls[0].options.wholeWord);
    EXPECT_FALSE(target.calls[0].backwards);
    EXPECT_TRUE(target.calls[1].options.wholeWord);
    EXPECT_TRUE(target.calls[1].backwards);
    // The check box is the control's own option.
    EXPECT_EQ(control.option(SetWholeWord), 1);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SearchDialogsTest, AMissIsReportedInTheDialogsTitle)
{
    target.found = false;
    ShowFindDialog(control.window(), target);
    HWND dialog = Dialog("Find");
    SetText(dialog, kFindText, "absent");
    Press(dialog, kFindNextButton);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Cannot find \"absent\".");
    EXPECT_EQ(messages.shown()[0].caption, "Find");
}

TEST_F(SearchDialogsTest, CloseHidesAndTheNextShowReusesTheDialog)
{
    ShowFindDialog(control.window(), target);
    HWND dialog = Dialog("Find");
    Press(dialog, kCloseButton);
    EXPECT_FALSE(IsWindowVisible(dialog));
    ShowFindDialog(control.window(), target);
    EXPECT_EQ(Dialog("Find"), dialog);
}

TEST_F(SearchDialogsTest, KeepsWorkingOnWhicheverControlIsActive)
{
    FakeControl other;
    FakeTarget otherTarget;
    other.setOption(SetCaseSensitive, 1);
    ShowFindDialog(control.window(), target);
    HWND dialog = Dialog("Find");
    SetText(dialog, kFindText, "word");

    SetActiveSearchTarget(&otherTarget, other.window());
    Press(dialog, kFindNextButton);
    EXPECT_TRUE(target.calls.empty());
    ASSERT_EQ(otherTarget.calls.size(), 1u);
    EXPECT_TRUE(otherTarget.calls[0].options.caseSensitive);

    ClearActiveSearchTarget(control.window()); // not the active one: nothing changes
    EXPECT_EQ(ActiveSearchTarget(), &otherTarget);
    ClearActiveSearchTarget(other.window());
    EXPECT_EQ(ActiveSearchTarget(), nullptr);
    Press(dialog, kFindNextButton);
    EXPECT_EQ(otherTarget.calls.size(), 1u);
}

TEST_F(SearchDialogsTest, ReplaceReplacesTheSelectionThenFindsTheNext)
{
    control.setOption(SetPreserveCase, 1);
    ShowReplaceDialog(control.window(), target);
    HWND dialog = Dialog("Replace");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsChecked(dialog, kPreserveCase));
    SetText(dialog, kFindText, "old");
    SetText(dialog, kReplaceText, "new");
    Press(dialog, kReplaceButton);
    ASSERT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(target.calls[0].what, "replace");
    EXPECT_EQ(target.calls[0].replacement, "new");
    EXPECT_TRUE(target.calls[0].preserveCase);
    EXPECT_EQ(target.calls[1].what, "find");
    EXPECT_FALSE(target.calls[1].backwards);
}

TEST_F(SearchDialogsTest, ReplaceAllInTheDocumentOrTheSelection)
{
    target.replacements = 3;
    ShowReplaceDialog(control.window(), target);
    HWND dialog = Dialog("Replace");
    EXPECT_FALSE(IsWindowEnabled(Find(dialog, kInSelection)));
    SetText(dialog, kFindText, "a");
    SetText(dialog, kReplaceText, "b");
    Press(dialog, kReplaceAllButton);

    // A selection over several lines: Replace All offers it by default.
    target.selection = "one a\ntwo a\n";
    ShowReplaceDialog(control.window(), target);
    EXPECT_TRUE(IsWindowEnabled(Find(dialog, kInSelection)));
    EXPECT_TRUE(IsChecked(dialog, kInSelection));
    SetText(dialog, kFindText, "a");
    Press(dialog, kReplaceAllButton);

    ASSERT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(target.calls[0].what, "replaceAll");
    EXPECT_FALSE(target.calls[0].inSelection);
    EXPECT_TRUE(target.calls[1].inSelection);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].text, "3 occurrences replaced.");
    EXPECT_EQ(messages.shown()[1].caption, "Replace");

    target.replacements = 0;
    Press(dialog, kReplaceAllButton);
    EXPECT_EQ(messages.shown().back().text, "Cannot find \"a\".");
}

TEST_F(SearchDialogsTest, FindAndReplaceTakeTurnsCarryingTheText)
{
    ShowFindDialog(control.window(), target);
    SetText(Dialog("Find"), kFindText, "carried");
    ShowReplaceDialog(control.window(), target);
    EXPECT_EQ(Dialog("Find"), nullptr);
    ASSERT_TRUE(Dialog("Replace"));
    EXPECT_EQ(Text(Dialog("Replace"), kFindText), "carried");
}

TEST_F(SearchDialogsTest, HistoriesCollectTheTextsAndRoundTrip)
{
    ShowReplaceDialog(control.window(), target);
    HWND dialog = Dialog("Replace");
    for (const char* text : {"alpha", "beta", "alpha"}) {
        SetText(dialog, kFindText, text);
        SetText(dialog, kReplaceText, std::string(text) + "2");
        Press(dialog, kReplaceButton);
    }
    EXPECT_EQ(ListOf(dialog, kFindText), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(ListOf(dialog, kReplaceText), (std::vector<std::string>{"alpha2", "beta2"}));

    const std::string joined = FindHistory().join();
    FindHistory().clear();
    FindHistory().split(joined);
    EXPECT_EQ(FindHistory().entries(), (std::vector<std::string>{"alpha", "beta"}));
    // A history handed over by the program shows in the next dialog.
    ReplaceHistory().split("x\ny");
    ShowFindDialog(control.window(), target);
    ShowReplaceDialog(control.window(), target);
    EXPECT_EQ(ListOf(Dialog("Replace"), kReplaceText), (std::vector<std::string>{"x", "y"}));
}

TEST_F(SearchDialogsTest, HistoryExportsTakeAndGiveOneStringThatFitsTheBuffer)
{
    SetHistoryText(1, "first\nsecond");
    SetHistoryText(0, nullptr);
    EXPECT_EQ(FindHistory().entries(), (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(ReplaceHistory().entries().empty());

    for (int i = 0; i < 40; ++i)
        ReplaceHistory().add(std::string(100, static_cast<char>('a' + i % 26)));
    std::string buffer(kHistoryBufferSize + 16, '#');
    const int length = GetHistoryText(0, buffer.data());
    EXPECT_LT(length, kHistoryBufferSize);
    EXPECT_EQ(buffer[length], '\0');
    EXPECT_EQ(buffer[kHistoryBufferSize], '#');
    const std::vector<std::string> before = ReplaceHistory().entries();
    SetHistoryText(0, buffer.c_str());
    EXPECT_EQ(ReplaceHistory().entries().front(), before.front());
    EXPECT_EQ(GetHistoryText(1, buffer.data()), 12);
    EXPECT_EQ(std::string(buffer.c_str()), "first\nsecond");
}

// The exports give a history in the form the program stores it: ANSI when the code page
// holds every character, else the UTF-8 mark and UTF-8; ANSI bytes that look like the mark
// are stored marked, so they come back as they were; an entry too long for the buffer on
// its own is cut between characters, never lost whole.
TEST_F(SearchDialogsTest, HistoryExportsKeepAnsiTextsAnsiAndOthersWhole)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the texts below are Windows-1252";
    char buffer[kHistoryBufferSize] = {};
    FindHistory().add("caf\xC3\xA9");
    EXPECT_EQ(GetHistoryText(1, buffer), 4);
    EXPECT_STREQ(buffer, "caf\xE9");

    const std::string japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";
    const std::string lookalike = "\xC3\xAF\xC2\xBB\xC2\xBFx";  // "ï»¿x"
    FindHistory().add(japanese);
    GetHistoryText(1, buffer);
    EXPECT_EQ(std::string(buffer), "\xEF\xBB\xBF" + japanese + "\ncaf\xC3\xA9");
    FindHistory().clear();
    SetHistoryText(1, buffer);
    EXPECT_EQ(FindHistory().entries(), (std::vector<std::string>{japanese, "caf\xC3\xA9"}));

    FindHistory().clear();
    FindHistory().add(lookalike);
    GetHistoryText(1, buffer);
    FindHistory().clear();
    SetHistoryText(1, buffer);
    EXPECT_EQ(FindHistory().entries(), std::vector<std::string>{lookalike});

    FindHistory().clear();
    std::string longest;
    for (int i = 0; i < 341; ++i)
        longest += japanese.substr(0, 3);  // 1023 bytes, 1026 marked: more than the buffer takes
    FindHistory().add(longest);
    GetHistoryText(1, buffer);
    EXPECT_EQ(std::string(buffer), "\xEF\xBB\xBF" + longest.substr(0, 1020));
    SetHistoryText(1, "caf\xE9\nplain");
    EXPECT_EQ(FindHistory().entries(), (std::vector<std::string>{"caf\xC3\xA9", "plain"}));
}

TEST_F(SearchDialogsTest, FindAgainRepeatsTheLastSearch)
{
    EXPECT_FALSE(FindAgain(false)); // no active control
    SetActiveSearchTarget(&target, control.window());
    EXPECT_FALSE(FindAgain(false)); // nothing searched, nothing selected
    EXPECT_TRUE(target.calls.empty());

    target.selection = "picked";
    EXPECT_TRUE(FindAgain(false));
    FindHistory().add("last");
    control.setOption(SetWholeWord, 1);
    EXPECT_TRUE(FindAgain(true));
    ASSERT_EQ(target.calls.size(), 2u);
    EXPECT_EQ(target.calls[0].text, "picked");
    EXPECT_EQ(target.calls[1].text, "last");
    EXPECT_TRUE(target.calls[1].backwards);
    EXPECT_TRUE(target.calls[1].options.wholeWord);

    target.found = false;
    EXPECT_FALSE(FindAgain(false));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "Corvex");
}

} // namespace
