// What DllRegisterServer and DllUnregisterServer write and remove: the class, its
// ProgIDs, the "*" context-menu handler, the Approved value and the type library.
#pragma once

#include <windows.h>

namespace vantrix {

HRESULT Register();
HRESULT Unregister();

} // namespace vantrix
