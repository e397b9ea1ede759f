// Windows virtual-key codes used by the hot-key table, without <windows.h>.
#pragma once

#include <cstdint>

namespace corvex::formats::vk {

constexpr std::uint16_t kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kSpace = 0x20;
constexpr std::uint16_t kInsert = 0x2D, kDelete = 0x2E;
constexpr std::uint16_t kF1 = 0x70;
constexpr std::uint16_t f(int n) { return static_cast<std::uint16_t>(kF1 + n - 1); } // F1-F24
constexpr std::uint16_t letter(char c) { return static_cast<std::uint16_t>(c); }    // 'A'-'Z'
constexpr std::uint16_t kCloseBracket = 0xDD; // ']' on US keyboards (VK_OEM_6)

} // namespace corvex::formats::vk
