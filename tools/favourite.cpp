#include "tools/favourite.h"

namespace tools {

Favourite ParseFavourite(const std::string& stored)
{
    Favourite favourite;
    if (!stored.empty() && stored.back() == '|') {
        favourite.openOnStartup = true;
        favourite.path = stored.substr(0, stored.size() - 1);
    } else {
        favourite.path = stored;
    }
    return favourite;
}

std::string StoredForm(const Favourite& favourite)
{
    return favourite.openOnStartup ? favourite.path + "|" : favourite.path;
}

} // namespace tools
