// The library's hot-key table: which keys run the control's commands and which are
// reported to the program as key commands. Kept in the byte format of
// corvex/formats/hotkey_table.h, which carries its own length.
#pragma once

#include "corvex/formats/hotkey_table.h"

namespace corvex {

const formats::HotKeyTable& ActiveHotKeys();
// Replaces the table; what could not be stored (see serializeHotKeys) is left out.
void SetActiveHotKeys(const formats::HotKeyTable& table);
// The table's bytes; with a null buffer only their size.
int GetHotKeyBytes(void* buffer);
// Takes a table in the byte format; anything that does not parse leaves the table as it
// was and gives false.
bool SetHotKeyBytes(const void* data);

} // namespace corvex
