#include "app/menu_keys.h"

namespace menukeys {

namespace {

constexpr unsigned kAlt = 0x12;  // VK_MENU
constexpr unsigned kLeftAlt = 0xA4;
constexpr unsigned kRightAlt = 0xA5;
constexpr unsigned kF10 = 0x79;
constexpr int kFileMenu = 700;

bool IsAlt(unsigned key) { return key == kAlt || key == kLeftAlt || key == kRightAlt; }

} // namespace

int MenuForAltKey(unsigned virtualKey)
{
    static const char keys[] = "FESACH";  // &File &Edit &Search F&avourites &Clipboard &Help
    for (int i = 0; keys[i]; ++i) {
        if (virtualKey == static_cast<unsigned>(keys[i]))
            return kFileMenu + i;
    }
    return 0;
}

Decision MenuKeyFilter::onKey(const KeyEvent& key)
{
    const bool down = key.message == KeyMessage::KeyDown || key.message == KeyMessage::SysKeyDown;
    if (IsAlt(key.virtualKey)) {
        if (down) {
            if (!key.repeat)
                loneAlt_ = !key.ctrl;
            return {};
        }
        const bool lone = loneAlt_ && !key.ctrl;
        loneAlt_ = false;
        return lone ? Decision{kFileMenu, true} : Decision{};
    }
    if (!down)
        return {};
    loneAlt_ = false;
    if (key.message != KeyMessage::SysKeyDown || key.ctrl)
        return {};
    if (key.virtualKey == kF10)
        return key.shift ? Decision{} : Decision{kFileMenu, true};
    if (const int menu = MenuForAltKey(key.virtualKey))
        return {menu, true};
    return {};
}

} // namespace menukeys
