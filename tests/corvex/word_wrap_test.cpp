// Word wrap: rows break after blanks and keep words whole, cut words longer than a row,
// and the rows remembered for long lines agree with rows computed afresh after any edits.
#include "corvex/engine/text_buffer.h"
#include "corvex/engine/text_ops.h"
#include "corvex/engine/word_wrap.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace corvex {
namespace {

// The rows of the first line of `text`, as strings.
std::vector<std::string> rowsOf(const std::string& text, std::size_t width, unsigned tab = 4)
{
    TextBuffer buffer(text);
    const WrapLayout layout{width, tab, true};
    const std::size_t end = buffer.lineLength(0);
    std::vector<std::string> rows;
    for (ColumnMark start{0, 0}; start.offset < end || rows.empty();) {
        const ColumnMark next = nextRowStart(buffer, start, end, layout);
        rows.push_back(buffer.text(start.offset, next.offset - start.offset));
        if (next.offset == end)
            break;
        start = next;
    }
    return rows;
}

using Rows = std::vector<std::string>;

TEST(WordWrap, RowsBreakAfterBlanksAndKeepWordsWhole)
{
    EXPECT_EQ(rowsOf("the quick brown fox", 10), (Rows{"the quick ", "brown fox"}));
    EXPECT_EQ(rowsOf("the quick brown fox", 100), (Rows{"the quick brown fox"}));
    EXPECT_EQ(rowsOf("abcde   fgh", 5), (Rows{"abcde   ", "fgh"})) << "blanks at a break stay on the row";
    EXPECT_EQ(rowsOf("", 5), (Rows{""})) << "an empty line is one empty row";
}

TEST(WordWrap, WordsLongerThanARowAreCutAndEveryRowTakesACharacter)
{
    EXPECT_EQ(rowsOf("abcdefghijklmno", 5), (Rows{"abcde", "fghij", "klmno"}));
    EXPECT_EQ(rowsOf("ab abcdefgh", 4), (Rows{"ab ", "abcd", "efgh"}));
    EXPECT_EQ(rowsOf("xyz", 1), (Rows{"x", "y", "z"}));
    EXPECT_EQ(rowsOf("\tx", 1, 8), (Rows{"\t", "x"})) << "a tab wider than the row has a row of its own";
    EXPECT_EQ(rowsOf("\t\tx", 1, 8), (Rows{"\t\t", "x"})) << "and the blanks after it stay there";
}

TEST(WordWrap, TabsKeepTheLinesStopsAndCharactersAreWholeUtf8Sequences)
{
    EXPECT_EQ(rowsOf("ab\tcd\tef", 6, 4), (Rows{"ab\tcd\t", "ef"}));
    // The second row starts at column 6: its tab reaches the line's stop 8, not 4 of its own.
    EXPECT_EQ(rowsOf("abcdef\tgh ij", 6, 4), (Rows{"abcdef\t", "gh ij"}));
    TextBuffer buffer("abcdef\tgh ij");
    WrapRows rows;
    rows.setLayout({6, 4, true});
    EXPECT_EQ(rows.row(buffer, 0, 1).column, 8u);
    EXPECT_EQ(rowsOf("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 2), (Rows{"\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9", "\xC3\xA9"}));
}

TEST(WordWrap, RowsAreFoundByOffsetAndByIndex)
{
    TextBuffer buffer("one two three four\nx");
    WrapRows rows;
    rows.setLayout({9, 4, true});
    EXPECT_EQ(rows.rowCount(buffer, 0), 3u);  // "one two " "three " "four"
    const WrapRows::Row second = rows.row(buffer, 0, 1);
    EXPECT_EQ(second.start, 8u);
    EXPECT_EQ(second.end, 14u);
    EXPECT_EQ(rows.rowOf(buffer, 8).index, 1u) << "a row's first offset belongs to it";
    EXPECT_EQ(rows.rowOf(buffer, 7).index, 0u);
    EXPECT_EQ(rows.rowOf(buffer, 18).index, 2u) << "the line's end belongs to its last row";
    EXPECT_EQ(rows.row(buffer, 0, 99).index, 2u) << "clamped to the last row";
    EXPECT_EQ(rows.rowCount(buffer, 1), 1u);
}

// Rows of every line computed afresh, without anything remembered.
std::vector<std::size_t> freshStarts(const TextBuffer& buffer, std::size_t line, const WrapLayout& layout)
{
    const std::size_t start = buffer.lineStart(line), end = start + buffer.lineLength(line);
    std::vector<std::size_t> starts{start};
    for (ColumnMark next = nextRowStart(buffer, {start, 0}, end, layout); next.offset < end;
         next = nextRowStart(buffer, next, end, layout))
        starts.push_back(next.offset);
    return starts;
}

TEST(WordWrap, RememberedRowsOfLongLinesAgreeWithFreshOnesAfterAnyEdits)
{
    std::mt19937 random(11);
    const char* pieces[] = {"word ", "a", " ", "\t", "longerword", "\xC3\xA9", "\n", "xyz  "};
    std::string text;
    while (text.size() < 3 * WrapRows::kRememberedLineBytes)
        text += pieces[random() % 8 == 6 ? 0 : random() % 8];
    TextBuffer buffer(text);
    WrapRows rows;
    const WrapLayout layout{37, 4, true};
    rows.setLayout(layout);
    for (int step = 0; step < 300; ++step) {
        const std::size_t at = random() % (buffer.size() + 1);
        // Ask about a place first, so that rows are remembered before the edit.
        rows.rowOf(buffer, random() % (buffer.size() + 1));
        if (random() % 3 == 0 && at < buffer.size()) {
            buffer.erase(at, 1 + random() % 6);
        } else {
            std::string piece = pieces[random() % 8];
            if (piece == "\n" && random() % 2)
                piece = std::string(WrapRows::kRememberedLineBytes, 'w');  // a new long line
            buffer.insert(at, piece);
        }
        rows.forgetFrom(at);
        const std::size_t probe = random() % (buffer.size() + 1);
        const std::size_t line = buffer.lineOfOffset(probe);
        const std::vector<std::size_t> fresh = freshStarts(buffer, line, layout);
        ASSERT_EQ(rows.rowCount(buffer, line), fresh.size()) << "step " << step;
        const WrapRows::Row row = rows.rowOf(buffer, probe);
        ASSERT_EQ(row.start, fresh[row.index]) << "step " << step;
        ASSERT_LE(row.start, probe);
        ASSERT_TRUE(probe < row.end || row.index + 1 == fresh.size()) << "step " << step;
    }
}

TEST(WordWrap, EveryRowFitsUnlessItIsOneCharacterOrEndsInBlanks)
{
    std::mt19937 random(5);
    const char* pieces[] = {"w", "word", " ", "\t", "\xE2\x82\xAC", "verylongwordwithoutblanks"};
    for (int round = 0; round < 200; ++round) {
        std::string line;
        while (line.size() < 300)
            line += pieces[random() % 6];
        const std::size_t width = 1 + random() % 30;
        TextBuffer buffer(line);
        const WrapLayout layout{width, 4, true};
        const std::vector<std::size_t> starts = freshStarts(buffer, 0, layout);
        for (std::size_t k = 0; k < starts.size(); ++k) {
            const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : buffer.size();
            std::size_t trimmed = end;
            while (trimmed > starts[k] + 1 && (buffer.at(trimmed - 1) == ' ' || buffer.at(trimmed - 1) == '\t'))
                --trimmed;
            const std::size_t single = nextCharOffset(buffer, starts[k], true);
            const std::size_t first = columnOfOffset(buffer, starts[k], 4, true);
            const std::size_t columns = columnOfOffset(buffer, trimmed, 4, true) - first;
            ASSERT_TRUE(columns <= width || trimmed <= single) << "round " << round << " row " << k;
        }
    }
}

} // namespace
} // namespace corvex
