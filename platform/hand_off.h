// Handing a path to the running editor, as the association launcher and the Explorer
// extension do: find the editor's main window (starting the editor from its install
// folder when none runs) and send it WM_COPYDATA with the path.
#pragma once

#include <windows.h>
#include <string>

namespace handoff {

// How long a sender waits for the editor to take one path. The editor answers as soon as
// it has copied the path, before it opens it; an editor that does not answer by then is
// hung, and neither Explorer nor the launcher may hang with it.
constexpr UINT kHandOffTimeoutMs = 5000;

// The editor's main window: class and title "Quillet"; null when none runs.
HWND FindEditorWindow();

// The WM_COPYDATA that hands one path over comes in two forms, told apart by dwData:
//  - 0: the path as text of the ANSI code page, its NUL counted in cbData: what earlier
//    launchers and extensions send, and the editor still takes;
//  - kUtf16Path: the path as UTF-16, its NUL counted in cbData: what they send now, so
//    that a name outside the ANSI code page arrives whole.
// The editor reads either only up to its first NUL and never beyond cbData.
constexpr ULONG_PTR kUtf16Path = 0x51550010;

// One path, in the UTF-16 form. Returns once the editor has taken the path (true), or
// false when it did not answer within kHandOffTimeoutMs or is hung (SMTO_ABORTIFHUNG) or
// gone.
bool SendPath(HWND editor, const std::wstring& path);

// The default value of HKEY_LOCAL_MACHINE\<subKey>, read with the wide registry functions
// (at most MAX_PATH - 1 characters; a longer value counts as missing); "" when the key or
// value is missing.
std::wstring ReadInstallFolder(const wchar_t* subKey);

// Quillet.exe in the install folder, with or without its trailing backslash.
std::wstring EditorProgramIn(const std::wstring& installFolder);

// Starts the editor and waits up to 20 times 250 ms for its main window; null when it
// has not appeared by then.
HWND StartEditorAndWait(const std::wstring& program);

} // namespace handoff
