// The switch of the Explorer extension: registering or unregistering Vantrix.dll from the
// application folder, and on 64-bit Windows also Vantrix64.dll, which 64-bit Explorer
// loads, through the system's 64-bit regsvr32.
#pragma once

#include <windows.h>
#include <string>

namespace options {

// Loads Vantrix.dll from the application folder and calls DllUnregisterServer (unregister)
// or DllRegisterServer. A 32-bit program on 64-bit Windows then does the same for
// Vantrix64.dll with %windir%\Sysnative\regsvr32.exe; a failed 64-bit registration undoes
// the 32-bit one, so that the extension is either registered for both or for neither.
// True only when every registration reported success. Failures are reported with `owner`
// as the message's owner; `quiet` keeps them silent (a start-up unregistration).
bool SetShellExtension(bool unregister, const std::wstring& appFolder, HWND owner, bool quiet = false);

} // namespace options
