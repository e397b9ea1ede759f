#include "corvex/formats/editor_command.h"

#include <algorithm>

namespace corvex::formats {
namespace {

std::vector<EditorCommand> listKnownCommands() {
    std::vector<EditorCommand> commands;
    for (std::uint16_t code = 242; code <= 251; ++code)
        commands.push_back({CommandTarget::Program, code});
    for (std::uint16_t code : {4384, 4374, 4394, 4404, 4414})
        commands.push_back({CommandTarget::Message, code});
    for (std::uint16_t code : {137, 125, 147, 178, 176, 174, 169, 168, 166, 204, 206, 205, 207})
        commands.push_back({CommandTarget::Control, code});
    for (std::uint16_t code = 213; code <= 225; ++code)
        commands.push_back({CommandTarget::Control, code});
    return commands;
}

} // namespace

const std::vector<EditorCommand>& knownCommands() {
    static const std::vector<EditorCommand> commands = listKnownCommands();
    return commands;
}

bool isKnownCommand(const EditorCommand& command) {
    const std::vector<EditorCommand>& known = knownCommands();
    return std::find(known.begin(), known.end(), command) != known.end();
}

bool isMacroCommand(const EditorCommand& command) {
    return command.target == CommandTarget::Control && command.code >= 213 && command.code <= 223;
}

int commandArgument(std::uint16_t controlCode) {
    return controlCode == 168 ? -1 : controlCode == 213 ? 1 : 0;
}

} // namespace corvex::formats
