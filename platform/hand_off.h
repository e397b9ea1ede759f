// Handing a path to the running editor, as the association launcher and the Explorer
// extension do: find the editor's main window (starting the editor from its install
// folder when none runs) and send it WM_COPYDATA with the path.
#pragma once

#include <windows.h>
#include <string>

namespace handoff {

// The editor's main window: class and title "Quillet"; null when none runs.
HWND FindEditorWindow();

// One path, as 8-bit text of the ANSI code page with its NUL counted in cbData. Sent,
// so it returns once the editor has taken the path.
void SendPath(HWND editor, const std::string& path);

// The default value of HKEY_LOCAL_MACHINE\<subKey> (at most 259 characters; a longer
// value counts as missing); "" when the key or value is missing.
std::string ReadInstallFolder(const char* subKey);

// Quillet.exe in the install folder, with or without its trailing backslash.
std::string EditorProgramIn(const std::string& installFolder);

// Starts the editor and waits up to 20 times 250 ms for its main window; null when it
// has not appeared by then.
HWND StartEditorAndWait(const std::string& program);

} // namespace handoff
