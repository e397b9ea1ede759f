// What a file looked like on disk when a document last read or wrote it, to notice a
// change made by another program.
#pragma once

#include <windows.h>

#include <string>

struct FileStamp {
    bool exists = false;
    ULONGLONG size = 0;
    ULONGLONG written = 0;  // last-write time, FILETIME units

    bool operator==(const FileStamp& other) const
    {
        return exists == other.exists && size == other.size && written == other.written;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The file's stamp now; `exists` false when it is gone (or cannot be reached).
inline FileStamp StampOf(const std::wstring& path)
{
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return stamp;
    stamp.exists = true;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}
