#include "platform/command_line.h"

std::wstring ArgumentsOf(const std::wstring& commandLine)
{
    const auto blank = [&](std::size_t at) { return commandLine[at] <= L' '; };
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        at = closing == std::wstring::npos ? commandLine.size() : closing + 1;
    } else {
        while (at < commandLine.size() && !blank(at))
            ++at;
    }
    while (at < commandLine.size() && blank(at))
        ++at;
    return commandLine.substr(at);
}
