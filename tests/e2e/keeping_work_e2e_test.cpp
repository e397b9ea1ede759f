// Nothing typed is lost when the program is killed, and a file changed by another program
// is never overwritten or shown stale without a question: the real Quillet.exe, typed into
// with real keys, ended with TerminateProcess, and its files changed from here.
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"
#include "tests/support/wide_files.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

using e2e::StagedApp;

namespace {

// The files of the backup folder's run folders ("" for none): the records and texts.
std::vector<std::wstring> BackupFiles(const StagedApp& app, const wchar_t* pattern)
{
    std::vector<std::wstring> files;
    const std::wstring root = app.BackupFolder();
    WIN32_FIND_DATAW run;
    HANDLE runs = FindFirstFileW((root + L"run-*").c_str(), &run);
    if (runs == INVALID_HANDLE_VALUE)
        return files;
    do {
        const std::wstring folder = root + run.cFileName + L"\\";
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            files.push_back(folder + found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    } while (FindNextFileW(runs, &run));
    FindClose(runs);
    return files;
}

// Everything in the backup folder but "." and "..".
int EntriesInBackupFolder(const StagedApp& app)
{
    int count = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((app.BackupFolder() + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::wstring name = found.cFileName;
        count += name != L"." && name != L"..";
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

// True once every backup text holds `text` and there are `records` records.
bool BackupsHold(const StagedApp& app, std::size_t records, const std::vector<std::string>& texts)
{
    if (BackupFiles(app, L"*.record").size() != records || !BackupFiles(app, L"*.writing").empty())
        return false;
    std::string all;
    for (const std::wstring& file : BackupFiles(app, L"*.text"))
        all += e2e::ReadWideFile(file);
    for (const std::string& text : texts)
        if (all.find(text) == std::string::npos)
            return false;
    return true;
}

void Kill(StagedApp& app)
{
    TerminateProcess(app.Process(), 1);
    app.WaitForExit();
}

// Starts the program with the file open and its text focused; null when it did not.
HWND LaunchWithTextFocused(StagedApp& app, const std::string& arguments)
{
    if (!app.Launch(arguments))
        return nullptr;
    HWND main = app.WaitForMainWindow();
    if (!main || !e2e::WaitUntil([&] { return e2e::TabCount(main) >= 1; }) ||
        !e2e::FocusForInput(main, e2e::ActiveEditor(main)))
        return nullptr;
    return main;
}

TEST(KeepingWorkE2E, TypedWorkComesBackAfterTheProcessIsKilled)
{
    StagedApp app;
    app.SetConfig("Main", "BackupSeconds", "1");
    const std::string path = app.Folder() + "notes.txt";
    e2e::WriteTextFile(path, "first\r\nsecond\r\n");
    HWND main = LaunchWithTextFocused(app, "\"" + path + "\"");
    ASSERT_NE(main, nullptr);
    e2e::PressKey(VK_DOWN);
    e2e::PressKey(VK_END);
    e2e::TypeUnicode(L" \u0416\u03A9");  // " ЖΩ"
    e2e::PressKey('N', VK_CONTROL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TabCount(main) == 2; }));
    ASSERT_TRUE(e2e::FocusForInput(main, e2e::ActiveEditor(main)));
    e2e::TypeUnicode(L"untitled \U0001F600");
    ASSERT_TRUE(e2e::WaitUntil(
        [&] { return BackupsHold(app, 2, {"second \xD0\x96\xCE\xA9", "untitled \xF0\x9F\x98\x80"}); }, 15000))
        << "both documents backed up";
    Kill(app);
    EXPECT_EQ(e2e::ReadTextFile(path), "first\r\nsecond\r\n") << "the file itself untouched";

    main = nullptr;
    ASSERT_TRUE(app.Launch());
    const e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "the recovered documents are named";
    EXPECT_NE(box.text.find(path), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("Untitled"), std::string::npos) << box.text;
    StagedApp::Press(box.window, IDOK);
    main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(e2e::WideTabCaptionsOf(main), (std::vector<std::wstring>{L"notes.txt", L"Untitled"}));

    // The file's document: modified (a save writes it), its caret where it was.
    e2e::PressKey(VK_TAB, VK_CONTROL);
    ASSERT_TRUE(e2e::FocusForInput(main, e2e::ActiveEditor(main)));
    e2e::PressKey('S', VK_CONTROL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ReadTextFile(path) == "first\r\nsecond \xD0\x96\xCE\xA9\r\n"; }))
        << e2e::ReadTextFile(path);
    e2e::TypeUnicode(L"!");
    e2e::PressKey('S', VK_CONTROL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ReadTextFile(path) == "first\r\nsecond \xD0\x96\xCE\xA9!\r\n"; }))
        << e2e::ReadTextFile(path);

    // A normal exit (the untitled one not saved) leaves nothing behind.
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
    EXPECT_EQ(EntriesInBackupFolder(app), 0);
}

TEST(KeepingWorkE2E, AKillInTheMiddleOfABackupLeavesThePreviousOneWhole)
{
    StagedApp app;
    app.SetConfig("Main", "BackupSeconds", "1");
    const std::string path = app.Folder() + "draft.txt";
    e2e::WriteTextFile(path, "draft\r\n");
    SetEnvironmentVariableW(L"QUILLET_TEST_HALT_IN_BACKUP", L"1");
    HWND main = LaunchWithTextFocused(app, "\"" + path + "\"");
    SetEnvironmentVariableW(L"QUILLET_TEST_HALT_IN_BACKUP", nullptr);
    ASSERT_NE(main, nullptr);
    e2e::PressKey(VK_END, VK_CONTROL);
    e2e::TypeUnicode(L"kept");
    ASSERT_TRUE(e2e::WaitUntil([&] { return BackupsHold(app, 1, {"draft\nkept"}); }, 15000));
    // The next backup stops the program half-way through its write (of a text that
    // differs from the first one from its first byte on).
    e2e::PressKey(VK_HOME, VK_CONTROL);
    e2e::TypeUnicode(L"lost ");
    EXPECT_EQ(app.WaitForExit(), 9) << "the program ends in the middle of the second backup";

    ASSERT_TRUE(app.Launch());
    const e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    StagedApp::Press(box.window, IDOK);
    main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // The recovered document's editor, once its tab is there (the keys go to it).
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::WideTabCaptionsOf(main) == std::vector<std::wstring>{L"draft.txt"}; }));
    ASSERT_TRUE(e2e::FocusForInput(main, e2e::ActiveEditor(main)));
    e2e::PressKey('S', VK_CONTROL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ReadTextFile(path) == "draft\r\nkept"; }))
        << e2e::ReadTextFile(path);
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
    EXPECT_EQ(EntriesInBackupFolder(app), 0);
}

// Another program changes the file of a document; the editor asks when a tab is chosen
// (here with Ctrl+Tab, between two documents) as it does when it becomes active.
TEST(KeepingWorkE2E, AFileChangedByAnotherProgramIsAskedAbout)
{
    StagedApp app;
    const std::string path = app.Folder() + "shared.txt";
    const std::string other = app.Folder() + "other.txt";
    e2e::WriteTextFile(path, "old\r\n");
    e2e::WriteTextFile(other, "other\r\n");
    HWND main = LaunchWithTextFocused(app, "\"" + path + "\"");
    ASSERT_NE(main, nullptr);
    StagedApp::SendPath(main, other);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TabCount(main) == 2; }));
    ASSERT_TRUE(e2e::FocusForInput(main, e2e::ActiveEditor(main)));
    HWND tabs = GetDlgItem(main, 100);  // the tab strip
    const auto currentTab = [&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0); };
    // Shows tab `index` with Ctrl+Tab, until the editor has looked at its files (or asks;
    // becoming active may have made it look too). Two round trips: the editor also takes
    // what it posted itself.
    const auto showTab = [&](LRESULT index) {
        if (currentTab() != index) {
            e2e::PressKey(VK_TAB, VK_CONTROL);
            e2e::WaitUntil([&] { return currentTab() == index || app.WaitForMessageBox(1).window; });
        }
        e2e::Sync(main);
        e2e::Sync(main);
    };
    // Answers a question, and waits until the editor has done what the answer asks.
    const auto answer = [&](HWND box, int button) {
        StagedApp::Press(box, button);
        const bool gone = e2e::WaitUntil([&] { return !IsWindow(box); });
        e2e::Sync(main);
        e2e::Sync(main);
        return gone;
    };
    // Brings tab `index` to the keyboard; becoming active again makes the editor look at
    // its files, which it has done (two round trips) before the test changes one.
    const auto typeInto = [&](LRESULT index) {
        showTab(index);
        const bool ready = currentTab() == index && e2e::FocusForInput(main, e2e::ActiveEditor(main));
        e2e::Sync(main);
        e2e::Sync(main);
        return ready;
    };

    // Unmodified in the editor: Yes reloads, the caret stays on its line.
    e2e::WriteTextFile(path, "rewritten elsewhere\r\n");
    showTab(0);
    e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "shared.txt was changed by another program. Reload it?");
    ASSERT_TRUE(answer(box.window, IDYES));
    ASSERT_TRUE(typeInto(0));
    e2e::TypeUnicode(L">");
    e2e::PressKey('S', VK_CONTROL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ReadTextFile(path) == ">rewritten elsewhere\r\n"; }))
        << e2e::ReadTextFile(path);

    // Modified in the editor: the question says what reloading discards; No keeps the
    // editor's text, and saving over the changed file asks first; No leaves it as it is.
    e2e::TypeUnicode(L"mine ");
    showTab(1);
    e2e::WriteTextFile(path, "theirs\r\n");
    showTab(0);
    box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text,
              "shared.txt was changed by another program. Reload it, and discard the changes made to it in the "
              "editor?");
    ASSERT_TRUE(answer(box.window, IDNO));
    ASSERT_TRUE(typeInto(0));
    e2e::WriteTextFile(path, "theirs again\r\n");
    e2e::PressKey('S', VK_CONTROL);
    box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "shared.txt was changed by another program since it was opened. Save over those changes?");
    ASSERT_TRUE(answer(box.window, IDNO));
    EXPECT_EQ(e2e::ReadTextFile(path), "theirs again\r\n");

    // Deleted, the file of a document with no changes: Yes keeps the document, as
    // changed, so that a save writes the file again. First comes the change refused at
    // the save, which is still not answered: one question for each document.
    DeleteFileA(other.c_str());
    showTab(1);
    box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_NE(box.text.find("shared.txt was changed by another program."), std::string::npos) << box.text;
    ASSERT_TRUE(answer(box.window, IDNO));
    box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "other.txt no longer exists. Keep it in the editor?");
    ASSERT_TRUE(answer(box.window, IDYES));
    EXPECT_EQ(e2e::TabCount(main), 2);
    ASSERT_TRUE(typeInto(1));
    e2e::PressKey('S', VK_CONTROL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ReadTextFile(other) == "other\r\n"; }))
        << "the kept document is saved again";
    EXPECT_EQ(e2e::ReadTextFile(path), "theirs again\r\n");
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
}

} // namespace
