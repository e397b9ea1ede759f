// The hot-key table format: round trips and validation. What the default keys do is
// tested by pressing them in the control (tests/corvex-view/hot_keys_test.cpp).
#include "corvex/formats/hotkey_table.h"
#include "corvex/formats/virtual_keys.h"
#include "corvex/include/corvex_hotkeys.h"

#include <gtest/gtest.h>

namespace corvex::formats {
namespace {

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

// The program reads the table the library hands out to run its own keys where no control
// has the focus: only the program's key commands, with exactly the modifiers held.
TEST(HotKeyFormat, TheProgramFindsItsKeyCommandsInTheTable) {
    HotKeyTable t = defaultHotKeys();
    t.assign('K', kCtrl | kShift, {CommandTarget::Program, 242});
    const std::vector<std::uint8_t> bytes = serializeHotKeys(t);
    EXPECT_EQ(FindProgramKeyCommand(bytes.data(), bytes.size(), 'N', kHotKeyCtrl), 242);
    EXPECT_EQ(FindProgramKeyCommand(bytes.data(), bytes.size(), 'O', kHotKeyCtrl), 243);
    EXPECT_EQ(FindProgramKeyCommand(bytes.data(), bytes.size(), 'K', kHotKeyCtrl | kHotKeyShift), 242);
    EXPECT_EQ(FindProgramKeyCommand(bytes.data(), bytes.size(), 'N', kHotKeyCtrl | kHotKeyShift), 0);
    EXPECT_EQ(FindProgramKeyCommand(bytes.data(), bytes.size(), 'A', kHotKeyCtrl), 0);  // the control's select all
    EXPECT_EQ(FindProgramKeyCommand(bytes.data(), bytes.size() - 1, 'N', kHotKeyCtrl), 0);
    std::vector<std::uint8_t> damaged = bytes;
    damaged[0] = 'X';
    EXPECT_EQ(FindProgramKeyCommand(damaged.data(), damaged.size(), 'N', kHotKeyCtrl), 0);
    EXPECT_EQ(FindProgramKeyCommand(nullptr, 0, 'N', kHotKeyCtrl), 0);
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

TEST(EditorCommands, TheKnownCommandsAreEachListedOnce) {
    const std::vector<EditorCommand>& known = knownCommands();
    EXPECT_EQ(known.size(), 41u); // 10 program, 5 editing messages, 13 control commands, 12 macro
                                  // and settings, word wrap
    for (std::size_t i = 0; i < known.size(); ++i)
        for (std::size_t j = i + 1; j < known.size(); ++j)
            EXPECT_FALSE(known[i] == known[j]) << known[i].code;
    for (const HotKey& k : defaultHotKeys().keys)
        EXPECT_TRUE(isKnownCommand(k.command)) << k.command.code;
    EXPECT_TRUE(isKnownCommand({CommandTarget::Control, 224}));
    EXPECT_FALSE(isKnownCommand({CommandTarget::Control, 212}));
    EXPECT_FALSE(isKnownCommand({CommandTarget::Program, 137}));
    EXPECT_FALSE(isKnownCommand({CommandTarget::Message, 4424}));
}

TEST(HotKeyEditing, AssigningTakesTheKeyFromItsCommandAndKeepsTheOtherKeys) {
    const EditorCommand find{CommandTarget::Control, 178}, upper{CommandTarget::Control, 125};
    HotKeyTable t = defaultHotKeys();
    t.assign('F', kCtrl, upper);
    EXPECT_EQ(*t.find('F', kCtrl), upper);
    EXPECT_TRUE(t.keysOf(find).empty());
    ASSERT_EQ(t.keysOf(upper).size(), 2u);
    EXPECT_EQ(t.keysOf(upper)[0].modifiers, kCtrl | kShift);
    EXPECT_EQ(t.keys.size(), defaultHotKeys().keys.size());
    std::vector<std::uint8_t> bytes = serializeHotKeys(t);
    EXPECT_EQ(parseHotKeys(bytes.data(), bytes.size()), t);
}

TEST(HotKeyEditing, RemovingTakesEveryKeyOfTheCommand) {
    const EditorCommand close{CommandTarget::Program, 244};
    HotKeyTable t = defaultHotKeys();
    ASSERT_EQ(t.keysOf(close).size(), 2u);
    t.removeKeysOf(close);
    EXPECT_TRUE(t.keysOf(close).empty());
    EXPECT_EQ(t.keys.size(), defaultHotKeys().keys.size() - 2);
}

TEST(HotKeyEditing, KeysThatTypeTextNeedCtrlOrAlt) {
    for (std::uint16_t key : {std::uint16_t('A'), std::uint16_t('Z'), std::uint16_t('0'), std::uint16_t(0x20),
                              std::uint16_t(0x60), std::uint16_t(0xBA), std::uint16_t(0xDD), std::uint16_t(0x0D)}) {
        EXPECT_FALSE(isAssignableKey(key, 0)) << key;
        EXPECT_FALSE(isAssignableKey(key, kShift)) << key;
        EXPECT_TRUE(isAssignableKey(key, kCtrl)) << key;
        EXPECT_TRUE(isAssignableKey(key, kAlt | kShift)) << key;
    }
    EXPECT_TRUE(isAssignableKey(vk::f(5), 0));
    EXPECT_TRUE(isAssignableKey(vk::kInsert, kShift));
    EXPECT_FALSE(isAssignableKey(0x10, kCtrl)) << "Shift on its own";
    EXPECT_FALSE(isAssignableKey(0xA2, kCtrl)) << "left Ctrl on its own";
    EXPECT_FALSE(isAssignableKey(0, kCtrl));
    EXPECT_FALSE(isAssignableKey(vk::f(5), 8));
    for (const HotKey& k : defaultHotKeys().keys)
        EXPECT_TRUE(isAssignableKey(k.key, k.modifiers)) << k.key;
}

} // namespace
} // namespace corvex::formats
