#include "corvex/hotkeys.h"

#include <cstring>

namespace corvex {
namespace {

formats::HotKeyTable& Table()
{
    static formats::HotKeyTable table = formats::defaultHotKeys();
    return table;
}

} // namespace

const formats::HotKeyTable& ActiveHotKeys() { return Table(); }

void SetActiveHotKeys(const formats::HotKeyTable& table)
{
    const std::vector<std::uint8_t> bytes = formats::serializeHotKeys(table);
    SetHotKeyBytes(bytes.data());
}

int GetHotKeyBytes(void* buffer)
{
    const std::vector<std::uint8_t> bytes = formats::serializeHotKeys(Table());
    if (buffer)
        std::memcpy(buffer, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
}

bool SetHotKeyBytes(const void* data)
{
    std::optional<formats::HotKeyTable> table = formats::parseHotKeys(data);
    if (!table)
        return false;
    Table() = std::move(*table);
    return true;
}

} // namespace corvex
