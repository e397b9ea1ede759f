// The library's own state: its module handle and the count of live objects and locks
// that DllCanUnloadNow answers from.
#pragma once

#include <windows.h>

namespace vantrix {

HMODULE Module();
void LockModule();
void UnlockModule();
bool ModuleInUse();

} // namespace vantrix
