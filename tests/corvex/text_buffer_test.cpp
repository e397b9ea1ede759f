#include "corvex/engine/text_buffer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

using corvex::TextBuffer;

// The global allocation functions, replaced so that a test can see whether a given block
// is freed: TextBuffer does not show its storage, but whose memory it holds shows when it
// lets go of it.
namespace {
std::atomic<const void*> g_watched{nullptr};
std::atomic<bool> g_watchedFreed{false};
} // namespace

namespace {
void* acquire(std::size_t size) noexcept { return std::malloc(size ? size : 1); }
void release(void* p) noexcept {
    if (p && p == g_watched.load()) g_watchedFreed = true;
    std::free(p);
}
} // namespace

// Every unaligned form, so that no block crosses between these and the library's own.
void* operator new(std::size_t size) {
    if (void* p = acquire(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    if (void* p = acquire(size)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return acquire(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return acquire(size); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }

namespace {

// Watches one block while it lives.
class FreeWatch {
public:
    explicit FreeWatch(const void* block) {
        g_watchedFreed = false;
        g_watched = block;
    }
    ~FreeWatch() { g_watched = nullptr; }
    FreeWatch(const FreeWatch&) = delete;
    FreeWatch& operator=(const FreeWatch&) = delete;
    bool freed() const { return g_watchedFreed; }
};

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

TEST(TextBuffer, AssignTakesOverAStringWithSpareCapacity) {
    std::string s;
    s.reserve(100 + TextBuffer::recommendedGap(100));
    s.assign(100, 'x');
    const void* storage = s.data();
    TextBuffer b;
    {
        FreeWatch watch(storage);
        b.assign(std::move(s));
        EXPECT_FALSE(watch.freed()) << "the string's memory was let go while assigning";
    }
    EXPECT_EQ(b.size(), 100u);
    EXPECT_EQ(b.text(), std::string(100, 'x'));
    // The buffer held the string's very memory: clearing it frees that block.
    FreeWatch watch(storage);
    b.clear();
    EXPECT_TRUE(watch.freed()) << "the buffer did not hold the string's memory";
}

TEST(TextBuffer, AssignCopiesAStringWithoutSpareCapacity) {
    std::string s(100, 'y');
    s.shrink_to_fit();
    ASSERT_LT(s.capacity(), 100 + TextBuffer::recommendedGap(100));
    const void* storage = s.data();
    TextBuffer b;
    FreeWatch watch(storage);
    b.assign(std::move(s));
    EXPECT_TRUE(watch.freed()) << "the short block is replaced while assigning";
    EXPECT_EQ(b.text(), std::string(100, 'y'));
    EXPECT_GE(b.memoryBytes(), 100u + TextBuffer::recommendedGap(100));
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

TEST(TextBuffer, PreparingAnEditFarAwayChangesNothingButWhereTheGapsStand) {
    std::string model;
    for (int k = 0; k < 5000; ++k) model += "line " + std::to_string(k) + (k % 7 ? "\n" : "\r\n");
    TextBuffer b(model);
    b.insert(10, "x");  // the gaps near the start
    model.insert(10, "x");
    for (std::size_t at : {model.size(), model.size() / 2, std::size_t(0), model.size() + 99, std::size_t(12345)}) {
        b.prepareEditAt(at);
        EXPECT_EQ(b.gapDistance(std::min(at, model.size())), 0u);
        ASSERT_EQ(b.text(), model);
        ASSERT_TRUE(b.checkInvariants()) << at;
        const std::size_t here = std::min(at, model.size());
        b.insert(here, "ab\ncd");
        model.insert(here, "ab\ncd");
        ASSERT_EQ(b.text(), model);
        ASSERT_TRUE(b.checkInvariants()) << at;
    }
}
