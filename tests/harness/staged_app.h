// End-to-end harness: runs the real Quillet.exe from a temporary copy of the staged
// application folder and drives it from the test process.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

namespace e2e {

// The staged application folder of this build (build/dist).
std::string DistFolder();
// A new empty folder under the temporary folder, ending in a backslash.
std::string MakeTempFolder(const char* prefix);
void CopyFolder(const std::string& from, const std::string& to);
void RemoveFolder(const std::string& folder);
void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
bool FileExists(const std::string& path);

// Reads a Config.ini-style value ("" when missing).
std::string IniValue(const std::string& file, const char* section, const char* key);

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
    void SetConfig(const char* section, const char* key, const std::string& value);

    // Starts Quillet.exe with an optional command line.
    bool Launch(const std::string& arguments = "");
    // The main window (class and title "Quillet") of the launched process, waiting up to `ms`.
    HWND WaitForMainWindow(int ms = 15000);
    // A message box of the process captioned "Quillet", waiting up to `ms`.
    MessageBoxInfo WaitForMessageBox(int ms = 15000);
    // Presses a button of a message box (IDOK, IDYES, ...).
    static void Press(HWND box, int button);
    // Waits for the process to end; returns its exit code, or -1 on time-out.
    int WaitForExit(int ms = 20000);
    DWORD ProcessId() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }

    // Hands a path over as the launcher does (WM_COPYDATA, NUL counted).
    static void SendPath(HWND main, const std::string& path);
    // Tab captions of the main window's tab control, read from the other process.
    std::vector<std::string> TabCaptions(HWND main) const;
    std::string StatusText(HWND main, int field) const;

private:
    std::string folder_;
    PROCESS_INFORMATION process_ = {};
};

// Sends a message and gives the other process time to settle.
void Settle(int ms = 100);

} // namespace e2e
