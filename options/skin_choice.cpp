#include "options/skin_choice.h"

namespace options {

std::wstring SkinInfoText(const SkinInfo& info)
{
    std::wstring about;
    for (wchar_t c : info.about) {
        if (c == L'|')
            about += L"\r\n";
        else
            about += c;
    }
    return L"Name : " + info.name + L"\r\nAuthor: " + info.author + L"\r\nEmail: " + info.email +
           L"\r\nURL: " + info.url + L"\r\nAbout: " + about;
}

bool IsListedSkin(const std::wstring& name, bool directory, bool system)
{
    return directory && !system && name != L"." && name != L"..";
}

bool IsDefaultSkin(const std::wstring& name) { return name == kDefaultSkin; }

std::wstring FolderContentsPattern(const std::wstring& folder)
{
    if (folder.empty())
        return {};
    std::wstring pattern = folder + L"\\*";
    pattern.push_back(L'\0');
    pattern.push_back(L'\0');
    return pattern;
}

} // namespace options
