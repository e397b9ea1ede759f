// Quillet.exe entry point.
#include "platform/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "docs/editor_settings.h"
#include "platform/ansi_text.h"
#include "platform/command_line.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    App().instance = instance;
    RegisterMainWindowClass();

    // Test seam: the end-to-end tests give each program they start an editor-settings key
    // of its own, HKLM\Software\Brightmoor Tests\<product>\Editor Settings, so that
    // runs neither share nor touch the real one.
    wchar_t product[128] = {};
    const DWORD productLength = GetEnvironmentVariableW(L"QUILLET_SETTINGS_PRODUCT", product, 128);
    if (productLength > 0 && productLength < 128)
        SetEditorSettingsKey({"Brightmoor Tests", NarrowToAnsi(product), "Editor Settings"});

    // The program's path may be longer than MAX_PATH and in any script.
    std::wstring programPath(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &programPath[0], static_cast<DWORD>(programPath.size()));
        if (length == 0) {
            programPath.clear();
            break;
        }
        if (length < programPath.size()) {
            programPath.resize(length);
            break;
        }
        programPath.resize(programPath.size() * 2);
    }
    if (!Startup(programPath))
        return 0;
    // The command line as UTF-16: a path outside the ANSI code page arrives whole.
    OpenCommandLine(ArgumentsOf(GetCommandLineW()));
    return RunMessageLoop();
}
