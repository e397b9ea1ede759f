#include "app/menu_keys.h"

#include <gtest/gtest.h>

using menukeys::Decision;
using menukeys::KeyEvent;
using menukeys::KeyMessage;
using menukeys::MenuKeyFilter;

namespace {

constexpr unsigned kAlt = 0x12, kF10 = 0x79, kCtrl = 0x11;

KeyEvent Key(KeyMessage message, unsigned key, bool ctrl = false, bool shift = false, bool repeat = false)
{
    KeyEvent event;
    event.message = message;
    event.virtualKey = key;
    event.ctrl = ctrl;
    event.shift = shift;
    event.repeat = repeat;
    return event;
}

// Alt pressed, `key` pressed and released, Alt released: the decisions in order.
std::vector<Decision> AltChord(MenuKeyFilter& filter, unsigned key)
{
    return {filter.onKey(Key(KeyMessage::SysKeyDown, kAlt)), filter.onKey(Key(KeyMessage::SysKeyDown, key)),
            filter.onKey(Key(KeyMessage::SysKeyUp, key)), filter.onKey(Key(KeyMessage::KeyUp, kAlt))};
}

} // namespace

TEST(MenuKeys, AltLettersOpenTheirMenusAndAreTaken)
{
    const char letters[] = "FESACH";
    for (int i = 0; letters[i]; ++i) {
        MenuKeyFilter filter;
        const auto d = AltChord(filter, static_cast<unsigned>(letters[i]));
        EXPECT_EQ(d[0].open, 0);
        EXPECT_FALSE(d[0].take);  // Alt itself still reaches the window
        EXPECT_EQ(d[1].open, 700 + i);
        EXPECT_TRUE(d[1].take);
        // The letter made the Alt press no lone one: its release opens nothing more.
        EXPECT_EQ(d[3].open, 0);
        EXPECT_FALSE(d[3].take);
    }
}

TEST(MenuKeys, OtherAltKeysPassUntouched)
{
    MenuKeyFilter filter;
    const auto d = AltChord(filter, 'X');
    for (const Decision& decision : d) {
        EXPECT_EQ(decision.open, 0);
        EXPECT_FALSE(decision.take);
    }
    // Alt+Tab and the like: the release after another key is not a lone Alt.
    EXPECT_EQ(AltChord(filter, 0x09)[3].open, 0);
}

TEST(MenuKeys, ALoneAltOpensTheFileMenuOnRelease)
{
    MenuKeyFilter filter;
    EXPECT_EQ(filter.onKey(Key(KeyMessage::SysKeyDown, kAlt)).open, 0);
    // Auto-repeat while held changes nothing.
    EXPECT_EQ(filter.onKey(Key(KeyMessage::SysKeyDown, kAlt, false, false, true)).open, 0);
    const Decision up = filter.onKey(Key(KeyMessage::SysKeyUp, kAlt));
    EXPECT_EQ(up.open, 700);
    EXPECT_TRUE(up.take);
    // A second release without a press is nothing.
    EXPECT_EQ(filter.onKey(Key(KeyMessage::SysKeyUp, kAlt)).open, 0);
}

TEST(MenuKeys, AClickOrCtrlSpoilsTheLoneAlt)
{
    MenuKeyFilter filter;
    filter.onKey(Key(KeyMessage::SysKeyDown, kAlt));
    filter.reset();
    EXPECT_EQ(filter.onKey(Key(KeyMessage::SysKeyUp, kAlt)).open, 0);

    // Ctrl+Alt is AltGr: it types characters and never opens a menu.
    filter.onKey(Key(KeyMessage::KeyDown, kCtrl, true));
    EXPECT_EQ(filter.onKey(Key(KeyMessage::KeyDown, kAlt, true)).open, 0);
    EXPECT_EQ(filter.onKey(Key(KeyMessage::KeyDown, 'E', true)).open, 0);
    EXPECT_EQ(filter.onKey(Key(KeyMessage::KeyUp, kAlt, true)).open, 0);
}

TEST(MenuKeys, F10OpensTheFileMenuButShiftF10IsTheContextMenu)
{
    MenuKeyFilter filter;
    const Decision f10 = filter.onKey(Key(KeyMessage::SysKeyDown, kF10));
    EXPECT_EQ(f10.open, 700);
    EXPECT_TRUE(f10.take);
    const Decision shifted = filter.onKey(Key(KeyMessage::SysKeyDown, kF10, false, true));
    EXPECT_EQ(shifted.open, 0);
    EXPECT_FALSE(shifted.take);
    // Ordinary typing never opens anything.
    EXPECT_EQ(filter.onKey(Key(KeyMessage::KeyDown, 'F')).open, 0);
}
