// One favourite and its stored form: the path, followed by "|" when the file opens at
// every start.
#pragma once

#include <string>

namespace tools {

struct Favourite {
    bool openOnStartup = false;
    std::wstring path;
};

// "path|" is a favourite marked to open at start-up; anything else is a plain path.
Favourite ParseFavourite(const std::wstring& stored);
std::wstring StoredForm(const Favourite& favourite);

} // namespace tools
