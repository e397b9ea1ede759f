#include "tools/favourite.h"

namespace tools {

Favourite ParseFavourite(const std::wstring& stored)
{
    Favourite favourite;
    if (!stored.empty() && stored.back() == L'|') {
        favourite.openOnStartup = true;
        favourite.path = stored.substr(0, stored.size() - 1);
    } else {
        favourite.path = stored;
    }
    return favourite;
}

std::wstring StoredForm(const Favourite& favourite)
{
    return favourite.openOnStartup ? favourite.path + L"|" : favourite.path;
}

} // namespace tools
