// The go-to-line dialog: it offers the current line, accepts 1..line count and asks
// again, with a message, for anything else.
#include "dialog_driver.h"
#include "fake_control.h"
#include "fake_target.h"

#include "corvex/dialogs/dialogs.h"
#include "corvex/dialogs/go_to_line_dialog.h"

#include <gtest/gtest.h>

using namespace corvex::dialogs;

namespace {

class GoToLineTest : public ::testing::Test {
protected:
    FakeControl control;
    FakeTarget target;
    MessageRecorder messages;
};

TEST_F(GoToLineTest, OffersTheCurrentLineAndGoesToTheLineEntered)
{
    std::string offered, prompt;
    WhenDialogShows("Go To Line", [&](HWND dialog) {
        offered = Text(dialog, kLineNumber);
        prompt = Text(dialog, kLinePrompt);
        SetText(dialog, kLineNumber, "10");
        Press(dialog, IDOK);
    });
    EXPECT_TRUE(ShowGoToLineDialog(control.window(), target));
    EXPECT_EQ(offered, "3");
    EXPECT_EQ(prompt, "&Line number (1 - 10):");
    EXPECT_EQ(target.wentTo, std::vector<int>{10});
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(GoToLineTest, RefusesLinesOutOfRangeAndAsksAgain)
{
    std::vector<bool> stillOpen;
    WhenDialogShows("Go To Line", [&](HWND dialog) {
        for (const char* wrong : {"0", "11", "", "4x", "99999999999999"}) {
            SetText(dialog, kLineNumber, wrong);
            Press(dialog, IDOK);
            stillOpen.push_back(IsWindowVisible(dialog) != FALSE);
        }
        SetText(dialog, kLineNumber, " 1 ");
        Press(dialog, IDOK);
    });
    EXPECT_TRUE(ShowGoToLineDialog(control.window(), target));
    EXPECT_EQ(stillOpen, std::vector<bool>(5, true));
    ASSERT_EQ(messages.shown().size(), 5u);
    EXPECT_EQ(messages.shown()[0].text, "Enter a line number between 1 and 10.");
    EXPECT_EQ(messages.shown()[0].caption, "Go To Line");
    EXPECT_EQ(target.wentTo, std::vector<int>{1});
}

TEST_F(GoToLineTest, CancelGoesNowhere)
{
    WhenDialogShows("Go To Line", [](HWND dialog) { Press(dialog, IDCANCEL); });
    EXPECT_FALSE(ShowGoToLineDialog(control.window(), target));
    EXPECT_TRUE(target.wentTo.empty());
}

} // namespace
