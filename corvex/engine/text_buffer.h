// The document's bytes: a gap buffer with a line-start index.
//
// Internally a line ends with '\n'; every other byte (NUL and '\r' included) is an
// ordinary byte. Beside each line end the buffer can keep its LineEndKind, so that a
// file with mixed line ends is written back with each one as it was: the kinds are held
// only once a line end differs from the document's style (one byte per line end then,
// gap-buffered with the line index), and a newline inserted without a kind takes the
// style's. Costs, n = document size, L = line count, k = edit size:
//   at, lineStart, lineLength, lineCount, size ....... O(1)
//   lineOfOffset ..................................... O(log L)
//   insert / erase ................................... O(k + d), d the distance from
//       the previous edit (bytes for the text, lines for the index): typing or deleting
//       near the caret is amortised O(1) plus the edit size.
//   text(offset, length) ............................. O(length)
//
// The line index is itself a gap buffer of line starts: entries before its gap hold
// absolute offsets, entries after it hold their distance from the document's end, so
// an edit shifts every later line start without touching them.
#pragma once

#include "corvex/engine/gap_vector.h"
#include "corvex/engine/text_source.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvex {

class TextBuffer : public TextSource {
public:
    TextBuffer() = default;
    explicit TextBuffer(std::string_view text) { assign(text); }

    // Replaces the whole text (copies it).
    void assign(std::string_view text);
    // Replaces the whole text, taking over the string's memory: when its spare capacity
    // is at least recommendedGap(text.size()) no byte is copied (see decodeFile).
    void assign(std::string&& text);
    void clear();

    // Spare capacity worth reserving beyond a document of `size` bytes.
    static std::size_t recommendedGap(std::size_t size);

    // pos <= size(). Inserting at size() appends. `kinds`, when given, holds one
    // LineEndKind per '\n' of `text`, in order; without it every new line end is the
    // style's.
    void insert(std::size_t pos, std::string_view text, const std::vector<unsigned char>* kinds = nullptr);
    // Moves the gaps of the text and of the index to `pos` (clipped), as an edit there
    // would: done while the user is idle after a far jump, so that the first keystroke
    // there costs no more than any other. The text does not change.
    void prepareEditAt(std::size_t pos);
    // How far an edit at `pos` is from where the text's gap stands, in bytes.
    std::size_t gapDistance(std::size_t pos) const {
        const std::size_t gap = text_.gapPosition();
        return pos > gap ? pos - gap : gap - pos;
    }

    // Clipped to the document. `removedKinds`, when given, receives the kinds of the
    // deleted line ends in order, or stays empty when all of them were the style's.
    void erase(std::size_t pos, std::size_t length, std::vector<unsigned char>* removedKinds = nullptr);

    // One LineEndKind per line end (lineCount() - 1 of them), after assign(); an empty
    // or all-style vector forgets every kind.
    void setLineEndKinds(std::vector<unsigned char> kinds);
    unsigned char lineEndKind(std::size_t line) const override {
        return kinds_.size() && line < kinds_.size() ? kinds_.get(line) : kStyleLineEnd;
    }
    bool hasLineEndKinds() const override { return kinds_.size() != 0; }

    // TextSource. Out-of-range queries are clipped: at() past the end gives '\0',
    // lineStart(line >= lineCount()) gives size(), lineLength of such a line gives 0,
    // lineOfOffset(offset >= size()) gives the last line.
    std::size_t size() const override { return text_.size(); }
    char at(std::size_t offset) const override { return offset < text_.size() ? text_.get(offset) : '\0'; }
    std::size_t lineCount() const override { return starts_.size() + 1; }
    std::size_t lineStart(std::size_t line) const override;
    std::size_t lineLength(std::size_t line) const override;
    std::size_t lineOfOffset(std::size_t offset) const override;
    std::string text(std::size_t offset, std::size_t length) const override;
    void textInto(std::size_t offset, std::size_t length, std::string& out) const override;

    // The first of the longest lines (line ends excluded), in one pass over the index.
    std::size_t longestLine() const;

    // Offset of the line's end: its '\n', or size() on the last line.
    std::size_t lineEnd(std::size_t line) const;
    std::string text() const { return text(0, size()); }
    // Copies [offset, offset + length), which must lie in the document, to `dst`.
    void copyOut(std::size_t offset, std::size_t length, char* dst) const { text_.copyOut(offset, length, dst); }

    // Heap bytes held by the buffer and its index (capacities, not sizes).
    std::size_t memoryBytes() const { return text_.memoryBytes() + starts_.memoryBytes() + kinds_.memoryBytes(); }

    // Checks the line index against the text (O(n); for tests).
    bool checkInvariants() const;

private:
    // Start of line i + 1 (i < starts_.size()).
    std::size_t storedStart(std::size_t i) const {
        const std::size_t v = starts_.get(i);
        return i < starts_.gapPosition() ? v : text_.size() - v;
    }
    // Number of stored line starts <= offset (= the line of offset).
    std::size_t startsAtOrBefore(std::size_t offset) const;
    void moveLineGap(std::size_t index);
    void rebuildIndex();
    // Gives every line end a kind entry (all the style's), gap placed like the index's.
    void holdLineEndKinds();

    GapVector<char, std::string> text_;
    GapVector<std::size_t, std::vector<std::size_t>> starts_;
    // Empty, or one entry per stored line start with its gap where the index has its gap.
    GapVector<unsigned char, std::vector<unsigned char>> kinds_;
};

} // namespace corvex
