#include "corvex/formats/hotkey_table.h"

#include "corvex/formats/byte_io.h"
#include "corvex/formats/virtual_keys.h"

#include <algorithm>

namespace corvex::formats {
namespace {

bool sameKey(const HotKey& a, const HotKey& b) { return a.key == b.key && a.modifiers == b.modifiers; }

bool isStorable(const HotKey& k) {
    return k.key >= 1 && k.key <= 254 && k.modifiers <= (kCtrl | kShift | kAlt) &&
           isKnownCommand(k.command);
}

} // namespace

const EditorCommand* HotKeyTable::find(std::uint16_t key, std::uint8_t modifiers) const {
    for (const HotKey& k : keys)
        if (k.key == key && k.modifiers == modifiers) return &k.command;
    return nullptr;
}

std::vector<HotKey> HotKeyTable::keysOf(const EditorCommand& command) const {
    std::vector<HotKey> found;
    for (const HotKey& k : keys)
        if (k.command == command) found.push_back(k);
    return found;
}

void HotKeyTable::assign(std::uint16_t key, std::uint8_t modifiers, const EditorCommand& command) {
    const HotKey added{key, modifiers, command};
    keys.erase(std::remove_if(keys.begin(), keys.end(), [&](const HotKey& k) { return sameKey(k, added); }),
               keys.end());
    keys.push_back(added);
}

void HotKeyTable::removeKeysOf(const EditorCommand& command) {
    keys.erase(std::remove_if(keys.begin(), keys.end(), [&](const HotKey& k) { return k.command == command; }),
               keys.end());
}

bool isAssignableKey(std::uint16_t key, std::uint8_t modifiers) {
    if (key < 1 || key > 254 || modifiers > (kCtrl | kShift | kAlt)) return false;
    const bool modifierKey = (key >= 0x10 && key <= 0x12) || (key >= 0xA0 && key <= 0xA5) ||
                             key == 0x5B || key == 0x5C;
    if (modifierKey) return false;
    if (modifiers & (kCtrl | kAlt)) return true;
    const bool typesText = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
                           (key >= 0x60 && key <= 0x6F) ||                     // number pad
                           (key >= 0xBA && key <= 0xC0) || (key >= 0xDB && key <= 0xDF) ||
                           key == 0xE2 ||                                       // punctuation
                           key == vk::kSpace || key == vk::kReturn || key == vk::kTab || key == vk::kBack;
    return !typesText;
}

std::vector<std::uint8_t> serializeHotKeys(const HotKeyTable& table) {
    std::vector<HotKey> kept;
    for (const HotKey& k : table.keys) {
        if (kept.size() == kMaxHotKeys) break;
        if (isStorable(k) && std::none_of(kept.begin(), kept.end(),
                                          [&](const HotKey& o) { return sameKey(o, k); }))
            kept.push_back(k);
    }
    ByteWriter w;
    w.raw(std::string_view(kHotKeyMagic, 4));
    w.u32(static_cast<std::uint32_t>(kHotKeyHeaderSize + kHotKeyEntrySize * kept.size()));
    w.u16(1);
    w.u16(static_cast<std::uint16_t>(kept.size()));
    for (const HotKey& k : kept) {
        w.u16(k.key);
        w.u8(k.modifiers);
        w.u8(static_cast<std::uint8_t>(k.command.target));
        w.u16(k.command.code);
    }
    return w.take();
}

std::optional<HotKeyTable> parseHotKeys(const std::uint8_t* data, std::size_t size) {
    if (!data || size < kHotKeyHeaderSize || size > kHotKeyMaxSize) return std::nullopt;
    if (hotKeyBlobSize(data) != size) return std::nullopt;
    ByteReader r(data + 8, size - 8);
    std::uint16_t version = r.u16();
    std::uint16_t count = r.u16();
    if (version != 1 || count > kMaxHotKeys || r.remaining() != kHotKeyEntrySize * count)
        return std::nullopt;
    HotKeyTable table;
    table.keys.reserve(count);
    for (std::uint16_t n = 0; n < count; ++n) {
        HotKey k;
        k.key = r.u16();
        k.modifiers = r.u8();
        std::uint8_t target = r.u8();
        k.command.code = r.u16();
        k.command.target = static_cast<CommandTarget>(target);
        if (target > 2 || !isStorable(k) || table.find(k.key, k.modifiers)) return std::nullopt;
        table.keys.push_back(k);
    }
    if (r.failed()) return std::nullopt;
    return table;
}

std::size_t hotKeyBlobSize(const void* data) {
    return declaredBlobSize(data, kHotKeyMagic, kHotKeyHeaderSize, kHotKeyMaxSize);
}

std::optional<HotKeyTable> parseHotKeys(const void* data) {
    std::size_t size = hotKeyBlobSize(data);
    if (size == 0) return std::nullopt;
    return parseHotKeys(static_cast<const std::uint8_t*>(data), size);
}

} // namespace corvex::formats
