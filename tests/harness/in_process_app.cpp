#include "tests/harness/in_process_app.h"
#include "platform/ansi_text.h"

#include "platform/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "tools/tool_windows.h"
#include "platform/ui_seam.h"
#include "docs/documents.h"
#include "tests/harness/staged_app.h"

#include <cstring>

namespace harness {

InProcessApp::InProcessApp(bool withConfig) : folder_(e2e::MakeTempFolder("quillet-inproc"))
{
    e2e::CopyFolder(e2e::DistFolder(), folder_);
    if (!withConfig)
        DeleteFileA(ConfigPath().c_str());
    // Backups of this program's runs stay in its own folder, apart from any other test's.
    SetEnvironmentVariableW(L"QUILLET_BACKUP_FOLDER", (WidenAnsi(folder_) + L"Backups\\").c_str());

    App() = AppState{};
    App().instance = GetModuleHandleA(nullptr);
    // This process takes messages only now and then: in the clipboard-viewer chain it
    // would hold up every viewer before it, the programs of other tests among them.
    StayOutOfClipboardChain();
    static bool registered = false;
    if (!registered) {
        RegisterMainWindowClass();
        registered = true;
    }
    // No real notification-area icon: under Wine without a taskbar each one brings up a
    // tray window of its own, which takes the activation from whatever test runs then.
    // The tray tests answer these calls themselves.
    ui::SetNotifyIconHandler([](DWORD, const NOTIFYICONDATAA&) { return true; });
    ui::SetShellOpenHandler([this](HWND, const std::string& path) {
        shellOpened.push_back(path);
        return true;
    });
    ui::SetMessageHandler([this](HWND owner, const std::string& text, UINT type) {
        messages.push_back({owner, text, type});
        if (!answers.empty()) {
            int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    });
    ui::SetFileDialogHandler([this](bool save, OPENFILENAMEW& request) {
        dialogWasSave.push_back(save);
        lastDialogFlags = static_cast<int>(request.Flags);
        std::string path;
        if (!dialogPaths.empty()) {
            path = dialogPaths.front();
            dialogPaths.pop_front();
        }
        const std::wstring wide = WidenAnsi(path);
        if (wide.empty() || wide.size() >= request.nMaxFile)
            return false;
        std::memcpy(request.lpstrFile, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        return true;
    });
}

InProcessApp::~InProcessApp()
{
    Close();
    ui::SetMessageHandler(nullptr);
    ui::SetFileDialogHandler(nullptr);
    ui::SetNotifyIconHandler(nullptr);
    ui::SetShellOpenHandler(nullptr);
    e2e::RemoveFolder(folder_);
}

void InProcessApp::SetConfig(const char* section, const char* key, const std::string& value)
{
    WritePrivateProfileStringA(section, key, value.c_str(), ConfigPath().c_str());
}

std::string InProcessApp::Config(const char* section, const char* key) const
{
    return e2e::IniValue(ConfigPath(), section, key);
}

bool InProcessApp::Start()
{
    started_ = Startup(WidenAnsi(folder_) + L"Quillet.exe");
    if (started_)
        OpenCommandLine(L"");  // the end of start-up: handed-over paths open from now on
    Pump();
    return started_;
}

bool InProcessApp::Running() const { return started_ && Main().Frame() && IsWindow(Main().Frame()); }
HWND InProcessApp::Frame() const { return Main().Frame(); }

void InProcessApp::Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            break;
        ProcessLoopMessage(message);
    }
}

void InProcessApp::Close()
{
    if (!started_)
        return;
    started_ = false;
    if (Main().Frame() && IsWindow(Main().Frame()))
        DestroyWindow(Main().Frame());
    Pump();  // up to the quit message the exit sequence posts
    DocumentList.clear();
    currentIndex = -1;
}

void WriteFile(const std::string& path, const std::string& bytes) { e2e::WriteTextFile(path, bytes); }
std::string ReadFile(const std::string& path) { return e2e::ReadTextFile(path); }

} // namespace harness
