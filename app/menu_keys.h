// Keyboard access to the menu bar whatever child window has the focus.
//
// The menu bar is a toolbar, so the system knows nothing of it: Alt+letter, F10 and a
// lone Alt would reach the focused control, whose default handling turns them into a
// system-menu keystroke that opens nothing. The message loop shows every keyboard
// message of the main window and its children to this filter first.
//
// Decisions (no platform code; virtual-key numbers as Windows defines them):
//   Alt+F/E/S/A/C/H ........ open menu-bar button 700-705 (the key is taken)
//   F10 (without Shift) .... open the File menu (taken; Shift+F10 is the context menu)
//   Alt pressed and released with nothing in between: open the File menu (the release
//                            is taken, so the system never enters its own menu mode)
//   anything else .......... passes; a key or mouse button pressed while Alt is down
//                            makes that Alt press no longer a lone one.
// Ctrl+Alt is AltGr on many layouts and types characters: it never opens a menu.
#pragma once

namespace menukeys {

enum class KeyMessage { KeyDown, KeyUp, SysKeyDown, SysKeyUp };

struct KeyEvent {
    KeyMessage message = KeyMessage::KeyDown;
    unsigned virtualKey = 0;
    bool ctrl = false;     // Ctrl is down
    bool shift = false;    // Shift is down
    bool repeat = false;   // auto-repeat of a key already down
};

// What to do with a keyboard message: `open` is the menu-bar button (700-705) to open,
// or 0; `take` keeps the message from the focused window.
struct Decision {
    int open = 0;
    bool take = false;
};

class MenuKeyFilter {
public:
    Decision onKey(const KeyEvent& key);
    // A mouse button went down, or the focus left the program: a pending lone Alt ends.
    void reset() { loneAlt_ = false; }

private:
    bool loneAlt_ = false;
};

// The button command that Alt+`virtualKey` opens (700-705), or 0.
int MenuForAltKey(unsigned virtualKey);

} // namespace menukeys
