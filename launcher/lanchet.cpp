// Lanchet.exe: the "open" command of the file types associated with the editor. It hands
// its command line, whole and unchanged, to the running editor as one path, starting the
// editor from its install folder first when none runs. No window, no message, exit code 0.
#include "platform/command_line.h"
#include "platform/hand_off.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kInstallFolderKey = L"Software\\Fellbrook Studios\\Quillet";

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The command line as UTF-16, so that a path in any script is handed over whole.
    const std::wstring commandLine = ArgumentsOf(GetCommandLineW());
    if (commandLine.empty())
        return 0;
    HWND editor = handoff::FindEditorWindow();
    if (!editor) {
        const std::wstring folder = handoff::ReadInstallFolder(kInstallFolderKey);
        if (folder.empty())
            return 0;
        editor = handoff::StartEditorAndWait(handoff::EditorProgramIn(folder));
        if (!editor)
            return 0;
    }
    handoff::SendPath(editor, commandLine);
    return 0;
}
