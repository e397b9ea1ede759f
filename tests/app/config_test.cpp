// Config.ini conventions: flags, numbers, lists and the 260-byte value limit; text
// outside the ANSI code page, and files written by earlier builds.
#include "platform/ansi_text.h"
#include "platform/config.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

#include <utility>

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


// Names outside Windows-1252 (the code page these tests run with), and one inside it.
const std::wstring kJapanese = L"C:\\\u041F\u0440\u043E\u0435\u043A\u0442\\\u65E5\u672C\u8A9E.txt";
const std::wstring kGreek = L"C:\\\u03A9\u03BC\u03AD\u03B3\u03B1.txt";
const std::wstring kEmoji = L"C:\\\U0001F600 notes.txt";
const std::wstring kLatin = L"C:\\caf\u00E9 notes.txt";

TEST_F(ConfigTest, TextOutsideTheCodePageComesBackWholeAndIsNeverAQuestionMark)
{
    ASSERT_EQ(GetACP(), 1252u) << "the tests run with a Western code page";
    config::WriteText("Main", "Japanese", kJapanese);
    config::WriteTextList("StartupFiles", {kGreek, L"", kEmoji, kLatin});
    EXPECT_EQ(config::ReadText("Main", "Japanese"), kJapanese);
    EXPECT_EQ(config::ReadTextList("StartupFiles"), (std::vector<std::wstring>{kGreek, kEmoji, kLatin}));
    const std::string file = e2e::ReadTextFile(config::Path());
    EXPECT_EQ(file.find('?'), std::string::npos) << file;
    // Marked UTF-8 where the code page cannot hold the text; its ANSI bytes where it can.
    EXPECT_NE(file.find("Japanese=\xEF\xBB\xBF" "C:\\\xD0\x9F\xD1\x80"), std::string::npos) << file;
    EXPECT_NE(file.find("2=C:\\caf\xE9 notes.txt\r\n"), std::string::npos) << file;
    // A value longer than the narrow calls' 259 characters is read whole.
    const std::wstring deep = L"C:\\" + std::wstring(200, L'\u0416') + L".txt";
    config::WriteText("Main", "Deep", deep);
    EXPECT_EQ(config::ReadText("Main", "Deep"), deep);
    EXPECT_EQ(config::ReadText("Main", "Missing", kGreek), kGreek);
    EXPECT_EQ(config::ReadText("Main", "Missing"), L"");
}

// A Config.ini that the program wrote before it stored text outside the code page: every
// value reads as the narrow calls read it, and writing them back through the text calls
// leaves the file byte for byte as it was.
TEST_F(ConfigTest, AFileWrittenByTheEarlierBuildReadsTheSameAndIsRewrittenByteForByte)
{
    const std::string sample =
        e2e::ReadTextFile(e2e::FromTestProgramFolder(QUILLET_APP_TEST_DATA_RELATIVE "/written-by-1.0.0.ini"));
    ASSERT_NE(sample.find("caf\xE9 notes.txt"), std::string::npos) << "the sample holds an ANSI-only name";
    e2e::WriteTextFile(config::Path(), sample);
    const std::vector<std::pair<const char*, const char*>> values = {
        {"Main", "Skin"},          {"Main", "OpenDir"},       {"Main", "SaveDir"},       {"Main", "OnTop"},
        {"Position", "MainWidth"}, {"StartupFiles", "0"},     {"StartupFiles", "1"},     {"Favs", "0"},
        {"Favs", "1"},             {"Editor", "SkinOverride"}};
    for (const auto& [section, key] : values) {
        SCOPED_TRACE(std::string(section) + "/" + key);
        const std::string narrow = config::ReadString(section, key);
        EXPECT_FALSE(narrow.empty());
        const std::wstring text = config::ReadText(section, key);
        EXPECT_EQ(text, WidenAnsi(narrow));
        config::WriteText(section, key, text);
    }
    EXPECT_EQ(config::ReadTextList("StartupFiles"), (std::vector<std::wstring>{
                                                        L"Z:\\tmp\\sample\\app\\plain.txt",
                                                        L"Z:\\tmp\\sample\\app\\caf\u00E9 notes.txt"}));
    EXPECT_EQ(e2e::ReadTextFile(config::Path()), sample);
}

} // namespace
