#include "options/association_rules.h"

#include <gtest/gtest.h>

namespace options {
namespace {

TEST(AssociationRules, NamesAndCommandLine)
{
    EXPECT_EQ(ProgramKeyFor(".txt"), "Quillet.txt");
    EXPECT_EQ(ProgramKeyFor("txt"), "Quillettxt");
    EXPECT_EQ(LauncherCommand("C:\\Program Files\\Quillet\\"), "\"C:\\Program Files\\Quillet\\Lanchet.exe\" \"%1\"");
}

TEST(AssociationRules, TextsThatAreNotOneHarmlessFileTypeAreRefused)
{
    for (const char* refused : {"", "   ", "*", " * ", ".txt\\shell", "\\", ".exe", ".EXE", " .Lnk ", ".bat", ".cmd",
                                ".com", ".scr", ".pif"})
        EXPECT_FALSE(RefusalOf(refused).empty()) << "'" << refused << "'";
    for (const char* accepted : {".txt", "txt", ".c", ".exe2", ".executable", "*.txt", ".t x t"})
        EXPECT_TRUE(RefusalOf(accepted).empty()) << "'" << accepted << "'";
}

} // namespace
} // namespace options
