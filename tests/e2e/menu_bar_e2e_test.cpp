// The real Quillet.exe: Alt+F opens the File menu with its flat border, Left steps to
// the Help menu and Escape closes the menus.
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

using e2e::StagedApp;

namespace {

HWND VisiblePopup(const StagedApp& app) { return e2e::VisibleMenu(app.ProcessId()); }

// The popup of the process once it shows and differs from `other`, else null.
HWND WaitForPopup(const StagedApp& app, HWND other = nullptr)
{
    HWND popup = nullptr;
    e2e::WaitUntil([&] {
        popup = VisiblePopup(app);
        return popup && popup != other;
    });
    return popup != other ? popup : nullptr;
}

int HeightOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

TEST(MenuBarE2E, AltFOpensTheFlatFileMenuLeftStepsToHelpAndEscapeClosesIt)
{
    StagedApp app;
    app.SetConfig("Main", "Skin", "Quillblue");
    ASSERT_TRUE(app.Launch());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));

    PostMessageA(main, WM_SYSKEYDOWN, 'F', 0x20000000);
    HWND file = WaitForPopup(app);
    ASSERT_NE(file, nullptr);
    EXPECT_NE(GetPropA(file, "CMenuHookProc"), nullptr);
    const int fileHeight = HeightOf(file);

    PostMessageA(file, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(file); })) << "the File menu stays";
    HWND help = WaitForPopup(app);
    ASSERT_NE(help, nullptr);
    // Three items (one a separator) against the File menu's twelve.
    EXPECT_LT(HeightOf(help), fileHeight / 2);

    PostMessageA(help, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return VisiblePopup(app) == nullptr; }));
    EXPECT_EQ(VisiblePopup(app), nullptr);

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

} // namespace
