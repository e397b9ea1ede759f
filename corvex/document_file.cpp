// Loading and saving the document through the file codec: the encoding and line-end
// style found on load are the ones written on save.
#include "corvex/editor.h"
#include "corvex/file_io.h"

#include <cstring>

namespace corvex {
namespace {

std::wstring FileNameOf(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

LRESULT Editor::LoadDocument(const std::wstring& path)
{
    // UTF-16 is converted as it is read, so that its bytes (twice the text) are never in
    // memory at once; anything else, and UTF-16 that is not valid, is read whole and
    // decoded in place.
    DecodedFile decoded;
    if (!ReadUtf16File(path, &TextBuffer::recommendedGap, decoded)) {
        std::string bytes;
        if (!ReadWholeFile(path, bytes, &TextBuffer::recommendedGap))
            return 0;
        const std::size_t size = bytes.size();
        decoded = decodeFileInPlace(std::move(bytes), TextBuffer::recommendedGap(size), SystemCodePage());
    }
    doc_.load(std::move(decoded.text), std::move(decoded.lineEndKinds));
    encoding_ = decoded.encoding;
    lineEnd_ = decoded.lineEnd;
    utf16Fallback_ = decoded.utf16Fallback;
    documentName_ = FileNameOf(path);
    columnMode_ = false;
    selection_ = Selection(0);
    preferredColumn_ = 0;
    topLine_ = leftColumn_ = 0;
    topRow_ = otherTopRow_ = 0;
    wrap_.clear();
    bookmarks_.clear();
    ResetLexer();
    ++editCount_;
    ForgetMarksFrom(kUnknownEditStart);
    NoteLongestLine();
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(window_, nullptr, FALSE);
    return 1;
}

LRESULT Editor::SaveDocument(const std::wstring& path)
{
    if (path.empty())
        return 0;
    // Encoded piece by piece straight into the file: saving never holds a second copy of
    // the document.
    bool unwritable = false;
    auto save = [&](Encoding encoding) {
        return WriteFileSafely(path, [&](const ByteSink& sink) {
            return encodeFileInPieces(Text(), encoding, lineEnd_, SystemCodePage(), [&](std::string_view piece) {
                unwritable = unwritable || !sink(piece);
                return !unwritable;
            });
        });
    };
    Encoding written = encoding_;
    bool saved = save(written);
    if (!saved && !unwritable && written == Encoding::CodePage) {
        // The text holds a character the code page has no byte for: the file becomes
        // UTF-8 rather than lose it. The encoding changes only once the write succeeded.
        written = Encoding::Utf8;
        saved = save(written);
    }
    if (!saved)
        return 0;
    encoding_ = written;
    doc_.setSavePoint();
    documentName_ = FileNameOf(path);
    return 1;
}

} // namespace corvex
