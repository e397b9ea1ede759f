#include "corvex/hotkeys.h"

#include "corvex/include/corvex_hotkeys.h"

#include <cstring>

namespace corvex {

// The program reads the table this library hands out with corvex_hotkeys.h: its picture of
// the format must be this one.
static_assert(int{kHotKeyCtrl} == int{formats::kCtrl} && int{kHotKeyShift} == int{formats::kShift} &&
                  int{kHotKeyAlt} == int{formats::kAlt},
              "the modifier bits the program reads");
static_assert(static_cast<int>(formats::CommandTarget::Program) == 1, "the target the program reads");
static_assert(formats::kHotKeyHeaderSize == 12 && formats::kHotKeyEntrySize == 6, "the layout the program reads");
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
