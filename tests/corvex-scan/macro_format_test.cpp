// Macro blobs: round trips, the header that carries the size, and rejection of
// damaged or hostile bytes.
#include "corvex/formats/macro.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace corvex::formats {
namespace {

MacroAction op(MacroOp o, std::uint8_t flags = 0) {
    MacroAction a;
    a.op = o;
    a.flags = flags;
    return a;
}

Macro sampleMacro() {
    Macro m;
    m.addText("Hel");
    m.addText("lo");
    m.add(op(MacroOp::Newline));
    m.add(op(MacroOp::Tab));
    m.add(op(MacroOp::DeleteBackward, kWholeWordUnit));
    m.add(op(MacroOp::DeleteForward));
    MacroAction move = op(MacroOp::Move, kExtendSelection);
    move.move = MoveKind::WordLeft;
    m.add(move);
    MacroAction upper = op(MacroOp::Command);
    upper.command = {CommandTarget::Control, 125};
    m.add(upper);
    MacroAction paste = op(MacroOp::Command);
    paste.command = {CommandTarget::Message, 4414};
    m.add(paste);
    MacroAction find = op(MacroOp::Find, kFindMatchCase | kFindBackwards);
    find.text = std::string("a\0b", 3);
    m.add(find);
    m.add(op(MacroOp::ToggleOverwrite));
    MacroAction replace = op(MacroOp::Replace, kFindWholeWord | kReplacePreserveCase | kReplaceEvery);
    replace.text = "cat";
    replace.replacement = "";  // replacing by nothing is a replacement too
    m.add(replace);
    MacroAction goTo = op(MacroOp::GoToLine);
    goTo.line = 70000;
    m.add(goTo);
    m.addText(std::string("\0\xff", 2));
    return m;
}

TEST(MacroFormat, RoundTripsEveryActionKind) {
    Macro m = sampleMacro();
    ASSERT_EQ(m.actions.front().text, "Hello"); // typing joins one action
    std::vector<std::uint8_t> bytes = serializeMacro(m);
    EXPECT_EQ(macroBlobSize(bytes.data()), bytes.size());
    auto sized = parseMacro(bytes.data(), bytes.size());
    ASSERT_TRUE(sized);
    EXPECT_EQ(*sized, m);
    auto unsized = parseMacro(static_cast<const void*>(bytes.data()));
    ASSERT_TRUE(unsized);
    EXPECT_EQ(*unsized, m);
}

TEST(MacroFormat, EmptyMacroHasNoBytes) {
    EXPECT_TRUE(serializeMacro(Macro()).empty());
    EXPECT_FALSE(parseMacro(nullptr, 0));
    EXPECT_FALSE(parseMacro(static_cast<const void*>(nullptr)));
}

TEST(MacroFormat, MacroCommandsAreNeverStored) {
    Macro m;
    MacroAction play = op(MacroOp::Command);
    play.command = {CommandTarget::Control, 214};
    m.add(play);
    EXPECT_TRUE(serializeMacro(m).empty());
    m.addText("x");
    auto parsed = parseMacro(serializeMacro(m).data(), serializeMacro(m).size());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->actions.size(), 1u);

    // Written by hand: a blob that would play macro 1 from within a macro.
    std::vector<std::uint8_t> bytes = serializeMacro(sampleMacro());
    std::size_t code = bytes.size();
    for (std::size_t k = 16; k + 3 < bytes.size(); ++k)
        if (bytes[k] == static_cast<std::uint8_t>(MacroOp::Command) && bytes[k + 2] == 125) code = k + 2;
    ASSERT_LT(code, bytes.size());
    bytes[code] = 214;
    EXPECT_FALSE(parseMacro(bytes.data(), bytes.size()));
}

TEST(MacroFormat, RejectsDamagedBlobs) {
    const std::vector<std::uint8_t> good = serializeMacro(sampleMacro());
    auto rejects = [](std::vector<std::uint8_t> b) { return !parseMacro(b.data(), b.size()); };
    auto damaged = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> b = good;
        b[at] = value;
        return b;
    };
    EXPECT_TRUE(rejects(damaged(0, 'X')));                            // magic
    EXPECT_TRUE(rejects(damaged(4, static_cast<std::uint8_t>(good[4] + 1)))); // size disagrees
    EXPECT_TRUE(rejects(damaged(8, 2)));                              // version
    EXPECT_TRUE(rejects(damaged(10, 1)));                             // reserved
    EXPECT_TRUE(rejects(damaged(12, static_cast<std::uint8_t>(good[12] + 1)))); // one action too many
    EXPECT_TRUE(rejects(damaged(12, static_cast<std::uint8_t>(good[12] - 1)))); // bytes left over
    EXPECT_TRUE(rejects(damaged(16, 99)));                            // unknown operation
    EXPECT_TRUE(rejects(damaged(17, 0xFF)));                          // text longer than the blob
    std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
    EXPECT_TRUE(rejects(truncated));
    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_TRUE(rejects(longer)); // the sized parse wants exactly the declared size
}

TEST(MacroFormat, RejectsDamagedReplacementsAndLines) {
    Macro replaceOnly;
    MacroAction replace = op(MacroOp::Replace, kFindMatchCase);
    replace.text = "ab";
    replace.replacement = "c";
    replaceOnly.add(replace);
    const std::vector<std::uint8_t> good = serializeMacro(replaceOnly);
    ASSERT_TRUE(parseMacro(good.data(), good.size()));
    auto rejects = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> b = good;
        b[at] = value;
        return !parseMacro(b.data(), b.size());
    };
    EXPECT_TRUE(rejects(17, 0x20));  // a flag no replacement has
    EXPECT_TRUE(rejects(18, 0));     // no text to find
    EXPECT_TRUE(rejects(24, 9));     // a replacement longer than the blob
    MacroAction empty = replace;
    empty.text.clear();
    EXPECT_FALSE(isValidAction(empty));

    Macro lineOnly;
    MacroAction goTo = op(MacroOp::GoToLine);
    goTo.line = 1;
    lineOnly.add(goTo);
    std::vector<std::uint8_t> line = serializeMacro(lineOnly);
    ASSERT_TRUE(parseMacro(line.data(), line.size()));
    line[17] = 0;  // line 0
    EXPECT_FALSE(parseMacro(line.data(), line.size()));
    goTo.line = 0;
    EXPECT_FALSE(isValidAction(goTo));
}

TEST(MacroFormat, UnsizedParseReadsOnlyTheDeclaredBytes) {
    const std::vector<std::uint8_t> good = serializeMacro(sampleMacro());
    // An exact-size heap copy: any read past it trips the address sanitizer.
    std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[good.size()]);
    std::memcpy(exact.get(), good.data(), good.size());
    EXPECT_TRUE(parseMacro(static_cast<const void*>(exact.get())));

    // A wrong magic byte stops reading at once.
    std::unique_ptr<std::uint8_t[]> one(new std::uint8_t[1]{'Z'});
    EXPECT_EQ(macroBlobSize(one.get()), 0u);
    // Declared sizes below the header or above the limit are refused.
    std::vector<std::uint8_t> tiny = good;
    tiny[4] = 8; tiny[5] = tiny[6] = tiny[7] = 0;
    EXPECT_EQ(macroBlobSize(tiny.data()), 0u);
    std::vector<std::uint8_t> huge = good;
    huge[7] = 0x7F;
    EXPECT_EQ(macroBlobSize(huge.data()), 0u);
}

} // namespace
} // namespace corvex::formats
