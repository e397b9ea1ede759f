// The library's ten recorded macros, shared by every control, in the byte format of
// corvex/formats/macro.h (which carries its own length).
#pragma once

#include "corvex/formats/macro.h"

#include <optional>

namespace corvex {

constexpr int kMacroSlots = 10;

// The macro's bytes (none when the slot is empty or `slot` is out of range); with a null
// buffer only their size.
int GetMacroBytes(int slot, void* buffer);
// Takes a blob in the byte format; anything that does not parse empties the slot.
bool SetMacroBytes(int slot, const void* data);

std::optional<formats::Macro> StoredMacro(int slot);
void StoreMacro(int slot, const formats::Macro& macro);

} // namespace corvex
