#include "tools/favourite.h"

#include <gtest/gtest.h>

namespace tools {
namespace {

TEST(FavouriteForm, ATrailingBarMarksTheFavouriteForStartup)
{
    const Favourite marked = ParseFavourite(L"C:\\notes\\todo.txt|");
    EXPECT_TRUE(marked.openOnStartup);
    EXPECT_EQ(marked.path, L"C:\\notes\\todo.txt");
    const Favourite plain = ParseFavourite(L"C:\\notes\\todo.txt");
    EXPECT_FALSE(plain.openOnStartup);
    EXPECT_EQ(plain.path, L"C:\\notes\\todo.txt");
}

TEST(FavouriteForm, StoredFormRoundTrips)
{
    for (const wchar_t* stored : {L"C:\\a.txt", L"C:\\a.txt|", L"|", L"x||", L"", L"C:\\\x65E5\x672C.txt|"}) {
        EXPECT_EQ(StoredForm(ParseFavourite(stored)), stored);
    }
    // Only the last bar is the mark.
    const Favourite doubled = ParseFavourite(L"x||");
    EXPECT_TRUE(doubled.openOnStartup);
    EXPECT_EQ(doubled.path, L"x|");
}

} // namespace
} // namespace tools
