// Reading the hot-key table the library hands out (CorvexGetHotKeys) for the key commands
// it reports to the program (NotifyKeyCommand), so that the program can run the same keys
// where no control has the focus. Header only, without Windows.
//
// The table's bytes (little-endian): "CVXK", u32 total size, u16 version, u16 number of
// entries; then per entry u16 virtual-key code, u8 modifiers, u8 target (1: a key command
// for the program), u16 command.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvex {

enum HotKeyModifier : std::uint8_t { kHotKeyCtrl = 1, kHotKeyShift = 2, kHotKeyAlt = 4 };

// The key command (KeyNew ... KeyMacroMenu) that `key` with `modifiers` runs in the table
// of `size` bytes at `bytes`; 0 when the key runs none or the bytes are not a table.
inline std::uint16_t FindProgramKeyCommand(const unsigned char* bytes, std::size_t size, std::uint16_t key,
                                           std::uint8_t modifiers)
{
    constexpr std::size_t kHeader = 12, kEntry = 6;
    constexpr std::uint8_t kProgramTarget = 1;
    const auto u16 = [bytes](std::size_t at) { return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8); };
    if (!bytes || size < kHeader || bytes[0] != 'C' || bytes[1] != 'V' || bytes[2] != 'X' || bytes[3] != 'K')
        return 0;
    const std::size_t count = u16(10);
    if (size < kHeader + count * kEntry)
        return 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeader + i * kEntry;
        if (u16(at) == key && bytes[at + 2] == modifiers && bytes[at + 3] == kProgramTarget)
            return u16(at + 4);
    }
    return 0;
}

} // namespace corvex
