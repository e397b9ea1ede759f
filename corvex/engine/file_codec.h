// File bytes <-> document text, without any platform code.
//
// Detection (decodeFile):
//   EF BB BF ....................... Utf8Bom; the bytes after the BOM are kept as they are.
//   FF FE / FE FF .................. Utf16LE / Utf16BE; decoded to UTF-8. When the rest
//                                    is not valid UTF-16 (odd length, unpaired surrogate)
//                                    the file is taken as Ansi instead, BOM included, with
//                                    LineEnd::LF (no byte is changed), so saving it gives
//                                    back the very same bytes; `utf16Fallback` tells.
//   otherwise, valid UTF-8 (overlong forms, surrogates and code points above U+10FFFF
//                                    are invalid; plain ASCII is valid) ..... Utf8.
//   otherwise, with a ByteCodePage given in which every byte of the file stands for a
//                                    character ....... CodePage: held as UTF-8 text and
//                                    written back through the same code page.
//   otherwise ...................... Ansi: the bytes are kept as they are (the Windows
//                                    side may convert them with the ANSI code page).
// So the document text is UTF-8 for every encoding but Ansi (isUtf8Text()).
//
// Line ends: the style is the majority among CRLF, lone LF and lone CR, ties going to the
// one found first; a file with none is CRLF. With CRLF, every CRLF and every lone LF
// becomes '\n' (a lone '\r' stays a byte); with CR every CR, CRLF and lone LF does; with
// LF only LF does ('\r' stays a byte). A line end written otherwise than the style's is
// remembered in `lineEndKinds` (one LineEndKind per '\n' of the text; empty when every
// line end is the style's) and written back the same way, so that
// encodeFile(decodeFile(x)) == x for every x. NUL bytes are ordinary bytes throughout.
//
// Encoding (encodeFile): '\n' becomes its kind's sequence or the style's, the BOM is
// written for Utf8Bom/Utf16*, and for UTF-16 the UTF-8 text is converted; a byte that is
// not part of a valid UTF-8 sequence is written as the Latin-1 character of the same
// value. CodePage text goes through the ByteCodePage; a character it has no byte for
// makes encodeFileTo() fail, and the caller decides what to write instead.
#pragma once

#include "corvex/engine/code_page.h"
#include "corvex/engine/text_source.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvex {

enum class Encoding { Ansi, Utf8, Utf8Bom, Utf16LE, Utf16BE, CodePage };
enum class LineEnd { CRLF, LF, CR };

inline bool isUtf8Text(Encoding e) { return e != Encoding::Ansi; }
const char* encodingName(Encoding e);   // "ANSI" (also CodePage), "UTF-8", "UTF-8 BOM", "UTF-16 LE", "UTF-16 BE"
const char* lineEndName(LineEnd e);     // "CRLF", "LF", "CR"

struct DecodedFile {
    std::string text;
    Encoding encoding = Encoding::Ansi;
    LineEnd lineEnd = LineEnd::CRLF;
    std::vector<unsigned char> lineEndKinds;  // see above; empty when all are the style's
    bool utf16Fallback = false;
};

// `extraCapacity` is reserved in the text beyond its size, so that TextBuffer::assign
// can take the string over without a copy (pass TextBuffer::recommendedGap(size)).
DecodedFile decodeFile(std::string_view bytes, std::size_t extraCapacity = 0,
                       const ByteCodePage* codePage = nullptr);
// decodeFile, reusing the bytes' memory for the text when the file is not UTF-16: a
// loader that reads the file into a string with capacity for size +
// TextBuffer::recommendedGap(size) then holds one copy of the document while loading.
DecodedFile decodeFileInPlace(std::string&& bytes, std::size_t extraCapacity = 0,
                              const ByteCodePage* codePage = nullptr);
// A reader of a file's bytes: up to `capacity` bytes into `dst`, 0 at the end or on a
// failure.
using ReadPiece = std::function<std::size_t(char* dst, std::size_t capacity)>;
// A UTF-16 file decoded as decodeFile does, from its bytes after the BOM, read in pieces
// twice (`rewind` goes back to the first byte after the BOM): once to check and measure
// them, once to convert them into a text of exactly the right size, with extraFor(size)
// bytes of capacity beyond it. The file's bytes are
// never all in memory at once. False, with `out` untouched, when they are not valid
// UTF-16 (the caller keeps the bytes as they are, as decodeFile does), when reading fails
// or when the file changed between the two reads.
bool decodeUtf16File(const ReadPiece& read, const std::function<bool()>& rewind, bool bigEndian,
                     std::size_t (*extraFor)(std::size_t size), DecodedFile& out);

class TextBuffer;
struct FileFormat {
    Encoding encoding = Encoding::Ansi;
    LineEnd lineEnd = LineEnd::CRLF;
    bool utf16Fallback = false;
};
// A whole file, decoded as decodeFile does, read in pieces straight into the blocks of
// `out` (whose text it replaces only when all went well): the file's bytes are never all
// in memory, and nothing but its text is held beyond a few pieces. `rewind` goes back to
// the file's first byte; the file is read once where its first piece tells its line-end
// style and it is UTF-8 (or has a BOM), and again, whole, only when it does not. Only the
// bytes read make the text: a file growing meanwhile gives the bytes read. False when
// reading fails; std::bad_alloc goes through when the text does not fit. `pieceBytes` is
// the size of the pieces read (tests make it small).
bool readFileInto(const ReadPiece& read, const std::function<bool()>& rewind, const ByteCodePage* codePage,
                  TextBuffer& out, FileFormat& format, std::size_t pieceBytes = 4u << 20);
// Without kinds every line end is the style's; CodePage text without a code page is
// written as UTF-8.
std::string encodeFile(std::string_view text, Encoding encoding, LineEnd lineEnd,
                       const std::vector<unsigned char>* lineEndKinds = nullptr);
std::string encodeFile(const TextSource& text, Encoding encoding, LineEnd lineEnd);
// The decoded file written back: the same bytes.
std::string encodeFile(const DecodedFile& file, const ByteCodePage* codePage = nullptr);
// encodeFileTo in pieces of about a megabyte, each handed to `sink` in order (the BOM
// with the first): a document is written without a second copy of it in memory. False
// as soon as `sink` returns false, or, as encodeFileTo, for a character the code page has
// no byte for (the pieces handed over until then are then of no use).
bool encodeFileInPieces(const TextSource& text, Encoding encoding, LineEnd lineEnd, const ByteCodePage* codePage,
                        const std::function<bool(std::string_view)>& sink);
// The kinds are the source's (TextSource::lineEndKind). False when CodePage text holds a
// character the code page has no byte for; `out` is then unspecified.
bool encodeFileTo(const TextSource& text, Encoding encoding, LineEnd lineEnd, const ByteCodePage* codePage,
                  std::string& out);

// The pieces, for tests and for text coming from elsewhere (clipboard).
struct Utf8Check {
    bool valid = true;
    bool multibyte = false;
};
Utf8Check checkUtf8(std::string_view bytes);
LineEnd detectLineEnd(std::string_view bytes);
// detectLineEnd over bytes that come in pieces.
class LineEndCounter {
public:
    void feed(const char* bytes, std::size_t n);  // the next piece
    LineEnd style() const;                        // of everything fed so far

private:
    void note(int kind, std::size_t at);
    std::size_t count_[3] = {0, 0, 0};  // CRLF, LF, CR
    std::size_t first_[3] = {static_cast<std::size_t>(-1), static_cast<std::size_t>(-1), static_cast<std::size_t>(-1)};
    std::size_t base_ = 0;     // bytes fed before this piece
    bool crPending_ = false;   // the last piece ended with '\r'
};
// Turns the line ends into '\n', in place (see above); `kinds`, when given, receives the
// kinds of those written otherwise than the style (left empty when there are none).
void normaliseLineEnds(std::string& text, LineEnd style, std::vector<unsigned char>* kinds = nullptr);
// The same over n bytes at `text`; returns their new length.
std::size_t normaliseLineEndsIn(char* text, std::size_t n, LineEnd style, std::vector<unsigned char>* kinds);
// All of CRLF, CR and LF become '\n' (for pasted text).
std::string normaliseAllLineEnds(std::string_view text);

} // namespace corvex
