#include "platform/files.h"

#include "platform/ansi_text.h"

#include <windows.h>

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) { return FileExists(WidenAnsi(path)); }

std::string AnsiPathOf(const std::wstring& path)
{
    std::string bytes;
    if (AnsiCodePage().ToAnsi(path, bytes))
        return bytes;
    const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (length == 0)
        return {};
    std::wstring shortPath(length, L'\0');
    const DWORD written = GetShortPathNameW(path.c_str(), &shortPath[0], length);
    if (written == 0 || written >= length)
        return {};
    shortPath.resize(written);
    return AnsiCodePage().ToAnsi(shortPath, bytes) ? bytes : std::string();
}

bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    // CompareStringOrdinal (Vista and later) folds case as the file system and the
    // registry do; before it, CharUpperBuffW's invariant upper case is the same mapping.
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
