// The skin selector's rules that need no window: which folder entries are skins, the
// text of the info box, which skin may not be deleted and the pattern handed to the
// shell to empty a skin folder. Texts are UTF-16, as the wide Win32 functions take them.
#pragma once

#include <string>

namespace options {

// The five values of a skin's [Info] section.
struct SkinInfo {
    std::wstring name;
    std::wstring author;
    std::wstring email;
    std::wstring url;
    std::wstring about;
};

// "Name : ...", "Author: ...", "Email: ...", "URL: ...", "About: ..." joined by CR LF,
// with every "|" of the About value turned into a CR LF of its own.
std::wstring SkinInfoText(const SkinInfo& info);

// An entry of the Skin folder is listed when it is a folder without the system
// attribute, other than "." and "..".
bool IsListedSkin(const std::wstring& name, bool directory, bool system);

// The skin that ships with the program: never deleted.
constexpr const wchar_t* kDefaultSkin = L"Quillblue";
bool IsDefaultSkin(const std::wstring& name);

// "<folder>\*" followed by the two NULs that end the shell's list of one source;
// empty when `folder` is empty (the pattern would name the root of the drive).
std::wstring FolderContentsPattern(const std::wstring& folder);

} // namespace options
