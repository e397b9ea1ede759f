// The real Quillet.exe shows its main window only once its skin has loaded.
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

using e2e::StagedApp;

namespace {

void CloseAndWait(StagedApp& app, HWND main)
{
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(SkinE2E, WithTheDefaultSkinTheMainWindowShowsItsSkinnedFrame)
{
    StagedApp app;
    app.SetConfig("Main", "Skin", "Quillblue");
    ASSERT_TRUE(app.Launch());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_NE(GetPropA(main, "CSkinSubcls"), nullptr);
    EXPECT_EQ(GetWindowLongA(main, GWL_STYLE) & WS_CAPTION, 0);
    CloseAndWait(app, main);
}

TEST(SkinE2E, WithAnEmptyOrBrokenSkinTheMainWindowStaysHidden)
{
    const struct {
        const char* skin;
        const char* message;
    } cases[] = {
        {"", "The Skin.ini file for the chosen skin was not found"},
        {"Old", "The selected skin is not compatible with this version of Quillet"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.skin);
        StagedApp app;
        e2e::CopyFolder(app.Folder() + "Skin\\Quillblue\\", app.Folder() + "Skin\\Old\\");
        WritePrivateProfileStringA("Info", "Version", "1.00", (app.Folder() + "Skin\\Old\\Skin.ini").c_str());
        app.SetConfig("Main", "Skin", c.skin);
        ASSERT_TRUE(app.Launch());
        e2e::MessageBoxInfo box = app.WaitForMessageBox();
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.text, c.message);
        StagedApp::Press(box.window, IDOK);
        HWND main = app.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        // Once the box is gone and the program takes messages again, start-up is over.
        EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box.window); }));
        EXPECT_TRUE(e2e::Sync(main));
        EXPECT_FALSE(IsWindowVisible(main));
        CloseAndWait(app, main);
    }
}

} // namespace
