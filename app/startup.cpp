#include "app/startup.h"

#include "platform/ansi_text.h"

#include "platform/app_state.h"
#include "app/commands.h"
#include "platform/config.h"
#include "app/main_window.h"
#include "platform/files.h"
#include "platform/ui_seam.h"
#include "docs/backups.h"
#include "docs/documents.h"
#include "options/options_dialog.h"
#include "options/skin_selector.h"
#include "skin/skin_loader.h"
#include "tools/tool_windows.h"

#include <windows.h>

namespace {

constexpr int kAlwaysOnTopCommand = 400;

void ReadPlatformFlags(AppState& app)
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version))
        return;
    app.isWin9x = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    app.isNT5x = version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5 &&
                 (version.dwMinorVersion == 0 || version.dwMinorVersion == 1);
}

// Brings back what the previous run left in Config.ini; false when the skin failed.
bool RestoreShellState(AppState& app)
{
    HWND frame = Main().Frame();
    if (config::ReadFlag("Main", "OnTop"))
        SendMessageW(frame, WM_COMMAND, kAlwaysOnTopCommand, 0);
    app.openDir = config::ReadText("Main", "OpenDir");
    if (app.openDir.empty())
        app.openDir = app.appFolder;
    app.saveDir = config::ReadText("Main", "SaveDir");
    if (app.saveDir.empty())
        app.saveDir = app.appFolder;
    app.openFilter = config::ReadNumber("Main", "OFFilter");
    app.saveFilter = config::ReadNumber("Main", "SFFilter");
    return LoadMainWindowSkin(AnsiPathOf(app.appFolder + L"Skin\\") + config::ReadString("Main", "Skin"));
}

void ShowMainWindow()
{
    HWND frame = Main().Frame();
    if (IsMinimiseOnStartupChecked()) {
        SendMessageW(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    }
    if (config::ReadString("Position", "MainState") == "1")
        SendMessageW(frame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ShowWindow(frame, SW_SHOW);
}

// Backups of unsaved work from now on; the documents of a run that did not end normally
// come back first. Windows is asked to start the program again after it restarts for an
// update (from Vista on; bound at run time), and the recovery brings the documents back.
void StartBackups()
{
    const bool backingUp = backups::Start(StoredBackupSeconds());
    using RegisterRestart = HRESULT(WINAPI*)(PCWSTR, DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto registerRestart = reinterpret_cast<RegisterRestart>(
        reinterpret_cast<void*>(kernel ? GetProcAddress(kernel, "RegisterApplicationRestart") : nullptr));
    if (registerRestart)
        registerRestart(L"", 0);
    // Without a folder of its own the documents could not be kept again: their backups
    // stay where they are for a start that can.
    if (backingUp)
        backups::RecoverDocuments();
}

} // namespace

std::wstring ApplicationFolderOf(const std::wstring& programPath)
{
    const std::size_t slash = programPath.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : programPath.substr(0, slash + 1);
}

bool Startup(const std::wstring& programPath)
{
    AppState& app = App();
    if (programPath.empty()) {
        ui::Message(nullptr, "Failed to get the app path", MB_OK | MB_ICONERROR);
        return false;
    }
    app.appFolder = ApplicationFolderOf(programPath);
    if (!FileExists(app.appFolder + L"Config.ini")) {
        ui::Message(nullptr,
                    "The file 'Config.ini' was not found,\nThe program cannot run without it.\nReinstall Quillet",
                    MB_OK | MB_ICONERROR);
        return false;
    }
    // A folder the code page cannot spell is reached through its short form.
    const std::string configPath = AnsiPathOf(app.appFolder + L"Config.ini");
    if (configPath.empty()) {
        ui::Message(nullptr,
                    L"Quillet cannot keep its settings in the folder\n" + app.appFolder +
                        L"\nbecause its name cannot be written in this system's code page and the folder has no "
                        L"short name.\nInstall Quillet in another folder.",
                    MB_OK | MB_ICONERROR);
        return false;
    }
    app.configPath = configPath;
    config::SetPath(configPath);
    ReadPlatformFlags(app);

    if (!Main().Create())
        return false;

    if (RestoreShellState(app))
        ShowMainWindow();
    else
        OpenSkinSelector();

    StartBackups();
    OpenStartupFavourites();
    if (IsOpenLastFilesChecked()) {
        for (const std::wstring& path : config::ReadTextList("StartupFiles"))
            OpenDocument(path);
    }
    return true;
}

void OpenCommandLine(const std::wstring& commandLine)
{
    if (!commandLine.empty())
        OpenDocument(commandLine);
    Main().TakeHandedOverPaths();
}

void ProcessLoopMessage(MSG& message)
{
    if (TranslateMainWindowKey(message))
        return;
    if (!IsDialogMessageW(GetForegroundWindow(), &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int RunMessageLoop()
{
    MSG message;
    // The Unicode forms: a character typed into an editor reaches it as UTF-16, never
    // squeezed through the ANSI code page on the way.
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        ProcessLoopMessage(message);
    return static_cast<int>(message.wParam);
}
