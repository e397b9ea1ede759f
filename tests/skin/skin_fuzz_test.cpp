// Bounded random runs of the skin fuzz driver, as part of the normal tests.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/skin/skin_fuzz_driver.h"

namespace skin::testing {
namespace {

// Bytes that make the parsers take their interesting paths more often than chance would.
constexpr char kAlphabet[] = "0123456789,,,--+  \ttrueTRUEabc";

TEST(SkinFuzz, RandomSkinIniValuesAndSizesNeverBreakTheParsersOrGeometry) {
    std::mt19937 random(20261208);
    std::vector<std::uint8_t> data;
    for (int iteration = 0; iteration < 3000; ++iteration) {
        data.resize(random() % 2048);
        const bool biased = iteration % 2 == 0;
        for (std::uint8_t& b : data)
            b = biased ? std::uint8_t(kAlphabet[random() % (sizeof kAlphabet - 1)]) : std::uint8_t(random());
        FuzzSkinInput(data.data(), data.size());
    }
}

}  // namespace
}  // namespace skin::testing
