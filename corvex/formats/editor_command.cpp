#include "corvex/formats/editor_command.h"

namespace corvex::formats {

bool isKnownCommand(const EditorCommand& command) {
    const unsigned c = command.code;
    switch (command.target) {
    case CommandTarget::Control:
        return c == 125 || c == 137 || c == 147 || c == 166 || c == 168 || c == 169 ||
               c == 174 || c == 176 || c == 178 || (c >= 204 && c <= 207) || (c >= 213 && c <= 225);
    case CommandTarget::Program:
        return c >= 242 && c <= 251;
    case CommandTarget::Message:
        return c == 4374 || c == 4384 || c == 4394 || c == 4404 || c == 4414;
    }
    return false;
}

bool isMacroCommand(const EditorCommand& command) {
    return command.target == CommandTarget::Control && command.code >= 213 && command.code <= 223;
}

int commandArgument(std::uint16_t controlCode) {
    return controlCode == 168 ? -1 : controlCode == 213 ? 1 : 0;
}

} // namespace corvex::formats
