// The skin selector's window-free rules.
#include "options/skin_choice.h"

#include <gtest/gtest.h>

using options::SkinInfo;

namespace {

TEST(SkinInfoText, PutsTheFiveValuesOnTheirOwnLines)
{
    const SkinInfo info = {"Graphite", "The Quillet team", "team@example.org", "http://example.org", "Slate"};
    EXPECT_EQ(options::SkinInfoText(info),
              "Name : Graphite\r\nAuthor: The Quillet team\r\nEmail: team@example.org\r\n"
              "URL: http://example.org\r\nAbout: Slate");
}

TEST(SkinInfoText, TurnsEveryBarOfAboutIntoALineBreak)
{
    const SkinInfo info = {"N", "A", "E", "U", "one|two||three|"};
    EXPECT_EQ(options::SkinInfoText(info), "Name : N\r\nAuthor: A\r\nEmail: E\r\nURL: U\r\n"
                                           "About: one\r\ntwo\r\n\r\nthree\r\n");
}

TEST(SkinInfoText, KeepsBarsOutsideAboutAsTheyAre)
{
    const SkinInfo info = {"a|b", "c|d", "", "", ""};
    EXPECT_EQ(options::SkinInfoText(info), "Name : a|b\r\nAuthor: c|d\r\nEmail: \r\nURL: \r\nAbout: ");
}

TEST(SkinInfoText, EmptyValuesKeepTheirLabels)
{
    EXPECT_EQ(options::SkinInfoText(SkinInfo{}), "Name : \r\nAuthor: \r\nEmail: \r\nURL: \r\nAbout: ");
}

TEST(IsListedSkin, OnlyFoldersWithoutTheSystemAttribute)
{
    EXPECT_TRUE(options::IsListedSkin("Pebble", true, false));
    EXPECT_FALSE(options::IsListedSkin("Pebble", true, true));
    EXPECT_FALSE(options::IsListedSkin("notes.txt", false, false));
    EXPECT_FALSE(options::IsListedSkin(".", true, false));
    EXPECT_FALSE(options::IsListedSkin("..", true, false));
    EXPECT_TRUE(options::IsListedSkin("...", true, false));
}

TEST(IsDefaultSkin, ComparesExactlyWithCase)
{
    EXPECT_TRUE(options::IsDefaultSkin("Quillblue"));
    EXPECT_FALSE(options::IsDefaultSkin("quillblue"));
    EXPECT_FALSE(options::IsDefaultSkin("QUILLBLUE"));
    EXPECT_FALSE(options::IsDefaultSkin("Quillblue "));
    EXPECT_FALSE(options::IsDefaultSkin(""));
}

TEST(FolderContentsPattern, EndsWithStarAndTwoNuls)
{
    const std::string pattern = options::FolderContentsPattern("C:\\APP\\SKIN\\A_LO~A1M");
    EXPECT_EQ(pattern, std::string("C:\\APP\\SKIN\\A_LO~A1M\\*\0\0", 24));
    EXPECT_EQ(pattern.size(), 24u);
}

TEST(FolderContentsPattern, NothingForAnEmptyFolder)
{
    EXPECT_EQ(options::FolderContentsPattern(""), "");
}

} // namespace
