// The real Quillet.exe, started from a staged copy of the application folder and
// driven from this process.
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

#include <string>

using e2e::StagedApp;

namespace {

TEST(StartupE2E, WithoutConfigIniTheMessageAppearsAndTheProgramExitsWithZero)
{
    StagedApp app(false);
    ASSERT_TRUE(app.Launch());
    e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text,
              "The file 'Config.ini' was not found,\nThe program cannot run without it.\nReinstall Quillet");
    EXPECT_EQ(GetWindow(box.window, GW_OWNER), nullptr);
    StagedApp::Press(box.window, IDOK);
    EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(StartupE2E, TheMainWindowHasItsPartsAndHandedOverPathsOpenOnce)
{
    StagedApp app;
    const std::string file = app.Folder() + "Read Me.txt";
    e2e::WriteTextFile(file, "text\r\n");
    ASSERT_TRUE(app.Launch());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    for (int id : {101, 102, 100, 103})
        EXPECT_TRUE(e2e::WaitUntil([&] { return GetDlgItem(main, id) != nullptr; })) << id;

    // A path that arrives while start-up is still going on opens once it has finished.
    StagedApp::SendPath(main, "\"" + file + "\"");
    EXPECT_TRUE(e2e::WaitUntil([&] { return app.TabCaptions(main) == std::vector<std::string>{"Read Me.txt"}; }));
    std::string lower = file;
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    StagedApp::SendPath(main, lower);
    e2e::Sync(main);
    EXPECT_EQ(app.TabCaptions(main).size(), 1u);

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(StartupE2E, TheCommandLineOpensOneQuotedPathAndTheExitRemembersIt)
{
    StagedApp app;
    const std::string file = app.Folder() + "with space.txt";
    e2e::WriteTextFile(file, "x");
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    ASSERT_TRUE(app.Launch("\"" + file + "\""));
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TabCount(main) > 0; })) << "no document opened";
    EXPECT_EQ(e2e::TabCount(main), 1);
    // (A 32-bit program under emulation keeps its captions from a 64-bit test: then the
    // list of open files written at the exit alone shows which file it opened.)
    if (e2e::TabCaptionsReadable(main)) {
        EXPECT_EQ(app.TabCaptions(main), std::vector<std::string>{"with space.txt"});
    }
    SendMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(e2e::IniValue(app.ConfigPath(), "StartupFiles", "0"), file);
    EXPECT_EQ(e2e::IniValue(app.ConfigPath(), "Position", "MainState"), "1");
}

TEST(StartupE2E, HelpOpensTheHelpFileOfTheApplicationFolderInTheHelpViewer)
{
    StagedApp app;
    ASSERT_TRUE(e2e::FileExists(app.Folder() + "Help.chm"));
    ASSERT_TRUE(app.Launch());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // "&help" of the tray menu, which "&contents" of the Help menu also runs.
    PostMessageA(main, WM_COMMAND, 405, 0);
    // The viewer is a program of its own that shows the file's title.
    auto isViewer = [&](HWND window) {
        return e2e::ProcessOf(window) != app.ProcessId() && IsWindowVisible(window) &&
               e2e::TitleOf(window) == "Quillet Help";
    };
    HWND viewer = nullptr;
    EXPECT_TRUE(e2e::WaitUntil([&] { return (viewer = e2e::FindTopLevelWindow(isViewer)) != nullptr; }, 20000))
        << "no window titled \"Quillet Help\" (the title of Help.chm) appeared";
    if (viewer) {
        HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, e2e::ProcessOf(viewer));
        PostMessageA(viewer, WM_CLOSE, 0, 0);
        if (handle && WaitForSingleObject(handle, 10000) != WAIT_OBJECT_0)
            TerminateProcess(handle, 0);
        if (handle)
            CloseHandle(handle);
    }
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
}

} // namespace
