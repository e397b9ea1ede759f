// The library-wide values the program stores between runs: the search histories and the
// hot-key table, through their exports.
#include "control_fixture.h"

#include <vector>

namespace {

TEST(LibraryValues, SearchHistoriesRoundTripAsOneStringPerList)
{
    CorvexSetHistory("alpha\nbeta", 1);
    CorvexSetHistory("gamma", 0);
    char buffer[corvex::kHistoryBufferSize];
    EXPECT_EQ(CorvexGetHistory(buffer, 1), 10);
    EXPECT_STREQ(buffer, "alpha\nbeta");
    CorvexGetHistory(buffer, 0);
    EXPECT_STREQ(buffer, "gamma");

    // A history longer than the buffer drops its oldest entries.
    std::string many;
    for (int k = 0; k < 300; ++k)
        many += "entry" + std::to_string(k) + "\n";
    CorvexSetHistory(many.c_str(), 1);
    const int length = CorvexGetHistory(buffer, 1);
    EXPECT_LE(length, corvex::kHistoryBufferSize - 1);
    EXPECT_EQ(std::string(buffer).rfind("entry0\n", 0), 0u);
    CorvexSetHistory(nullptr, 1);
    CorvexGetHistory(buffer, 1);
    EXPECT_STREQ(buffer, "");
}

TEST(LibraryValues, TheHotKeyTableRoundTripsAndRefusesDamagedBytes)
{
    const int size = CorvexGetHotKeys(nullptr);
    ASSERT_GT(size, 12);
    std::vector<char> table(static_cast<std::size_t>(size));
    EXPECT_EQ(CorvexGetHotKeys(table.data()), size);
    EXPECT_NE(CorvexSetHotKeys(table.data()), 0);
    std::vector<char> back(static_cast<std::size_t>(size));
    CorvexGetHotKeys(back.data());
    EXPECT_EQ(back, table);

    std::vector<char> damaged = table;
    damaged[4] = static_cast<char>(damaged[4] - 1); // the declared size no longer fits the entries
    EXPECT_EQ(CorvexSetHotKeys(damaged.data()), 0);
    EXPECT_EQ(CorvexGetHotKeys(nullptr), size);
}

} // namespace
