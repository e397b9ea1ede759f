#include "tests/harness/staged_app.h"

#include "tests/harness/remote_memory.h"
#include "platform/ansi_text.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

std::string ExeFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[64] = {}, title[64] = {};
    GetClassNameA(window, cls, sizeof cls);
    GetWindowTextA(window, title, sizeof title);
    if (pid == search->processId && std::string(cls) == "#32770" && std::string(title) == "Quillet" &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct TextSearch {
    std::string text;
};

BOOL CALLBACK FindStaticText(HWND child, LPARAM lParam)
{
    auto* search = reinterpret_cast<TextSearch*>(lParam);
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (std::string(cls) != "Static")
        return TRUE;
    char text[1024] = {};
    GetWindowTextA(child, text, sizeof text);
    if (text[0] && search->text.empty())
        search->text = text;
    return TRUE;
}

} // namespace

std::string FromTestProgramFolder(std::string relative)
{
    for (char& c : relative)
        if (c == '/')
            c = '\\';
    char full[MAX_PATH] = {};
    GetFullPathNameA((ExeFolder() + relative).c_str(), sizeof full, full, nullptr);
    return full;
}

std::string DistFolder()
{
    char named[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("QUILLET_TEST_DIST", named, sizeof named);
    std::string folder = length && length < sizeof named ? std::string(named) : FromTestProgramFolder(QUILLET_DIST_RELATIVE);
    if (folder.back() != '\\')
        folder += '\\';
    return folder;
}

bool ProgramIsWow64()
{
    if (sizeof(void*) == 4)
        return false;
    static const bool wow64 = [] {
        // The machine field of the PE header of the staged Quillet.exe.
        const std::string image = ReadTextFile(DistFolder() + "Quillet.exe");
        if (image.size() < 0x40)
            return false;
        DWORD header = 0;
        std::memcpy(&header, image.data() + 0x3C, sizeof header);
        WORD machine = 0;
        if (image.size() < header + 6)
            return false;
        std::memcpy(&machine, image.data() + header + 4, sizeof machine);
        return machine == IMAGE_FILE_MACHINE_I386;
    }();
    return wow64;
}

REGSAM ProgramRegistryView()
{
    if (sizeof(void*) == 4)
        return 0;
    return ProgramIsWow64() ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

int Patience()
{
    static const int factor = [] {
        char value[16] = "";
        GetEnvironmentVariableA("QUILLET_TEST_PATIENCE", value, sizeof value);
        const int read = std::atoi(value);
        return read > 1 ? read : 1;
    }();
    return factor;
}

std::string MakeTempFolder(const char* prefix)
{
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%s%s-%lu-%d\\", temp, prefix, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr))
            return name;
    }
}

namespace {

void CopyWideFolder(const std::wstring& from, const std::wstring& to)
{
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((from + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyWideFolder(from + name + L"\\", to + name + L"\\");
        else
            CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace

void CopyFolder(const std::string& from, const std::string& to) { CopyWideFolder(WidenAnsi(from), WidenAnsi(to)); }

namespace {

void RemoveWideFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveWideFolder(path + L"\\");
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

void RemoveFolder(const std::string& folder) { RemoveWideFolder(WidenAnsi(folder)); }

void WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadTextFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string IniValue(const std::string& file, const char* section, const char* key)
{
    char value[1024] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, file.c_str());
    return value;
}

std::string NewSettingsProduct()
{
    static int counter = 0;
    return "Quillet-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

std::string SettingsSectionPath(const std::string& product)
{
    return std::string("Software\\") + kTestSettingsMaker + "\\" + product + "\\Editor Settings";
}

void DeleteSettingsProduct(const std::string& product)
{
    const std::string path = std::string("Software\\") + kTestSettingsMaker + "\\" + product;
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str());
    if (REGSAM view = ProgramRegistryView()) {  // what a program of the other bitness wrote
        HKEY maker = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string("Software\\") + kTestSettingsMaker).c_str(), 0,
                          KEY_ALL_ACCESS | view, &maker) == ERROR_SUCCESS) {
            SHDeleteKeyA(maker, product.c_str());
            RegCloseKey(maker);
        }
    }
}

bool WaitUntil(const std::function<bool()>& condition, int ms)
{
    ms *= Patience();
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > static_cast<DWORD>(ms))
            return false;
        // Wakes early for a message of this thread; the other process gives no signal.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

bool Sync(HWND window, int ms)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(ms * Patience()), &result) != 0;
}

StagedApp::StagedApp(bool withConfig)
    : folder_(MakeTempFolder("quillet-app")), settingsProduct_(NewSettingsProduct())
{
    CopyFolder(DistFolder(), folder_);
    if (!withConfig)
        DeleteFileA(ConfigPath().c_str());
    else  // no tray icon: under Wine without a taskbar it brings up a tray window that takes the activation
        WritePrivateProfileStringA("Main", "SysTrayShow", "0", ConfigPath().c_str());
}

StagedApp::~StagedApp()
{
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    DeleteSettingsProduct(settingsProduct_);
    RemoveFolder(folder_);
}

void StagedApp::SetConfig(const char* section, const char* key, const std::string& value)
{
    WritePrivateProfileStringA(section, key, value.c_str(), ConfigPath().c_str());
}

namespace {

// Sets an environment variable until the end of the scope, then puts the previous value back.
class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name)
    {
        const DWORD length = GetEnvironmentVariableW(name, previous_, 512);
        had_ = length > 0 && length < 512;
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableW(name_, had_ ? previous_ : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const wchar_t* name_;
    wchar_t previous_[512] = {};
    bool had_ = false;
};

// Starts a program of the staged folder; the child inherits the settings-key variable and
// the backup folder of this staged program, and this process's own values are put back
// at once.
bool StartStaged(const std::wstring& folder, const wchar_t* program, const std::wstring& arguments,
                 const std::string& settingsProduct, const std::wstring& backupFolder, PROCESS_INFORMATION& process)
{
    const ScopedVariable backups(L"QUILLET_BACKUP_FOLDER", backupFolder);
    std::wstring commandLine = L"\"" + folder + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    constexpr const char* kVariable = "QUILLET_SETTINGS_PRODUCT";
    char previous[256] = {};
    const DWORD previousLength = GetEnvironmentVariableA(kVariable, previous, sizeof previous);
    SetEnvironmentVariableA(kVariable, settingsProduct.c_str());
    const bool started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                        folder.c_str(), &startup, &process) != FALSE;
    SetEnvironmentVariableA(kVariable, previousLength > 0 && previousLength < sizeof previous ? previous : nullptr);
    return started;
}

} // namespace

std::wstring StagedApp::BackupFolder() const { return WidenAnsi(folder_) + L"Backups\\"; }

bool StagedApp::Launch(const std::string& arguments) { return Launch(WidenAnsi(arguments)); }

bool StagedApp::Launch(const std::wstring& arguments)
{
    return StartStaged(WidenAnsi(folder_), L"Quillet.exe", arguments, settingsProduct_, BackupFolder(), process_);
}

std::wstring StagedApp::LaunchCopyIn(const std::wstring& name)
{
    const std::wstring copy = WidenAnsi(folder_) + name + L"\\";
    CopyWideFolder(WidenAnsi(DistFolder()), copy);
    CopyFileW(WidenAnsi(ConfigPath()).c_str(), (copy + L"Config.ini").c_str(), FALSE);
    return StartStaged(copy, L"Quillet.exe", L"", settingsProduct_, BackupFolder(), process_) ? copy
                                                                                                : std::wstring();
}

HANDLE StagedApp::StartLauncher(const std::string& arguments) { return StartLauncher(WidenAnsi(arguments)); }

HANDLE StagedApp::StartLauncher(const std::wstring& arguments)
{
    PROCESS_INFORMATION launcher = {};
    if (!StartStaged(WidenAnsi(folder_), L"Lanchet.exe", arguments, settingsProduct_, BackupFolder(), launcher))
        return nullptr;
    CloseHandle(launcher.hThread);
    return launcher.hProcess;
}

int StagedApp::RunLauncher(const std::string& arguments, int ms) { return RunLauncher(WidenAnsi(arguments), ms); }

int StagedApp::RunLauncher(const std::wstring& arguments, int ms)
{
    HANDLE launcher = StartLauncher(arguments);
    if (!launcher)
        return -1;
    int code = -1;
    if (WaitForSingleObject(launcher, static_cast<DWORD>(ms * Patience())) == WAIT_OBJECT_0) {
        DWORD exitCode = 0;
        GetExitCodeProcess(launcher, &exitCode);
        code = static_cast<int>(exitCode);
    }
    CloseHandle(launcher);
    return code;
}

HWND StagedApp::WaitForMainWindow(int ms)
{
    ms *= Patience();
    for (int waited = 0; waited <= ms; waited += 50) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, "Quillet", "Quillet")) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            // Found while it may still be being made: wait until its thread takes
            // messages again, which is after start-up or in a message box it shows.
            if (pid == process_.dwProcessId)
                return Sync(window, ms / Patience()) ? window : nullptr;
        }
        if (WaitForSingleObject(process_.hProcess, 50) != WAIT_TIMEOUT)
            return nullptr;
    }
    return nullptr;
}

MessageBoxInfo StagedApp::WaitForMessageBox(int ms)
{
    ms *= Patience();
    MessageBoxInfo info;
    for (int waited = 0; waited <= ms; waited += 50) {
        BoxSearch search = {process_.dwProcessId, nullptr};
        EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            info.window = search.found;
            info.caption = "Quillet";
            TextSearch text;
            EnumChildWindows(search.found, &FindStaticText, reinterpret_cast<LPARAM>(&text));
            info.text = text.text;
            return info;
        }
        if (WaitForSingleObject(process_.hProcess, 50) != WAIT_TIMEOUT)
            break;
    }
    return info;
}

void StagedApp::Press(HWND box, int button)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

int StagedApp::WaitForExit(int ms)
{
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(ms * Patience())) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

void StagedApp::SendPath(HWND main, const std::string& path)
{
    COPYDATASTRUCT data = {0, static_cast<DWORD>(path.size() + 1), const_cast<char*>(path.c_str())};
    SendMessageA(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

namespace {

// The process that owns a window, opened for reading and writing its memory (the editor
// this StagedApp launched, or one the launcher started).
class WindowProcess {
public:
    explicit WindowProcess(HWND window)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        handle_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                              FALSE, pid);
    }
    ~WindowProcess()
    {
        if (handle_)
            CloseHandle(handle_);
    }
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

} // namespace

std::vector<std::string> StagedApp::TabCaptions(HWND main) const { return TabCaptionsOf(main); }

namespace {

// TCITEMA as a 32-bit program lays it out: what a 64-bit test passes to a 32-bit program.
struct TabItem32 {
    UINT mask;
    DWORD state;
    DWORD stateMask;
    DWORD text;
    int textMax;
    int image;
    DWORD param;
};

} // namespace

namespace {

// Tab captions read through a block of the program's memory: a TCITEMW in the program's
// own layout, then room for the text.
class RemoteTabCaptions {
public:
    explicit RemoteTabCaptions(HWND main)
        : tabs_(GetDlgItem(main, 100)), owner_(main), narrow_(ProgramIsWow64()),
          itemSize_(narrow_ ? sizeof(TabItem32) : sizeof(TCITEMW)),
          memory_(owner_.Handle(), itemSize_ + kCapacity * sizeof(wchar_t))
    {
    }
    int Count() const { return static_cast<int>(SendMessageW(tabs_, TCM_GETITEMCOUNT, 0, 0)); }
    // The caption of tab `index`; a text that starts with `unread` when the control wrote
    // nothing. `answered` tells whether the control took the request.
    std::wstring Read(int index, wchar_t unread = L'\0', bool* answered = nullptr)
    {
        auto* const remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(memory_.Address()) + itemSize_);
        if (narrow_) {
            TabItem32 item = {TCIF_TEXT, 0, 0, static_cast<DWORD>(reinterpret_cast<UINT_PTR>(remoteText)),
                              kCapacity, 0, 0};
            memory_.Write(&item, sizeof item);
        } else {
            TCITEMW item = {};
            item.mask = TCIF_TEXT;
            item.pszText = remoteText;
            item.cchTextMax = kCapacity;
            memory_.Write(&item, sizeof item);
        }
        wchar_t text[kCapacity] = {unread};
        memory_.Write(text, sizeof text, itemSize_);
        const bool took = SendMessageW(tabs_, TCM_GETITEMW, static_cast<WPARAM>(index), memory_.AsLParam()) != 0;
        if (answered)
            *answered = took;
        memory_.Read(text, sizeof text, itemSize_);
        text[kCapacity - 1] = L'\0';
        return text;
    }

private:
    static constexpr int kCapacity = 260;
    HWND tabs_;
    const WindowProcess owner_;
    const bool narrow_;
    const std::size_t itemSize_;
    RemoteMemory memory_;
};

} // namespace

std::vector<std::string> TabCaptionsOf(HWND main)
{
    std::vector<std::string> captions;
    for (const std::wstring& caption : WideTabCaptionsOf(main))
        captions.push_back(NarrowToAnsi(caption));
    return captions;
}

std::vector<std::wstring> WideTabCaptionsOf(HWND main)
{
    RemoteTabCaptions tabs(main);
    std::vector<std::wstring> captions;
    for (int i = 0, count = tabs.Count(); i < count; ++i)
        captions.push_back(tabs.Read(i));
    return captions;
}

int TabCount(HWND main)
{
    return static_cast<int>(SendMessageA(GetDlgItem(main, 100), TCM_GETITEMCOUNT, 0, 0));
}

bool TabCaptionsReadable(HWND main)
{
    // A caption is never empty: a first character the control did not overwrite means
    // that what this process writes to the program's memory and reads back is not what
    // the program sees.
    RemoteTabCaptions tabs(main);
    if (tabs.Count() < 1)
        return true;
    const wchar_t sentinel = L'\x7F';
    bool answered = false;
    const std::wstring first = tabs.Read(0, sentinel, &answered);
    return !answered || first.empty() || first[0] != sentinel;
}

std::string StagedApp::StatusText(HWND main, int field) const
{
    HWND bar = GetDlgItem(main, 103);
    const WindowProcess owner(main);
    RemoteMemory memory(owner.Handle(), 1024);
    char text[1024] = {};
    memory.Write(text, sizeof text);
    SendMessageA(bar, SB_GETTEXTA, field, memory.AsLParam());
    memory.Read(text, sizeof text);
    text[1023] = '\0';
    return text;
}

int StagedApp::CloseWithoutSaving(HWND main)
{
    PostMessageA(main, WM_CLOSE, 0, 0);
    for (int i = 0; i < 10; ++i) {
        const MessageBoxInfo box = WaitForMessageBox(1500);
        if (!box.window)
            break;
        Press(box.window, IDNO);
    }
    return WaitForExit();
}

namespace {

struct WindowSearch {
    DWORD process;
    const char* className;
    const char* title;  // null: any title, visible windows only
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || lstrcmpA(name, search->className) != 0)
        return TRUE;
    if (search->title) {
        char title[128] = "";
        GetWindowTextA(window, title, sizeof title);
        if (lstrcmpA(title, search->title) != 0)
            return TRUE;
    } else if (!IsWindowVisible(window)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

BOOL CALLBACK MatchEditor(HWND child, LPARAM data)
{
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpA(name, "Corvex") == 0 && IsWindowVisible(child)) {
        *reinterpret_cast<HWND*>(data) = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND VisibleMenu(DWORD process)
{
    WindowSearch search{process, "#32768", nullptr, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindProcessWindow(DWORD process, const char* className, const char* title)
{
    WindowSearch search{process, className, title, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

struct TopLevelSearch {
    const std::function<bool(HWND)>* matches;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<TopLevelSearch*>(data);
    if (!(*search.matches)(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

HWND FindTopLevelWindow(const std::function<bool(HWND)>& matches)
{
    TopLevelSearch search = {&matches, nullptr};
    EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DWORD ProcessOf(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

std::string ClassOf(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TitleOf(HWND window)
{
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    return title;
}

HWND ActiveEditor(HWND main)
{
    HWND editor = nullptr;
    EnumChildWindows(main, &MatchEditor, reinterpret_cast<LPARAM>(&editor));
    return editor;
}

} // namespace e2e
