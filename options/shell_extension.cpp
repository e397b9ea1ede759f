#include "options/shell_extension.h"

#include "platform/process_seam.h"
#include "platform/ui_seam.h"

#include <vector>

namespace options {
namespace {

constexpr unsigned long kRegistrationTimeoutMs = 60000;

// regsvr32's exit codes.
constexpr long kRegsvrLoadFailed = 3;
constexpr long kRegsvrNoEntryPoint = 4;
constexpr long kRegsvrCallFailed = 5;

enum class Outcome { Done, NotLoaded, NoEntryPoint, CallFailed };

// This process's own extension, called in place.
Outcome CallOwnExtension(const std::wstring& path, bool unregister)
{
    HMODULE library = LoadLibraryW(path.c_str());
    if (!library)
        return Outcome::NotLoaded;
    using Registration = HRESULT(STDAPICALLTYPE*)();
    const auto call = reinterpret_cast<Registration>(
        reinterpret_cast<void*>(GetProcAddress(library, unregister ? "DllUnregisterServer" : "DllRegisterServer")));
    HRESULT result = E_FAIL;
    if (call)
        result = call();
    FreeLibrary(library);
    if (!call)
        return Outcome::NoEntryPoint;
    return SUCCEEDED(result) ? Outcome::Done : Outcome::CallFailed;
}

// The 64-bit extension, from a 32-bit process: only a 64-bit process can load it. The
// file system redirector maps System32 to the 32-bit SysWOW64 here; Sysnative names the
// real System32.
Outcome CallWideExtension(const std::wstring& path, bool unregister)
{
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return Outcome::NotLoaded;
    wchar_t windows[MAX_PATH] = L"";
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return Outcome::NotLoaded;
    std::wstring regsvr = windows;
    if (regsvr.back() != L'\\')
        regsvr += L'\\';
    regsvr += L"Sysnative\\regsvr32.exe";
    const std::wstring arguments = std::wstring(unregister ? L"/s /u " : L"/s ") + L"\"" + path + L"\"";
    switch (proc::RunAndWait(regsvr, arguments, kRegistrationTimeoutMs)) {
    case 0:
        return Outcome::Done;
    case kRegsvrNoEntryPoint:
        return Outcome::NoEntryPoint;
    case kRegsvrCallFailed:
        return Outcome::CallFailed;
    case kRegsvrLoadFailed:
    default:  // not started, not ended in time, or refused its command line
        return Outcome::NotLoaded;
    }
}

// The message for a failed registration; the own extension's call failing stays silent,
// as it always has (the switch simply stays off).
std::string MessageFor(Outcome outcome, const char* library, bool unregister)
{
    switch (outcome) {
    case Outcome::NotLoaded:
        return std::string("Failed to load ") + library;
    case Outcome::NoEntryPoint:
        return std::string("Failed to find the Proc Address in ") + library;
    case Outcome::CallFailed:
        return std::string(unregister ? "Failed to unregister " : "Failed to register ") + library;
    case Outcome::Done:
        break;
    }
    return {};
}

} // namespace

bool SetShellExtension(bool unregister, const std::wstring& appFolder, HWND owner, bool quiet)
{
    const Outcome own = CallOwnExtension(appFolder + L"Vantrix.dll", unregister);
    if (own != Outcome::Done) {
        if (!quiet && own != Outcome::CallFailed)
            ui::Message(owner, MessageFor(own, "Vantrix.dll", unregister), MB_OK | MB_ICONERROR);
        return false;
    }
    if (!proc::RunsUnderWow64())
        return true;
    const Outcome wide = CallWideExtension(appFolder + L"Vantrix64.dll", unregister);
    if (wide == Outcome::Done)
        return true;
    // Registered for 32-bit programs only, the menu would be missing from Explorer while
    // the switch says off: take the half back.
    if (!unregister)
        CallOwnExtension(appFolder + L"Vantrix.dll", true);
    if (!quiet)
        ui::Message(owner, MessageFor(wide, "Vantrix64.dll", unregister), MB_OK | MB_ICONERROR);
    return false;
}

} // namespace options
