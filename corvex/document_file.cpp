#include "corvex/document_file.h"

#include "corvex/file_io.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace corvex {
namespace {

constexpr char kBackupMark[] = "Corvex backup 1 ";

std::wstring FileNameOf(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

bool DocumentFile::Load(const std::wstring& path)
{
    // Read in pieces into blocks of its own: the document changes only once the whole
    // file is in, and stays as it was when reading fails or the text does not fit.
    TextBuffer text;
    FileFormat format;
    if (!ReadFileInto(path, text, format))
        return false;
    session_.document().load(std::move(text));
    encoding_ = format.encoding;
    lineEnd_ = format.lineEnd;
    name_ = FileNameOf(path);
    return true;
}

int DocumentFile::WriteBackupStep(const std::wstring& path, std::size_t budget)
{
    char header[64];
    std::snprintf(header, sizeof header, "%s%d %d %lu\n", kBackupMark, static_cast<int>(encoding_),
                  static_cast<int>(lineEnd_), static_cast<unsigned long>(session_.selection().caret));
    switch (backup_.Step(path, session_.text(), session_.editCount(), header, budget)) {
    case BackupWriter::Result::Done: return 0;
    case BackupWriter::Result::More: return 1;
    case BackupWriter::Result::Failed: break;
    }
    return -1;
}

std::optional<std::size_t> DocumentFile::ReadBackup(const std::wstring& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return std::nullopt;
    const std::size_t lineEnd = bytes.find('\n');
    const std::size_t markLength = sizeof kBackupMark - 1;
    if (lineEnd == std::string::npos || bytes.compare(0, markLength, kBackupMark) != 0)
        return std::nullopt;
    int encoding = -1, style = -1;
    unsigned long caret = 0;
    char rest = 0;
    const std::string header = bytes.substr(markLength, lineEnd - markLength);
    if (std::sscanf(header.c_str(), "%d %d %lu%c", &encoding, &style, &caret, &rest) != 3 || encoding < 0 ||
        encoding > static_cast<int>(Encoding::CodePage) || style < 0 || style > static_cast<int>(LineEnd::CR))
        return std::nullopt;
    bytes.erase(0, lineEnd + 1);
    session_.document().load(std::move(bytes), {});
    session_.document().forgetSavePoint();
    encoding_ = static_cast<Encoding>(encoding);
    lineEnd_ = static_cast<LineEnd>(style);
    return static_cast<std::size_t>(caret);
}

bool DocumentFile::Save(const std::wstring& path)
{
    if (path.empty())
        return false;
    // Encoded piece by piece straight into the file: saving never holds a second copy of
    // the document.
    bool unwritable = false;
    auto save = [&](Encoding encoding) {
        return WriteFileSafely(path, [&](const ByteSink& sink) {
            return encodeFileInPieces(session_.text(), encoding, lineEnd_, SystemCodePage(), [&](std::string_view piece) {
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
        return false;
    encoding_ = written;
    session_.document().setSavePoint();
    name_ = FileNameOf(path);
    return true;
}

void DocumentFile::MarkBackupWritten(const std::wstring& path) { backup_.MarkWritten(path, session_.editCount()); }

} // namespace corvex
