// A single-byte code page as data: which character each byte stands for. The Windows
// side fills it from the system's ANSI code page; the engine uses it to hold a file of
// that code page as UTF-8 text and to write it back byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvex {

class ByteCodePage {
public:
    static constexpr std::uint32_t kNoCharacter = 0xFFFFFFFFu;

    // table[b]: the code point of byte b, or kNoCharacter where the byte stands for
    // nothing. Two bytes standing for one character keep the first for encoding.
    explicit ByteCodePage(const std::array<std::uint32_t, 256>& table);

    // Appends the UTF-8 of `bytes` to `out`; false (out unchanged) when a byte stands
    // for no character, so the bytes could not be written back as they were.
    bool decode(std::string_view bytes, std::string& out) const;
    // Appends the code page's bytes for UTF-8 `text` to `out`; false when the text holds
    // a character the code page has no byte for, or bytes that are not UTF-8 (out is
    // then unspecified).
    bool encode(std::string_view text, std::string& out) const;
    // Whether every byte stands for itself below 0x80 (true of every ANSI code page).
    bool asciiCompatible() const { return ascii_; }

private:
    std::array<std::uint32_t, 256> table_;
    std::vector<std::pair<std::uint32_t, unsigned char>> reverse_;  // sorted, non-ASCII only
    bool ascii_ = true;
};

} // namespace corvex
