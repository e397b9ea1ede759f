// Library-wide exports: start-up and shut-down, and the macro, hot-key and
// search-history stores that the program persists between runs.
#include "corvex/include/corvex.h"
#include "corvex/hotkeys.h"
#include "corvex/library.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> g_macros[10];
std::string g_history[2];

int CopyOut(const std::vector<unsigned char>& bytes, void* buffer)
{
    if (buffer && !bytes.empty())
        std::memcpy(buffer, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
}

// Stored blobs start with their own 32-bit length, so the library can take them without a size.
std::vector<unsigned char> CopyIn(const void* data)
{
    if (!data)
        return {};
    unsigned int length = 0;
    std::memcpy(&length, data, sizeof length);
    if (length < sizeof length || length > (1u << 24))
        return {};
    const auto* bytes = static_cast<const unsigned char*>(data);
    return std::vector<unsigned char>(bytes, bytes + length);
}

} // namespace

CORVEX_API int __cdecl CorvexInitialize(int) { return corvex::RegisterControlClass() ? 1 : 0; }

CORVEX_API int __cdecl CorvexShutdown(void)
{
    corvex::UnregisterControlClass();
    return 1;
}

CORVEX_API int __cdecl CorvexGetHotKeys(void* buffer) { return corvex::GetHotKeyBytes(buffer); }
CORVEX_API int __cdecl CorvexSetHotKeys(const void* data) { return corvex::SetHotKeyBytes(data) ? 1 : 0; }

CORVEX_API int __cdecl CorvexGetMacro(int index, void* buffer)
{
    return index >= 0 && index < 10 ? CopyOut(g_macros[index], buffer) : 0;
}

CORVEX_API int __cdecl CorvexSetMacro(int index, const void* data)
{
    if (index < 0 || index >= 10)
        return 0;
    g_macros[index] = CopyIn(data);
    return 1;
}

CORVEX_API int __cdecl CorvexSetHistory(const char* text, int list)
{
    g_history[list == 1 ? 1 : 0] = text ? std::string(text, strnlen(text, corvex::kHistoryBufferSize - 1)) : "";
    return 1;
}

CORVEX_API int __cdecl CorvexGetHistory(char* buffer, int list)
{
    if (!buffer)
        return 0;
    const std::string& text = g_history[list == 1 ? 1 : 0];
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}
