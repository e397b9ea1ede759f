// Files far larger than the memory of the machine, which cost no disk space: their size
// is set without writing anything, so that the file system keeps them sparse.
#pragma once

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <string>

namespace testing_support {

constexpr unsigned long long kGigabyte = 1ull << 30;

// A whole number of gigabytes, four more than all the memory the system can commit (its
// RAM and page files) and, where that is below a terabyte (a 32-bit process), than the
// process's address space: no process of this machine can hold a file of this size.
inline unsigned long long SizeBeyondMemory()
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    unsigned long long size = std::max(status.ullTotalPageFile, status.ullTotalPhys);
    if (status.ullTotalVirtual < 1024 * kGigabyte)
        size = std::max(size, status.ullTotalVirtual);
    return (size / kGigabyte + 4) * kGigabyte;
}

// Makes the file at `path` (created when missing, its bytes kept) `size` bytes long
// without writing: the part beyond its old end reads as zeros and takes no space.
inline bool SetSparseSize(const std::wstring& path, unsigned long long size)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    // NTFS allocates the whole length of a file that is not marked sparse; Wine's files
    // on Linux are sparse either way (and it may not know the request).
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool set = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return set;
}

// Deletes the file at `path` when it goes out of scope.
class FileRemover {
public:
    explicit FileRemover(std::wstring path) : path_(std::move(path)) {}
    ~FileRemover() { DeleteFileW(path_.c_str()); }
    FileRemover(const FileRemover&) = delete;
    FileRemover& operator=(const FileRemover&) = delete;

private:
    std::wstring path_;
};

} // namespace testing_support
