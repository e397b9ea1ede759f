#include "options/association_rules.h"

#include <gtest/gtest.h>

namespace options {
namespace {

TEST(AssociationRules, NamesAndCommandLine)
{
    EXPECT_EQ(ProgramKeyFor(L".txt"), L"Quillet.txt");
    EXPECT_EQ(ProgramKeyFor(L"txt"), L"Quillettxt");
    EXPECT_EQ(LauncherCommand(L"C:\\Program Files\\Quillet\\"), L"\"C:\\Program Files\\Quillet\\Lanchet.exe\" \"%1\"");
}

TEST(AssociationRules, TypesAndFoldersOutsideAnyOneCodePageKeepTheirCharacters)
{
    const std::wstring greek = L".\u03B5\u03BB";  // .ελ
    EXPECT_TRUE(RefusalOf(greek).empty());
    EXPECT_EQ(ProgramKeyFor(greek), L"Quillet.\u03B5\u03BB");
    EXPECT_TRUE(RefusalOf(L".\u65E5\u672C").empty());
    EXPECT_EQ(LauncherCommand(L"C:\\\u0416\u0443\u0440\u043D\u0430\u043B\\"),
              L"\"C:\\\u0416\u0443\u0440\u043D\u0430\u043B\\Lanchet.exe\" \"%1\"");
}

TEST(AssociationRules, TextsThatAreNotOneHarmlessFileTypeAreRefused)
{
    for (const wchar_t* refused : {L"", L"   ", L"*", L" * ", L".txt\\shell", L"\\", L".exe", L".EXE", L" .Lnk ",
                                   L".bat", L".cmd", L".com", L".scr", L".pif", L".\u03B5\\shell"})
        EXPECT_FALSE(RefusalOf(refused).empty()) << ::testing::PrintToString(std::wstring(refused));
    for (const wchar_t* accepted : {L".txt", L"txt", L".c", L".exe2", L".executable", L"*.txt", L".t x t",
                                    L".\u00E9xe", L".\u03B5\u03BB"})
        EXPECT_TRUE(RefusalOf(accepted).empty()) << ::testing::PrintToString(std::wstring(accepted));
}

} // namespace
} // namespace options
