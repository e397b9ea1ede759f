// A recorded macro: the edits and commands of a recording, in order, so that playing
// it back repeats them at the caret.
//
// Byte format (little-endian):
//   header, 16 bytes: "CVXM", u32 total size (header included), u16 version (1),
//                     u16 reserved (0), u32 number of actions
//   each action: u8 operation, then by operation
//     InsertText  u32 length (>= 1), the bytes
//     Delete*     u8 flags (bit 0: a whole word)
//     Move        u8 MoveKind, u8 flags (bit 0: extend the selection)
//     Newline, Tab, ToggleOverwrite: nothing
//     Command     u8 CommandTarget, u16 code (never a record or play-macro command)
//     Find        u8 flags (bit 0 match case, bit 1 whole word, bit 2 backwards),
//                 u32 length (1-1024), the text
//     Replace     u8 flags (bit 0 match case, bit 1 whole word, bit 2 preserve case,
//                 bit 3 every match, bit 4 only inside the selection), u32 length
//                 (1-1024), the text, u32 length (0-1024), the replacement
//     GoToLine    u32 line (1-based, at least 1)
// A blob is valid only when every byte of its declared size is used exactly.
#pragma once

#include "corvex/formats/editor_command.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvex::formats {

enum class MacroOp : std::uint8_t {
    InsertText = 1, DeleteBackward, DeleteForward, Move, Newline, Tab, ToggleOverwrite,
    Command, Find, Replace, GoToLine,
};

enum class MoveKind : std::uint8_t {
    Left, Right, Up, Down, WordLeft, WordRight, LineStart, LineEnd, PageUp, PageDown,
    DocumentStart, DocumentEnd,
};
constexpr int kMoveKindCount = 12;

enum MacroFlags : std::uint8_t {
    kWholeWordUnit = 1,                // Delete*: a word instead of a character
    kExtendSelection = 1,              // Move
    kFindMatchCase = 1, kFindWholeWord = 2, kFindBackwards = 4, // Find
    kReplacePreserveCase = 4, kReplaceEvery = 8, kReplaceInSelection = 16, // Replace, with the Find ones
};

struct MacroAction {
    MacroOp op = MacroOp::Newline;
    std::string text;         // InsertText, Find, Replace
    EditorCommand command;    // Command
    MoveKind move = MoveKind::Left;
    std::uint8_t flags = 0;
    std::string replacement;  // Replace
    std::uint32_t line = 0;   // GoToLine

    // An action without text: a deletion, move, newline, tab or overwrite toggle.
    static MacroAction Simple(MacroOp op, MoveKind move, std::uint8_t flags) {
        MacroAction action;
        action.op = op;
        action.move = move;
        action.flags = flags;
        return action;
    }

    bool operator==(const MacroAction& o) const {
        return op == o.op && text == o.text && replacement == o.replacement && command == o.command &&
               move == o.move && flags == o.flags && line == o.line;
    }
};

struct Macro {
    std::vector<MacroAction> actions;

    // Typed text joins a directly preceding InsertText.
    void addText(std::string_view text);
    void add(MacroAction action) { actions.push_back(std::move(action)); }
    bool empty() const { return actions.empty(); }
    bool operator==(const Macro& o) const { return actions == o.actions; }
};

constexpr char kMacroMagic[5] = "CVXM";
constexpr std::size_t kMacroHeaderSize = 16;
constexpr std::size_t kMacroMaxSize = 4u << 20;
constexpr std::size_t kFindTextLimit = 1024;

// Whether an action can be stored (and so is worth recording).
bool isValidAction(const MacroAction& action);

// The blob of the macro's valid actions. A macro without any, or one whose blob would
// exceed kMacroMaxSize, serialises to no bytes (the library reports size 0 for it).
std::vector<std::uint8_t> serializeMacro(const Macro& macro);

// Parses exactly `size` bytes; nothing unless they form one valid macro blob.
std::optional<Macro> parseMacro(const std::uint8_t* data, std::size_t size);

// For bytes handed over without a size: the size from a valid header, else 0; reads at
// most the 8 bytes of magic and size.
std::size_t macroBlobSize(const void* data);
// Parses a blob given only its start, reading no byte past its declared size.
std::optional<Macro> parseMacro(const void* data);

} // namespace corvex::formats
