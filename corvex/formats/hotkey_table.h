// The hot-key table: which key with which modifiers triggers which command.
//
// Byte format (little-endian):
//   header, 12 bytes: "CVXK", u32 total size (header included), u16 version (1),
//                     u16 number of entries (at most kMaxHotKeys)
//   each entry, 6 bytes: u16 virtual-key code (1-254), u8 modifiers (HotKeyModifiers),
//                        u8 CommandTarget, u16 command code
// Valid only when the size is exactly 12 + 6 * entries, every command is known and no
// key with its modifiers appears twice.
#pragma once

#include "corvex/formats/editor_command.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvex::formats {

enum HotKeyModifiers : std::uint8_t { kCtrl = 1, kShift = 2, kAlt = 4 };

struct HotKey {
    std::uint16_t key = 0;
    std::uint8_t modifiers = 0;
    EditorCommand command;
    bool operator==(const HotKey& o) const {
        return key == o.key && modifiers == o.modifiers && command == o.command;
    }
};

struct HotKeyTable {
    std::vector<HotKey> keys;

    // The command of a key press, or null.
    const EditorCommand* find(std::uint16_t key, std::uint8_t modifiers) const;
    // The keys that run `command`, in the table's order.
    std::vector<HotKey> keysOf(const EditorCommand& command) const;
    // Makes the key run `command`; the key leaves the command it ran before.
    void assign(std::uint16_t key, std::uint8_t modifiers, const EditorCommand& command);
    // Takes every key away from `command`.
    void removeKeysOf(const EditorCommand& command);
    bool operator==(const HotKeyTable& o) const { return keys == o.keys; }
};

// False for keys that cannot run a command: Shift, Ctrl, Alt and the Windows keys on
// their own, and the keys that type text (letters, digits, space, punctuation, the number
// pad, Enter, Tab, Backspace) while neither Ctrl nor Alt is held.
bool isAssignableKey(std::uint16_t key, std::uint8_t modifiers);

// Ctrl+N/O/W/F4/S/P, F12, Ctrl+D favourites, Ctrl+Shift+V clipboard, Ctrl+Shift+L
// languages and Ctrl+Shift+M macros for the program; the control's own editing keys.
HotKeyTable defaultHotKeys();

constexpr char kHotKeyMagic[5] = "CVXK";
constexpr std::size_t kHotKeyHeaderSize = 12;
constexpr std::size_t kHotKeyEntrySize = 6;
constexpr std::size_t kMaxHotKeys = 1024;
constexpr std::size_t kHotKeyMaxSize = kHotKeyHeaderSize + kHotKeyEntrySize * kMaxHotKeys;

// Keeps the first of duplicate keys and leaves out unknown commands, so the result always parses.
std::vector<std::uint8_t> serializeHotKeys(const HotKeyTable& table);

std::optional<HotKeyTable> parseHotKeys(const std::uint8_t* data, std::size_t size);
// For bytes handed over without a size (see macroBlobSize).
std::size_t hotKeyBlobSize(const void* data);
std::optional<HotKeyTable> parseHotKeys(const void* data);

} // namespace corvex::formats
