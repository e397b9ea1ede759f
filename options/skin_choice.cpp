#include "options/skin_choice.h"

namespace options {

std::string SkinInfoText(const SkinInfo& info)
{
    std::string about;
    for (char c : info.about) {
        if (c == '|')
            about += "\r\n";
        else
            about += c;
    }
    return "Name : " + info.name + "\r\nAuthor: " + info.author + "\r\nEmail: " + info.email +
           "\r\nURL: " + info.url + "\r\nAbout: " + about;
}

bool IsListedSkin(const std::string& name, bool directory, bool system)
{
    return directory && !system && name != "." && name != "..";
}

bool IsDefaultSkin(const std::string& name) { return name == kDefaultSkin; }

std::string FolderContentsPattern(const std::string& folder)
{
    if (folder.empty())
        return {};
    std::string pattern = folder + "\\*";
    pattern.push_back('\0');
    pattern.push_back('\0');
    return pattern;
}

} // namespace options
