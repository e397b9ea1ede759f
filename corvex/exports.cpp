// Library-wide exports: start-up and shut-down, and the macro, hot-key and
// search-history stores that the program persists between runs.
#include "corvex/include/corvex.h"
#include "corvex/dialogs/dialogs.h"
#include "corvex/hotkeys.h"
#include "corvex/library.h"
#include "corvex/macro_store.h"

CORVEX_API int __cdecl CorvexInitialize(int) { return corvex::RegisterControlClass() ? 1 : 0; }

CORVEX_API int __cdecl CorvexShutdown(void)
{
    corvex::dialogs::ShutdownDialogs();
    corvex::UnregisterControlClass();
    return 1;
}

CORVEX_API int __cdecl CorvexGetHotKeys(void* buffer) { return corvex::GetHotKeyBytes(buffer); }
CORVEX_API int __cdecl CorvexSetHotKeys(const void* data) { return corvex::SetHotKeyBytes(data) ? 1 : 0; }

CORVEX_API int __cdecl CorvexGetMacro(int index, void* buffer) { return corvex::GetMacroBytes(index, buffer); }
CORVEX_API int __cdecl CorvexSetMacro(int index, const void* data) { return corvex::SetMacroBytes(index, data) ? 1 : 0; }

CORVEX_API int __cdecl CorvexSetHistory(const char* text, int list)
{
    corvex::dialogs::SetHistoryText(list, text);
    return 1;
}

CORVEX_API int __cdecl CorvexGetHistory(char* buffer, int list)
{
    return buffer ? corvex::dialogs::GetHistoryText(list, buffer) : 0;
}
