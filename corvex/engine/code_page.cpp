#include "corvex/engine/code_page.h"

#include "corvex/engine/utf8.h"

#include <algorithm>

namespace corvex {


ByteCodePage::ByteCodePage(const std::array<std::uint32_t, 256>& table) : table_(table) {
    for (std::uint32_t b = 0; b < 0x80; ++b)
        if (table_[b] != b) ascii_ = false;
    for (std::uint32_t b = 0; b < 256; ++b) {
        const std::uint32_t cp = table_[b];
        if (cp == kNoCharacter || cp > 0x10FFFF || (cp < 0x80 && table_[cp] == cp)) continue;
        reverse_.emplace_back(cp, static_cast<unsigned char>(b));
    }
    // By character, then byte: of two bytes for one character the lower is found first.
    std::sort(reverse_.begin(), reverse_.end());
}

bool ByteCodePage::decode(std::string_view bytes, std::string& out) const {
    std::size_t extra = 0;
    for (const char ch : bytes) {
        const std::uint32_t cp = table_[static_cast<unsigned char>(ch)];
        if (cp == kNoCharacter || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        extra += cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
    }
    out.reserve(out.size() + bytes.size() + extra);
    for (const char ch : bytes) {
        const std::uint32_t cp = table_[static_cast<unsigned char>(ch)];
        if (cp < 0x80)
            out.push_back(static_cast<char>(cp));
        else
            appendUtf8(out, cp);
    }
    return true;
}

bool ByteCodePage::encode(std::string_view text, std::string& out) const {
    out.reserve(out.size() + text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80 && ascii_) {
            out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        std::uint32_t cp;
        const std::size_t len =
            utf8SequenceAt(reinterpret_cast<const unsigned char*>(text.data()) + i, text.size() - i, cp);
        if (len == 0) return false;
        i += len;
        if (cp < 0x80 && table_[cp] == cp) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        const auto hit = std::lower_bound(reverse_.begin(), reverse_.end(), cp,
                                          [](const auto& entry, std::uint32_t v) { return entry.first < v; });
        if (hit == reverse_.end() || hit->first != cp) return false;
        out.push_back(static_cast<char>(hit->second));
    }
    return true;
}

} // namespace corvex
