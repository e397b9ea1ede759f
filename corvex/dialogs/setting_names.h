// The names the settings dialog shows for the entries of the colour and font-style
// blocks, the hot keys and their commands.
#pragma once

#include "corvex/formats/hotkey_table.h"

#include <string>

namespace corvex::dialogs {

// Entry 0-30 of the colour block; reserved entries are named as such.
const char* ColourName(int index);
// Entry 0-11 of the font-style block.
const char* FontStyleName(int index);

// "Ctrl+Shift+F3"
std::string KeyName(std::uint16_t key, std::uint8_t modifiers);
std::string CommandName(const formats::EditorCommand& command);

} // namespace corvex::dialogs
