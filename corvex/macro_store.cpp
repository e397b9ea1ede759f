#include "corvex/macro_store.h"

#include <cstring>
#include <vector>

namespace corvex {
namespace {

std::vector<std::uint8_t>& Slot(int slot)
{
    static std::vector<std::uint8_t> slots[kMacroSlots];
    return slots[slot];
}

bool Valid(int slot) { return slot >= 0 && slot < kMacroSlots; }

} // namespace

int GetMacroBytes(int slot, void* buffer)
{
    if (!Valid(slot))
        return 0;
    const std::vector<std::uint8_t>& bytes = Slot(slot);
    if (buffer && !bytes.empty())
        std::memcpy(buffer, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
}

bool SetMacroBytes(int slot, const void* data)
{
    if (!Valid(slot))
        return false;
    const std::optional<formats::Macro> macro = data ? formats::parseMacro(data) : std::nullopt;
    Slot(slot) = macro ? formats::serializeMacro(*macro) : std::vector<std::uint8_t>();
    return macro.has_value();
}

std::optional<formats::Macro> StoredMacro(int slot)
{
    if (!Valid(slot) || Slot(slot).empty())
        return std::nullopt;
    return formats::parseMacro(Slot(slot).data(), Slot(slot).size());
}

void StoreMacro(int slot, const formats::Macro& macro)
{
    if (Valid(slot))
        Slot(slot) = formats::serializeMacro(macro);
}

} // namespace corvex
