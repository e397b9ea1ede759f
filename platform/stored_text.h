// Text between UTF-16 (what the wide Win32 functions take) and the bytes Quillet stores in
// Config.ini. No Windows here: the ANSI code page comes in through CodePage.
//
// The stored form of a value:
//  - a text the ANSI code page holds exactly is stored as its ANSI bytes, as Quillet has
//    always stored it: an existing Config.ini reads the same, and an older build reads
//    what a newer one writes;
//  - any other text (a name in another script, an emoji) is stored as the UTF-8
//    signature EF BB BF followed by the text in UTF-8, which round-trips; so is an ANSI
//    text whose bytes happen to begin with the signature, so the two never mix.
// std::wstring holds UTF-16 code units here on every platform (on Linux, one unit per
// wchar_t), so that the same code builds natively for the tests.
#pragma once

#include <string>

namespace stored {

// Bytes that begin a value stored as UTF-8.
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// UTF-16 to UTF-8 and back. Unpaired surrogates (Windows file names may hold them) are
// written as their three-byte forms and read back, so every UTF-16 string round-trips;
// bytes that are not UTF-8 read as U+FFFD, one for each byte of a broken sequence.
std::string Utf8FromUtf16(const std::wstring& text);
std::wstring Utf16FromUtf8(const std::string& bytes);

// The machine's ANSI code page.
class CodePage {
public:
    virtual ~CodePage() = default;
    // The text in the code page; false when a character has no exact form there.
    virtual bool ToAnsi(const std::wstring& text, std::string& bytes) const = 0;
    virtual std::wstring FromAnsi(const std::string& bytes) const = 0;
};

std::string Encode(const std::wstring& text, const CodePage& ansi);
std::wstring Decode(const std::string& bytes, const CodePage& ansi);

} // namespace stored
