#include "platform/ansi_text.h"

#include <windows.h>

std::wstring WidenAnsi(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string NarrowToAnsi(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), size, &narrow[0], length, nullptr, nullptr);
    return narrow;
}

namespace {

class SystemCodePage : public stored::CodePage {
public:
    bool ToAnsi(const std::wstring& text, std::string& bytes) const override
    {
        bytes.clear();
        if (text.empty())
            return true;
        const bool utf8 = GetACP() == CP_UTF8;  // takes neither flags nor the default-used report
        const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
        BOOL defaulted = FALSE;
        BOOL* const report = utf8 ? nullptr : &defaulted;
        const int size = static_cast<int>(text.size());
        const int length = WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, report);
        if (length <= 0 || defaulted)
            return false;
        bytes.resize(static_cast<std::size_t>(length));
        WideCharToMultiByte(CP_ACP, flags, text.data(), size, &bytes[0], length, nullptr, report);
        return !defaulted && WidenAnsi(bytes) == text;
    }
    std::wstring FromAnsi(const std::string& bytes) const override { return WidenAnsi(bytes); }
};

} // namespace

const stored::CodePage& AnsiCodePage()
{
    static const SystemCodePage codePage;
    return codePage;
}
