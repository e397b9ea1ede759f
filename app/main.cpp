// Quillet.exe entry point.
#include "platform/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "docs/editor_settings.h"
#include "platform/command_line.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    App().instance = instance;
    RegisterMainWindowClass();

    // Test seam: the end-to-end tests give each program they start an editor-settings key
    // of its own, HKLM\Software\Brightmoor Tests\<product>\Editor Settings, so that
    // runs neither share nor touch the real one.
    char product[128] = {};
    const DWORD productLength = GetEnvironmentVariableA("QUILLET_SETTINGS_PRODUCT", product, sizeof product);
    if (productLength > 0 && productLength < sizeof product)
        SetEditorSettingsKey({"Brightmoor Tests", product, "Editor Settings"});

    char programPath[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, programPath, sizeof programPath);
    if (!Startup(length > 0 && length < sizeof programPath ? programPath : ""))
        return 0;
    // The command line as UTF-16: a path outside the ANSI code page arrives whole.
    OpenCommandLine(ArgumentsOf(GetCommandLineW()));
    return RunMessageLoop();
}
