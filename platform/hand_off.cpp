#include "platform/hand_off.h"

#include <shellapi.h>

namespace handoff {

HWND FindEditorWindow() { return FindWindowW(L"Quillet", L"Quillet"); }

bool SendPath(HWND editor, const std::wstring& path)
{
    COPYDATASTRUCT data = {};
    data.dwData = kUtf16Path;
    data.cbData = static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(path.c_str());
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(editor, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               kHandOffTimeoutMs, &answer) != 0;
}

std::wstring ReadInstallFolder(const wchar_t* subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    wchar_t buffer[MAX_PATH + 1] = L"";
    DWORD size = MAX_PATH * sizeof(wchar_t);  // whatever the type, a NUL follows inside the buffer
    const LONG result = RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::wstring(buffer) : std::wstring();
}

std::wstring EditorProgramIn(const std::wstring& installFolder)
{
    const bool slash = !installFolder.empty() && installFolder.back() == L'\\';
    return installFolder + (slash ? L"Quillet.exe" : L"\\Quillet.exe");
}

HWND StartEditorAndWait(const std::wstring& program)
{
    ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
