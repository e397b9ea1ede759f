// No C++ exception may leave the library: Explorer and regsvr32 are not C++ and would
// end. Every COM method and export runs its body through Guarded, which turns a failed
// allocation into E_OUTOFMEMORY and anything else thrown into E_FAIL.
#pragma once

#include <windows.h>

#include <new>

namespace vantrix {

template <class Body>
HRESULT Guarded(Body&& body) noexcept
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

} // namespace vantrix
