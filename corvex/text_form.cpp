#include "corvex/text_form.h"

#include "corvex/dialogs/wide_text.h"

#include <windows.h>

namespace corvex {

std::string DocumentTextOf(const std::wstring& text, Encoding encoding)
{
    if (isUtf8Text(encoding))
        return Utf8FromWide(text);
    std::optional<std::string> bytes = AnsiFromWide(text);
    if (!bytes) {
        MessageBeep(MB_ICONWARNING);
        return {};
    }
    return *bytes;
}

std::wstring DisplayTextOf(std::string_view text, Encoding encoding)
{
    return isUtf8Text(encoding) ? WideFromUtf8(text) : WideFromAnsi(text);
}

std::optional<std::string> DocumentTextOfUtf8(std::string_view utf8, Encoding encoding)
{
    if (isUtf8Text(encoding))
        return std::string(utf8);
    return AnsiFromWide(WideFromUtf8(utf8));
}

std::wstring TypedUnits::take(wchar_t unit)
{
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        pending_ = unit;
        return {};
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        const wchar_t high = pending_;
        pending_ = 0;
        return high ? std::wstring{high, unit} : std::wstring();
    }
    pending_ = 0;
    return std::wstring(1, unit);
}

} // namespace corvex
