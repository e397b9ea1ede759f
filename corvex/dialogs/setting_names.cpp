#include "corvex/dialogs/setting_names.h"
#include "corvex/dialogs/wide_text.h"

#include "corvex/include/corvex.h"

namespace corvex::dialogs {
namespace {

struct CommandLabel {
    formats::CommandTarget target;
    std::uint16_t code;
    const char* name;
};

using formats::CommandTarget;

const CommandLabel kCommandLabels[] = {
    {CommandTarget::Control, CmdUpperCase, "Upper case"},
    {CommandTarget::Control, CmdSelectAll, "Select all"},
    {CommandTarget::Control, CmdLowerCase, "Lower case"},
    {CommandTarget::Control, CmdMatchBrace, "Match brace"},
    {CommandTarget::Control, CmdGoToLine, "Go to line"},
    {CommandTarget::Control, CmdReplaceDialog, "Replace"},
    {CommandTarget::Control, CmdFindPrevious, "Find previous"},
    {CommandTarget::Control, CmdFindNext, "Find next"},
    {CommandTarget::Control, CmdFindDialog, "Find"},
    {CommandTarget::Control, CmdToggleBookmark, "Toggle bookmark"},
    {CommandTarget::Control, CmdPreviousBookmark, "Previous bookmark"},
    {CommandTarget::Control, CmdNextBookmark, "Next bookmark"},
    {CommandTarget::Control, CmdClearBookmarks, "Clear bookmarks"},
    {CommandTarget::Control, CmdRecordMacro, "Record macro"},
    {CommandTarget::Control, CmdSettingsDialog, "Editor settings"},
    {CommandTarget::Control, CmdToggleWordWrap, "Word wrap"},
    {CommandTarget::Program, KeyNew, "New document"},
    {CommandTarget::Program, KeyOpen, "Open"},
    {CommandTarget::Program, KeyClose, "Close document"},
    {CommandTarget::Program, KeySave, "Save"},
    {CommandTarget::Program, KeySaveAs, "Save as"},
    {CommandTarget::Program, KeyPrint, "Print"},
    {CommandTarget::Program, KeyFavourites, "Favourites"},
    {CommandTarget::Program, KeyClipboard, "Clipboard history"},
    {CommandTarget::Program, KeyLanguageMenu, "Language menu"},
    {CommandTarget::Program, KeyMacroMenu, "Macro menu"},
    {CommandTarget::Message, Undo, "Undo"},
    {CommandTarget::Message, Redo, "Redo"},
    {CommandTarget::Message, Cut, "Cut"},
    {CommandTarget::Message, Copy, "Copy"},
    {CommandTarget::Message, Paste, "Paste"},
};

const char* const kColourNames[kColourCount] = {
    "Background", "Left margin", "Selection", "Selected text", "Text",
    "Keywords", "Comments", "Strings", "Numbers", "Operators",
    "Preprocessor", "Tags", "Attributes", "Entities", "Script delimiters",
    "Whitespace marks", "Caret", "Matched brace", "Bookmarks", "Margin divider",
    "Reserved", "Reserved", "Reserved", "Reserved", "Reserved", "Reserved",
    "Line number text", "Line number background", "Reserved", "Reserved",
    "Highlighted line",
};

const char* const kFontStyleNames[kFontStylesSize] = {
    "Text", "Keywords", "Comments", "Strings", "Numbers", "Operators",
    "Preprocessor", "Tags", "Attributes", "Entities", "Script delimiters", "Line numbers",
};

struct KeyLabel {
    std::uint16_t key;
    const char* name;
};

const KeyLabel kKeyLabels[] = {
    {VK_BACK, "Backspace"}, {VK_TAB, "Tab"}, {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "Page Up"}, {VK_NEXT, "Page Down"}, {VK_END, "End"},
    {VK_HOME, "Home"}, {VK_LEFT, "Left"}, {VK_UP, "Up"}, {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},
    {VK_INSERT, "Insert"}, {VK_DELETE, "Delete"}, {VK_OEM_4, "["}, {VK_OEM_6, "]"},
    {VK_OEM_1, ";"}, {VK_OEM_PLUS, "="}, {VK_OEM_COMMA, ","}, {VK_OEM_MINUS, "-"},
    {VK_OEM_PERIOD, "."}, {VK_OEM_2, "/"}, {VK_OEM_3, "`"}, {VK_OEM_5, "\\"}, {VK_OEM_7, "'"},
};

std::string BareKeyName(std::uint16_t key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24)
        return "F" + std::to_string(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return "Num " + std::to_string(key - VK_NUMPAD0);
    for (const KeyLabel& label : kKeyLabels)
        if (label.key == key)
            return label.name;
    wchar_t name[32] = {};
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    if (scan && GetKeyNameTextW(static_cast<LONG>(scan << 16), name, 32) > 0)
        return Utf8FromWide(name);
    return "Key " + std::to_string(key);
}

} // namespace

const char* ColourName(int index)
{
    return index >= 0 && index < kColourCount ? kColourNames[index] : "";
}

const char* FontStyleName(int index)
{
    return index >= 0 && index < kFontStylesSize ? kFontStyleNames[index] : "";
}

std::string KeyName(std::uint16_t key, std::uint8_t modifiers)
{
    std::string name;
    if (modifiers & formats::kCtrl)
        name += "Ctrl+";
    if (modifiers & formats::kShift)
        name += "Shift+";
    if (modifiers & formats::kAlt)
        name += "Alt+";
    return name + BareKeyName(key);
}

std::string CommandName(const formats::EditorCommand& command)
{
    if (command.target == CommandTarget::Control && command.code >= CmdPlayMacro1 && command.code <= CmdPlayMacro10)
        return "Play macro " + std::to_string(command.code - CmdPlayMacro1 + 1);
    for (const CommandLabel& label : kCommandLabels)
        if (label.target == command.target && label.code == command.code)
            return label.name;
    return "Command " + std::to_string(command.code);
}

} // namespace corvex::dialogs
