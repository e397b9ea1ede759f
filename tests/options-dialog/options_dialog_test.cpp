// The Options dialog: what it loads, how its buttons behave, and the refusal of a state
// with neither a taskbar button nor a tray icon.
#include "tests/options-dialog/options_fixture.h"

#include "app/main_window.h"

namespace {

enum : int {
    kRealTimeResize = 101, kTaskbar = 102, kTray = 103, kMinimise = 104, kShellExtension = 105,
    kSkinOverride = 107, kOpenLastFiles = 113, kOk = 301, kCancel = 302, kApply = 303, kPageList = 100,
};

using OptionsDialogTest = OptionsFixture;

TEST_F(OptionsDialogTest, WithoutStoredOptionsOnlyTheTaskbarAndTrayBoxesAreChecked)
{
    for (const char* key : {"SysTrayShow", "TaskbarShow", "RealTimeResize", "MinOnLoad", "OpenFilesAtStartup"})
        Forget("Main", key);
    Forget("Editor", "ShellEx");
    Forget("Editor", "SkinOverride");
    Start();
    EXPECT_TRUE(Checked(kTaskbar));
    EXPECT_TRUE(Checked(kTray));
    for (int box : {kRealTimeResize, kMinimise, kShellExtension, kSkinOverride, kOpenLastFiles})
        EXPECT_FALSE(Checked(box)) << box;
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(OptionsDialogTest, OnlyExactlyOneCountsAsOn)
{
    app.SetConfig("Main", "RealTimeResize", "yes");
    app.SetConfig("Main", "MinOnLoad", "true");
    app.SetConfig("Main", "OpenFilesAtStartup", "01");
    app.SetConfig("Editor", "SkinOverride", "1");
    Start();
    EXPECT_FALSE(Checked(kRealTimeResize));
    EXPECT_FALSE(Checked(kMinimise));
    EXPECT_FALSE(Checked(kOpenLastFiles));
    EXPECT_TRUE(Checked(kSkinOverride));
    EXPECT_TRUE(IsSkinOverrideChecked());
    EXPECT_FALSE(IsOpenLastFilesChecked());
}

TEST_F(OptionsDialogTest, NeitherTaskbarButtonNorTrayIconIsRefused)
{
    app.SetConfig("Main", "SysTrayShow", "0");
    Start();
    ASSERT_FALSE(Checked(kTray));
    Click(kTaskbar);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text,
              "You cannot remove Quillet from the Taskbar and also not show it in the Tray, how will you access it?");
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(app.messages[0].owner, Dialog());
    EXPECT_TRUE(Checked(kTaskbar));
    EXPECT_FALSE(ApplyEnabled());

    Click(kTray);  // the tray on, now the taskbar may go
    Click(kTaskbar);
    EXPECT_FALSE(Checked(kTaskbar));
    Click(kTray);
    ASSERT_EQ(app.messages.size(), 2u);
    EXPECT_EQ(app.messages[1].text,
              "You cannot remove Quillet from the Tray and also not show it in the Taskbar, how will you access it?");
    EXPECT_TRUE(Checked(kTray));
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionsDialogTest, OkWithoutChangesOnlyHides)
{
    Start();
    ShowOptionsDialog(false);
    ASSERT_TRUE(IsWindowVisible(Dialog()));
    const std::string before = harness::ReadFile(app.ConfigPath());
    Click(kOk);
    EXPECT_FALSE(IsWindowVisible(Dialog()));
    EXPECT_EQ(harness::ReadFile(app.ConfigPath()), before);
}

TEST_F(OptionsDialogTest, ApplyStoresAndCancelAfterApplyKeepsWhatWasStored)
{
    Start();
    ShowOptionsDialog(false);
    ASSERT_FALSE(Checked(kMinimise));
    Click(kMinimise);
    EXPECT_TRUE(ApplyEnabled());
    Click(kApply);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_EQ(Stored("Main", "MinOnLoad"), "1");
    Click(kRealTimeResize);  // changed, never applied
    Click(kCancel);
    EXPECT_FALSE(IsWindowVisible(Dialog()));
    EXPECT_EQ(Stored("Main", "MinOnLoad"), "1");
    EXPECT_TRUE(Checked(kMinimise));
    EXPECT_FALSE(Checked(kRealTimeResize)) << "Cancel returns the boxes to what is stored";
    EXPECT_EQ(Stored("Main", "RealTimeResize"), "0");
}

TEST_F(OptionsDialogTest, OkAppliesPendingChanges)
{
    Start();
    Click(kSkinOverride);  // stored "1" in the installed Config.ini
    Click(kOk);
    harness::InProcessApp::Pump();
    EXPECT_EQ(Stored("Editor", "SkinOverride"), "0");
    EXPECT_FALSE(IsSkinOverrideChecked());
}

TEST_F(OptionsDialogTest, ThePageListSwitchesPages)
{
    Start();
    HWND list = Control(kPageList);
    for (int index : {1, 2, 0}) {
        SendMessageA(list, LB_SETCURSEL, index, 0);
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(kPageList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        for (int page = 0; page < 3; ++page)
            EXPECT_EQ((GetWindowLongA(GetDlgItem(Dialog(), 200 + page), GWL_STYLE) & WS_VISIBLE) != 0, page == index)
                << index << page;
    }
}

TEST_F(OptionsDialogTest, EditorSettingsNeedAnActiveDocument)
{
    Start();
    ShowOptionsDialog(false);
    Click(106);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Editor Settings are only available when there is at least one active document");
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_TRUE(IsWindowVisible(Dialog()));
}

TEST_F(OptionsDialogTest, ExplorerOptionWithoutTheExtensionLibraryStaysOff)
{
    DeleteFileA((app.Folder() + "Vantrix.dll").c_str());
    Start();
    EXPECT_TRUE(app.messages.empty()) << "no message at start-up for an extension that is off";
    Click(kShellExtension);
    Click(kApply);
    bool reported = false;
    for (const auto& message : app.messages)
        reported = reported || message.text == "Failed to load Vantrix.dll";
    EXPECT_TRUE(reported);
    EXPECT_EQ(Stored("Editor", "ShellEx"), "0");
}

// Registers the real extension class: runs alone (see CMakeLists.txt).
TEST_F(OptionsDialogTest, ShellExtensionSwitchRegistersAndUnregistersTheExtension)
{
    Start();
    EXPECT_TRUE(app.messages.empty());
    const auto handlerKey = [] {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "*\\shellex\\ContextMenuHandlers\\Quillet", 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    };
    Click(kShellExtension);
    Click(kApply);
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(Stored("Editor", "ShellEx"), "1");
    EXPECT_TRUE(handlerKey());
    Click(kShellExtension);
    Click(kApply);
    EXPECT_EQ(Stored("Editor", "ShellEx"), "0");
    EXPECT_FALSE(handlerKey());
}

struct PositionCase {
    const char* left;
    bool defaultPlace;
};

class OptionsPositionTest : public OptionsFixture, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(OptionsPositionTest, ZeroMissingOrGarbageLeftMeansTheDefaultPlace)
{
    if (GetParam().left)
        app.SetConfig("Position", "OptsLeft", GetParam().left);
    else
        Forget("Position", "OptsLeft");
    app.SetConfig("Position", "OptsTop", "150");
    Start();
    RECT rect = {};
    GetWindowRect(Dialog(), &rect);
    if (GetParam().defaultPlace) {
        // Where the system puts a window of the dialog's kind that asks for the default
        // place (here it gives every such window the same place); OptsTop plays no part.
        HWND placedBySystem = CreateWindowExA(WS_EX_TOOLWINDOW, "Static", "", WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU,
                                              CW_USEDEFAULT, 0, 350, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(placedBySystem, nullptr);
        RECT expected = {};
        GetWindowRect(placedBySystem, &expected);
        DestroyWindow(placedBySystem);
        EXPECT_EQ(rect.left, expected.left);
        EXPECT_EQ(rect.top, expected.top);
    } else {
        EXPECT_EQ(rect.left, 200);
        EXPECT_EQ(rect.top, 150);
    }
    EXPECT_EQ(rect.right - rect.left, 350);
    SetWindowPos(Dialog(), nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app.Close();
    EXPECT_EQ(Stored("Position", "OptsLeft"), "123");
    EXPECT_EQ(Stored("Position", "OptsTop"), "77");
}

INSTANTIATE_TEST_SUITE_P(Positions, OptionsPositionTest,
                         ::testing::Values(PositionCase{"0", true}, PositionCase{nullptr, true},
                                           PositionCase{"abc", true}, PositionCase{"200", false}));

} // namespace
