// The hot-key table: defaults, round trips and validation.
#include "corvex/formats/hotkey_table.h"
#include "corvex/formats/virtual_keys.h"

#include <gtest/gtest.h>

namespace corvex::formats {
namespace {

EditorCommand commandOf(const HotKeyTable& t, std::uint16_t key, std::uint8_t modifiers) {
    const EditorCommand* c = t.find(key, modifiers);
    return c ? *c : EditorCommand{CommandTarget::Control, 0};
}

TEST(DefaultHotKeys, TheProgramsAndTheControlsKeys) {
    HotKeyTable t = defaultHotKeys();
    auto program = [](std::uint16_t code) { return EditorCommand{CommandTarget::Program, code}; };
    auto control = [](std::uint16_t code) { return EditorCommand{CommandTarget::Control, code}; };
    EXPECT_EQ(commandOf(t, 'N', kCtrl), program(242));
    EXPECT_EQ(commandOf(t, 'O', kCtrl), program(243));
    EXPECT_EQ(commandOf(t, 'W', kCtrl), program(244));
    EXPECT_EQ(commandOf(t, vk::f(4), kCtrl), program(244));
    EXPECT_EQ(commandOf(t, 'S', kCtrl), program(245));
    EXPECT_EQ(commandOf(t, vk::f(12), 0), program(246));
    EXPECT_EQ(commandOf(t, 'P', kCtrl), program(247));
    for (std::uint16_t code = 248; code <= 251; ++code) {
        bool bound = false;
        for (const HotKey& k : t.keys) bound = bound || k.command == program(code);
        EXPECT_TRUE(bound) << code;
    }
    EXPECT_EQ(commandOf(t, 'F', kCtrl), control(178));
    EXPECT_EQ(commandOf(t, vk::f(3), 0), control(176));
    EXPECT_EQ(commandOf(t, vk::f(3), kShift), control(174));
    EXPECT_EQ(commandOf(t, 'H', kCtrl), control(169));
    EXPECT_EQ(commandOf(t, 'G', kCtrl), control(168));
    EXPECT_EQ(commandOf(t, vk::f(2), kCtrl), control(204));
    EXPECT_EQ(commandOf(t, vk::f(2), 0), control(206));
    EXPECT_EQ(commandOf(t, vk::f(2), kShift), control(205));
    EXPECT_EQ(commandOf(t, vk::kCloseBracket, kCtrl), control(166));
    EXPECT_EQ(commandOf(t, 'A', kCtrl), control(137));
    EXPECT_EQ(commandOf(t, 'U', kCtrl | kShift), control(125));
    EXPECT_EQ(commandOf(t, 'U', kCtrl), control(147));
    EXPECT_EQ(commandOf(t, 'Z', kCtrl), (EditorCommand{CommandTarget::Message, 4384}));
    EXPECT_EQ(commandOf(t, 'Y', kCtrl), (EditorCommand{CommandTarget::Message, 4374}));
    EXPECT_EQ(t.find('Q', kCtrl), nullptr);
    EXPECT_EQ(t.find('N', kCtrl | kShift), nullptr);
}

TEST(HotKeyFormat, DefaultsRoundTripSizedAndUnsized) {
    HotKeyTable t = defaultHotKeys();
    std::vector<std::uint8_t> bytes = serializeHotKeys(t);
    EXPECT_EQ(bytes.size(), kHotKeyHeaderSize + kHotKeyEntrySize * t.keys.size());
    EXPECT_EQ(hotKeyBlobSize(bytes.data()), bytes.size());
    EXPECT_EQ(parseHotKeys(bytes.data(), bytes.size()), t);
    EXPECT_EQ(parseHotKeys(static_cast<const void*>(bytes.data())), t);
    // An empty table is a valid, different table.
    std::vector<std::uint8_t> none = serializeHotKeys(HotKeyTable());
    ASSERT_TRUE(parseHotKeys(none.data(), none.size()));
    EXPECT_TRUE(parseHotKeys(none.data(), none.size())->keys.empty());
}

TEST(HotKeyFormat, SerialisingDropsWhatCouldNotBeParsed) {
    HotKeyTable t;
    t.keys.push_back(HotKey{'K', kCtrl, {CommandTarget::Control, 137}});
    t.keys.push_back(HotKey{'K', kCtrl, {CommandTarget::Control, 125}}); // duplicate key
    t.keys.push_back(HotKey{'J', kCtrl, {CommandTarget::Control, 999}}); // unknown command
    t.keys.push_back(HotKey{'J', 8, {CommandTarget::Control, 137}});     // unknown modifier
    t.keys.push_back(HotKey{0, 0, {CommandTarget::Control, 137}});       // no key
    std::vector<std::uint8_t> bytes = serializeHotKeys(t);
    auto back = parseHotKeys(bytes.data(), bytes.size());
    ASSERT_TRUE(back);
    ASSERT_EQ(back->keys.size(), 1u);
    EXPECT_EQ(back->keys[0].command.code, 137);
}

TEST(HotKeyFormat, RejectsDamagedTables) {
    const std::vector<std::uint8_t> good = serializeHotKeys(defaultHotKeys());
    auto rejected = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> b = good;
        b[at] = value;
        return !parseHotKeys(b.data(), b.size());
    };
    EXPECT_TRUE(rejected(3, 'M'));   // magic
    EXPECT_TRUE(rejected(4, 0));     // size disagrees with the bytes
    EXPECT_TRUE(rejected(8, 0));     // version
    EXPECT_TRUE(rejected(10, 1));    // entry count disagrees with the size
    EXPECT_TRUE(rejected(12, 0));    // key 0
    EXPECT_TRUE(rejected(13, 1));    // key above 254
    EXPECT_TRUE(rejected(14, 9));    // modifiers
    EXPECT_TRUE(rejected(15, 3));    // target
    EXPECT_TRUE(rejected(16, 1));    // command code
    // The second entry made equal to the first.
    std::vector<std::uint8_t> twice = good;
    std::copy(good.begin() + 12, good.begin() + 16, twice.begin() + 18);
    EXPECT_FALSE(parseHotKeys(twice.data(), twice.size()));
    EXPECT_FALSE(parseHotKeys(good.data(), good.size() - 1));
}

TEST(EditorCommands, ArgumentsOfTheCommandMessage) {
    EXPECT_EQ(commandArgument(168), -1);
    EXPECT_EQ(commandArgument(213), 1);
    EXPECT_EQ(commandArgument(176), 0);
}

} // namespace
} // namespace corvex::formats
