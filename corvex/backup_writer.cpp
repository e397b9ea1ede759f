#include "corvex/backup_writer.h"

#include "corvex/engine/text_source.h"

#include <algorithm>

namespace corvex {

namespace {

bool WriteAll(HANDLE file, const std::string& bytes)
{
    DWORD written = 0;
    return bytes.empty() ||
           (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size());
}

} // namespace

void BackupWriter::Abandon()
{
    if (file_ != INVALID_HANDLE_VALUE) {
        CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
        DeleteFileW(temporary_.c_str());
    }
}

void BackupWriter::MarkWritten(const std::wstring& path, unsigned long edits)
{
    Abandon();
    path_ = path;
    edits_ = edits;
    complete_ = true;
}

BackupWriter::Result BackupWriter::Step(const std::wstring& path, const TextSource& text, unsigned long edits,
                                        const std::string& header, std::size_t budget)
{
    if (path.empty())
        return Result::Failed;
    if (complete_ && path == path_ && edits == edits_)
        return Result::Done;
    if (file_ != INVALID_HANDLE_VALUE && (path != path_ || edits != edits_))
        Abandon();  // the text changed under the write: it starts over
    if (file_ == INVALID_HANDLE_VALUE) {
        complete_ = false;
        path_ = path;
        edits_ = edits;
        written_ = 0;
        temporary_ = path + L".writing";
        file_ = CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
        if (file_ == INVALID_HANDLE_VALUE)
            return Result::Failed;
        if (!WriteAll(file_, header)) {
            Abandon();
            return Result::Failed;
        }
    }
    const std::size_t size = text.size();
    const std::size_t slice = std::min(std::max<std::size_t>(budget, 1), size - written_);
    if (slice > 0)
        text.textInto(written_, slice, slice_);
    if (slice > 0 && !WriteAll(file_, slice_)) {
        Abandon();
        return Result::Failed;
    }
    written_ += slice;
    if (written_ < size)
        return Result::More;
    const bool flushed = FlushFileBuffers(file_) != FALSE;
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!flushed ||
        !MoveFileExW(temporary_.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary_.c_str());
        return Result::Failed;
    }
    complete_ = true;
    return Result::Done;
}

} // namespace corvex
