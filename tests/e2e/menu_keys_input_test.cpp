// The menu-bar keys typed for real while other children of the main window have the
// focus: the favourites and clipboard buttons open their drop-downs, and the tab strip
// and toolbar pass the keys on as the editor does.
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "docs/documents.h"
#include "tests/harness/in_process_app.h"
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> g_opened;

void RecordDropDown(int command, const RECT&) { g_opened.push_back(command); }

class MenuKeysInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_opened.clear();
        previous_ = ReplaceDropDownOpener(&RecordDropDown);
        ASSERT_TRUE(app_.Start());
        OpenDocument("");
        harness::InProcessApp::Pump();
    }
    void TearDown() override
    {
        ReplaceDropDownOpener(previous_);
        app_.answers.assign(8, IDNO);
        app_.Close();
    }

    // Presses Alt+`key` with `focus` focused and pumps until a drop-down was asked for.
    int DropDownFor(WORD key, HWND focus)
    {
        g_opened.clear();
        if (!e2e::FocusForInput(Main().Frame()))
            return -1;
        SetFocus(focus);
        e2e::PressKey(key, VK_MENU);
        e2e::WaitUntil(
            [] {
                harness::InProcessApp::Pump();
                return !g_opened.empty();
            },
            5000);
        return g_opened.empty() ? 0 : g_opened.back();
    }

    harness::InProcessApp app_;
    DropDownOpener previous_ = nullptr;
};

TEST_F(MenuKeysInput, AltAAndAltCOpenTheDropDownsWhateverChildHasTheFocus)
{
    EXPECT_EQ(DropDownFor('A', DocumentList[0].control), 703);
    EXPECT_EQ(DropDownFor('C', DocumentList[0].control), 704);
    EXPECT_EQ(DropDownFor('A', Main().Tabs()), 703);
    EXPECT_EQ(DropDownFor('C', Main().Toolbar()), 704);
    // The keys never reached the text.
    EXPECT_EQ(SendMessageA(DocumentList[0].control, 3484 /* modified? */, 0, 0), 0);
}

} // namespace
