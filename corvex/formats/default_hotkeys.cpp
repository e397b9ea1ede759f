#include "corvex/formats/hotkey_table.h"
#include "corvex/formats/virtual_keys.h"

namespace corvex::formats {
namespace {

HotKey control(std::uint16_t key, std::uint8_t modifiers, std::uint16_t code) {
    return HotKey{key, modifiers, EditorCommand{CommandTarget::Control, code}};
}
HotKey program(std::uint16_t key, std::uint8_t modifiers, std::uint16_t code) {
    return HotKey{key, modifiers, EditorCommand{CommandTarget::Program, code}};
}
HotKey message(std::uint16_t key, std::uint8_t modifiers, std::uint16_t code) {
    return HotKey{key, modifiers, EditorCommand{CommandTarget::Message, code}};
}

} // namespace

HotKeyTable defaultHotKeys() {
    using vk::f;
    using vk::letter;
    constexpr std::uint8_t none = 0, ctrl = kCtrl, shift = kShift, ctrlShift = kCtrl | kShift;
    return HotKeyTable{{
        // The program's key commands.
        program(letter('N'), ctrl, 242),
        program(letter('O'), ctrl, 243),
        program(letter('W'), ctrl, 244),
        program(f(4), ctrl, 244),
        program(letter('S'), ctrl, 245),
        program(f(12), none, 246),
        program(letter('P'), ctrl, 247),
        program(letter('D'), ctrl, 248),      // favourites
        program(letter('V'), ctrlShift, 249), // clipboard history
        program(letter('L'), ctrlShift, 250), // language menu
        program(letter('M'), ctrlShift, 251), // macro menu
        // Editing.
        message(letter('Z'), ctrl, 4384),
        message(letter('Y'), ctrl, 4374),
        message(letter('Z'), ctrlShift, 4374),
        message(letter('X'), ctrl, 4394),
        message(vk::kDelete, shift, 4394),
        message(letter('C'), ctrl, 4404),
        message(vk::kInsert, ctrl, 4404),
        message(letter('V'), ctrl, 4414),
        message(vk::kInsert, shift, 4414),
        control(letter('A'), ctrl, 137),
        control(letter('U'), ctrlShift, 125),
        control(letter('U'), ctrl, 147),
        // Search and navigation.
        control(letter('F'), ctrl, 178),
        control(f(3), none, 176),
        control(f(3), shift, 174),
        control(letter('H'), ctrl, 169),
        control(letter('G'), ctrl, 168),
        control(vk::kCloseBracket, ctrl, 166),
        // Bookmarks.
        control(f(2), ctrl, 204),
        control(f(2), none, 206),
        control(f(2), shift, 205),
        control(f(2), ctrlShift, 207),
        // Macros.
        control(letter('R'), ctrlShift, 213),
        control(letter('P'), ctrlShift, 214),
        // View.
        control(letter('Z'), kAlt, 225),  // word wrap on or off
    }};
}

} // namespace corvex::formats
