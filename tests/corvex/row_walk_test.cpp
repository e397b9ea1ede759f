// Rows of wrapped lines walked as places (line, row): steps across lines that stop at the
// document's ends, distances both ways with their limit, the offset at a column of a row
// and a row's end as End puts the caret; the rows of a long line an edit only shifted.
// And the column marks of very long lines, which must give the columns a full walk gives.
#include "corvex/engine/column_marks.h"
#include "corvex/engine/row_walk.h"
#include "corvex/engine/text_buffer.h"
#include "corvex/engine/text_ops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace corvex {
namespace {

// ---- row walks ------------------------------------------------------------------------

// At 10 columns:
//   line 0 "aaaa bbbb cccc dddd": rows [0,10) "aaaa bbbb " and [10,19) "cccc dddd"
//   line 1 "short" [20,25), line 2 empty [26,26)
//   line 3 "eeee ffff gggg": rows [27,37) "eeee ffff " and [37,41) "gggg"
class RowWalkTest : public ::testing::Test {
protected:
    RowWalkTest() { rows.setLayout(WrapLayout{10, 4, true}); }

    TextBuffer text{"aaaa bbbb cccc dddd\nshort\n\neeee ffff gggg"};
    WrapRows rows;
    RowWalk walk{text, rows};
    // Every row of the document, top to bottom.
    const std::vector<RowPos> all{{0, 0}, {0, 1}, {1, 0}, {2, 0}, {3, 0}, {3, 1}};
};

TEST_F(RowWalkTest, StepsCrossLineBoundariesAndStopAtTheFirstAndLastRows)
{
    ASSERT_EQ(walk.rowAt({0, 1}).start, 10u);
    ASSERT_EQ(walk.rowAt({0, 1}).end, 19u);
    ASSERT_EQ(walk.rowAt({3, 1}).start, 37u);
    ASSERT_EQ(rows.rowCount(text, 3), 2u);
    for (std::size_t from = 0; from < all.size(); ++from)
        for (std::size_t to = 0; to < all.size(); ++to) {
            const long long delta = static_cast<long long>(to) - static_cast<long long>(from);
            EXPECT_EQ(walk.step(all[from], delta), all[to]) << from << " by " << delta;
        }
    EXPECT_EQ(walk.step({0, 1}, 100), (RowPos{3, 1})) << "stops at the last row";
    EXPECT_EQ(walk.step({1, 0}, -100), (RowPos{0, 0})) << "stops at the first row";
    EXPECT_EQ(walk.step({3, 1}, 1), (RowPos{3, 1}));
    EXPECT_EQ(walk.step({0, 0}, -1), (RowPos{0, 0}));
    EXPECT_EQ(walk.step({1, 5}, 0), (RowPos{1, 0})) << "a row past the line's last is its last";
}

TEST_F(RowWalkTest, DistanceIsSymmetricAndLimitPlusOneBeyondTheLimit)
{
    for (std::size_t a = 0; a < all.size(); ++a)
        for (std::size_t b = 0; b < all.size(); ++b) {
            const long long rowsApart = static_cast<long long>(b) - static_cast<long long>(a);
            EXPECT_EQ(walk.distance(all[a], all[b], 10), rowsApart) << a << " to " << b;
            EXPECT_EQ(walk.distance(all[b], all[a], 10), -rowsApart) << b << " to " << a;
        }
    EXPECT_EQ(walk.distance({0, 0}, {3, 1}, 5), 5) << "exactly the limit is still counted";
    EXPECT_EQ(walk.distance({0, 0}, {3, 1}, 2), 3);
    EXPECT_EQ(walk.distance({3, 1}, {0, 0}, 2), -3);
    EXPECT_EQ(walk.distance({0, 1}, {3, 0}, 0), 1);
    EXPECT_EQ(walk.distance({3, 0}, {0, 1}, 0), -1);
}

TEST_F(RowWalkTest, OffsetInRowPastTheRowsEndStaysBeforeTheNextRow)
{
    EXPECT_EQ(walk.offsetInRow({0, 0}, 3), 3u);
    EXPECT_EQ(walk.offsetInRow({0, 0}, 9), 9u);
    EXPECT_EQ(walk.offsetInRow({0, 0}, 10), 9u) << "column 10 is the next row's start";
    EXPECT_EQ(walk.offsetInRow({0, 0}, 500), 9u);
    EXPECT_EQ(walk.offsetInRow({0, 1}, 4), 14u) << "columns count from the row's start";
    EXPECT_EQ(walk.offsetInRow({0, 1}, 500), 19u) << "the line's last row goes to its end";
    EXPECT_EQ(walk.offsetInRow({1, 0}, 500), 25u);
    EXPECT_EQ(walk.offsetInRow({2, 0}, 3), 26u);

    EXPECT_EQ(walk.rowEnd(0), 9u);
    EXPECT_EQ(walk.rowEnd(9), 9u);
    EXPECT_EQ(walk.rowEnd(10), 19u) << "a row's start belongs to the row it starts";
    EXPECT_EQ(walk.rowEnd(19), 19u);
    EXPECT_EQ(walk.rowEnd(22), 25u);
    EXPECT_EQ(walk.rowEnd(26), 26u);
    EXPECT_EQ(walk.rowEnd(30), 36u);
    EXPECT_EQ(walk.rowEnd(41), 41u);
}

TEST(RowWalk, OffsetInRowStaysBeforeAWholeCharacterAtACut)
{
    // Seven two-byte characters cut into rows of three: [0,6) [6,12) [12,14).
    std::string e7;
    for (int k = 0; k < 7; ++k)
        e7 += "\xC3\xA9";
    TextBuffer text(e7);
    WrapRows rows;
    rows.setLayout(WrapLayout{3, 4, true});
    RowWalk walk(text, rows);
    ASSERT_EQ(walk.rowAt({0, 1}).start, 6u);
    EXPECT_EQ(walk.offsetInRow({0, 0}, 1), 2u);
    EXPECT_EQ(walk.offsetInRow({0, 0}, 5), 4u) << "the start of the row's last character, not inside it";
    EXPECT_EQ(walk.rowEnd(7), 10u);
    EXPECT_EQ(walk.rowEnd(12), 14u);
    EXPECT_EQ(walk.step(walk.rowOfOffset(13), -2), (RowPos{0, 0}));
}

// ---- the rows an edit left ------------------------------------------------------------

// One long line of 200 pieces "abc...z\t": with tabs of 8 and rows of 32 columns each
// piece is one row, starting at column 32 * k, offset 27 * k. A piece that grows by a
// few letters still ends at the same tab stop, so the rows after it only move.
constexpr std::size_t kPiece = 27;
std::string LongTabbedLine()
{
    std::string line;
    for (int k = 0; k < 200; ++k)
        line += "abcdefghijklmnopqrstuvwxyz\t";
    return line + "\nnext line";
}

class RowsBeforeEditTest : public ::testing::Test {
protected:
    RowsBeforeEditTest() { rows.setLayout(WrapLayout{32, 8, true}); }

    void Insert(std::size_t pos, const std::string& inserted, std::size_t count = 20)
    {
        before.note(walk, pos, 0, inserted.size(), count);
        text.insert(pos, inserted);
        rows.forgetFrom(pos);
    }
    void Erase(std::size_t pos, std::size_t length, std::size_t count = 20)
    {
        before.note(walk, pos, length, 0, count);
        text.erase(pos, length);
        rows.forgetFrom(pos);
    }

    TextBuffer text{LongTabbedLine()};
    WrapRows rows;
    RowWalk walk{text, rows};
    RowsBeforeEdit before;
};

TEST_F(RowsBeforeEditTest, AnInsertionThatOnlyShiftsLaterRowsGivesTheFirstUnchangedRow)
{
    ASSERT_EQ(walk.rowAt({0, 10}).start, 10 * kPiece);
    ASSERT_EQ(walk.rowAt({0, 10}).column, 320u);
    Insert(10 * kPiece + 5, "XY");
    EXPECT_TRUE(before.describes(0));
    EXPECT_FALSE(before.describes(1));
    EXPECT_EQ(before.firstIndex(), 9u) << "taken from the row before the edited one";
    EXPECT_EQ(before.firstUnchanged(walk, 0, before.firstIndex()), 11);
    EXPECT_EQ(before.firstUnchanged(walk, 0, 15), 15) << "at or after the row asked for";
    EXPECT_EQ(before.firstUnchanged(walk, 0, 40), -1) << "past the rows taken";
}

TEST_F(RowsBeforeEditTest, ADeletionOrAnInsertionAtARowsStartGivesTheRowAfterIt)
{
    // Two letters fewer: the piece's tab still reaches the same stop.
    Erase(7 * kPiece + 2, 2);
    EXPECT_TRUE(before.describes(0));
    EXPECT_EQ(before.firstUnchanged(walk, 0, before.firstIndex()), 8);

    text.assign(LongTabbedLine());
    rows.clear();
    Insert(12 * kPiece, "Q");
    EXPECT_EQ(walk.rowAt({0, 12}).start, 12 * kPiece) << "the new letter starts row 12";
    EXPECT_EQ(before.firstUnchanged(walk, 0, before.firstIndex()), 13);
}

TEST_F(RowsBeforeEditTest, AnEditThatMovesTheColumnsOfLaterRowsLeavesNoneUnchanged)
{
    // Six letters push the piece's tab to the next stop: every later row starts at
    // another column, although its text and its offset (moved by 6) are the same.
    Insert(10 * kPiece + 5, "XXXXXX");
    ASSERT_EQ(walk.rowAt({0, 11}).start, 11 * kPiece + 6);
    EXPECT_NE(walk.rowAt({0, 11}).column, 352u);
    EXPECT_EQ(before.firstUnchanged(walk, 0, before.firstIndex()), -1);
}

TEST_F(RowsBeforeEditTest, ShortLinesAndEditsAcrossLinesTakeNothing)
{
    const std::size_t nextLine = text.lineStart(1);
    Insert(nextLine + 2, "x");
    EXPECT_FALSE(before.describes(1)) << "a short line counts its rows instead";
    Erase(text.lineStart(1) - 3, 5);
    EXPECT_FALSE(before.describes(0)) << "the edit reaches into the next line";
    before.note(walk, 30, 0, 1, 20);
    EXPECT_TRUE(before.describes(0));
    before.forget();
    EXPECT_FALSE(before.describes(0));
}

// ---- column marks ---------------------------------------------------------------------

// A line of more than 64 KiB with tabs and two- and three-byte characters, then a short one.
std::string LongMixedLine()
{
    std::string line;
    while (line.size() <= ColumnMarks::kLongLineBytes + 4000)
        line += "ab\tc\xC3\xA9 d\xE2\x82\xAC\tx  ";
    return line + "\nshort\tline";
}

bool StartsCharacter(const TextBuffer& text, std::size_t offset)
{
    return offset >= text.size() || (static_cast<unsigned char>(text.at(offset)) & 0xC0) != 0x80;
}

class ColumnMarksTest : public ::testing::Test {
protected:
    std::size_t ColumnOf(std::size_t offset, unsigned tab, bool utf8 = true)
    {
        const std::size_t line = text.lineOfOffset(offset);
        const std::size_t start = text.lineStart(line);
        return marks.columnOf(text, start, start + text.lineLength(line), offset, tab, utf8);
    }
    std::size_t LineEnd() const { return text.lineLength(0); }

    TextBuffer text{LongMixedLine()};
    ColumnMarks marks;
};

TEST_F(ColumnMarksTest, ColumnsOnALongLineAgreeWithAWalkFromTheLineStart)
{
    ASSERT_GT(text.lineLength(0), ColumnMarks::kLongLineBytes);
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> anywhere(0, LineEnd());
    std::vector<std::size_t> offsets{0, 1, 2, 3, 5, 6, LineEnd(), LineEnd() - 1};
    for (int k = 0; k < 120; ++k)
        offsets.push_back(anywhere(random));  // character starts and continuation bytes alike
    for (int k = 0; k < 40; ++k)
        offsets.push_back(40000 + 13 * static_cast<std::size_t>(k));  // near each other, ascending
    for (std::size_t offset : offsets)
        ASSERT_EQ(ColumnOf(offset, 4), columnOfOffset(text, offset, 4, true)) << offset;
    // Single-byte text: every byte is a character (marks walked as UTF-8 do not apply).
    marks.forgetAll();
    for (std::size_t offset : offsets)
        ASSERT_EQ(ColumnOf(offset, 4, false), columnOfOffset(text, offset, 4, false)) << offset;
    // The short line after it is walked from its own start.
    const std::size_t second = text.lineStart(1);
    EXPECT_EQ(ColumnOf(second + 7, 4), columnOfOffset(text, second + 7, 4, true));
    EXPECT_EQ(ColumnOf(second + 7, 4), 9u);
}

TEST_F(ColumnMarksTest, AnEditForgetsTheMarksFromItsOffset)
{
    std::size_t early = 10000, late = 50000;
    while (!StartsCharacter(text, early))
        ++early;
    while (!StartsCharacter(text, late))
        ++late;
    ColumnOf(early, 4);
    ColumnOf(late, 4);
    EXPECT_EQ(marks.nearest(0, LineEnd(), late + 100, static_cast<std::size_t>(-1), 4).offset, late);

    // A tab typed between the marks: the later one is forgotten, the earlier one kept.
    const std::size_t at = 30001;
    text.insert(at, "\t");
    marks.forgetFrom(at);
    const ColumnMark nearest = marks.nearest(0, LineEnd(), late + 100, static_cast<std::size_t>(-1), 4);
    EXPECT_EQ(nearest.offset, early);
    EXPECT_EQ(ColumnOf(late + 1, 4), columnOfOffset(text, late + 1, 4, true));
    EXPECT_EQ(ColumnOf(LineEnd(), 4), columnOfOffset(text, LineEnd(), 4, true));

    marks.forgetFrom(early);
    EXPECT_LT(marks.nearest(0, LineEnd(), early, static_cast<std::size_t>(-1), 4).offset, early)
        << "an edit at a mark forgets it";
}

TEST_F(ColumnMarksTest, MarksOfAnotherTabSizeAreNeverUsed)
{
    ColumnOf(40000, 4);
    ColumnOf(60000, 4);
    EXPECT_EQ(marks.nearest(0, LineEnd(), 70000, static_cast<std::size_t>(-1), 8).offset, 0u)
        << "none of the marks of tab size 4 is offered for tab size 8";
    EXPECT_EQ(ColumnOf(60010, 8), columnOfOffset(text, 60010, 8, true));
    EXPECT_EQ(ColumnOf(65000, 8), columnOfOffset(text, 65000, 8, true));
    EXPECT_EQ(ColumnOf(60020, 4), columnOfOffset(text, 60020, 4, true)) << "and back again";
    EXPECT_EQ(ColumnOf(65010, 2), columnOfOffset(text, 65010, 2, true));
}

TEST_F(ColumnMarksTest, ContinuationBytesAreNotRemembered)
{
    std::size_t inside = 40000;
    while (StartsCharacter(text, inside))
        ++inside;
    EXPECT_EQ(ColumnOf(inside, 4), columnOfOffset(text, inside, 4, true));
    EXPECT_EQ(marks.nearest(0, LineEnd(), inside, static_cast<std::size_t>(-1), 4).offset, 0u)
        << "only the start of a character starts a walk";
    EXPECT_EQ(ColumnOf(inside + 40, 4), columnOfOffset(text, inside + 40, 4, true));

    ColumnMarks ansi;
    const std::size_t end = LineEnd();
    EXPECT_EQ(ansi.columnOf(text, 0, end, inside, 4, false), columnOfOffset(text, inside, 4, false));
    EXPECT_EQ(ansi.nearest(0, end, inside, static_cast<std::size_t>(-1), 4).offset, inside)
        << "in single-byte text the same byte is a character of its own";
}

} // namespace
} // namespace corvex
