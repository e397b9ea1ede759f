#include "options/association_rules.h"

#include <algorithm>
#include <cctype>

namespace options {

std::string ProgramKeyFor(const std::string& type) { return "Quillet" + type; }

std::string LauncherCommand(const std::string& appFolder)
{
    return "\"" + appFolder + "Lanchet.exe\" \"%1\"";
}

std::string RefusalOf(const std::string& type)
{
    const bool blank = std::all_of(type.begin(), type.end(), [](char c) { return c == ' '; });
    if (blank)
        return "Enter a file type, such as .txt.";
    const std::size_t first = type.find_first_not_of(' ');
    const std::string trimmed = type.substr(first, type.find_last_not_of(' ') - first + 1);
    if (trimmed == "*")
        return "\"*\" stands for every file and cannot be associated; enter one file type, such as .txt.";
    if (type.find('\\') != std::string::npos)
        return "A file type cannot contain a backslash; enter one file type, such as .txt.";
    // Opening these runs programs, Quillet and its launcher among them: associated with
    // the editor, no program would start from the shell any more.
    std::string lower = trimmed;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* runnable : {".exe", ".com", ".bat", ".cmd", ".lnk", ".scr", ".pif"})
        if (lower == runnable)
            return trimmed + " files are programs that Windows runs; they cannot be opened with Quillet.";
    return {};
}

} // namespace options
