// Loading and saving the document through the file codec: the encoding and line-end
// style found on load are the ones written on save.
#include "corvex/editor.h"
#include "corvex/file_io.h"

#include <cstring>

namespace corvex {
namespace {

std::string FileNameOf(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/')
            name = p + 1;
    return name;
}

} // namespace

LRESULT Editor::LoadDocument(const char* path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes, &TextBuffer::recommendedGap))
        return 0;
    const std::size_t size = bytes.size();
    DecodedFile decoded = decodeFileInPlace(std::move(bytes), TextBuffer::recommendedGap(size), SystemCodePage());
    doc_.load(std::move(decoded.text), std::move(decoded.lineEndKinds));
    encoding_ = decoded.encoding;
    lineEnd_ = decoded.lineEnd;
    utf16Fallback_ = decoded.utf16Fallback;
    documentName_ = FileNameOf(path);
    columnMode_ = false;
    selection_ = Selection(0);
    preferredColumn_ = 0;
    topLine_ = leftColumn_ = 0;
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

LRESULT Editor::SaveDocument(const char* path)
{
    if (!path || !*path)
        return 0;
    std::string bytes;
    Encoding written = encoding_;
    if (!encodeFileTo(Text(), encoding_, lineEnd_, SystemCodePage(), bytes)) {
        // The text holds a character the code page has no byte for: the file becomes
        // UTF-8 rather than lose it. The encoding changes only once the write succeeded.
        written = Encoding::Utf8;
        encodeFileTo(Text(), written, lineEnd_, nullptr, bytes);
    }
    if (!WriteFileSafely(path, bytes))
        return 0;
    encoding_ = written;
    doc_.setSavePoint();
    documentName_ = FileNameOf(path);
    return 1;
}

} // namespace corvex
