// A command that a hot key or a recorded macro can trigger.
#pragma once

#include <cstdint>
#include <vector>

namespace corvex::formats {

enum class CommandTarget : std::uint8_t {
    Control = 0, // a code of the control's Command message (3724)
    Program = 1, // a key command 242-251 reported to the program (notification 230)
    Message = 2, // an editing message to the control: undo, redo, cut, copy, paste
};

struct EditorCommand {
    CommandTarget target = CommandTarget::Control;
    std::uint16_t code = 0;
    bool operator==(const EditorCommand& o) const { return target == o.target && code == o.code; }
};

// Every command a hot key or a macro can trigger: the program's key commands, the editing
// messages, then the control's commands in the order of its menus.
const std::vector<EditorCommand>& knownCommands();
bool isKnownCommand(const EditorCommand& command);

// Record and play-macro commands (213-223): never part of a macro, so that playing
// one cannot start recording or play macros recursively.
bool isMacroCommand(const EditorCommand& command);

// The lParam the Command message takes with a control code: -1 for go to line (ask the
// user), 1 for record macro, else 0.
int commandArgument(std::uint16_t controlCode);

} // namespace corvex::formats
