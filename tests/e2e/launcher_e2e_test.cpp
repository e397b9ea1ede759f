// Lanchet.exe, the "open" command of associated file types, handing its command line to
// the editor: the running one, or one it starts from the install folder in the registry.
// These tests run alone: the launcher finds any editor on the machine, and the install
// folder key is the machine's.
#include "platform/hand_off.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <set>

using e2e::StagedApp;

namespace {

constexpr const char* kMakerKey = "Software\\Fellbrook Studios";
constexpr const char* kInstallKey = "Software\\Fellbrook Studios\\Quillet";

// Removes the install-folder key from the registry view the launcher reads.
void DeleteInstallKey()
{
    HKEY maker = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMakerKey, 0, KEY_ALL_ACCESS | e2e::ProgramRegistryView(), &maker) ==
        ERROR_SUCCESS) {
        RegDeleteKeyA(maker, "Quillet");
        RegCloseKey(maker);
    }
}

bool HasTab(const StagedApp& app, HWND main, const std::string& caption)
{
    const std::vector<std::string> tabs = app.TabCaptions(main);
    return std::find(tabs.begin(), tabs.end(), caption) != tabs.end();
}

// The install-folder value for the length of a test, put back as it was afterwards.
class InstallFolderValue {
public:
    InstallFolderValue()
    {
        char value[MAX_PATH] = "";
        DWORD size = sizeof value;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_READ | e2e::ProgramRegistryView(), &key) == ERROR_SUCCESS) {
            had_ = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                   ERROR_SUCCESS;
            RegCloseKey(key);
        }
        previous_ = value;
    }
    ~InstallFolderValue()
    {
        if (had_)
            Set(previous_);
        else
            DeleteInstallKey();
    }
    static void Set(const std::string& folder)
    {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, nullptr, 0, KEY_WRITE | e2e::ProgramRegistryView(), nullptr,
                        &key, nullptr);
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
        RegCloseKey(key);
    }

private:
    bool had_ = false;
    std::string previous_;
};

// Closes an editor that the launcher started (not this test's own process).
void CloseStartedEditor(HWND main)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(main, WM_CLOSE, 0, 0);
    if (process) {
        EXPECT_EQ(WaitForSingleObject(process, static_cast<DWORD>(20000 * e2e::Patience())), WAIT_OBJECT_0);
        CloseHandle(process);
    }
}

TEST(LauncherE2E, AQuotedPathOpensInTheRunningEditorOnceAndIsSelectedAfterwards)
{
    StagedApp app;
    const std::string path = app.Folder() + "handed over.txt";
    e2e::WriteTextFile(path, "handed\r\n");
    ASSERT_TRUE(app.Launch());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(app.RunLauncher("\"" + path + "\""), 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return HasTab(app, main, "handed over.txt"); }));
    const std::string other = app.Folder() + "other.txt";
    e2e::WriteTextFile(other, "other\r\n");
    EXPECT_EQ(app.RunLauncher("\"" + other + "\""), 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return app.TabCaptions(main).size() == 2; }));
    EXPECT_EQ(app.RunLauncher("\"" + path + "\""), 0);  // already open: its tab comes forward
    e2e::Sync(main);
    EXPECT_EQ(app.TabCaptions(main).size(), 2u);
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
}

TEST(LauncherE2E, TwoPathsArriveAsOneWhichTheEditorReports)
{
    StagedApp app;
    ASSERT_TRUE(app.Launch());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    HANDLE launcher = app.StartLauncher("\"" + app.Folder() + "a.txt\" \"" + app.Folder() + "b.txt\"");
    ASSERT_NE(launcher, nullptr);
    const e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "the editor reports the path it cannot open";
    EXPECT_EQ(box.text.rfind("Error, cannot open the file", 0), 0u) << box.text;
    EXPECT_NE(box.text.find("a.txt\" \""), std::string::npos) << "one path, inner quotes and all: " << box.text;
    // The editor took the path before it opened it: the launcher ends while the message
    // is still on the screen, well before its hand-off would have given up waiting on an
    // editor that does not answer (the message is shown after the answer).
    EXPECT_EQ(WaitForSingleObject(launcher, handoff::kHandOffTimeoutMs / 2), WAIT_OBJECT_0)
        << "the launcher waits on the editor's message";
    EXPECT_TRUE(IsWindowVisible(box.window));
    DWORD code = 1;
    GetExitCodeProcess(launcher, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(launcher);
    StagedApp::Press(box.window, IDOK);
    e2e::Sync(main);
    EXPECT_EQ(app.TabCaptions(main), std::vector<std::string>{"Untitled"}) << "left as an empty document";
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
}

// The ids of the processes running Quillet.exe now.
std::set<DWORD> EditorProcesses()
{
    std::set<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, "Quillet.exe") == 0)
            found.insert(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return found;
}

TEST(LauncherE2E, AnEmptyCommandLineEndsAtOnce)
{
    ASSERT_EQ(FindWindowA("Quillet", "Quillet"), nullptr) << "no editor may run beside this test";
    InstallFolderValue keep;
    StagedApp app;
    InstallFolderValue::Set(app.Folder());  // an editor it started would come from here
    const std::set<DWORD> before = EditorProcesses();
    EXPECT_EQ(app.RunLauncher(""), 0);  // waits until the launcher has ended
    // Whatever it started, it started before it ended.
    std::vector<DWORD> started;
    for (DWORD process : EditorProcesses())
        if (!before.count(process))
            started.push_back(process);
    EXPECT_TRUE(started.empty()) << "the launcher started " << started.size() << " editor(s)";
    EXPECT_EQ(FindWindowA("Quillet", "Quillet"), nullptr);
    for (DWORD process : started) {  // not left running for the tests that follow
        if (HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process)) {
            TerminateProcess(handle, 1);
            WaitForSingleObject(handle, 10000);
            CloseHandle(handle);
        }
    }
}

class LauncherStartsTheEditor : public ::testing::TestWithParam<bool> {};

TEST_P(LauncherStartsTheEditor, FromTheInstallFolderWithOrWithoutItsBackslash)
{
    ASSERT_EQ(FindWindowA("Quillet", "Quillet"), nullptr) << "no editor may run beside this test";
    InstallFolderValue keep;
    StagedApp app;
    std::string folder = app.Folder();  // ends in a backslash
    if (!GetParam())
        folder.pop_back();
    InstallFolderValue::Set(folder);
    const std::string path = app.Folder() + "started.txt";
    e2e::WriteTextFile(path, "started\r\n");
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    EXPECT_EQ(app.RunLauncher("\"" + path + "\""), 0);
    HWND main = FindWindowA("Quillet", "Quillet");
    ASSERT_NE(main, nullptr) << "the launcher waited for the editor it started";
    if (e2e::TabCaptionsReadable(main)) {
        EXPECT_TRUE(e2e::WaitUntil([&] { return HasTab(app, main, "started.txt"); }));
    } else {  // a 32-bit editor under emulation: the exit's list of open files tells
        e2e::Sync(main);
    }
    CloseStartedEditor(main);
    EXPECT_EQ(e2e::IniValue(app.ConfigPath(), "StartupFiles", "0"), path) << "open when the editor closed";
}

INSTANTIATE_TEST_SUITE_P(Backslash, LauncherStartsTheEditor, ::testing::Bool());

TEST(LauncherE2E, WithoutAnInstallFolderNothingStarts)
{
    ASSERT_EQ(FindWindowA("Quillet", "Quillet"), nullptr) << "no editor may run beside this test";
    InstallFolderValue keep;
    DeleteInstallKey();
    StagedApp app;
    EXPECT_EQ(app.RunLauncher("\"" + app.Folder() + "x.txt\""), 0);
    EXPECT_EQ(FindWindowA("Quillet", "Quillet"), nullptr);
}

} // namespace
