// Bounded runs of the fuzz drivers (the libFuzzer target runs the same drivers without
// a bound), plus round trips of generated files of every encoding and line-end style.
#include "engine_fuzz.h"

#include "corvex/engine/file_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<std::uint8_t> randomBytes(std::mt19937& rng, std::size_t maxLen) {
    std::vector<std::uint8_t> v(rng() % (maxLen + 1));
    for (auto& b : v) b = static_cast<std::uint8_t>(rng());
    return v;
}

} // namespace

TEST(EngineFuzz, RandomEditSequencesMatchTheModel) {
    std::mt19937 rng(12345);
    for (int iter = 0; iter < 3000; ++iter) {
        const auto bytes = randomBytes(rng, 1200);
        const std::string err = corvex_fuzz::fuzzEdits(bytes.data(), bytes.size());
        ASSERT_EQ(err, "") << "iteration " << iter;
    }
}

TEST(EngineFuzz, RandomBytesDecodeAndEncode) {
    std::mt19937 rng(777);
    for (int iter = 0; iter < 4000; ++iter) {
        auto bytes = randomBytes(rng, 300);
        // Steer some inputs into the interesting prefixes and byte ranges.
        if (iter % 5 == 1 && bytes.size() >= 2) bytes[0] = 0xFF, bytes[1] = 0xFE;
        if (iter % 5 == 2 && bytes.size() >= 2) bytes[0] = 0xFE, bytes[1] = 0xFF;
        if (iter % 5 == 3 && bytes.size() >= 3) bytes[0] = 0xEF, bytes[1] = 0xBB, bytes[2] = 0xBF;
        if (iter % 3 == 0)
            for (auto& b : bytes) b = "\r\n\0a\xC3\xA9 "[b % 7];
        const std::string err = corvex_fuzz::fuzzCodec(bytes.data(), bytes.size());
        ASSERT_EQ(err, "") << "iteration " << iter;
    }
}

TEST(EngineFuzz, GeneratedFilesRoundTripExactly) {
    using corvex::Encoding;
    using corvex::LineEnd;
    std::mt19937 rng(99);
    const Encoding encodings[] = {Encoding::Ansi, Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf16LE,
                                  Encoding::Utf16BE};
    const LineEnd styles[] = {LineEnd::CRLF, LineEnd::LF, LineEnd::CR};
    const char* seqs[] = {"\r\n", "\n", "\r"};
    for (int iter = 0; iter < 3000; ++iter) {
        const Encoding enc = encodings[iter % 5];
        const int style = (iter / 5) % 3;
        const bool utf16 = enc == Encoding::Utf16LE || enc == Encoding::Utf16BE;
        // Lines of random code points (no CR/LF), joined by the style's line end.
        std::vector<std::uint32_t> cps;
        const int lines = static_cast<int>(rng() % 6);
        for (int l = 0; l < lines; ++l) {
            const int len = static_cast<int>(rng() % 12);
            for (int k = 0; k < len; ++k) {
                std::uint32_t cp;
                switch (rng() % 4) {
                case 0: cp = rng() % 0x80; break;
                case 1: cp = 0x80 + rng() % 0x780; break;
                case 2: cp = 0x800 + rng() % 0xF800; break;
                default: cp = 0x10000 + rng() % 0x100000; break;
                }
                if (cp == '\r' || cp == '\n' || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0;
                if (enc == Encoding::Ansi) cp &= 0xFF;  // bytes, any
                if (enc == Encoding::Ansi && (cp == '\r' || cp == '\n')) cp = 'x';
                cps.push_back(cp);
            }
            if (l + 1 < lines || rng() % 2) cps.push_back(0xFFFFFFFF);  // a line end
        }
        std::string file;
        if (enc == Encoding::Utf8Bom) file = "\xEF\xBB\xBF";
        if (enc == Encoding::Utf16LE) file = "\xFF\xFE";
        if (enc == Encoding::Utf16BE) file = "\xFE\xFF";
        auto unit = [&](std::uint32_t u) {
            const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
            if (enc == Encoding::Utf16LE) file += lo, file += hi;
            else file += hi, file += lo;
        };
        for (std::uint32_t cp : cps) {
            if (cp == 0xFFFFFFFF) {
                for (const char* s = seqs[style]; *s; ++s) utf16 ? unit(static_cast<unsigned char>(*s)) : void(file += *s);
            } else if (enc == Encoding::Ansi) {
                file += static_cast<char>(cp);
            } else if (utf16) {
                if (cp < 0x10000) unit(cp);
                else unit(0xD800 + ((cp - 0x10000) >> 10)), unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                std::string u8;
                if (cp < 0x80) u8 += static_cast<char>(cp);
                else if (cp < 0x800) u8 += static_cast<char>(0xC0 | (cp >> 6)), u8 += static_cast<char>(0x80 | (cp & 0x3F));
                else if (cp < 0x10000)
                    u8 += static_cast<char>(0xE0 | (cp >> 12)), u8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                        u8 += static_cast<char>(0x80 | (cp & 0x3F));
                else
                    u8 += static_cast<char>(0xF0 | (cp >> 18)), u8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
                        u8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), u8 += static_cast<char>(0x80 | (cp & 0x3F));
                file += u8;
            }
        }
        const auto d = corvex::decodeFile(file);
        ASSERT_EQ(corvex::encodeFile(d.text, d.encoding, d.lineEnd), file) << "iteration " << iter;
        if (utf16 || enc == Encoding::Utf8Bom) {
            EXPECT_EQ(d.encoding, enc) << "iteration " << iter;
        }
        if (file.find_first_of("\r\n") != std::string::npos && !utf16) {
            EXPECT_EQ(d.lineEnd, styles[style]) << "iteration " << iter;
        }
    }
}
