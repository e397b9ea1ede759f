#include "corvex/global_text.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>

namespace corvex {
namespace {

HGLOBAL GlobalCopy(const void* bytes, std::size_t size)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory) {
        std::memcpy(GlobalLock(memory), bytes, size);
        GlobalUnlock(memory);
    }
    return memory;
}

} // namespace

HGLOBAL GlobalUnicodeText(const std::wstring& text)
{
    return GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

HGLOBAL GlobalAnsiText(const std::wstring& text)
{
    const int units = static_cast<int>(text.size()) + 1;
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), units, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return nullptr;
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), units, &ansi[0], size, nullptr, nullptr);
    return GlobalCopy(ansi.data(), ansi.size());
}

bool ReadGlobalUnicodeText(HGLOBAL memory, std::wstring& text)
{
    const auto* units = static_cast<const wchar_t*>(GlobalLock(memory));
    if (!units)
        return false;
    text.assign(units, wcsnlen(units, GlobalSize(memory) / sizeof(wchar_t)));
    GlobalUnlock(memory);
    return true;
}

bool ReadGlobalAnsiText(HGLOBAL memory, std::wstring& text)
{
    const auto* bytes = static_cast<const char*>(GlobalLock(memory));
    if (!bytes)
        return false;
    // The converter counts in int: a text longer than that (a block above 2 GB) is cut there.
    const int length = static_cast<int>(std::min<std::size_t>(strnlen(bytes, GlobalSize(memory)), INT_MAX));
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes, length, nullptr, 0);
    text.assign(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0)
        MultiByteToWideChar(CP_ACP, 0, bytes, length, &text[0], units);
    GlobalUnlock(memory);
    return true;
}

} // namespace corvex
