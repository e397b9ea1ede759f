// Whether a file's text can be held in the memory the process can still use. Asked
// before a file is read, so that a file far too large for it is refused at once, not
// after a long read that ends in running out of memory.
#pragma once

#include <string>

namespace corvex {

// The memory a file of `fileBytes` takes once read: its text in the engine's blocks,
// which are not filled to the brim, with the index of its lines, comes to about a fifth
// more than the file. Saturates at the largest value instead of wrapping round.
constexpr unsigned long long MemoryForFile(unsigned long long fileBytes)
{
    const unsigned long long need = fileBytes + fileBytes / 5;
    return need < fileBytes ? ~0ull : need;
}

// Whether a file of `fileBytes` fits in `room` bytes of memory.
constexpr bool FileFitsInRoom(unsigned long long fileBytes, unsigned long long room)
{
    return MemoryForFile(fileBytes) <= room;
}

// The memory the process can still take: the smaller of the address space left to it
// and what the system can still commit for it. The largest value when the system does
// not say.
unsigned long long MemoryRoomNow();

// Whether the file at `path` fits in the memory the process has left. A file whose
// size cannot be read counts as fitting: reading it then tells whether it can be read.
bool FileFitsInMemory(const std::wstring& path);

} // namespace corvex
