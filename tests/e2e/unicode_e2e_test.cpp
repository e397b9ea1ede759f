// The real Quillet.exe with names outside the ANSI code page (the tests run with
// Windows-1252): from its command line and from Lanchet.exe with the command line an
// association builds, typed into with real keys, saved, and opened again at the next start.
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"
#include "tests/support/wide_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using e2e::StagedApp;

namespace {

std::wstring Widen(const std::string& ansi)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

TEST(UnicodeE2E, NamesInAnyScriptFromTheCommandLineAndTheLauncherAreSavedAndComeBack)
{
    ASSERT_EQ(GetACP(), 1252u) << "the names below lie outside the test's code page";
    StagedApp app;
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    const std::wstring folder = Widen(app.Folder()) + L"\u041F\u0440\u043E\u0435\u043A\u0442\\";  // Проект
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring japanese = folder + L"\u65E5\u672C\u8A9E.txt";
    const std::wstring emoji = folder + L"\U0001F600 notes.txt";
    ASSERT_TRUE(e2e::WriteWideFile(japanese, "one\r\n"));
    ASSERT_TRUE(e2e::WriteWideFile(emoji, "two\r\n"));

    ASSERT_TRUE(app.Launch(L"\"" + japanese + L"\""));
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] {
        return e2e::WideTabCaptionsOf(main) == std::vector<std::wstring>{L"\u65E5\u672C\u8A9E.txt"};
    })) << "the command line's file, under its own name";
    // Lanchet.exe, as an association runs it: "<folder>Lanchet.exe" "%1".
    EXPECT_EQ(app.RunLauncher(L"\"" + emoji + L"\""), 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WideTabCaptionsOf(main).size() == 2; }));
    EXPECT_EQ(e2e::WideTabCaptionsOf(main),
              (std::vector<std::wstring>{L"\u65E5\u672C\u8A9E.txt", L"\U0001F600 notes.txt"}));

    // Typed into the file that came from the launcher (the active one), and saved.
    ASSERT_TRUE(e2e::FocusForInput(main, e2e::ActiveEditor(main)));
    e2e::PressKey(VK_END, VK_CONTROL);
    e2e::TypeUnicode(L"\u0416\U0001F600");
    e2e::PressKey('S', VK_CONTROL);
    const std::string saved = "two\r\n\xD0\x96\xF0\x9F\x98\x80";
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ReadWideFile(emoji) == saved; })) << e2e::ReadWideFile(emoji);
    EXPECT_EQ(e2e::ReadWideFile(japanese), "one\r\n") << "the other file untouched";

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(app.WaitForExit(), 0);
    const std::string config = e2e::ReadTextFile(app.ConfigPath());
    EXPECT_EQ(config.find('?'), std::string::npos) << config;

    // The next start opens both again from the list of open files.
    ASSERT_TRUE(app.Launch());
    main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WideTabCaptionsOf(main).size() == 2; }));
    EXPECT_EQ(e2e::WideTabCaptionsOf(main),
              (std::vector<std::wstring>{L"\u65E5\u672C\u8A9E.txt", L"\U0001F600 notes.txt"}));
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
    for (const std::wstring& path : {japanese, emoji})
        DeleteFileW(path.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
