// Bounded fuzzing: random and mutated inputs for the lexers and the binary parsers.
#include "tests/corvex-scan/fuzz_checks.h"

#include <gtest/gtest.h>

#include <random>

namespace corvex::test {
namespace {

std::vector<std::uint8_t> randomBytes(std::mt19937& random, std::size_t maxSize, const std::string& alphabet) {
    std::vector<std::uint8_t> bytes(random() % (maxSize + 1));
    for (std::uint8_t& b : bytes)
        b = random() % 4 == 0 ? static_cast<std::uint8_t>(random())
                              : static_cast<std::uint8_t>(alphabet[random() % alphabet.size()]);
    return bytes;
}

TEST(ScanFuzz, LexersCoverEveryLineOfRandomBytes) {
    // Bytes that open and close the lexers' constructs, plus NULs and line ends.
    std::string alphabet = "<>?%!-/*(){}[]'\"`\\#$&;=: \t\r\nabcxyzR<%<?php</script>rem";
    alphabet += '\0';
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> bytes = randomBytes(random, 200, alphabet);
        std::string fault = fuzzLexers(bytes.data(), bytes.size());
        ASSERT_EQ(fault, "") << "round " << round;
    }
}

TEST(ScanFuzz, ParsersRejectOrRoundTripRandomBytes) {
    std::mt19937 random(54321);
    const std::vector<std::uint8_t> seeds[] = {
        formats::serializeHotKeys(formats::defaultHotKeys()),
        [] {
            formats::Macro m;
            m.addText("abc");
            formats::MacroAction find;
            find.op = formats::MacroOp::Find;
            find.text = "x";
            m.add(find);
            formats::MacroAction nl;
            m.add(nl);
            return formats::serializeMacro(m);
        }(),
    };
    for (int round = 0; round < 20000; ++round) {
        std::vector<std::uint8_t> bytes;
        if (round % 2) {
            bytes = randomBytes(random, 64, "CVXMK\x01");
        } else { // mutate a valid blob: flip, cut or extend a few bytes
            bytes = seeds[round / 2 % 2];
            for (int flips = 1 + random() % 3; flips > 0; --flips)
                bytes[random() % bytes.size()] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            if (random() % 4 == 0) bytes.resize(random() % (bytes.size() + 8));
        }
        std::string fault = fuzzFormats(bytes.data(), bytes.size());
        ASSERT_EQ(fault, "") << "round " << round;
    }
}

} // namespace
} // namespace corvex::test
