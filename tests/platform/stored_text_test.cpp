// Text stored in Config.ini: ANSI where the code page holds it, UTF-8 behind a mark where
// it does not, and the UTF-8 conversion under both.
#include "platform/stored_text.h"
#include "tests/platform/latin1_code_page.h"

#include <gtest/gtest.h>

namespace {

using stored::Decode;
using stored::Encode;
using stored::Utf16FromUtf8;
using stored::Utf8FromUtf16;

const Latin1CodePage kAnsi;

// UTF-16 code units, whatever the width of wchar_t.
std::wstring Units(std::initializer_list<unsigned> units)
{
    std::wstring text;
    for (unsigned unit : units)
        text += static_cast<wchar_t>(unit);
    return text;
}

TEST(StoredText, TextTheCodePageHoldsIsStoredAsItsAnsiBytesAsBefore)
{
    EXPECT_EQ(Encode(L"C:\\Docs\\notes.txt", kAnsi), "C:\\Docs\\notes.txt");
    EXPECT_EQ(Encode(Units({'c', 'a', 'f', 0xE9}), kAnsi), "caf\xE9");
    EXPECT_EQ(Encode(L"", kAnsi), "");
    // Whatever an older build wrote reads as it did: its bytes in the code page.
    EXPECT_EQ(Decode("caf\xE9", kAnsi), Units({'c', 'a', 'f', 0xE9}));
    EXPECT_EQ(Decode("", kAnsi), L"");
}

TEST(StoredText, OtherTextIsStoredAsMarkedUtf8AndComesBackWhole)
{
    const std::wstring russian = Units({0x41F, 0x440, 0x43E, 0x435, 0x43A, 0x442});  // Проект
    const std::wstring emoji = Units({0xD83D, 0xDE00, ' ', 'n'});                     // 😀 n
    EXPECT_EQ(Encode(russian, kAnsi), "\xEF\xBB\xBF\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB5\xD0\xBA\xD1\x82");
    EXPECT_EQ(Encode(emoji, kAnsi), "\xEF\xBB\xBF\xF0\x9F\x98\x80 n");
    for (const std::wstring& text : {russian, emoji, Units({'C', ':', '\\', 0x65E5, 0x672C, 0x8A9E, '.', 't'})}) {
        EXPECT_EQ(Decode(Encode(text, kAnsi), kAnsi), text);
    }
    // ANSI bytes that begin like the mark are marked too, so they cannot be misread.
    const std::wstring markLike = Units({0xEF, 0xBB, 0xBF, 'x'});
    EXPECT_EQ(Encode(markLike, kAnsi), "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx");
    EXPECT_EQ(Decode(Encode(markLike, kAnsi), kAnsi), markLike);
}

TEST(StoredText, Utf8OfEveryKindOfUnitRoundTrips)
{
    EXPECT_EQ(Utf8FromUtf16(Units({0x7F, 0x80, 0x7FF, 0x800, 0xFFFF})),
              "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF");
    EXPECT_EQ(Utf8FromUtf16(Units({0xDBFF, 0xDFFF})), "\xF4\x8F\xBF\xBF");  // U+10FFFF
    // Unpaired surrogates, as Windows file names may hold, keep their place.
    for (const std::wstring& text : {Units({0xD800}), Units({'a', 0xDC00, 'b'}), Units({0xDC00, 0xD800}),
                                     Units({0xD800, 'x', 0xDC00}), Units({0xD83D, 0xDE00, 0xD83D})}) {
        EXPECT_EQ(Utf16FromUtf8(Utf8FromUtf16(text)), text);
    }
}

TEST(StoredText, BrokenUtf8ReadsAsReplacementCharactersAndNeverOverruns)
{
    const std::wstring replacement = Units({0xFFFD});
    EXPECT_EQ(Utf16FromUtf8("\x80"), replacement);
    EXPECT_EQ(Utf16FromUtf8("\xC0\xAF"), replacement + replacement) << "overlong";
    EXPECT_EQ(Utf16FromUtf8("\xE0\x80\xAF"), replacement + replacement + replacement) << "overlong";
    EXPECT_EQ(Utf16FromUtf8("\xF4\x90\x80\x80"), Units({0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD})) << "above U+10FFFF";
    EXPECT_EQ(Utf16FromUtf8("a\xE6\x97"), Units({'a', 0xFFFD, 0xFFFD})) << "cut short at the end";
    EXPECT_EQ(Utf16FromUtf8("\xE6" "a"), Units({0xFFFD, 'a'}));
    EXPECT_EQ(Decode("\xEF\xBB\xBF", kAnsi), L"") << "the mark alone";
}

} // namespace
