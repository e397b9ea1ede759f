// The skin selector's window-free rules.
#include "options/skin_choice.h"

#include <gtest/gtest.h>

using options::SkinInfo;

namespace {

TEST(SkinInfoText, PutsTheFiveValuesOnTheirOwnLines)
{
    const SkinInfo info = {L"Graphite", L"The Quillet team", L"team@example.org", L"http://example.org", L"Slate"};
    EXPECT_EQ(options::SkinInfoText(info),
              L"Name : Graphite\r\nAuthor: The Quillet team\r\nEmail: team@example.org\r\n"
              L"URL: http://example.org\r\nAbout: Slate");
}

TEST(SkinInfoText, TurnsEveryBarOfAboutIntoALineBreak)
{
    const SkinInfo info = {L"N", L"A", L"E", L"U", L"one|two||three|"};
    EXPECT_EQ(options::SkinInfoText(info), L"Name : N\r\nAuthor: A\r\nEmail: E\r\nURL: U\r\n"
                                           L"About: one\r\ntwo\r\n\r\nthree\r\n");
}

TEST(SkinInfoText, KeepsBarsOutsideAboutAsTheyAre)
{
    const SkinInfo info = {L"a|b", L"c|d", L"", L"", L""};
    EXPECT_EQ(options::SkinInfoText(info), L"Name : a|b\r\nAuthor: c|d\r\nEmail: \r\nURL: \r\nAbout: ");
}

TEST(SkinInfoText, EmptyValuesKeepTheirLabels)
{
    EXPECT_EQ(options::SkinInfoText(SkinInfo{}), L"Name : \r\nAuthor: \r\nEmail: \r\nURL: \r\nAbout: ");
}

TEST(IsListedSkin, OnlyFoldersWithoutTheSystemAttribute)
{
    EXPECT_TRUE(options::IsListedSkin(L"Pebble", true, false));
    EXPECT_FALSE(options::IsListedSkin(L"Pebble", true, true));
    EXPECT_FALSE(options::IsListedSkin(L"notes.txt", false, false));
    EXPECT_FALSE(options::IsListedSkin(L".", true, false));
    EXPECT_FALSE(options::IsListedSkin(L"..", true, false));
    EXPECT_TRUE(options::IsListedSkin(L"...", true, false));
}

TEST(IsDefaultSkin, ComparesExactlyWithCase)
{
    EXPECT_TRUE(options::IsDefaultSkin(L"Quillblue"));
    EXPECT_FALSE(options::IsDefaultSkin(L"quillblue"));
    EXPECT_FALSE(options::IsDefaultSkin(L"QUILLBLUE"));
    EXPECT_FALSE(options::IsDefaultSkin(L"Quillblue "));
    EXPECT_FALSE(options::IsDefaultSkin(L""));
}

TEST(FolderContentsPattern, EndsWithStarAndTwoNuls)
{
    const std::wstring pattern = options::FolderContentsPattern(L"C:\\APP\\SKIN\\A_LO~A1M");
    EXPECT_EQ(pattern, std::wstring(L"C:\\APP\\SKIN\\A_LO~A1M\\*\0\0", 24));
    EXPECT_EQ(pattern.size(), 24u);
}

TEST(FolderContentsPattern, NothingForAnEmptyFolder)
{
    EXPECT_EQ(options::FolderContentsPattern(L""), L"");
}

} // namespace
