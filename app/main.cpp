// Quillet.exe entry point.
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    App().instance = instance;
    RegisterMainWindowClass();

    char programPath[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, programPath, sizeof programPath);
    if (!Startup(length > 0 && length < sizeof programPath ? programPath : ""))
        return 0;
    OpenCommandLine(commandLine ? commandLine : "");
    return RunMessageLoop();
}
