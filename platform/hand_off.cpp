#include "platform/hand_off.h"

#include <shellapi.h>

namespace handoff {

HWND FindEditorWindow() { return FindWindowA("Quillet", "Quillet"); }

void SendPath(HWND editor, const std::string& path)
{
    COPYDATASTRUCT data = {};
    data.dwData = 0;
    data.cbData = static_cast<DWORD>(path.size() + 1);
    data.lpData = const_cast<char*>(path.c_str());
    SendMessageA(editor, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

std::string ReadInstallFolder(const char* subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    char buffer[261] = "";
    DWORD size = 260;  // at most 260 bytes; whatever the type, a NUL follows inside the buffer
    const LONG result = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::string(buffer) : std::string();
}

std::string EditorProgramIn(const std::string& installFolder)
{
    const bool slash = !installFolder.empty() && installFolder.back() == '\\';
    return installFolder + (slash ? "Quillet.exe" : "\\Quillet.exe");
}

HWND StartEditorAndWait(const std::string& program)
{
    ShellExecuteA(nullptr, "open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    for (int wait = 1; wait <= 20; ++wait) {
        Sleep(250);
        if (wait == 20)
            break;
        if (HWND editor = FindEditorWindow())
            return editor;
    }
    return nullptr;
}

} // namespace handoff
