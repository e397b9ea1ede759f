#include "options/file_associations.h"

#include "platform/files.h"

#include "options/association_rules.h"

#include <shlwapi.h>

#include <algorithm>

namespace options {
namespace {

constexpr DWORD kValueBufferSize = 260;  // characters, the terminating zero included

bool KeyExists(const std::wstring& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

// Writes a REG_SZ value (UTF-16, with its terminating zero), creating the key when missing.
bool WriteClassesValue(const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

} // namespace

bool ListHolds(const std::vector<std::wstring>& list, const std::wstring& type)
{
    return std::any_of(list.begin(), list.end(), [&](const std::wstring& item) { return SameNameIgnoringCase(item, type); });
}

std::wstring ReadClassesValue(const std::wstring& key, const wchar_t* name)
{
    if (key.empty() && !name)
        return {};
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    std::wstring value;
    if (RegQueryValueExW(handle, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ &&
        size <= kValueBufferSize * sizeof(wchar_t)) {
        wchar_t buffer[kValueBufferSize + 1] = L"";
        size = kValueBufferSize * sizeof(wchar_t);  // a value stored without its zero still ends in one here
        if (RegQueryValueExW(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ)
            value.assign(buffer);
    }
    RegCloseKey(handle);
    return value;
}

bool Associate(const std::wstring& type, const std::wstring& appFolder)
{
    const std::wstring programKey = ProgramKeyFor(type);
    const std::wstring previous = ReadClassesValue(type);
    const bool hadProgramKey = KeyExists(programKey);
    bool written = true;
    // A type that already names the program's key (Config.ini replaced, say) keeps the
    // backup it has: copying the program's key onto itself would lose the original.
    if (!SameNameIgnoringCase(previous, programKey)) {
        const std::wstring description = previous.empty() ? L"" : ReadClassesValue(previous);
        const std::wstring icon = previous.empty() ? L"" : ReadClassesValue(previous + L"\\DefaultIcon");
        written = written && WriteClassesValue(programKey, L"Backup", previous);
        written = written && WriteClassesValue(programKey, nullptr, description);
        written = written && WriteClassesValue(programKey + L"\\DefaultIcon", nullptr, icon);
    }
    written =
        written && WriteClassesValue(programKey + L"\\shell\\open\\command", nullptr, LauncherCommand(appFolder));
    written = written && WriteClassesValue(type, nullptr, programKey);
    if (!written && !hadProgramKey)
        SHDeleteKeyW(HKEY_CLASSES_ROOT, programKey.c_str());
    return written;
}

bool Unassociate(const std::wstring& type)
{
    const std::wstring programKey = ProgramKeyFor(type);
    const bool ours = KeyExists(programKey) && SameNameIgnoringCase(ReadClassesValue(type), programKey);
    if (ours)
        WriteClassesValue(type, nullptr, ReadClassesValue(programKey, L"Backup"));
    SHDeleteKeyW(HKEY_CLASSES_ROOT, programKey.c_str());
    return ours;
}

} // namespace options
