#include "corvex/dialogs/wide_text.h"

#include <windows.h>

namespace corvex {

namespace {

std::wstring Widen(UINT page, std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(page, 0, bytes.data(), size, &wide[0], length);
    return wide;
}

} // namespace

std::wstring WideFromUtf8(std::string_view utf8) { return Widen(CP_UTF8, utf8); }

std::wstring WideFromAnsi(std::string_view ansi) { return Widen(CP_ACP, ansi); }

std::string Utf8FromWide(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int units = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, &bytes[0], length, nullptr, nullptr);
    return bytes;
}

std::optional<std::string> AnsiFromWide(std::wstring_view wide)
{
    if (wide.empty())
        return std::string();
    const int units = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), units, nullptr, 0, nullptr,
                                           &lossy);
    if (length <= 0 || lossy)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), units, &bytes[0], length, nullptr, &lossy);
    if (lossy)
        return std::nullopt;
    // A code page without a default character for a lone surrogate may still map it.
    if (Widen(CP_ACP, bytes) != wide)
        return std::nullopt;
    return bytes;
}

} // namespace corvex
