// The real Quillet.exe: the Options dialog opened from the tray menu, its pages chosen
// with the mouse, and the tray menu opened from the frame's menu button.
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

using e2e::StagedApp;

namespace {

constexpr WPARAM kOptionsCommand = 403;
constexpr UINT kTrayCallback = WM_USER + 1;

class SettingsE2E : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (main_ && IsWindow(main_)) {
            EXPECT_EQ(app_.CloseWithoutSaving(main_), 0);
        }
    }
    void Launch()
    {
        app_.SetConfig("Main", "Skin", "Quillblue");
        ASSERT_TRUE(app_.Launch());
        main_ = app_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }));
        ASSERT_TRUE(e2e::FocusForInput(main_));
    }
    StagedApp app_;
    HWND main_ = nullptr;
};

TEST_F(SettingsE2E, OptionsPagesAreChosenFromTheListWithTheMouse)
{
    Launch();
    PostMessageA(main_, WM_COMMAND, kOptionsCommand, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        dialog = e2e::FindProcessWindow(app_.ProcessId(), "Quillet", "Quillet Options");
        return dialog && IsWindowVisible(dialog);
    }));
    e2e::Sync(main_);
    e2e::ShotIfAsked("options-general");
    HWND list = GetDlgItem(dialog, 100);
    const char* const shots[] = {"options-general", "options-file-association", "options-startup"};
    for (int page : {1, 2, 0}) {
        RECT item = {};
        GetWindowRect(list, &item);
        const int rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        const POINT at = {item.left + 20, item.top + 2 + rowHeight * page + rowHeight / 2};
        // The click goes wherever the screen shows the list: wait until it does.
        ASSERT_TRUE(e2e::WaitUntil([&] { return WindowFromPoint(at) == list; }));
        e2e::Click(at);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, 200 + page)) != FALSE; }))
            << "page " << page;
        for (int other = 0; other < 3; ++other) {
            if (other != page) {
                EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 200 + other)));
            }
        }
        if (page != 0)
            e2e::ShotIfAsked(shots[page]);
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(dialog); }));
}

TEST_F(SettingsE2E, TheFrameMenuButtonOpensTheTrayMenu)
{
    Launch();
    PostMessageA(main_, kTrayCallback, 500, WM_RBUTTONUP);  // what the frame's menu button sends
    HWND menu = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] { return (menu = e2e::VisibleMenu(app_.ProcessId())) != nullptr; }));
    e2e::ShotIfAsked("tray-menu");
    e2e::PressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::VisibleMenu(app_.ProcessId()) == nullptr; }));
}

} // namespace
