// The arguments of a command line, after the program's name, as Windows finds them.
#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, TheProgramsNameAndTheBlanksAfterItAreSkipped)
{
    EXPECT_EQ(ArgumentsOf(L"\"C:\\Program Files\\Quillet\\Quillet.exe\" \"C:\\a b.txt\""), L"\"C:\\a b.txt\"");
    EXPECT_EQ(ArgumentsOf(L"Quillet.exe \t C:\\x.txt  "), L"C:\\x.txt  ") << "trailing blanks belong to the arguments";
    EXPECT_EQ(ArgumentsOf(L"\"C:\\Q\"uillet.exe rest"), L"uillet.exe rest") << "a name ends at its closing quote";
    EXPECT_EQ(ArgumentsOf(L"Quillet.exe"), L"");
    EXPECT_EQ(ArgumentsOf(L"\"unclosed name.exe x"), L"");
    EXPECT_EQ(ArgumentsOf(L""), L"");
    EXPECT_EQ(ArgumentsOf(L"Q.exe \x65E5\x672C\x8A9E.txt"), L"\x65E5\x672C\x8A9E.txt");
}

} // namespace
