// A bounded run of the edit-session driver (the libFuzzer program runs it without one).
#include "session_fuzz.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

TEST(SessionFuzz, RandomEditingSequencesKeepEveryCheck)
{
    std::mt19937 random(4242);
    for (int run = 0; run < 1500; ++run) {
        std::vector<std::uint8_t> bytes(random() % 700);
        for (std::uint8_t& byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        ASSERT_EQ(corvex_fuzz::fuzzSession(bytes.data(), bytes.size()), "") << "run " << run;
    }
}
