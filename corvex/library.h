// Library-internal entry points shared by the exports and the control.
#pragma once

#include <windows.h>

namespace corvex {

extern HINSTANCE g_module;
bool RegisterControlClass();
void UnregisterControlClass();

} // namespace corvex
