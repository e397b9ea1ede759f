#include "options/association_rules.h"

#include <algorithm>

namespace options {

std::wstring ProgramKeyFor(const std::wstring& type) { return L"Quillet" + type; }

std::wstring LauncherCommand(const std::wstring& appFolder)
{
    return L"\"" + appFolder + L"Lanchet.exe\" \"%1\"";
}

std::wstring RefusalOf(const std::wstring& type)
{
    const bool blank = std::all_of(type.begin(), type.end(), [](wchar_t c) { return c == L' '; });
    if (blank)
        return L"Enter a file type, such as .txt.";
    const std::size_t first = type.find_first_not_of(L' ');
    const std::wstring trimmed = type.substr(first, type.find_last_not_of(L' ') - first + 1);
    if (trimmed == L"*")
        return L"\"*\" stands for every file and cannot be associated; enter one file type, such as .txt.";
    if (type.find(L'\\') != std::wstring::npos)
        return L"A file type cannot contain a backslash; enter one file type, such as .txt.";
    // Opening these runs programs, Quillet and its launcher among them: associated with
    // the editor, no program would start from the shell any more. Their names are ASCII,
    // so folding the ASCII letters is enough to compare with them.
    std::wstring lower = trimmed;
    for (wchar_t& c : lower)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    for (const wchar_t* runnable : {L".exe", L".com", L".bat", L".cmd", L".lnk", L".scr", L".pif"})
        if (lower == runnable)
            return trimmed + L" files are programs that Windows runs; they cannot be opened with Quillet.";
    return {};
}

} // namespace options
