// The document's bytes, in blocks, with a line index.
//
// The text is a sequence of blocks of at most blockBytes() bytes (64 KiB unless a test
// asks for less). A block holds its bytes, the offsets of its '\n' bytes within it, and,
// once any of its line ends is written otherwise than the document's style, one
// LineEndKind per line end, so that a file with mixed line ends is written back with
// each one as it was. Two running totals over the blocks (bytes and line ends) turn an
// offset or a line number into its block; the block found last is remembered, so a walk
// through lines or bytes in order finds each in O(1). No edit moves more than a block of
// text, and no allocation is larger than a block, the table of blocks (a pointer each)
// or the totals (a number each): a gigabyte document needs no gigabyte of contiguous
// address space.
//
// Internally a line ends with '\n'; every other byte (NUL and '\r' included) is an
// ordinary byte. A newline inserted without a kind takes the style's.
//
// Costs, n = document size, B = number of blocks (n / 56 KiB or so), b = a block's
// size, k = the edit's size:
//   size, lineCount ...................................... O(1)
//   at, lineStart, lineLength, lineEnd ................... O(log B); O(1) in or next to
//   lineOfOffset ......................................... the block found last (+ log b)
//   insert / erase ....................................... O(b + k + log B), and O(B)
//       for the table when blocks split, merge or empty (once per ~b/8 bytes typed)
//   text(offset, length) ................................. O(length + log B)
//   replaceRun ........................................... O(b + B): the run's blocks
//       are moved in and the replaced ones moved out, not copied
// A lookup after a change that moved blocks rebuilds the running totals first, O(B).
#pragma once

#include "corvex/engine/block_sums.h"
#include "corvex/engine/text_source.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvex {

class TextBuffer : public TextSource {
public:
    static constexpr std::size_t kDefaultBlockBytes = 65536;  // the most a block's 16-bit offsets reach

    struct Block {
        std::string bytes;
        std::vector<std::uint16_t> newlines;  // offsets of the '\n' bytes, increasing
        std::vector<unsigned char> kinds;     // empty (all the style's) or one per newline
    };

    // Blocks out of a buffer, or built for one: the text replaceRun() moves in and out.
    class Run {
    public:
        std::size_t size() const { return bytes_; }
        std::size_t newlines() const { return newlines_; }
        std::size_t memoryBytes() const;

    private:
        friend class TextBuffer;
        std::vector<std::unique_ptr<Block>> blocks_;
        std::size_t bytes_ = 0;
        std::size_t newlines_ = 0;
        bool kinds_ = false;  // some line end differs from the style
    };

    // Packs bytes into the blocks of a Run, each filled to 7/8 of the block size so that
    // typing into it later does not split it at once.
    class RunWriter {
    public:
        explicit RunWriter(std::size_t blockBytes);
        // `kinds`: null (every line end the style's) or one LineEndKind per '\n' of `bytes`.
        void append(std::string_view bytes, const unsigned char* kinds = nullptr);
        // Bytes [from, to) of a block, with their kinds.
        void appendPart(const Block& block, std::size_t from, std::size_t to);
        std::size_t size() const { return run_.bytes_; }
        Run finish();

    private:
        Block& room();
        std::size_t fill_;
        Run run_;
    };

    explicit TextBuffer(std::size_t blockBytes = kDefaultBlockBytes);
    explicit TextBuffer(std::string_view text) : TextBuffer() { assign(text); }
    TextBuffer(TextBuffer&&) noexcept = default;
    TextBuffer& operator=(TextBuffer&&) noexcept = default;

    // Replaces the whole text (copies it); the line ends become the style's.
    void assign(std::string_view text);
    // Replaces the whole text by the run's.
    void assign(Run&& run);
    void clear();

    std::size_t blockBytes() const { return blockBytes_; }
    std::size_t blockCount() const { return blocks_.size(); }
    RunWriter writer() const { return RunWriter(blockBytes_); }

    // pos <= size(). Inserting at size() appends. `kinds`, when given, holds one
    // LineEndKind per '\n' of `text`, in order; without it every new line end is the
    // style's.
    void insert(std::size_t pos, std::string_view text, const std::vector<unsigned char>* kinds = nullptr);
    // Clipped to the document. `removedKinds`, when given, receives the kinds of the
    // deleted line ends in order, or stays empty when all of them were the style's.
    void erase(std::size_t pos, std::size_t length, std::vector<unsigned char>* removedKinds = nullptr);
    // Replaces [start, start + length) (clipped) by the run's text and gives back the
    // replaced text as a run, kinds and all: the blocks change hands, no text is copied
    // but the two blocks cut at the ends.
    Run replaceRun(std::size_t start, std::size_t length, Run&& with);
    // Bytes [offset, offset + length) (clipped), with their kinds, appended to `writer`.
    void copyInto(std::size_t offset, std::size_t length, RunWriter& writer) const;

    // One LineEndKind per line end (lineCount() - 1 of them); an empty or all-style
    // vector forgets every kind.
    void setLineEndKinds(const std::vector<unsigned char>& kinds);
    unsigned char lineEndKind(std::size_t line) const override;
    bool hasLineEndKinds() const override { return keepsKinds_; }

    // TextSource. Out-of-range queries are clipped: at() past the end gives '\0',
    // lineStart(line >= lineCount()) gives size(), lineLength of such a line gives 0,
    // lineOfOffset(offset >= size()) gives the last line.
    std::size_t size() const override { return size_; }
    char at(std::size_t offset) const override;
    std::size_t lineCount() const override { return newlines_ + 1; }
    std::size_t lineStart(std::size_t line) const override;
    std::size_t lineLength(std::size_t line) const override;
    std::size_t lineOfOffset(std::size_t offset) const override;
    std::string text(std::size_t offset, std::size_t length) const override;
    void textInto(std::size_t offset, std::size_t length, std::string& out) const override;

    // The first of the longest lines (line ends excluded), in one pass over the blocks.
    std::size_t longestLine() const;

    // Offset of the line's end: its '\n', or size() on the last line.
    std::size_t lineEnd(std::size_t line) const;
    std::string text() const { return text(0, size()); }
    // Copies [offset, offset + length), which must lie in the document, to `dst`.
    void copyOut(std::size_t offset, std::size_t length, char* dst) const;

    // Heap bytes held by the blocks, their table and the totals (capacities, not sizes).
    std::size_t memoryBytes() const;

    // Checks every block's line index, the totals and the block sizes (O(n); for tests).
    bool checkInvariants() const;

private:
    struct Place {
        std::size_t block = 0;
        std::size_t start = 0;  // offset of the block's first byte
        std::size_t line = 0;   // line ends before the block
    };
    // The block holding `offset` (< size()), or the last block.
    Place locate(std::size_t offset) const;
    // The block holding line end `k` (1-based, 1 <= k <= newlines_).
    Place locateNewline(std::size_t k) const;
    // Offset of line end `k` (1-based).
    std::size_t newlineOffset(std::size_t k) const;
    void ensureSums() const;
    // After a change inside block `b` only.
    void grew(std::size_t b, std::size_t bytes, std::size_t newlines);
    // After blocks were added, removed or cut.
    void reshaped();
    // Makes `offset` a block boundary; returns the index of the block starting there
    // (blockCount() at the end).
    std::size_t cutAt(std::size_t offset);
    void replaceBlocks(std::size_t first, std::size_t count, Run&& run);
    void mergeSmall(std::size_t b);

    std::size_t blockBytes_;
    std::vector<std::unique_ptr<Block>> blocks_;  // never empty; no empty block but a lone one
    std::size_t size_ = 0;
    std::size_t newlines_ = 0;
    bool keepsKinds_ = false;

    mutable BlockSums byteSums_, lineSums_;
    mutable bool sumsValid_ = false;
    mutable Place last_;  // the block found last
    mutable bool lastValid_ = false;
};

} // namespace corvex
