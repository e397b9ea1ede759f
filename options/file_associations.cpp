#include "options/file_associations.h"

#include "options/association_rules.h"
#include "platform/ansi_text.h"
#include "platform/ui_seam.h"

#include <shlwapi.h>

#include <algorithm>

namespace options {
namespace {

constexpr DWORD kValueBufferSize = 260;

bool KeyExists(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

// Writes a REG_SZ value (with its terminating zero), creating the key when missing.
bool WriteClassesValue(const std::string& key, const char* name, const std::string& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

} // namespace

bool SameKeyName(const std::string& first, const std::string& second)
{
    const std::wstring a = WidenAnsi(first);
    const std::wstring b = WidenAnsi(second);
    if (a.size() != b.size())
        return false;
    // CompareStringOrdinal (Vista and later) folds case as the registry does; before it,
    // CharUpperBuffW's invariant upper case is the same mapping.
    using CompareOrdinal = int(WINAPI*)(LPCWSTR, int, LPCWSTR, int, BOOL);
    static const auto compare = reinterpret_cast<CompareOrdinal>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CompareStringOrdinal")));
    if (compare)
        return compare(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
               CSTR_EQUAL;
    std::wstring upperA = a, upperB = b;
    if (!upperA.empty()) {
        CharUpperBuffW(&upperA[0], static_cast<DWORD>(upperA.size()));
        CharUpperBuffW(&upperB[0], static_cast<DWORD>(upperB.size()));
    }
    return upperA == upperB;
}

bool ListHolds(const std::vector<std::string>& list, const std::string& type)
{
    return std::any_of(list.begin(), list.end(), [&](const std::string& item) { return SameKeyName(item, type); });
}

std::string ReadClassesValue(const std::string& key, const char* name)
{
    if (key.empty() && !name)
        return {};
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    std::string value;
    if (RegQueryValueExA(handle, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ &&
        size <= kValueBufferSize) {
        char buffer[kValueBufferSize + 1] = "";
        size = kValueBufferSize;  // a value stored without its zero still ends in one here
        if (RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
            type == REG_SZ)
            value.assign(buffer);
    }
    RegCloseKey(handle);
    return value;
}

bool Associate(const std::string& type, const std::string& appFolder)
{
    const std::string programKey = ProgramKeyFor(type);
    const std::string previous = ReadClassesValue(type);
    const bool hadProgramKey = KeyExists(programKey);
    bool written = true;
    // A type that already names the program's key (Config.ini replaced, say) keeps the
    // backup it has: copying the program's key onto itself would lose the original.
    if (!SameKeyName(previous, programKey)) {
        const std::string description = previous.empty() ? "" : ReadClassesValue(previous);
        const std::string icon = previous.empty() ? "" : ReadClassesValue(previous + "\\DefaultIcon");
        written = written && WriteClassesValue(programKey, "Backup", previous);
        written = written && WriteClassesValue(programKey, nullptr, description);
        written = written && WriteClassesValue(programKey + "\\DefaultIcon", nullptr, icon);
    }
    written = written && WriteClassesValue(programKey + "\\shell\\open\\command", nullptr, LauncherCommand(appFolder));
    written = written && WriteClassesValue(type, nullptr, programKey);
    if (!written && !hadProgramKey)
        SHDeleteKeyA(HKEY_CLASSES_ROOT, programKey.c_str());
    return written;
}

bool Unassociate(const std::string& type)
{
    const std::string programKey = ProgramKeyFor(type);
    const bool ours = KeyExists(programKey) && SameKeyName(ReadClassesValue(type), programKey);
    if (ours)
        WriteClassesValue(type, nullptr, ReadClassesValue(programKey, "Backup"));
    SHDeleteKeyA(HKEY_CLASSES_ROOT, programKey.c_str());
    return ours;
}

} // namespace options
