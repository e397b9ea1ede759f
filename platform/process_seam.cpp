#include "platform/process_seam.h"

#include <windows.h>

namespace proc {
namespace {
Wow64Handler g_wow64Handler;
RunHandler g_runHandler;
}

bool RunsUnderWow64()
{
    if (g_wow64Handler)
        return g_wow64Handler();
    using IsWow64 = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64 = reinterpret_cast<IsWow64>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

long RunAndWait(const std::wstring& program, const std::wstring& arguments, unsigned long timeoutMs)
{
    if (g_runHandler)
        return g_runHandler(program, arguments);
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;  // CreateProcessW may write to it
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    DWORD code = 0;
    const bool ended = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return ended ? static_cast<long>(code) : -1;
}

void SetWow64Handler(Wow64Handler handler) { g_wow64Handler = std::move(handler); }
void SetRunHandler(RunHandler handler) { g_runHandler = std::move(handler); }

} // namespace proc
