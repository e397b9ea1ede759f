// The real Quillet.exe with a configured skin that cannot load: the main window stays
// hidden and the skin selector offers the installed skins instead.
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

using e2e::StagedApp;

namespace {

constexpr int kList = 200;
constexpr int kApply = 204;

// Starts the program on a skin folder that does not exist, answers the loader's
// message and returns the selector start-up opened (null when it did not).
HWND StartOnAMissingSkin(StagedApp& app)
{
    app.SetConfig("Main", "Skin", "Vanished");
    if (!app.Launch())
        return nullptr;
    const e2e::MessageBoxInfo box = app.WaitForMessageBox();
    EXPECT_EQ(box.text, "The Skin.ini file for the chosen skin was not found");
    if (!box.window)
        return nullptr;
    StagedApp::Press(box.window, IDOK);
    HWND selector = nullptr;
    e2e::WaitUntil([&] {
        selector = e2e::FindProcessWindow(app.ProcessId(), "Quillet", "Quillet Skin Selector");
        return selector && IsWindowVisible(selector);
    });
    return selector;
}

TEST(SkinSelectorE2E, ApplyingAGoodSkinShowsTheMainWindowThatStartUpKeptHidden)
{
    StagedApp app;
    HWND selector = StartOnAMissingSkin(app);
    ASSERT_NE(selector, nullptr);
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));

    HWND list = GetDlgItem(selector, kList);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
    SendMessageA(list, LB_SETCURSEL, 0, 0);  // "Graphite", first of the sorted list
    PostMessageA(selector, WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    ASSERT_TRUE(e2e::Sync(selector));
    e2e::ShotIfAsked("skin-selector");
    EXPECT_FALSE(IsWindowVisible(main));

    PostMessageA(GetDlgItem(selector, kApply), BM_CLICK, 0, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_NE(GetPropA(main, "CSkinSubcls"), nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::IniValue(app.ConfigPath(), "Main", "Skin") == "Graphite"; }));
    EXPECT_TRUE(IsWindowVisible(selector));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(SkinSelectorE2E, ClosingTheSelectorWithoutApplyingEndsTheProgram)
{
    StagedApp app;
    app.SetConfig("Main", "AutoApplySkin", "");
    HWND selector = StartOnAMissingSkin(app);
    ASSERT_NE(selector, nullptr);
    PostMessageA(selector, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(e2e::IniValue(app.ConfigPath(), "Main", "Skin"), "Vanished");
    // The exit sequence ran: the selector wrote its state on the way out.
    EXPECT_EQ(e2e::IniValue(app.ConfigPath(), "Main", "AutoApplySkin"), "0");
    EXPECT_NE(e2e::IniValue(app.ConfigPath(), "Position", "SkinTop"), "");
}

} // namespace
