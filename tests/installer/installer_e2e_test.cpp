// The setup (installer/quillet.nsi) run silently into a temporary folder, the installed
// program used (the launcher starts the editor, a file type associated on its Options
// page), the setup run again over it, and the uninstaller run silently (twice: with a
// skin of the user's own, which it keeps, and without): what each leaves on the machine. The install-folder keys, the Explorer extension and the launcher's
// search for a running editor are the machine's: the test runs alone.
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

#include <psapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr const char* kShellExtFolderKey = "Software\\Quillet";
constexpr const char* kLauncherFolderKey = "Software\\Fellbrook Studios\\Quillet";
constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillet";
constexpr const char* kSettingsKey = "Software\\Brightmoor\\Quillet";
constexpr const char* kHandlerKey = "*\\shellex\\ContextMenuHandlers\\Quillet";
constexpr const char* kClassServerKey = "CLSID\\{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}\\InprocServer32";
constexpr const char* kWineOverridesKey = "Software\\Wine\\DllOverrides";
constexpr const char* kMenuBuilder = "winemenubuilder.exe";
constexpr const REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
constexpr WPARAM kOptionsCommand = 403;
enum : int { kPageList = 100, kAssociationPage = 201, kTypeBox = 108, kTypeList = 109, kAddType = 110 };
constexpr int kProgramMs = 120000;

#ifdef QUILLET_SETUP_RELATIVE
// The setup this build made (QUILLET_SETUP_RELATIVE: its path from the test program's folder).
std::string SetupProgram() { return e2e::FromTestProgramFolder(QUILLET_SETUP_RELATIVE); }
#endif

// A REG_SZ value; `found` tells a missing value from an empty one.
std::string ReadString(HKEY root, const std::string& subKey, const char* name, REGSAM view = 0,
                       bool* found = nullptr)
{
    if (found)
        *found = false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return {};
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    const bool read = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                      ERROR_SUCCESS;
    RegCloseKey(key);
    if (found)
        *found = read;
    return read && type == REG_SZ ? std::string(value) : std::string();
}

DWORD ReadDword(HKEY root, const std::string& subKey, const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 0xFFFFFFFF;
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        value = 0xFFFFFFFF;
    RegCloseKey(key);
    return value;
}

bool KeyExists(HKEY root, const std::string& subKey, REGSAM view = 0)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void WriteString(HKEY root, const std::string& subKey, const char* name, const std::string& value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS)
        << subKey;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

// The keys under HKEY_CLASSES_ROOT whose names begin with "Quillet", ignoring case.
std::set<std::string> ProgramKeys()
{
    std::set<std::string> keys;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        const LONG result = RegEnumKeyExA(HKEY_CLASSES_ROOT, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS && StrCmpNIA(name, "Quillet", 7) == 0)
            keys.insert(name);
    }
    return keys;
}

// The default value of an install-folder key in one registry view, put back as it was
// (or the value removed) when the test ends.
class SavedFolderValue {
public:
    SavedFolderValue(const char* subKey, REGSAM view) : subKey_(subKey), view_(view)
    {
        value_ = ReadString(HKEY_LOCAL_MACHINE, subKey_, nullptr, view_, &had_);
        hadKey_ = KeyExists(HKEY_LOCAL_MACHINE, subKey_, view_);
    }
    ~SavedFolderValue()
    {
        HKEY key = nullptr;
        if (had_) {
            if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey_.c_str(), 0, nullptr, 0, KEY_WRITE | view_, nullptr, &key,
                                nullptr) == ERROR_SUCCESS) {
                RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value_.c_str()),
                               static_cast<DWORD>(value_.size() + 1));
                RegCloseKey(key);
            }
        } else if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey_.c_str(), 0, KEY_WRITE | view_, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, nullptr);
            RegCloseKey(key);
            // The key itself, through its parent opened in the same view.
            const size_t split = subKey_.find_last_of('\\');
            HKEY parent = nullptr;
            if (!hadKey_ && RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey_.substr(0, split).c_str(), 0,
                                          KEY_WRITE | view_, &parent) == ERROR_SUCCESS) {
                RegDeleteKeyA(parent, subKey_.substr(split + 1).c_str());
                RegCloseKey(parent);
            }
        }
    }
    SavedFolderValue(const SavedFolderValue&) = delete;
    SavedFolderValue& operator=(const SavedFolderValue&) = delete;

private:
    std::string subKey_;
    REGSAM view_;
    bool had_ = false;
    bool hadKey_ = false;
    std::string value_;
};

// Starts a program; its process (handle and id), or a null handle when it did not start.
PROCESS_INFORMATION StartProgram(const std::string& commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = commandLine;
    CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    if (process.hThread)
        CloseHandle(process.hThread);
    return process;
}

// Runs a program and waits for it; its exit code, or -1 when it did not start or end.
int RunProgram(const std::string& commandLine, int ms = kProgramMs)
{
    const PROCESS_INFORMATION process = StartProgram(commandLine);
    if (!process.hProcess)
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(ms)) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

std::string CommonPrograms()
{
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path);
    return std::string(path) + "\\";
}

// Where a shortcut points, or "" when it cannot be read.
std::string ShortcutTarget(const std::string& link)
{
    std::string target;
    IShellLinkA* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
        char path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = path;
        file->Release();
    }
    shellLink->Release();
    return target;
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool SameText(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

class InstallerE2E : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef QUILLET_SETUP_RELATIVE
        GTEST_SKIP() << "makensis was not found when the build was configured: no setup to test";
#else
        setup_ = SetupProgram();
        ASSERT_TRUE(e2e::FileExists(setup_)) << setup_;
        ASSERT_EQ(FindWindowA("Quillet", "Quillet"), nullptr) << "no editor may run beside this test";
        CoInitialize(nullptr);
        work_ = e2e::MakeTempFolder("quillet-setup");
        folder_ = work_ + "Quillet Test";  // a space: /D= takes the rest of the line
        const std::string pid = std::to_string(GetCurrentProcessId());
        type_ = ".qltest" + pid;
        takenType_ = ".qltaken" + pid;
        orphanType_ = ".qlorphan" + pid;
        previousClass_ = "qltestfile" + pid;
        settingsProduct_ = e2e::NewSettingsProduct();
        for (const char* key : {kShellExtFolderKey, kLauncherFolderKey})
            for (REGSAM view : kViews)
                savedFolders_.push_back(std::make_unique<SavedFolderValue>(key, view));
        programKeysBefore_ = ProgramKeys();
        // The type's registration before the program came.
        ASSERT_NO_FATAL_FAILURE(WriteString(HKEY_CLASSES_ROOT, type_, nullptr, previousClass_));
        ASSERT_NO_FATAL_FAILURE(WriteString(HKEY_CLASSES_ROOT, previousClass_, nullptr, "Quillet test file"));
        // A value of the test's own in the real editor-settings key, which a silent
        // uninstall keeps.
        hadSettingsKey_ = KeyExists(HKEY_LOCAL_MACHINE, kSettingsKey);
        settingsMark_ = "InstallerTest-" + pid;
        ASSERT_NO_FATAL_FAILURE(WriteString(HKEY_LOCAL_MACHINE, kSettingsKey, settingsMark_.c_str(), "kept"));
        // Editors started by the installed launcher keep their settings in a key of the test.
        SetEnvironmentVariableA("QUILLET_SETTINGS_PRODUCT", settingsProduct_.c_str());
        // Under Wine, the desktop-menu builder would copy the Start-menu shortcut into the
        // user's home folder, outside the Wine prefix: switched off while the test runs.
        if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) {
            menuBuilder_ = ReadString(HKEY_CURRENT_USER, kWineOverridesKey, kMenuBuilder, 0, &hadMenuBuilder_);
            ASSERT_NO_FATAL_FAILURE(WriteString(HKEY_CURRENT_USER, kWineOverridesKey, kMenuBuilder, ""));
            menuBuilderSwitched_ = true;
        }
#endif
    }

    void TearDown() override
    {
        if (folder_.empty())
            return;
        if (editor_) {
            if (WaitForSingleObject(editor_, 0) == WAIT_TIMEOUT) {
                TerminateProcess(editor_, 1);
                WaitForSingleObject(editor_, 5000);
            }
            CloseHandle(editor_);
        }
        if (e2e::FileExists(Installed("uninstall.exe")))
            Uninstall();  // after a failure: unregisters the extension and the rest
        SHDeleteKeyA(HKEY_CLASSES_ROOT, type_.c_str());
        SHDeleteKeyA(HKEY_CLASSES_ROOT, previousClass_.c_str());
        SHDeleteKeyA(HKEY_CLASSES_ROOT, ("Quillet" + type_).c_str());
        for (const std::string& type : {takenType_, orphanType_}) {
            SHDeleteKeyA(HKEY_CLASSES_ROOT, type.c_str());
            SHDeleteKeyA(HKEY_CLASSES_ROOT, ("Quillet" + type).c_str());
        }
        DeleteFileA((CommonPrograms() + "Quillet.lnk").c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
        savedFolders_.clear();
        if (hadSettingsKey_) {
            SHDeleteValueA(HKEY_LOCAL_MACHINE, kSettingsKey, settingsMark_.c_str());
        } else {
            SHDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingsKey);
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Brightmoor");  // only when empty
        }
        e2e::DeleteSettingsProduct(settingsProduct_);
        SetEnvironmentVariableA("QUILLET_SETTINGS_PRODUCT", nullptr);
        if (menuBuilderSwitched_) {
            if (hadMenuBuilder_)
                WriteString(HKEY_CURRENT_USER, kWineOverridesKey, kMenuBuilder, menuBuilder_);
            else
                SHDeleteValueA(HKEY_CURRENT_USER, kWineOverridesKey, kMenuBuilder);
        }
        e2e::RemoveFolder(work_);
        CoUninitialize();
    }

    std::string Installed(const std::string& name) const { return folder_ + "\\" + name; }

    int Install() { return RunProgram("\"" + setup_ + "\" /S /D=" + folder_); }

    // As the uninstaller runs from Programs and Features, but waited for: NSIS copies it
    // to the temporary folder and runs the copy with _?=<folder>; the test does the same.
    int Uninstall()
    {
        const std::string copy = work_ + "uninstall-copy.exe";
        if (!CopyFileA(Installed("uninstall.exe").c_str(), copy.c_str(), FALSE))
            return -1;
        const int code = RunProgram("\"" + copy + "\" /S _?=" + folder_);
        DeleteFileA(copy.c_str());
        return code;
    }

    // The process of a main window, opened for waiting and ending it.
    HANDLE OpenEditor(HWND main)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(main, &pid);
        return OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    }

    // Ends the editor as a user would, answering No to any question; whether it ended.
    bool CloseEditor(HWND main)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(main, &pid);
        PostMessageA(main, WM_CLOSE, 0, 0);
        return e2e::WaitUntil(
            [&] {
                if (HWND box = e2e::FindProcessWindow(pid, "#32770", "Quillet"); box && IsWindowVisible(box))
                    e2e::StagedApp::Press(box, IDNO);
                return WaitForSingleObject(editor_, 0) == WAIT_OBJECT_0;
            },
            20000);
    }

    std::string setup_;
    std::string work_;
    std::string folder_;
    std::string type_;
    std::string takenType_;   // listed, then taken by another program
    std::string orphanType_;  // listed, its program key gone
    std::string previousClass_;
    std::string settingsProduct_;
    std::string settingsMark_;
    bool menuBuilderSwitched_ = false;
    bool hadMenuBuilder_ = false;
    std::string menuBuilder_;
    bool hadSettingsKey_ = false;
    std::set<std::string> programKeysBefore_;
    std::vector<std::unique_ptr<SavedFolderValue>> savedFolders_;
    HANDLE editor_ = nullptr;
};

TEST_F(InstallerE2E, InstallUseUpgradeAndUninstall)
{
    // --- install --------------------------------------------------------------------
    ASSERT_EQ(Install(), 0);
    const std::string dist = e2e::DistFolder();
    for (const char* name : {"Quillet.exe", "Corvex.dll", "Vantrix.dll", "Lanchet.exe", "Config.ini", "Help.chm",
                             "Vantrix32.dll", "Vantrix64.dll"}) {
        EXPECT_EQ(e2e::FileExists(Installed(name)), e2e::FileExists(dist + name)) << name;
        if (e2e::FileExists(dist + name) && std::string(name) != "Config.ini") {
            EXPECT_EQ(e2e::ReadTextFile(Installed(name)), e2e::ReadTextFile(dist + name)) << name;
        }
    }
    EXPECT_TRUE(e2e::FileExists(Installed("uninstall.exe")));
    const std::vector<std::string> skins = FolderNames(dist + "Skin\\");
    ASSERT_FALSE(skins.empty());
    EXPECT_EQ(FolderNames(Installed("Skin\\")), skins);
    for (const std::string& skin : skins)
        for (const std::string& file : FolderNames(dist + "Skin\\" + skin + "\\"))
            EXPECT_TRUE(e2e::FileExists(Installed("Skin\\" + skin + "\\" + file))) << skin << "\\" << file;

    for (const char* key : {kShellExtFolderKey, kLauncherFolderKey}) {
        for (REGSAM view : kViews) {
            bool found = false;
            const std::string value = ReadString(HKEY_LOCAL_MACHINE, key, nullptr, view, &found);
            EXPECT_TRUE(found) << key << " view " << view;
            EXPECT_PRED2(SameText, value, folder_) << key << " view " << view;
        }
    }

    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), "1.0.0");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher"), "Fellbrook Studios");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName").rfind("Quillet", 0), 0u);
    EXPECT_PRED2(SameText, ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), folder_);
    EXPECT_PRED2(SameText, ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"),
                 "\"" + Installed("uninstall.exe") + "\"");
    EXPECT_PRED2(SameText, ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"),
                 "\"" + Installed("uninstall.exe") + "\" /S");
    EXPECT_PRED2(SameText, ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon"), Installed("Quillet.exe,0"));
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify"), 1u);
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair"), 1u);

    const std::string shortcut = CommonPrograms() + "Quillet.lnk";
    ASSERT_TRUE(e2e::FileExists(shortcut)) << shortcut;
    EXPECT_PRED2(SameText, ShortcutTarget(shortcut), Installed("Quillet.exe"));

    // The Explorer context menu, chosen by default: registered from the install folder,
    // and Config.ini says so (the editor registers or unregisters it at every start).
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kHandlerKey));
    EXPECT_PRED2(SameText, ReadString(HKEY_CLASSES_ROOT, kClassServerKey, nullptr), Installed("Vantrix.dll"));
    EXPECT_EQ(e2e::IniValue(Installed("Config.ini"), "Editor", "ShellEx"), "1");

    // --- the installed launcher starts the installed editor with a file ---------------------
    // No tray icon: under Wine without a taskbar its window takes the activation.
    WritePrivateProfileStringA("Main", "SysTrayShow", "0", Installed("Config.ini").c_str());
    const std::string document = work_ + "handed over.txt";
    e2e::WriteTextFile(document, "installed\r\n");
    ASSERT_EQ(RunProgram("\"" + Installed("Lanchet.exe") + "\" \"" + document + "\"", 30000), 0);
    HWND main = FindWindowA("Quillet", "Quillet");
    ASSERT_NE(main, nullptr) << "the launcher waits for the editor it starts";
    editor_ = OpenEditor(main);
    ASSERT_NE(editor_, nullptr);
    char image[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameExA(editor_, nullptr, image, MAX_PATH), 0u);
    EXPECT_PRED2(SameText, std::string(image), Installed("Quillet.exe"));
    ASSERT_TRUE(e2e::Sync(main));
    EXPECT_TRUE(e2e::WaitUntil([&] {
        const std::vector<std::string> tabs = e2e::TabCaptionsOf(main);
        return std::find(tabs.begin(), tabs.end(), "handed over.txt") != tabs.end();
    }));

    // --- a file type associated on the Options page ---------------------------------------
    DWORD editorPid = 0;
    GetWindowThreadProcessId(main, &editorPid);
    PostMessageA(main, WM_COMMAND, kOptionsCommand, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        dialog = e2e::FindProcessWindow(editorPid, "Quillet", "Quillet Options");
        return dialog && IsWindowVisible(dialog);
    }));
    HWND pages = GetDlgItem(dialog, kPageList);
    SendMessageA(pages, LB_SETCURSEL, 1, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kPageList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(pages));
    HWND page = GetDlgItem(dialog, kAssociationPage);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(page) != FALSE; }));
    SendMessageA(GetDlgItem(page, kTypeBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(type_.c_str()));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kAddType, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, kAddType)));
    EXPECT_EQ(SendMessageA(GetDlgItem(page, kTypeList), LB_GETCOUNT, 0, 0), 1);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(dialog); }));
    e2e::Sync(main);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, type_, nullptr), "Quillet" + type_);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, "Quillet" + type_, "Backup"), previousClass_);
    EXPECT_PRED2(SameText, ReadString(HKEY_CLASSES_ROOT, "Quillet" + type_ + "\\shell\\open\\command", nullptr),
                 "\"" + Installed("Lanchet.exe") + "\" \"%1\"");
    ASSERT_TRUE(CloseEditor(main));
    EXPECT_EQ(e2e::IniValue(Installed("Config.ini"), "FileAssoc", "0"), type_);

    // --- the setup again, over the program in use ----------------------------------------
    ASSERT_TRUE(CreateDirectoryA(Installed("Skin\\Own Skin").c_str(), nullptr));
    e2e::WriteTextFile(Installed("Skin\\Own Skin\\skin.ini"), "[Skin]\r\n");
    ASSERT_EQ(Install(), 0);
    EXPECT_EQ(e2e::IniValue(Installed("Config.ini"), "FileAssoc", "0"), type_) << "an upgrade keeps Config.ini";
    EXPECT_EQ(e2e::IniValue(Installed("Config.ini"), "Main", "SysTrayShow"), "0");
    EXPECT_TRUE(e2e::FileExists(Installed("Skin\\Own Skin\\skin.ini")));

    // Two more listed types: one another program has taken since it was associated, one
    // whose program key is gone. The uninstaller leaves both registrations as they are.
    WritePrivateProfileStringA("FileAssoc", "1", takenType_.c_str(), Installed("Config.ini").c_str());
    WritePrivateProfileStringA("FileAssoc", "2", orphanType_.c_str(), Installed("Config.ini").c_str());
    ASSERT_NO_FATAL_FAILURE(WriteString(HKEY_CLASSES_ROOT, takenType_, nullptr, "OtherProgram.File"));
    ASSERT_NO_FATAL_FAILURE(WriteString(HKEY_CLASSES_ROOT, "Quillet" + takenType_, "Backup", "qltestold"));
    ASSERT_NO_FATAL_FAILURE(WriteString(HKEY_CLASSES_ROOT, orphanType_, nullptr, "Quillet" + orphanType_));

    // --- uninstall ----------------------------------------------------------------------
    ASSERT_EQ(Uninstall(), 0);
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, type_, nullptr), previousClass_) << "the type's registration is back";
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Quillet" + type_));
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, takenType_, nullptr), "OtherProgram.File")
        << "a type another program took keeps its registration";
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Quillet" + takenType_));
    EXPECT_EQ(ReadString(HKEY_CLASSES_ROOT, orphanType_, nullptr), "Quillet" + orphanType_)
        << "a type whose program key is gone is left as it is";
    for (const std::string& key : ProgramKeys())
        EXPECT_TRUE(programKeysBefore_.count(key)) << "HKEY_CLASSES_ROOT\\" << key << " was left";
    for (const char* key : {kShellExtFolderKey, kLauncherFolderKey}) {
        for (REGSAM view : kViews) {
            bool found = true;
            ReadString(HKEY_LOCAL_MACHINE, key, nullptr, view, &found);
            EXPECT_FALSE(found) << key << " view " << view;
        }
    }
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(e2e::FileExists(shortcut));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kHandlerKey)) << "the Explorer extension is unregistered";
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kSettingsKey, settingsMark_.c_str()), "kept")
        << "a silent uninstall keeps the editor settings";
    // Only the skin of the user's own stays: a silent uninstall keeps it.
    EXPECT_EQ(FolderNames(folder_ + "\\"), std::vector<std::string>{"Skin"});
    EXPECT_EQ(FolderNames(Installed("Skin\\")), std::vector<std::string>{"Own Skin"});
    EXPECT_TRUE(e2e::FileExists(Installed("Skin\\Own Skin\\skin.ini")));

    // Installed and uninstalled once more, nothing of the user's own left: the folder goes.
    e2e::RemoveFolder(Installed("Skin\\Own Skin\\"));
    ASSERT_EQ(Install(), 0);
    EXPECT_TRUE(e2e::FileExists(Installed("Quillet.exe")));
    ASSERT_EQ(Uninstall(), 0);
    EXPECT_FALSE(e2e::FileExists(folder_)) << "the install folder is removed";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}


// ---- pictures of the setup's and the uninstaller's pages (./quillet shots) -------------

// The visible top-level window of `process` of the dialog class: with `owned`, one owned
// by another window (a message box over a page), else the unowned page frame.
HWND ProcessDialog(DWORD process, bool owned)
{
    return e2e::FindTopLevelWindow([&](HWND window) {
        return e2e::ProcessOf(window) == process && IsWindowVisible(window) && e2e::ClassOf(window) == "#32770" &&
               (GetWindow(window, GW_OWNER) != nullptr) == owned;
    });
}

// Walks a wizard of process `process`: at each page waits until it shows (its inner page
// dialog changed and its Next button can be pressed), takes its picture and presses Next;
// a message box that comes up is pictured and answered No.
class WizardWalk {
public:
    WizardWalk(HANDLE process, DWORD id) : process_(process), id_(id) {}

    // Waits for the next page, pictures it as `name` and (with `press`) presses Next.
    void Page(const char* name, bool press = true)
    {
        ASSERT_TRUE(e2e::WaitUntil(
            [&] {
                frame_ = ProcessDialog(id_, false);
                HWND page = frame_ ? FindWindowExA(frame_, nullptr, "#32770", nullptr) : nullptr;
                HWND next = frame_ ? GetDlgItem(frame_, IDOK) : nullptr;
                return page && page != lastPage_ && IsWindowVisible(page) && next && IsWindowEnabled(next) &&
                       (lastPage_ = page);
            },
            60000))
            << name;
        e2e::ShotIfAsked(name);
        if (press)
            e2e::StagedApp::Press(frame_, IDOK);
    }

    // Waits for a message box over the pages, pictures it and answers it.
    void Question(const char* name, int answer)
    {
        HWND box = nullptr;
        ASSERT_TRUE(e2e::WaitUntil([&] { return (box = ProcessDialog(id_, true)) != nullptr && box != lastBox_; },
                                   60000))
            << name;
        e2e::ShotIfAsked(name);
        e2e::StagedApp::Press(box, answer);
        lastBox_ = box;
        EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(box); })) << name << " was not answered";
    }

    HWND Frame() const { return frame_; }
    bool Ended(int ms) const { return WaitForSingleObject(process_, static_cast<DWORD>(ms)) == WAIT_OBJECT_0; }

private:
    HANDLE process_;
    DWORD id_;
    HWND frame_ = nullptr;
    HWND lastPage_ = nullptr;
    HWND lastBox_ = nullptr;
};

TEST_F(InstallerE2E, PicturesOfEveryPage)
{
    char shots[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("QUILLET_SHOTS_DIR", shots, sizeof shots))
        GTEST_SKIP() << "pictures only for ./quillet shots";
    PROCESS_INFORMATION setup = StartProgram("\"" + setup_ + "\" /D=" + folder_);
    ASSERT_NE(setup.hProcess, nullptr);
    {
        WizardWalk walk(setup.hProcess, setup.dwProcessId);
        walk.Page("setup-1-welcome");
        walk.Page("setup-2-components");
        walk.Page("setup-3-folder");
        // The installation's progress page goes on to the last page by itself.
        walk.Page("setup-4-finish", false);
        // Finish without starting the editor.
        HWND page = FindWindowExA(walk.Frame(), nullptr, "#32770", nullptr);
        for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX)
                SendMessageA(child, BM_SETCHECK, BST_UNCHECKED, 0);
        e2e::StagedApp::Press(walk.Frame(), IDOK);
        EXPECT_TRUE(walk.Ended(30000));
    }
    CloseHandle(setup.hProcess);
    ASSERT_TRUE(e2e::FileExists(Installed("uninstall.exe")));

    // A skin of the user's own, so that the uninstaller asks about it.
    CreateDirectoryA(Installed("Skin\\My Own").c_str(), nullptr);
    e2e::WriteTextFile(Installed("Skin\\My Own\\Skin.ini"), "[Info]\r\nVersion=1.0\r\n");
    const std::string copy = work_ + "uninstall-copy.exe";
    ASSERT_TRUE(CopyFileA(Installed("uninstall.exe").c_str(), copy.c_str(), FALSE));
    PROCESS_INFORMATION uninstall = StartProgram("\"" + copy + "\" _?=" + folder_);
    ASSERT_NE(uninstall.hProcess, nullptr);
    {
        WizardWalk walk(uninstall.hProcess, uninstall.dwProcessId);
        walk.Page("uninstall-1-confirm");
        walk.Question("uninstall-2-settings-question", IDNO);  // the fixture's mark keeps the key
        walk.Question("uninstall-3-skins-question", IDNO);
        walk.Page("uninstall-4-done");
        EXPECT_TRUE(walk.Ended(30000));
    }
    CloseHandle(uninstall.hProcess);
    DeleteFileA(copy.c_str());
    EXPECT_FALSE(e2e::FileExists(Installed("Quillet.exe")));
    EXPECT_TRUE(e2e::FileExists(Installed("Skin\\My Own\\Skin.ini")));
}

} // namespace
