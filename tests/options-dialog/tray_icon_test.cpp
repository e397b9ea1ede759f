// The notification-area icon as the shell sees it (every Shell_NotifyIcon call is
// recorded), its setting, the taskbar restarting, and its clicks.
#include "tests/options-dialog/options_fixture.h"

#include "app/main_window.h"
#include "platform/ui_seam.h"
#include "skin/skinned_frame.h"

#include <cstring>
#include <vector>

namespace {

struct ShellCall {
    DWORD action;
    NOTIFYICONDATAA record;
};

class TrayIconTest : public OptionsFixture {
protected:
    TrayIconTest()
    {
        ui::SetNotifyIconHandler([this](DWORD action, const NOTIFYICONDATAA& record) {
            calls.push_back({action, record});
            return true;
        });
    }
    ~TrayIconTest() override
    {
        if (app.Running())
            app.Close();
        ui::SetNotifyIconHandler(nullptr);
    }
    int Count(DWORD action) const
    {
        int count = 0;
        for (const ShellCall& call : calls)
            count += call.action == action;
        return count;
    }
    void BroadcastTaskbarCreated()
    {
        SendMessageA(Main().Frame(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    }

    std::vector<ShellCall> calls;
};

TEST_F(TrayIconTest, TheIconIsAddedAtStartWithTheShellFiveRecord)
{
    Forget("Main", "SysTrayShow");
    Start();
    ASSERT_EQ(Count(NIM_ADD), 1);
    const NOTIFYICONDATAA& record = calls[0].record;
#ifndef _WIN64
    EXPECT_EQ(record.cbSize, 488u);
#else
    EXPECT_EQ(record.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE));
#endif
    EXPECT_EQ(record.hWnd, Main().Frame());
    EXPECT_EQ(record.uID, 500u);
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(record.uCallbackMessage, static_cast<UINT>(WM_USER + 1));
    EXPECT_NE(record.hIcon, nullptr);
    EXPECT_STREQ(record.szTip, "Quillet");
    EXPECT_EQ(Stored("Main", "SysTrayShow"), "1");
}

TEST_F(TrayIconTest, SwitchingTheTrayOffRemovesTheIconAndTheTaskbarRestartBringsItBackOnlyWhileOn)
{
    Start();
    ASSERT_TRUE(Checked(103));
    calls.clear();
    Click(103);  // "Show System Tray Button" off (the taskbar button stays)
    Click(303);  // Apply
    ASSERT_EQ(Count(NIM_DELETE), 1);
    EXPECT_EQ(calls[0].record.uID, 500u);
    EXPECT_EQ(Stored("Main", "SysTrayShow"), "0");
    BroadcastTaskbarCreated();
    EXPECT_EQ(Count(NIM_ADD), 0) << "no icon while it is off";

    Click(103);
    Click(303);
    EXPECT_EQ(Count(NIM_ADD), 1);
    BroadcastTaskbarCreated();
    EXPECT_EQ(Count(NIM_ADD), 2) << "the restarted taskbar gets the icon again";
    EXPECT_EQ(Stored("Main", "SysTrayShow"), "1");
}

TEST_F(TrayIconTest, ExitRemovesTheIconButKeepsTheSetting)
{
    Start();
    calls.clear();
    app.Close();
    EXPECT_EQ(Count(NIM_DELETE), 1);
    EXPECT_EQ(Stored("Main", "SysTrayShow"), "1");
}

TEST_F(TrayIconTest, ALeftClickMinimisesAndRestores)
{
    Start();
    HWND frame = Main().Frame();
    SendMessageA(frame, WM_USER + 1, 500, WM_LBUTTONUP);
    harness::InProcessApp::Pump();
    EXPECT_TRUE(IsIconic(frame) || !IsWindowVisible(frame));
    EXPECT_TRUE(MainSkin().Minimised());
    SendMessageA(frame, WM_USER + 1, 500, WM_LBUTTONUP);
    harness::InProcessApp::Pump();
    EXPECT_FALSE(IsIconic(frame));
    EXPECT_FALSE(MainSkin().Minimised());
    SendMessageA(frame, WM_USER + 1, 499, WM_LBUTTONUP);  // not our icon
    harness::InProcessApp::Pump();
    EXPECT_FALSE(IsIconic(frame));
}

TEST_F(TrayIconTest, ClicksAreIgnoredWhileNoSkinHasLoaded)
{
    app.SetConfig("Main", "Skin", "No Such Skin");
    Start();
    HWND frame = Main().Frame();
    ASSERT_FALSE(MainSkin().Loaded());
    SendMessageA(frame, WM_USER + 1, 500, WM_LBUTTONUP);
    harness::InProcessApp::Pump();
    EXPECT_FALSE(IsIconic(frame));
    EXPECT_FALSE(IsWindowVisible(frame));
}

// Records the tray menu while it is tracked, then closes it.
HMENU g_trackedTray = nullptr;
UINT g_alwaysOnTopState = 0;
void CALLBACK CloseMenuSoon(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_alwaysOnTopState = GetMenuState(Main().Menu(kTrayMenu), 400, MF_BYCOMMAND);
    g_trackedTray = Main().Menu(kTrayMenu);
    EndMenu();
}

TEST_F(TrayIconTest, ARightClickShowsTheTrayMenuWithAlwaysOnTopCheckedWhenTopmost)
{
    Start();
    HWND frame = Main().Frame();
    for (bool topmost : {false, true}) {
        if (topmost)
            SendMessageA(frame, WM_COMMAND, 400, 0);  // "&always on top"
        ASSERT_EQ((GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topmost);
        g_trackedTray = nullptr;
        SetTimer(nullptr, 0, 200, &CloseMenuSoon);
        SendMessageA(frame, WM_USER + 1, 500, WM_RBUTTONUP);  // returns when the menu has closed
        EXPECT_NE(g_trackedTray, nullptr) << "a menu was tracked";
        EXPECT_EQ((g_alwaysOnTopState & MF_CHECKED) != 0, topmost);
    }
    SendMessageA(frame, WM_COMMAND, 400, 0);
}

} // namespace
