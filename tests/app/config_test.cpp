// Config.ini conventions: flags, numbers, lists and the 260-byte value limit.
#include "platform/config.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

namespace {

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = e2e::MakeTempFolder("quillet-config");
        config::SetPath(folder_ + "Config.ini");
        e2e::WriteTextFile(config::Path(), "[Main]\r\n");
    }
    void TearDown() override { e2e::RemoveFolder(folder_); }
    std::string folder_;
};

TEST_F(ConfigTest, FlagsAreOnOnlyForTheTextOne)
{
    config::WriteString("Main", "A", "1");
    config::WriteString("Main", "B", "true");
    config::WriteString("Main", "C", "");
    EXPECT_TRUE(config::ReadFlag("Main", "A"));
    EXPECT_FALSE(config::ReadFlag("Main", "B"));
    EXPECT_FALSE(config::ReadFlag("Main", "C", true));  // present but empty is off
    EXPECT_TRUE(config::ReadFlag("Main", "Missing", true));
    config::WriteFlag("Main", "D", false);
    EXPECT_EQ(e2e::IniValue(config::Path(), "Main", "D"), "0");
}

TEST_F(ConfigTest, NumbersReadLikeAtoi)
{
    config::WriteString("Main", "N", "42abc");
    config::WriteString("Main", "Bad", "abc");
    config::WriteNumber("Main", "Neg", -17);
    EXPECT_EQ(config::ReadNumber("Main", "N"), 42);
    EXPECT_EQ(config::ReadNumber("Main", "Bad", 5), 0);
    EXPECT_EQ(config::ReadNumber("Main", "Missing", 5), 5);
    EXPECT_EQ(e2e::IniValue(config::Path(), "Main", "Neg"), "-17");
}

TEST_F(ConfigTest, ListsStopAtTheFirstGapAndAreRewrittenWhole)
{
    config::WriteString("StartupFiles", "0", "a.txt");
    config::WriteString("StartupFiles", "2", "c.txt");
    EXPECT_EQ(config::ReadList("StartupFiles"), std::vector<std::string>{"a.txt"});

    config::WriteList("StartupFiles", {"x", "", "y"});
    EXPECT_EQ(config::ReadList("StartupFiles"), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(e2e::IniValue(config::Path(), "StartupFiles", "2"), "");  // old "2" is gone
}

TEST_F(ConfigTest, LongValuesAreCutTo259Characters)
{
    config::WriteString("Main", "Long", std::string(400, 'x'));
    EXPECT_EQ(config::ReadString("Main", "Long"), std::string(259, 'x'));
}

} // namespace
