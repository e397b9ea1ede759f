#include "corvex/engine/text_buffer.h"
#include "corvex/engine/text_ops.h"

#include <gtest/gtest.h>

using namespace corvex;

TEST(TextOps, Classes) {
    EXPECT_EQ(classify('a'), CharClass::Word);
    EXPECT_EQ(classify('_'), CharClass::Word);
    EXPECT_EQ(classify('7'), CharClass::Word);
    EXPECT_EQ(classify(0xC3), CharClass::Word);
    EXPECT_EQ(classify(' '), CharClass::Space);
    EXPECT_EQ(classify('\t'), CharClass::Space);
    EXPECT_EQ(classify('\n'), CharClass::Newline);
    EXPECT_EQ(classify('.'), CharClass::Punct);
    EXPECT_EQ(classify('\0'), CharClass::Punct);
    EXPECT_EQ(classify('\r'), CharClass::Punct);
}

TEST(TextOps, WordRight) {
    TextBuffer b("foo.bar  baz\n  qux");
    EXPECT_EQ(wordRight(b, 0), 3u);    // over "foo"
    EXPECT_EQ(wordRight(b, 3), 4u);    // over "."
    EXPECT_EQ(wordRight(b, 4), 9u);    // over "bar" and the spaces
    EXPECT_EQ(wordRight(b, 9), 12u);   // "baz", stops at the line end
    EXPECT_EQ(wordRight(b, 12), 13u);  // to the next line
    EXPECT_EQ(wordRight(b, 13), 15u);  // leading spaces
    EXPECT_EQ(wordRight(b, 15), 18u);
    EXPECT_EQ(wordRight(b, 18), 18u);
    EXPECT_EQ(wordRight(b, 99), 18u);
}

TEST(TextOps, WordLeft) {
    TextBuffer b("foo.bar  baz\n  qux");
    EXPECT_EQ(wordLeft(b, 18), 15u);
    EXPECT_EQ(wordLeft(b, 15), 13u);   // over spaces to the line start
    EXPECT_EQ(wordLeft(b, 13), 12u);   // to the previous line end
    EXPECT_EQ(wordLeft(b, 12), 9u);
    EXPECT_EQ(wordLeft(b, 9), 4u);     // over spaces and "bar"
    EXPECT_EQ(wordLeft(b, 4), 3u);
    EXPECT_EQ(wordLeft(b, 3), 0u);
    EXPECT_EQ(wordLeft(b, 0), 0u);
}

TEST(TextOps, WordAtForDoubleClick) {
    TextBuffer b("int x_1 = a->b;\n\ncaf\xC3\xA9");
    auto r = wordAt(b, 5);
    EXPECT_EQ(b.text(r.start, r.end - r.start), "x_1");
    r = wordAt(b, 7);
    EXPECT_EQ(b.text(r.start, r.end - r.start), " ");
    r = wordAt(b, 11);
    EXPECT_EQ(b.text(r.start, r.end - r.start), "->");
    r = wordAt(b, 15);  // at the line end: the run before
    EXPECT_EQ(b.text(r.start, r.end - r.start), ";");
    r = wordAt(b, 16);  // an empty line
    EXPECT_EQ(r.start, 16u);
    EXPECT_EQ(r.end, 16u);
    r = wordAt(b, b.size());
    EXPECT_EQ(b.text(r.start, r.end - r.start), "caf\xC3\xA9");
    TextBuffer empty;
    r = wordAt(empty, 0);
    EXPECT_EQ(r.end, 0u);
}

TEST(TextOps, ColumnsWithTabs) {
    TextBuffer b("\tab\tc\nx\t\ty");
    EXPECT_EQ(columnOfOffset(b, 0, 4, true), 0u);
    EXPECT_EQ(columnOfOffset(b, 1, 4, true), 4u);
    EXPECT_EQ(columnOfOffset(b, 3, 4, true), 6u);
    EXPECT_EQ(columnOfOffset(b, 4, 4, true), 8u);
    EXPECT_EQ(columnOfOffset(b, 5, 4, true), 9u);
    EXPECT_EQ(columnOfOffset(b, 8, 4, true), 4u);   // "x\t" -> 4
    EXPECT_EQ(columnOfOffset(b, 9, 4, true), 8u);
    EXPECT_EQ(columnOfOffset(b, 5, 8, true), 17u);
    EXPECT_EQ(lineWidth(b, 0, 4, true), 9u);
    EXPECT_EQ(lineWidth(b, 1, 4, true), 9u);

    EXPECT_EQ(offsetOfColumn(b, 0, 0, 4, true), 0u);
    EXPECT_EQ(offsetOfColumn(b, 0, 2, 4, true), 0u);          // inside the tab
    EXPECT_EQ(offsetOfColumn(b, 0, 2, 4, true, true), 1u);    // nearer its right edge
    EXPECT_EQ(offsetOfColumn(b, 0, 1, 4, true, true), 0u);
    EXPECT_EQ(offsetOfColumn(b, 0, 4, 4, true), 1u);
    EXPECT_EQ(offsetOfColumn(b, 0, 5, 4, true), 2u);
    EXPECT_EQ(offsetOfColumn(b, 0, 8, 4, true), 4u);
    EXPECT_EQ(offsetOfColumn(b, 0, 100, 4, true), 5u);        // past the end
    EXPECT_EQ(offsetOfColumn(b, 1, 5, 4, true), 8u);
    EXPECT_EQ(offsetOfColumn(b, 7, 0, 4, true), b.size());
    // Every offset maps to a column that maps back to it.
    for (std::size_t o = 0; o <= b.size(); ++o) {
        const std::size_t line = b.lineOfOffset(o);
        EXPECT_EQ(offsetOfColumn(b, line, columnOfOffset(b, o, 4, true), 4, true), o);
    }
}

TEST(TextOps, Utf8CharactersAreOneColumn) {
    TextBuffer b("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z\xFF!");
    EXPECT_EQ(columnOfOffset(b, 2, 4, true), 1u);
    EXPECT_EQ(columnOfOffset(b, 5, 4, true), 2u);
    EXPECT_EQ(columnOfOffset(b, 9, 4, true), 3u);
    EXPECT_EQ(columnOfOffset(b, 11, 4, true), 5u);  // a stray byte is one character
    EXPECT_EQ(columnOfOffset(b, 5, 4, false), 5u);  // ANSI: bytes
    EXPECT_EQ(offsetOfColumn(b, 0, 3, 4, true), 9u);
    EXPECT_EQ(nextCharOffset(b, 0, true), 2u);
    EXPECT_EQ(nextCharOffset(b, 2, true), 5u);
    EXPECT_EQ(nextCharOffset(b, 5, true), 9u);
    EXPECT_EQ(nextCharOffset(b, 10, true), 11u);
    EXPECT_EQ(prevCharOffset(b, 9, true), 5u);
    EXPECT_EQ(prevCharOffset(b, 5, true), 2u);
    EXPECT_EQ(prevCharOffset(b, 2, true), 0u);
    EXPECT_EQ(prevCharOffset(b, 11, true), 10u);
    EXPECT_EQ(prevCharOffset(b, 9, false), 8u);
    TextBuffer broken("a\x80\x80\x80\x80");
    EXPECT_EQ(prevCharOffset(broken, 5, true), 4u);
    EXPECT_EQ(nextCharOffset(broken, 1, true), 2u);
}

TEST(TextOps, CaseConversion) {
    EXPECT_EQ(changeCase("Hello, World 123_x", CaseChange::Upper, true), "HELLO, WORLD 123_X");
    EXPECT_EQ(changeCase("Hello, World 123_X", CaseChange::Lower, true), "hello, world 123_x");
    // UTF-8 Latin-1 letters; the multiplication sign and other characters stay.
    EXPECT_EQ(changeCase("caf\xC3\xA9 \xC3\xB7 \xE2\x82\xAC", CaseChange::Upper, true), "CAF\xC3\x89 \xC3\xB7 \xE2\x82\xAC");
    EXPECT_EQ(changeCase("\xC3\x89\xC3\x97", CaseChange::Lower, true), "\xC3\xA9\xC3\x97");
    // ANSI: single bytes.
    EXPECT_EQ(changeCase("caf\xE9\xF7", CaseChange::Upper, false), "CAF\xC9\xF7");
    EXPECT_EQ(changeCase("\xC3", CaseChange::Upper, true), "\xC3");  // truncated, untouched
    EXPECT_EQ(tabExpansion(5, 4), 3u);
    EXPECT_EQ(nextTabStop(8, 4), 12u);
    EXPECT_EQ(nextTabStop(3, 0), 4u);
}

// Walking from a known place gives what walking from the line's start gives, for every
// place at or before the offset, with tabs and multi-byte characters in the way.
TEST(TextOps, ColumnsFromAMarkAgreeWithColumnsFromTheLineStart) {
    TextBuffer b("x\n\tab\xC3\xA9\tc\xE2\x82\xAC" "d\t\te");
    const std::size_t start = b.lineStart(1), end = b.size();
    for (unsigned tab : {1u, 4u, 8u}) {
        for (std::size_t mark = start; mark <= end; ++mark) {
            if ((static_cast<unsigned char>(b.at(mark < end ? mark : end - 1)) & 0xC0) == 0x80 && mark < end)
                continue;  // a walk starts at a character's first byte
            const ColumnMark from{mark, columnOfOffset(b, mark, tab, true)};
            for (std::size_t offset = mark; offset <= end; ++offset)
                EXPECT_EQ(columnOfOffsetFrom(b, from, offset, tab, true), columnOfOffset(b, offset, tab, true))
                    << "tab " << tab << ", from " << mark << " to " << offset;
        }
    }
}
