// End-to-end harness: runs the real Quillet.exe from a temporary copy of the staged
// application folder and drives it from the test process.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The staged application folder of this build (build/dist), or the one named by
// QUILLET_TEST_DIST: the 32-bit program staged by the 32-bit build, driven from a 64-bit
// test program.
std::string DistFolder();
// Whether the staged Quillet.exe is 32-bit code while this test program is 64-bit: then
// its registry view is the 32-bit one, and structures passed to it hold 32-bit pointers.
bool ProgramIsWow64();
// The registry view the staged programs read and write (KEY_WOW64_32KEY or KEY_WOW64_64KEY,
// 0 where the test program has the programs' own bitness).
REGSAM ProgramRegistryView();
// How many times longer than usual the tests wait for the programs (QUILLET_TEST_PATIENCE,
// 1 when unset): programs run under emulation start in a minute, not a second. Every
// wait of the harness below is scaled by it.
int Patience();
// The full path of `relative` (with forward or backward slashes, as the build wrote it)
// taken from the test program's own folder: the build tree and the sources may lie anywhere.
std::string FromTestProgramFolder(std::string relative);
// A new empty folder under the temporary folder, ending in a backslash.
std::string MakeTempFolder(const char* prefix);
void CopyFolder(const std::string& from, const std::string& to);
void RemoveFolder(const std::string& folder);
void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
bool FileExists(const std::string& path);

// Reads a Config.ini-style value ("" when missing).
std::string IniValue(const std::string& file, const char* section, const char* key);

// Editor settings of a test's own: HKLM\Software\Brightmoor Tests\<product>\Editor Settings,
// with a product name no other test process uses ("Quillet-e2e-<pid>-<n>").
constexpr const char* kTestSettingsMaker = "Brightmoor Tests";
std::string NewSettingsProduct();
// "Software\Brightmoor Tests\<product>\Editor Settings", under HKEY_LOCAL_MACHINE.
std::string SettingsSectionPath(const std::string& product);
// Removes HKLM\Software\Brightmoor Tests\<product> with everything under it.
void DeleteSettingsProduct(const std::string& product);

// Calls `condition` until it holds, handling this thread's messages in between, for at
// most `ms`; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, int ms = 10000);
// Returns once the thread of `window` has handled every message sent to it before and
// is taking messages again (a SendMessage of WM_NULL); false when it did not within `ms`.
bool Sync(HWND window, int ms = 10000);

// Windows of another process, found from the outside.
// A visible tracked popup menu (class "#32768") of `process`, or null.
HWND VisibleMenu(DWORD process);
// The top-level window of `process` with this class and title, shown or hidden, or null.
HWND FindProcessWindow(DWORD process, const char* className, const char* title);
// The first top-level window for which `matches` holds, or null.
HWND FindTopLevelWindow(const std::function<bool(HWND)>& matches);
// The process of a window.
DWORD ProcessOf(HWND window);
// A window's class name and title.
std::string ClassOf(HWND window);
std::string TitleOf(HWND window);
// The visible editor control (class "Corvex") among the children of `main`, or null.
HWND ActiveEditor(HWND main);
// Tab captions of the tab control of `main`, a main window of another process (one the
// test did not launch itself, say), read from that process.
std::vector<std::string> TabCaptionsOf(HWND main);
// The same, as UTF-16: names outside the ANSI code page as they are.
std::vector<std::wstring> WideTabCaptionsOf(HWND main);
// Whether this process can read the captions of `main`'s tabs. On Windows it always can
// (a 64-bit test passes a 32-bit program the 32-bit layout); a 32-bit program run under
// user-mode emulation on a 64-bit machine keeps its memory out of this process's reach.
bool TabCaptionsReadable(HWND main);
// The number of tabs of `main`.
int TabCount(HWND main);

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string caption;
    std::string text;
};

class StagedApp {
public:
    // Copies build/dist into a fresh folder; withConfig false removes Config.ini.
    explicit StagedApp(bool withConfig = true);
    ~StagedApp();
    StagedApp(const StagedApp&) = delete;
    StagedApp& operator=(const StagedApp&) = delete;

    const std::string& Folder() const { return folder_; }
    std::string ConfigPath() const { return folder_ + "Config.ini"; }
    // Where the programs started from here keep their backups of unsaved work.
    std::wstring BackupFolder() const;
    void SetConfig(const char* section, const char* key, const std::string& value);

    // Starts Quillet.exe with an optional command line, its editor settings in the key
    // of this StagedApp (removed again by the destructor).
    bool Launch(const std::string& arguments = "");
    bool Launch(const std::wstring& arguments);
    // Copies the staged program into a folder `name` (any script) inside the staged one
    // and starts it from there; gives that folder, ending in a backslash ("" on failure).
    std::wstring LaunchCopyIn(const std::wstring& name);
    // "Software\Brightmoor Tests\<product>\Editor Settings": where the program keeps its
    // editor settings, under HKEY_LOCAL_MACHINE.
    std::string SettingsSectionPath() const { return e2e::SettingsSectionPath(settingsProduct_); }
    // The product name of that key, which QUILLET_SETTINGS_PRODUCT hands to an editor
    // started by other means (the Explorer extension in the test's own process, say).
    const std::string& SettingsProduct() const { return settingsProduct_; }
    // The main window (class and title "Quillet") of the launched process, waiting up to `ms`
    // for it and then until the program takes messages (see Sync).
    HWND WaitForMainWindow(int ms = 15000);
    // A message box of the process captioned "Quillet", waiting up to `ms`.
    MessageBoxInfo WaitForMessageBox(int ms = 15000);
    // Presses a button of a message box (IDOK, IDYES, ...).
    static void Press(HWND box, int button);
    // Closes the main window, answering No to every save prompt, and returns the exit
    // code (-1 on time-out).
    int CloseWithoutSaving(HWND main);
    // Waits for the process to end; returns its exit code, or -1 on time-out.
    int WaitForExit(int ms = 20000);
    DWORD ProcessId() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }

    // Runs Lanchet.exe of the staged folder with `arguments` as its command line (an
    // editor it starts gets this StagedApp's settings key too); its exit code, or -1 when
    // it did not end within `ms`.
    int RunLauncher(const std::string& arguments, int ms = 15000);
    int RunLauncher(const std::wstring& arguments, int ms = 15000);
    // The same without waiting: the launcher's process handle (the caller closes it).
    HANDLE StartLauncher(const std::string& arguments);
    HANDLE StartLauncher(const std::wstring& arguments);
    // Hands a path over as the launcher does (WM_COPYDATA, NUL counted).
    static void SendPath(HWND main, const std::string& path);
    // Tab captions of the main window's tab control, read from the other process.
    std::vector<std::string> TabCaptions(HWND main) const;
    std::string StatusText(HWND main, int field) const;

private:
    std::string folder_;
    std::string settingsProduct_;
    PROCESS_INFORMATION process_ = {};
};

} // namespace e2e
