#include "tools/favourite.h"

#include <gtest/gtest.h>

namespace tools {
namespace {

TEST(FavouriteForm, ATrailingBarMarksTheFavouriteForStartup)
{
    const Favourite marked = ParseFavourite("C:\\notes\\todo.txt|");
    EXPECT_TRUE(marked.openOnStartup);
    EXPECT_EQ(marked.path, "C:\\notes\\todo.txt");
    const Favourite plain = ParseFavourite("C:\\notes\\todo.txt");
    EXPECT_FALSE(plain.openOnStartup);
    EXPECT_EQ(plain.path, "C:\\notes\\todo.txt");
}

TEST(FavouriteForm, StoredFormRoundTrips)
{
    for (const char* stored : {"C:\\a.txt", "C:\\a.txt|", "|", "x||", ""}) {
        EXPECT_EQ(StoredForm(ParseFavourite(stored)), stored);
    }
    // Only the last bar is the mark.
    const Favourite doubled = ParseFavourite("x||");
    EXPECT_TRUE(doubled.openOnStartup);
    EXPECT_EQ(doubled.path, "x|");
}

} // namespace
} // namespace tools
