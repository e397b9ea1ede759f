// A stand-in for the ANSI code page in the native tests: ISO 8859-1, whose 256 bytes are
// the first 256 code points.
#pragma once

#include "platform/stored_text.h"

class Latin1CodePage : public stored::CodePage {
public:
    bool ToAnsi(const std::wstring& text, std::string& bytes) const override
    {
        bytes.clear();
        for (wchar_t unit : text) {
            if (static_cast<unsigned>(unit) > 0xFF)
                return false;
            bytes += static_cast<char>(unit);
        }
        return true;
    }
    std::wstring FromAnsi(const std::string& bytes) const override
    {
        std::wstring text;
        for (char byte : bytes)
            text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
        return text;
    }
};
