#include "corvex/engine/file_codec.h"
#include "corvex/engine/text_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

using corvex::decodeFile;
using corvex::Encoding;
using corvex::encodeFile;
using corvex::LineEnd;

namespace {

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list) s.push_back(static_cast<char>(b));
    return s;
}

std::string utf16le(const std::u16string& s, bool bom = true) {
    std::string out = bom ? bytes({0xFF, 0xFE}) : std::string();
    for (char16_t c : s) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

std::string utf16be(const std::u16string& s) {
    std::string out = bytes({0xFE, 0xFF});
    for (char16_t c : s) {
        out.push_back(static_cast<char>(c >> 8));
        out.push_back(static_cast<char>(c & 0xFF));
    }
    return out;
}

void expectRoundTrip(const std::string& file) {
    const auto d = decodeFile(file);
    EXPECT_EQ(encodeFile(d), file);
    corvex::TextBuffer b(d.text);
    b.setLineEndKinds(d.lineEndKinds);
    EXPECT_EQ(encodeFile(b, d.encoding, d.lineEnd), file);
}

// A single-byte code page like Windows-1252: ASCII, the euro sign at 0x80, Latin-1 above
// 0xA0, and 0x81 standing for nothing.
corvex::ByteCodePage westernCodePage() {
    std::array<std::uint32_t, 256> table;
    for (std::uint32_t b = 0; b < 256; ++b) table[b] = b;
    table[0x80] = 0x20AC;
    table[0x81] = corvex::ByteCodePage::kNoCharacter;
    table[0x9C] = 0x0153;  // oe ligature
    return corvex::ByteCodePage(table);
}

} // namespace

TEST(FileCodec, AsciiIsUtf8WithCrlf) {
    // Plain ASCII is valid UTF-8: whatever is typed into it later can be kept.
    const auto d = decodeFile("one\r\ntwo\r\n");
    EXPECT_EQ(d.encoding, Encoding::Utf8);
    EXPECT_EQ(d.lineEnd, LineEnd::CRLF);
    EXPECT_EQ(d.text, "one\ntwo\n");
    expectRoundTrip("one\r\ntwo\r\n");
}

TEST(FileCodec, NoLineEndDefaultsToCrlf) {
    EXPECT_EQ(decodeFile("single line").lineEnd, LineEnd::CRLF);
    EXPECT_EQ(decodeFile("").lineEnd, LineEnd::CRLF);
    EXPECT_EQ(decodeFile("").encoding, Encoding::Utf8);
    expectRoundTrip("");
}

TEST(FileCodec, LfAndCrFiles) {
    auto d = decodeFile("a\nb\n");
    EXPECT_EQ(d.lineEnd, LineEnd::LF);
    EXPECT_EQ(d.text, "a\nb\n");
    d = decodeFile("a\rb\r");
    EXPECT_EQ(d.lineEnd, LineEnd::CR);
    EXPECT_EQ(d.text, "a\nb\n");
    expectRoundTrip("a\nb\n");
    expectRoundTrip("a\rb\r\r");
}

TEST(FileCodec, MajorityDecidesTheStyleTiesGoToTheFirst) {
    EXPECT_EQ(decodeFile("a\nb\r\nc\r\n").lineEnd, LineEnd::CRLF);
    EXPECT_EQ(decodeFile("a\r\nb\nc\n").lineEnd, LineEnd::LF);
    EXPECT_EQ(decodeFile("a\rb\nc").lineEnd, LineEnd::CR);
    EXPECT_EQ(decodeFile("a\nb\rc").lineEnd, LineEnd::LF);
    EXPECT_EQ(decodeFile("a\r\nb\rc").lineEnd, LineEnd::CRLF);
}

TEST(FileCodec, OtherCarriageReturnsStayBytes) {
    // An LF file with a CRLF keeps the '\r', so it round-trips exactly.
    auto d = decodeFile("a\nb\r\nc\n");
    EXPECT_EQ(d.lineEnd, LineEnd::LF);
    EXPECT_EQ(d.text, "a\nb\r\nc\n");
    expectRoundTrip("a\nb\r\nc\n");
    // A CRLF file with a lone CR keeps it too.
    d = decodeFile("a\r\nb\rc\r\n");
    EXPECT_EQ(d.text, "a\nb\rc\n");
    expectRoundTrip("a\r\nb\rc\r\n");
    expectRoundTrip("\r\r\n\r\n");
}

TEST(FileCodec, MixedLineEndsAreWrittenBackAsTheyWere) {
    // CRLF file with a lone LF: the LF is a line end of its own kind.
    auto d = decodeFile("a\r\nb\nc\rd\r\n");
    EXPECT_EQ(d.lineEnd, LineEnd::CRLF);
    EXPECT_EQ(d.text, "a\nb\nc\rd\n");
    EXPECT_EQ(d.lineEndKinds, (std::vector<unsigned char>{corvex::kStyleLineEnd, corvex::kLfLineEnd,
                                                          corvex::kStyleLineEnd}));
    expectRoundTrip("a\r\nb\nc\rd\r\n");
    // CR file with a CRLF and an LF: each one line end.
    d = decodeFile("a\rb\r\nc\nd\re\r");
    EXPECT_EQ(d.lineEnd, LineEnd::CR);
    EXPECT_EQ(d.text, "a\nb\nc\nd\ne\n");
    EXPECT_EQ(d.lineEndKinds.size(), 5u);
    expectRoundTrip("a\rb\r\nc\nd\re\r");
    // A uniform file keeps no kinds at all.
    EXPECT_TRUE(decodeFile("a\r\nb\r\n").lineEndKinds.empty());
    // The same in UTF-16.
    expectRoundTrip(utf16le(u"a\r\nb\nc\r\n"));
    // A new line end in such a document takes the style.
    corvex::TextBuffer b(decodeFile("a\r\nb\nc").text);
    b.setLineEndKinds(decodeFile("a\r\nb\nc").lineEndKinds);
    b.insert(0, "new\n");
    EXPECT_EQ(encodeFile(b, Encoding::Utf8, LineEnd::CRLF), "new\r\na\r\nb\nc");
}

TEST(FileCodec, ACodePageFileIsHeldAsUtf8AndWrittenBackByteForByte) {
    const corvex::ByteCodePage page = westernCodePage();
    const std::string file = "caf\xE9 \x80 \x9C\r\nz";
    const auto d = decodeFile(file, 0, &page);
    EXPECT_EQ(d.encoding, Encoding::CodePage);
    EXPECT_EQ(d.text, "caf\xC3\xA9 \xE2\x82\xAC \xC5\x93\nz");
    EXPECT_EQ(encodeFile(d, &page), file);
    const auto inPlace = corvex::decodeFileInPlace(std::string(file), 16, &page);
    EXPECT_EQ(inPlace.text, d.text);
    EXPECT_EQ(inPlace.encoding, Encoding::CodePage);

    corvex::TextBuffer b(d.text);
    std::string out;
    ASSERT_TRUE(corvex::encodeFileTo(b, Encoding::CodePage, LineEnd::CRLF, &page, out));
    EXPECT_EQ(out, file);
    // A character the code page lacks cannot be written in it.
    b.insert(0, "\xE6\x97\xA5");
    EXPECT_FALSE(corvex::encodeFileTo(b, Encoding::CodePage, LineEnd::CRLF, &page, out));
    ASSERT_TRUE(corvex::encodeFileTo(b, Encoding::Utf8, LineEnd::CRLF, &page, out));
    EXPECT_EQ(out, "\xE6\x97\xA5" "caf\xC3\xA9 \xE2\x82\xAC \xC5\x93\r\nz");
}

TEST(FileCodec, ABytePageCannotDescribeIsKeptAsRawBytes) {
    const corvex::ByteCodePage page = westernCodePage();
    const std::string file = "a\x81 \xE9";
    const auto d = decodeFile(file, 0, &page);
    EXPECT_EQ(d.encoding, Encoding::Ansi);
    EXPECT_EQ(d.text, file);
    EXPECT_EQ(encodeFile(d, &page), file);
    // UTF-8 files are never taken for the code page.
    EXPECT_EQ(decodeFile("caf\xC3\xA9", 0, &page).encoding, Encoding::Utf8);
}

TEST(FileCodec, NulBytesSurvive) {
    const std::string file("a\0b\r\n\0\0\r\nz\0", 12);
    const auto d = decodeFile(file);
    EXPECT_EQ(d.text, std::string("a\0b\n\0\0\nz\0", 10));
    expectRoundTrip(file);
    expectRoundTrip(std::string(100, '\0'));
}

TEST(FileCodec, Utf8WithoutBom) {
    const std::string file = "caf\xC3\xA9\r\n\xE2\x82\xAC \xF0\x9F\x98\x80\r\n";
    const auto d = decodeFile(file);
    EXPECT_EQ(d.encoding, Encoding::Utf8);
    EXPECT_EQ(d.text, "caf\xC3\xA9\n\xE2\x82\xAC \xF0\x9F\x98\x80\n");
    expectRoundTrip(file);
}

TEST(FileCodec, InvalidUtf8IsAnsi) {
    EXPECT_EQ(decodeFile("caf\xE9").encoding, Encoding::Ansi);                  // Latin-1 byte
    EXPECT_EQ(decodeFile("\xC3\xA9 and \xE9").encoding, Encoding::Ansi);        // mixed
    EXPECT_EQ(decodeFile("\xC0\xAF").encoding, Encoding::Ansi);                 // overlong
    EXPECT_EQ(decodeFile("\xED\xA0\x80").encoding, Encoding::Ansi);             // surrogate
    EXPECT_EQ(decodeFile("\xF4\x90\x80\x80").encoding, Encoding::Ansi);         // > U+10FFFF
    EXPECT_EQ(decodeFile("\xE2\x82").encoding, Encoding::Ansi);                 // truncated
    expectRoundTrip("caf\xE9\r\n\xFF\xFE\xFD");
}

TEST(FileCodec, Utf8WithBomKeepsItsBytes) {
    const std::string file = "\xEF\xBB\xBFhi\r\nthere \xE9";  // invalid byte after the BOM
    const auto d = decodeFile(file);
    EXPECT_EQ(d.encoding, Encoding::Utf8Bom);
    EXPECT_EQ(d.text, "hi\nthere \xE9");
    expectRoundTrip(file);
    expectRoundTrip("\xEF\xBB\xBF");
}

TEST(FileCodec, Utf16LittleEndian) {
    const std::string file = utf16le(u"h\u00E9\r\n\u20AC\U0001F600\r\n");
    const auto d = decodeFile(file);
    EXPECT_EQ(d.encoding, Encoding::Utf16LE);
    EXPECT_EQ(d.lineEnd, LineEnd::CRLF);
    EXPECT_EQ(d.text, std::string("h\xC3\xA9\n\xE2\x82\xAC\xF0\x9F\x98\x80\n", 12));
    expectRoundTrip(file);
    expectRoundTrip(utf16le(std::u16string(u"a\0b\nc", 5)));
}

TEST(FileCodec, Utf16BigEndian) {
    const std::string file = utf16be(u"x\ry\r\U0001F600");
    const auto d = decodeFile(file);
    EXPECT_EQ(d.encoding, Encoding::Utf16BE);
    EXPECT_EQ(d.lineEnd, LineEnd::CR);
    EXPECT_EQ(d.text, "x\ny\n\xF0\x9F\x98\x80");
    expectRoundTrip(file);
    expectRoundTrip(bytes({0xFE, 0xFF}));
}

TEST(FileCodec, BrokenUtf16FallsBackToExactBytes) {
    const std::string odd = utf16le(u"ab\r\n") + "z";
    const std::string loneHigh = utf16le(u"a\xD800" u"b\r\n");
    const std::string loneLow = utf16le(u"\xDC00" u"a");
    const std::string highAtEnd = utf16le(u"a\xD83D");
    for (const std::string& f : {odd, loneHigh, loneLow, highAtEnd}) {
        const auto d = decodeFile(f);
        EXPECT_EQ(d.encoding, Encoding::Ansi);
        EXPECT_TRUE(d.utf16Fallback);
        EXPECT_EQ(d.text, f);
        expectRoundTrip(f);
    }
}

// decodeUtf16File over a file's bytes, read in pieces of the given sizes in turn.
static bool decodeInPieces(const std::string& file, const std::vector<std::size_t>& sizes, corvex::DecodedFile& out) {
    std::size_t at = 2, turn = 0;
    const auto read = [&](char* dst, std::size_t capacity) {
        const std::size_t n = std::min({sizes[turn++ % sizes.size()], capacity, file.size() - at});
        std::copy(file.begin() + static_cast<std::ptrdiff_t>(at), file.begin() + static_cast<std::ptrdiff_t>(at + n), dst);
        at += n;
        return n;
    };
    const auto rewind = [&] {
        at = 2;
        return true;
    };
    return corvex::decodeUtf16File(read, rewind, static_cast<unsigned char>(file[0]) == 0xFE, nullptr, out);
}

TEST(FileCodec, Utf16ReadInPiecesDecodesAsTheWholeFileWherePiecesEndInsideCharacters) {
    std::u16string text;
    for (int i = 0; i < 3000; ++i) text += u"ab\u00E9\r\n\U0001F600\u20AC\rxyz0123\n";
    for (const std::string& file : {utf16le(text), utf16be(text), utf16le(u""), utf16le(u"\U0001F600")}) {
        for (const auto& sizes : {std::vector<std::size_t>{1}, {3, 1, 2}, {7}, {4096}, {1u << 30}}) {
            corvex::DecodedFile pieces;
            ASSERT_TRUE(decodeInPieces(file, sizes, pieces)) << sizes[0];
            const auto whole = decodeFile(file);
            EXPECT_EQ(pieces.text, whole.text);
            EXPECT_EQ(pieces.encoding, whole.encoding);
            EXPECT_EQ(pieces.lineEnd, whole.lineEnd);
            EXPECT_EQ(pieces.lineEndKinds, whole.lineEndKinds);
        }
    }
}

TEST(FileCodec, Utf16ReadInPiecesRefusesWhatTheWholeFileKeepsAsBytes) {
    const std::string broken[] = {utf16le(u"ab\r\n") + "z", utf16le(u"a\xD800" u"b\r\n"), utf16le(u"\xDC00" u"a"),
                                  utf16le(u"a\xD83D")};
    for (const std::string& file : broken) {
        corvex::DecodedFile out;
        out.text = "untouched";
        EXPECT_FALSE(decodeInPieces(file, {1, 2}, out));
        EXPECT_EQ(out.text, "untouched");
    }
}

TEST(FileCodec, AUtf16FileThatGrowsBetweenTheTwoReadsIsRefused) {
    std::string file = utf16le(u"short\r\n");
    std::size_t at = 2;
    int reads = 0;
    const auto read = [&](char* dst, std::size_t capacity) {
        const std::size_t n = std::min(capacity, file.size() - at);
        std::copy(file.begin() + static_cast<std::ptrdiff_t>(at), file.begin() + static_cast<std::ptrdiff_t>(at + n), dst);
        at += n;
        return n;
    };
    const auto rewindAndGrow = [&] {
        ++reads;
        file += utf16le(u"more text written meanwhile", false);
        at = 2;
        return true;
    };
    corvex::DecodedFile out;
    EXPECT_FALSE(corvex::decodeUtf16File(read, rewindAndGrow, false, nullptr, out));
    EXPECT_EQ(reads, 1);
}

TEST(FileCodec, EncodingAnyTextAsUtf16NeverCrashes) {
    // Bytes that are not UTF-8 are written as their Latin-1 characters.
    const std::string out = encodeFile("a\xE9\n", Encoding::Utf16LE, LineEnd::CRLF);
    EXPECT_EQ(out, utf16le(u"a\u00E9\r\n"));
    const std::string trunc = encodeFile("\xF0\x9F", Encoding::Utf16BE, LineEnd::LF);
    EXPECT_EQ(trunc, utf16be(u"\u00F0\u009F"));
}

TEST(FileCodec, ConvertingBetweenEncodings) {
    const auto d = decodeFile("caf\xC3\xA9\n");
    EXPECT_EQ(encodeFile(d.text, Encoding::Utf8Bom, LineEnd::CRLF), "\xEF\xBB\xBF" "caf\xC3\xA9\r\n");
    EXPECT_EQ(encodeFile(d.text, Encoding::Utf16LE, LineEnd::LF), utf16le(u"caf\u00E9\n"));
}

TEST(FileCodec, ChunkedEncodingDoesNotSplitCharacters) {
    // More than one 1 MB chunk of multi-byte characters, so chunk edges fall inside them.
    std::string text;
    while (text.size() < (3u << 20)) text += "\xE2\x82\xAC\xF0\x9F\x98\x80" "a\n";
    corvex::TextBuffer b(text);
    EXPECT_EQ(encodeFile(b, Encoding::Utf16LE, LineEnd::CRLF), encodeFile(text, Encoding::Utf16LE, LineEnd::CRLF));
    EXPECT_EQ(encodeFile(b, Encoding::Utf8, LineEnd::CRLF), encodeFile(text, Encoding::Utf8, LineEnd::CRLF));
}

TEST(FileCodec, PiecesAreBoundedInOrderAndAFailingSinkStopsTheEncoding) {
    std::string text;
    while (text.size() < (5u << 20)) text += "caf\xC3\xA9 line\n";
    corvex::TextBuffer b(text);
    for (Encoding e : {Encoding::Utf8Bom, Encoding::Utf16LE}) {
        std::string joined;
        std::size_t pieces = 0, largest = 0;
        ASSERT_TRUE(corvex::encodeFileInPieces(b, e, LineEnd::CRLF, nullptr, [&](std::string_view piece) {
            joined.append(piece.data(), piece.size());
            largest = std::max(largest, piece.size());
            ++pieces;
            return true;
        }));
        EXPECT_EQ(joined, encodeFile(text, e, LineEnd::CRLF));
        EXPECT_GE(pieces, 5u);
        EXPECT_LE(largest, 3u << 20) << "a piece is about a megabyte of text, never the whole";
    }
    int calls = 0;
    EXPECT_FALSE(corvex::encodeFileInPieces(b, Encoding::Utf8, LineEnd::CRLF, nullptr,
                                            [&](std::string_view) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2) << "nothing more is encoded once the sink failed";
}

TEST(FileCodec, ExtraCapacityIsReserved) {
    const auto d = decodeFile("abc\r\n", 1000);
    EXPECT_GE(d.text.capacity(), d.text.size() + 1000);
}

TEST(FileCodec, NormaliseAllLineEnds) {
    EXPECT_EQ(corvex::normaliseAllLineEnds("a\r\nb\rc\nd\r"), "a\nb\nc\nd\n");
}

TEST(FileCodec, Names) {
    EXPECT_STREQ(corvex::encodingName(Encoding::Utf16BE), "UTF-16 BE");
    EXPECT_STREQ(corvex::lineEndName(LineEnd::CR), "CR");
}

TEST(FileCodec, InPlaceDecodingMatchesTheCopyingOne) {
    const std::string files[] = {
        "a\r\nb\r\n", "x\ny\r\n", "\xEF\xBB\xBFhi\r\n", "caf\xC3\xA9\n", std::string("\xFF\xFEh\0i\0", 6), "\xFF\xFE\x01",
        std::string("\xFE\xFF\0a\0\r", 6), "", "\xEF\xBB",
    };
    for (const std::string& f : files) {
        const auto a = decodeFile(std::string_view(f), 64);
        const auto b = corvex::decodeFileInPlace(std::string(f), 64);
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.encoding, b.encoding);
        EXPECT_EQ(a.lineEnd, b.lineEnd);
        EXPECT_EQ(a.utf16Fallback, b.utf16Fallback);
        EXPECT_EQ(a.lineEndKinds, b.lineEndKinds);
        EXPECT_GE(b.text.capacity(), b.text.size() + 64);
    }
    // The bytes' own memory becomes the text.
    std::string bytes;
    bytes.reserve(1000);
    bytes = "one\r\ntwo";
    const char* storage = bytes.data();
    const auto d = corvex::decodeFileInPlace(std::move(bytes), 100);
    EXPECT_EQ(d.text, "one\ntwo");
    EXPECT_EQ(d.text.data(), storage);
}
