// A block of memory inside another process, for messages whose arguments are pointers.
#pragma once

#include <windows.h>
#include <cstddef>

namespace e2e {

class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void* Address() const { return address_; }
    LPARAM AsLParam(std::size_t offset = 0) const
    {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
    }
    bool Write(const void* data, std::size_t size, std::size_t offset = 0);
    bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    HANDLE process_;
    void* address_;
};

} // namespace e2e
