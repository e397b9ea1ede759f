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
