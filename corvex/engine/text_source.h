// Read-only view of a document's bytes, for code that scans text without caring
// how the buffer stores it (lexers, search, brace matching).
#pragma once

#include <cstddef>
#include <string>

namespace corvex {

class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::size_t size() const = 0;                 // bytes in the document
    virtual char at(std::size_t offset) const = 0;        // offset < size()
    virtual std::size_t lineCount() const = 0;            // at least 1
    virtual std::size_t lineStart(std::size_t line) const = 0;   // offset of the line's first byte
    virtual std::size_t lineLength(std::size_t line) const = 0;  // bytes, line end excluded
    virtual std::size_t lineOfOffset(std::size_t offset) const = 0;
    // Bytes [offset, offset + length) copied out; clipped to the document.
    virtual std::string text(std::size_t offset, std::size_t length) const = 0;
    // text(), into `out`, whose memory is reused when it has the room.
    virtual void textInto(std::size_t offset, std::size_t length, std::string& out) const {
        out = text(offset, length);
    }
    // How the line end of `line` is written in the file when it differs from the
    // document's style (one of the LineEndKind values); kStyleLineEnd for most lines.
    virtual unsigned char lineEndKind(std::size_t /*line*/) const { return 0; }
    // False when every lineEndKind() is the style's.
    virtual bool hasLineEndKinds() const { return false; }
};

// The line-end kinds (LineEndKind) a document remembers for lines whose end differs from its style.
constexpr unsigned char kStyleLineEnd = 0;
constexpr unsigned char kCrLfLineEnd = 1;
constexpr unsigned char kLfLineEnd = 2;
constexpr unsigned char kCrLineEnd = 3;

} // namespace corvex
