// Built into VantrixFaults.dll only, the extension's test build. VantrixSetFaults takes a
// set of bits: 1, registration loses the right to set the Approved value; 2, every
// allocation of the library fails from then on, as on a machine out of memory; 4, the
// type library does not register; 8, the context-menu handler's key cannot be deleted.
#include "shellext/faults.h"

#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

LONG g_faults = 0;

bool Has(LONG fault) { return (InterlockedCompareExchange(&g_faults, 0, 0) & fault) != 0; }
bool Failing() { return Has(2); }

void* Allocate(std::size_t size) noexcept { return Failing() ? nullptr : std::malloc(size ? size : 1); }

} // namespace

namespace vantrix::faults {
bool DenyApproval() { return Has(1); }
bool FailTypeLibrary() { return Has(4); }
bool KeepKeys() { return Has(8); }
} // namespace vantrix::faults

extern "C" void VantrixSetFaults(int faults) { InterlockedExchange(&g_faults, faults); }

void* operator new(std::size_t size)
{
    if (void* memory = Allocate(size))
        return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    if (void* memory = Allocate(size))
        return memory;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
