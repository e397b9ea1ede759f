// File bytes <-> document text, without any platform code.
//
// Detection (decodeFile):
//   EF BB BF ....................... Utf8Bom; the bytes after the BOM are kept as they are.
//   FF FE / FE FF .................. Utf16LE / Utf16BE; decoded to UTF-8. When the rest
//                                    is not valid UTF-16 (odd length, unpaired surrogate)
//                                    the file is taken as Ansi instead, BOM included, with
//                                    LineEnd::LF (no byte is changed), so saving it gives
//                                    back the very same bytes; `utf16Fallback` tells.
//   otherwise, valid UTF-8 with at least one multi-byte sequence and no invalid one
//                                    (overlong forms, surrogates and code points above
//                                    U+10FFFF are invalid) ........... Utf8.
//   otherwise ...................... Ansi: the bytes are kept as they are (the Windows
//                                    side may convert them with the ANSI code page).
// So the document text is UTF-8 for every encoding but Ansi (isUtf8Text()).
//
// Line ends: the style is the majority among CRLF, lone LF and lone CR, ties going to the
// one found first; a file with none is CRLF. Only the style's own sequence becomes '\n'
// in the text: with LF, a '\r' stays an ordinary byte; with CRLF, a lone '\r' stays a
// byte (a lone '\n' is a line end and is saved as CRLF); with CR, every '\r' becomes
// '\n' (a '\n' of the file is saved as '\r'). Hence encodeFile(decodeFile(x)) == x for
// every x except a CRLF file holding a lone LF or a CR file holding an LF, whose stray
// line ends are saved in the file's style. NUL bytes are ordinary bytes throughout.
//
// Encoding (encodeFile): '\n' becomes the style's sequence, the BOM is written for
// Utf8Bom/Utf16*, and for UTF-16 the UTF-8 text is converted; a byte that is not part
// of a valid UTF-8 sequence is written as the Latin-1 character of the same value.
#pragma once

#include "corvex/engine/text_source.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvex {

enum class Encoding { Ansi, Utf8, Utf8Bom, Utf16LE, Utf16BE };
enum class LineEnd { CRLF, LF, CR };

inline bool isUtf8Text(Encoding e) { return e != Encoding::Ansi; }
const char* encodingName(Encoding e);   // "ANSI", "UTF-8", "UTF-8 BOM", "UTF-16 LE", "UTF-16 BE"
const char* lineEndName(LineEnd e);     // "CRLF", "LF", "CR"

struct DecodedFile {
    std::string text;
    Encoding encoding = Encoding::Ansi;
    LineEnd lineEnd = LineEnd::CRLF;
    bool utf16Fallback = false;
};

// `extraCapacity` is reserved in the text beyond its size, so that TextBuffer::assign
// can take the string over without a copy (pass TextBuffer::recommendedGap(size)).
DecodedFile decodeFile(std::string_view bytes, std::size_t extraCapacity = 0);
// decodeFile, reusing the bytes' memory for the text when the file is not UTF-16: a
// loader that reads the file into a string with capacity for size +
// TextBuffer::recommendedGap(size) then holds one copy of the document while loading.
DecodedFile decodeFileInPlace(std::string&& bytes, std::size_t extraCapacity = 0);
std::string encodeFile(std::string_view text, Encoding encoding, LineEnd lineEnd);
std::string encodeFile(const TextSource& text, Encoding encoding, LineEnd lineEnd);

// The pieces, for tests and for text coming from elsewhere (clipboard).
struct Utf8Check {
    bool valid = true;
    bool multibyte = false;
};
Utf8Check checkUtf8(std::string_view bytes);
LineEnd detectLineEnd(std::string_view bytes);
// Turns the style's sequence into '\n', in place (see above).
void normaliseLineEnds(std::string& text, LineEnd style);
// All of CRLF, CR and LF become '\n' (for pasted text).
std::string normaliseAllLineEnds(std::string_view text);

} // namespace corvex
