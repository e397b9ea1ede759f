#include "corvex/engine/text_buffer.h"
#include "corvex/engine/byte_find.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>
#include <string>

using corvex::TextBuffer;

namespace {


void expectLines(const TextBuffer& b, const std::string& model) {
    ASSERT_EQ(b.size(), model.size());
    ASSERT_EQ(b.text(), model);
    std::size_t line = 0, start = 0;
    for (std::size_t i = 0; i <= model.size(); ++i) {
        if (i == model.size() || model[i] == '\n') {
            EXPECT_EQ(b.lineStart(line), start) << "line " << line;
            EXPECT_EQ(b.lineLength(line), i - start) << "line " << line;
            EXPECT_EQ(b.lineEnd(line), i);
            ++line;
            start = i + 1;
        }
    }
    EXPECT_EQ(b.lineCount(), line);
    line = 0;
    for (std::size_t i = 0; i < model.size(); ++i) {
        EXPECT_EQ(b.lineOfOffset(i), line) << "offset " << i;
        if (model[i] == '\n') ++line;
    }
    EXPECT_EQ(b.lineOfOffset(model.size()), b.lineCount() - 1);
    EXPECT_TRUE(b.checkInvariants());
}

} // namespace

TEST(TextBuffer, EmptyDocumentHasOneLine) {
    TextBuffer b;
    EXPECT_EQ(b.size(), 0u);
    EXPECT_EQ(b.lineCount(), 1u);
    EXPECT_EQ(b.lineStart(0), 0u);
    EXPECT_EQ(b.lineLength(0), 0u);
    EXPECT_EQ(b.lineOfOffset(0), 0u);
    EXPECT_EQ(b.text(0, 10), "");
}

TEST(TextBuffer, AssignBuildsLineIndex) {
    TextBuffer b("one\ntwo\n\nthree");
    expectLines(b, "one\ntwo\n\nthree");
    EXPECT_EQ(b.lineCount(), 4u);
    EXPECT_EQ(b.text(b.lineStart(3), b.lineLength(3)), "three");
}

TEST(TextBuffer, TrailingNewlineMakesAnEmptyLastLine) {
    TextBuffer b("a\n");
    EXPECT_EQ(b.lineCount(), 2u);
    EXPECT_EQ(b.lineStart(1), 2u);
    EXPECT_EQ(b.lineLength(1), 0u);
}

TEST(TextBuffer, InsertAndEraseKeepIndexExact) {
    std::string model = "alpha\nbeta\ngamma";
    TextBuffer b(model);
    b.insert(6, "X\nY");
    model.insert(6, "X\nY");
    expectLines(b, model);
    b.insert(0, "\n\n");
    model.insert(0, "\n\n");
    expectLines(b, model);
    b.insert(model.size(), "\nend");
    model += "\nend";
    expectLines(b, model);
    b.erase(3, 7);
    model.erase(3, 7);
    expectLines(b, model);
    b.erase(0, model.size());
    model.clear();
    expectLines(b, model);
}

TEST(TextBuffer, InsertAtLineStartKeepsThatLineStart) {
    std::string model = "ab\ncd\nef";
    TextBuffer b(model);
    b.insert(3, "zz");
    model.insert(3, "zz");
    expectLines(b, model);
    EXPECT_EQ(b.lineStart(1), 3u);
}

TEST(TextBuffer, NulAndCarriageReturnAreOrdinaryBytes) {
    std::string model("a\0b\r\nc\0", 7);
    TextBuffer b(model);
    expectLines(b, model);
    EXPECT_EQ(b.lineCount(), 2u);
    EXPECT_EQ(b.at(1), '\0');
    EXPECT_EQ(b.lineLength(0), 4u);  // "a\0b\r"
    b.insert(2, std::string("\0\0", 2));
    model.insert(2, std::string("\0\0", 2));
    expectLines(b, model);
}

TEST(TextBuffer, OutOfRangeQueriesAreClipped) {
    TextBuffer b("ab\ncd");
    EXPECT_EQ(b.at(99), '\0');
    EXPECT_EQ(b.lineStart(99), b.size());
    EXPECT_EQ(b.lineLength(99), 0u);
    EXPECT_EQ(b.lineOfOffset(99), 1u);
    EXPECT_EQ(b.text(3, 99), "cd");
    EXPECT_EQ(b.text(99, 1), "");
    b.erase(99, 1);
    b.erase(4, 99);
    EXPECT_EQ(b.text(), "ab\nc");
    b.insert(99, "!");
    EXPECT_EQ(b.text(), "ab\nc!");
}

TEST(TextBuffer, GrowsPastItsGap) {
    TextBuffer b;
    std::string model;
    for (int i = 0; i < 20000; ++i) {
        const std::string piece = (i % 7 == 0) ? "\n" : std::string(1, static_cast<char>('a' + i % 26));
        const std::size_t at = model.size() / 2;
        b.insert(at, piece);
        model.insert(at, piece);
    }
    EXPECT_EQ(b.text(), model);
    EXPECT_TRUE(b.checkInvariants());
}

TEST(TextBuffer, TypingFarAwayThenNearbyStaysCorrect) {
    std::string model;
    for (int i = 0; i < 1000; ++i) model += "line " + std::to_string(i) + "\n";
    TextBuffer b(model);
    const std::size_t spots[] = {0, model.size(), model.size() / 3, 17, model.size() - 5};
    for (std::size_t spot : spots) {
        for (int k = 0; k < 30; ++k) {
            const std::size_t at = std::min(spot + k, model.size());
            const std::string c = (k % 10 == 9) ? "\n" : "q";
            b.insert(at, c);
            model.insert(at, c);
        }
        for (int k = 0; k < 10; ++k) {
            const std::size_t at = std::min(spot, model.size() - 1);
            b.erase(at, 1);
            model.erase(at, 1);
        }
    }
    expectLines(b, model);
}

TEST(TextBuffer, LongestLineIsTheFirstOfTheLongestWhereverTheGapsStand) {
    std::string model = "ab\nabcd\n\nabcd\nx";
    TextBuffer b(model);
    const auto expected = [&] {
        std::size_t best = 0, bestLength = 0, line = 0, length = 0;
        for (char c : model + "\n") {
            if (c != '\n') { ++length; continue; }
            if (length > bestLength) { bestLength = length; best = line; }
            ++line;
            length = 0;
        }
        return best;
    };
    EXPECT_EQ(b.longestLine(), 1u);
    unsigned seed = 7;
    for (int step = 0; step < 400; ++step) {
        seed = seed * 1103515245u + 12345u;
        const std::size_t at = (seed >> 8) % (model.size() + 1);
        const std::string piece = (seed >> 4) % 3 ? std::string((seed >> 12) % 9, 'q') : "\n";
        if ((seed >> 20) % 4 == 0 && at < model.size()) {
            b.erase(at, 1);
            model.erase(at, 1);
        } else {
            b.insert(at, piece);
            model.insert(at, piece);
        }
        ASSERT_EQ(b.longestLine(), expected()) << "step " << step;
    }
    TextBuffer last("a\nbb\nccc");
    EXPECT_EQ(last.longestLine(), 2u) << "the last line has no line end";
    EXPECT_EQ(TextBuffer().longestLine(), 0u);
}

// A model of the text and of its line-end kinds, checked against buffers of tiny blocks so
// that every edit straddles, fills, empties and merges blocks.
struct KindModel {
    std::string text;
    std::vector<unsigned char> kinds;  // one per '\n'

    std::size_t newlinesBefore(std::size_t offset) const {
        return static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
    }
    void insert(std::size_t at, const std::string& piece, const std::vector<unsigned char>& pieceKinds) {
        const std::size_t k = newlinesBefore(at);
        kinds.insert(kinds.begin() + static_cast<std::ptrdiff_t>(k), pieceKinds.begin(), pieceKinds.end());
        text.insert(at, piece);
    }
    std::vector<unsigned char> erase(std::size_t at, std::size_t n) {
        const std::size_t first = newlinesBefore(at), last = newlinesBefore(at + n);
        std::vector<unsigned char> gone(kinds.begin() + static_cast<std::ptrdiff_t>(first),
                                        kinds.begin() + static_cast<std::ptrdiff_t>(last));
        kinds.erase(kinds.begin() + static_cast<std::ptrdiff_t>(first), kinds.begin() + static_cast<std::ptrdiff_t>(last));
        text.erase(at, n);
        return gone;
    }
};

void expectAgrees(const TextBuffer& b, const KindModel& m, int step) {
    ASSERT_TRUE(b.checkInvariants()) << "step " << step;
    ASSERT_EQ(b.text(), m.text) << "step " << step;
    ASSERT_EQ(b.lineCount(), m.kinds.size() + 1) << "step " << step;
    std::size_t line = 0, start = 0;
    for (std::size_t i = 0; i <= m.text.size(); ++i) {
        ASSERT_EQ(b.lineOfOffset(i), std::min(line, m.kinds.size())) << "offset " << i << " step " << step;
        if (i == m.text.size() || m.text[i] == '\n') {
            ASSERT_EQ(b.lineStart(line), start) << "line " << line << " step " << step;
            ASSERT_EQ(b.lineLength(line), i - start) << "line " << line << " step " << step;
            if (line < m.kinds.size()) {
                ASSERT_EQ(b.lineEndKind(line), m.kinds[line]) << "line " << line;
            }
            ++line;
            start = i + 1;
        }
    }
}

TEST(TextBuffer, TinyBlocksAgreeWithAModelThroughEditsThatStraddleFillAndEmptyThem) {
    for (std::size_t blockBytes : {2u, 7u, 16u, 64u}) {
        TextBuffer b(blockBytes);
        KindModel m;
        unsigned seed = static_cast<unsigned>(blockBytes) * 2654435761u;
        auto next = [&](unsigned range) {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 8) % range;
        };
        for (int step = 0; step < 600; ++step) {
            const std::size_t at = next(static_cast<unsigned>(m.text.size() + 1));
            if (next(3) == 0 && !m.text.empty()) {
                const std::size_t n = std::min<std::size_t>(next(3) ? next(5) + 1 : next(200), m.text.size() - at);
                std::vector<unsigned char> gone;
                b.erase(at, n, &gone);
                std::vector<unsigned char> expected = m.erase(at, n);
                if (std::all_of(expected.begin(), expected.end(), [](unsigned char k) { return k == 0; }))
                    expected.clear();
                ASSERT_EQ(gone, expected) << "kinds given back, step " << step;
            } else {
                std::string piece;
                std::vector<unsigned char> kinds;
                const std::size_t n = next(4) ? next(4) + 1 : next(150);
                for (std::size_t i = 0; i < n; ++i) {
                    const bool newline = next(5) == 0;
                    piece += newline ? '\n' : static_cast<char>('a' + next(26));
                    if (newline) kinds.push_back(static_cast<unsigned char>(next(6) == 0 ? next(4) : 0));
                }
                const bool withKinds = next(2) == 0;
                b.insert(at, piece, withKinds ? &kinds : nullptr);
                if (!withKinds) std::fill(kinds.begin(), kinds.end(), 0);
                m.insert(at, piece, kinds);
            }
            expectAgrees(b, m, step);
        }
    }
}

TEST(TextBuffer, ARunSwappedInAndBackLeavesTheTextAndItsKindsAsTheyWere) {
    TextBuffer b(8);
    b.assign("one\ntwo\nthree\nfour\nfive\nsix");
    b.setLineEndKinds({0, 1, 0, 2, 0});
    TextBuffer::RunWriter w = b.writer();
    w.append("NEW\nTEXT\n");
    b.copyInto(14, 5, w);  // "four\n", its kind with it
    TextBuffer::Run gone = b.replaceRun(4, 15, w.finish());
    EXPECT_EQ(b.text(), "one\nNEW\nTEXT\nfour\nfive\nsix");
    EXPECT_TRUE(b.checkInvariants());
    EXPECT_EQ(b.lineEndKind(3), 2);  // copied with "four\n"
    EXPECT_EQ(gone.size(), 15u);
    EXPECT_EQ(gone.newlines(), 3u);
    TextBuffer::Run back = b.replaceRun(4, 14, std::move(gone));
    EXPECT_EQ(b.text(), "one\ntwo\nthree\nfour\nfive\nsix");
    EXPECT_TRUE(b.checkInvariants());
    const unsigned char kinds[] = {0, 1, 0, 2, 0};
    for (std::size_t line = 0; line < 5; ++line) EXPECT_EQ(b.lineEndKind(line), kinds[line]) << line;
    EXPECT_EQ(back.size(), 14u);
    // At the very ends, and replacing everything.
    b.replaceRun(b.size(), 0, std::move(back));
    EXPECT_EQ(b.text(), "one\ntwo\nthree\nfour\nfive\nsixNEW\nTEXT\nfour\n");
    TextBuffer::Run all = b.replaceRun(0, b.size(), TextBuffer::Run());
    EXPECT_EQ(b.size(), 0u);
    EXPECT_EQ(b.lineCount(), 1u);
    EXPECT_TRUE(b.checkInvariants());
    b.replaceRun(0, 0, std::move(all));
    EXPECT_EQ(b.text(), "one\ntwo\nthree\nfour\nfive\nsixNEW\nTEXT\nfour\n");
    EXPECT_TRUE(b.checkInvariants());
}

TEST(TextBuffer, NoBlockOutgrowsItsSizeAndDeletingLeavesNoTrailOfSmallBlocks) {
    TextBuffer b;
    std::string big;
    for (int i = 0; i < 200000; ++i) big += i % 40 == 39 ? '\n' : 'x';
    b.assign(big);
    const std::size_t loaded = b.blockCount();
    EXPECT_LE(loaded, big.size() / (TextBuffer::kDefaultBlockBytes / 2) + 1);
    for (int i = 0; i < 70000; ++i) b.insert(123456, "y");  // one place, past a block's size
    EXPECT_TRUE(b.checkInvariants());
    // Deleting a character at a time, from the front, in every block.
    for (std::size_t at = 0; b.size() > 1000; at = (at + 997) % (b.size() - 100)) b.erase(at, 90);
    EXPECT_TRUE(b.checkInvariants());
    EXPECT_LE(b.blockCount(), 3u) << "small blocks were not merged";
}

// The eight-at-a-time byte finder against a plain loop, from every start, on bytes that
// trip word-wise tricks: neighbours of the sought bytes (0x0B after '\n', 0x0C before
// '\r'), zero, 0x80 and 0xFF, at every alignment and near the end.
TEST(FindByte, AgreesWithAPlainLoopFromEveryStart)
{
    const char alphabet[] = {'\n', '\r', '\x0B', '\x0C', '\x0E', '\x09', 'a', '\0', '\x80', '\xFF', '\x01'};
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 40, 'a');
        for (char& c : text)
            c = alphabet[random() % sizeof alphabet];
        const char* const begin = text.data();
        const char* const end = begin + text.size();
        for (std::size_t from = 0; from <= text.size(); ++from) {
            const char* expectedLf = begin + from;
            while (expectedLf < end && *expectedLf != '\n')
                ++expectedLf;
            const char* expectedEither = begin + from;
            while (expectedEither < end && *expectedEither != '\n' && *expectedEither != '\r')
                ++expectedEither;
            const char* lf = corvex::FindByte(begin + from, end, '\n');
            const char* either = corvex::FindEitherByte(begin + from, end, '\r', '\n');
            ASSERT_EQ(lf ? lf : end, expectedLf) << "from " << from << " in a text of " << text.size();
            ASSERT_EQ(either ? either : end, expectedEither) << "from " << from << " in a text of " << text.size();
        }
    }
}
