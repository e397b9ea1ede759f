#include "corvex/memory_room.h"

#include <windows.h>

#include <algorithm>

namespace corvex {

unsigned long long MemoryRoomNow()
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return ~0ull;
    return std::min<unsigned long long>(status.ullAvailVirtual, status.ullAvailPageFile);
}

bool FileFitsInMemory(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    const unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return FileFitsInRoom(size, MemoryRoomNow());
}

} // namespace corvex
