#include "tests/harness/remote_memory.h"

namespace e2e {

RemoteMemory::RemoteMemory(HANDLE process, std::size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
{
}

RemoteMemory::~RemoteMemory()
{
    if (address_)
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteMemory::Write(const void* data, std::size_t size, std::size_t offset)
{
    SIZE_T written = 0;
    return address_ && WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &written) &&
           written == size;
}

bool RemoteMemory::Read(void* data, std::size_t size, std::size_t offset) const
{
    SIZE_T read = 0;
    return address_ && ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &read) &&
           read == size;
}

} // namespace e2e
