// The notification-area icon as the shell sees it (every Shell_NotifyIcon call is
// recorded), its setting, the taskbar restarting, and its clicks.
#include "tests/options-dialog/options_fixture.h"

#include "app/main_window.h"
#include "platform/ui_seam.h"
#include "skin/skinned_frame.h"

#include <cstring>
#include <string>
#include <utility>
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

// The popup menu this thread tracks: what it holds, read while it is shown, then closed.
struct TrackedItem {
    UINT id;
    UINT state;
    std::string caption;
};
HMENU g_trackedMenu = nullptr;
std::vector<TrackedItem> g_trackedItems;

BOOL CALLBACK MatchShownMenu(HWND window, LPARAM data)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32768") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

HWND ShownMenuWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &MatchShownMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK ReadAndCloseTheMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
    HWND window = ShownMenuWindow();
    if (!window)
        return;  // not shown yet: the next tick
    KillTimer(nullptr, id);
    g_trackedMenu = reinterpret_cast<HMENU>(SendMessageA(window, kGetMenuHandle, 0, 0));
    for (int i = 0; g_trackedMenu && i < GetMenuItemCount(g_trackedMenu); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        GetMenuItemInfoA(g_trackedMenu, static_cast<UINT>(i), TRUE, &info);
        // The program's owner-drawn items carry their caption as their data.
        const char* caption = reinterpret_cast<const char*>(info.dwItemData);
        g_trackedItems.push_back({GetMenuItemID(g_trackedMenu, i),
                                  GetMenuState(g_trackedMenu, static_cast<UINT>(i), MF_BYPOSITION),
                                  caption ? caption : ""});
    }
    EndMenu();
}

TEST_F(TrayIconTest, ARightClickShowsTheTrayMenuWithAlwaysOnTopCheckedWhenTopmost)
{
    Start();
    HWND frame = Main().Frame();
    const std::vector<std::pair<UINT, std::string>> expected = {
        {400, "&always on top"}, {0, ""}, {402, "&skins"}, {403, "&options"}, {0, ""},
        {405, "&help"},          {406, "a&bout"}, {0, ""}, {408, "&exit"},
    };
    for (bool topmost : {false, true}) {
        SCOPED_TRACE(topmost ? "topmost" : "not topmost");
        if (topmost)
            SendMessageA(frame, WM_COMMAND, 400, 0);  // "&always on top"
        ASSERT_EQ((GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topmost);
        g_trackedMenu = nullptr;
        g_trackedItems.clear();
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, &ReadAndCloseTheMenu);
        SendMessageA(frame, WM_USER + 1, 500, WM_RBUTTONUP);  // returns when the menu has closed
        KillTimer(nullptr, timer);
        ASSERT_NE(g_trackedMenu, nullptr) << "a menu was tracked";
        EXPECT_EQ(g_trackedMenu, Main().Menu(kTrayMenu));
        ASSERT_EQ(g_trackedItems.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(i);
            const TrackedItem& item = g_trackedItems[i];
            if (expected[i].first == 0) {
                EXPECT_TRUE(item.state & MF_SEPARATOR);
                continue;
            }
            EXPECT_EQ(item.id, expected[i].first);
            EXPECT_EQ(item.caption, expected[i].second);
            EXPECT_FALSE(item.state & (MF_SEPARATOR | MF_GRAYED));
        }
        EXPECT_EQ((g_trackedItems[0].state & MF_CHECKED) != 0, topmost);
    }
    SendMessageA(frame, WM_COMMAND, 400, 0);
}

} // namespace
