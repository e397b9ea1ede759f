#include "corvex/backup_writer.h"

#include "corvex/engine/text_source.h"

#include <algorithm>
#include <system_error>

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

bool BackupWriter::JoinFinisher()
{
    if (!finisher_.joinable())
        return false;
    finisher_.join();
    return finished_ == 1;
}

void BackupWriter::Abandon()
{
    if (finisher_.joinable()) {
        JoinFinisher();
        complete_ = false;
    }
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
    if (finisher_.joinable()) {
        if (finished_ == 0)
            return Result::More;  // still flushing: nothing to wait for here
        const bool placed = JoinFinisher();
        complete_ = placed;
        if (!placed)
            return Result::Failed;
    }
    if (complete_ && path == path_ && edits == edits_)
        return Result::Done;
    if (file_ != INVALID_HANDLE_VALUE && path == path_ && edits != edits_) {
        // The text changed under the write: it starts over in the same file, which is
        // cut to its new length at the end (deleting a large file can take a while).
        LARGE_INTEGER start = {};
        edits_ = edits;
        written_ = 0;
        if (!SetFilePointerEx(file_, start, nullptr, FILE_BEGIN) || !WriteAll(file_, header)) {
            Abandon();
            return Result::Failed;
        }
    } else if (file_ != INVALID_HANDLE_VALUE && path != path_) {
        Abandon();
    }
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
    finished_ = 0;
    auto finish = [this, file = file_, temporary = temporary_, target = path] {
        const bool flushed = SetEndOfFile(file) && FlushFileBuffers(file);
        CloseHandle(file);
        const bool placed =
            flushed && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!placed)
            DeleteFileW(temporary.c_str());
        finished_ = placed ? 1 : -1;
    };
    file_ = INVALID_HANDLE_VALUE;
    try {
        finisher_ = std::thread(finish);
    } catch (const std::system_error&) {
        finish();  // no thread to be had: the flush waits here instead
        complete_ = finished_ == 1;
        return complete_ ? Result::Done : Result::Failed;
    }
    return Result::More;
}

} // namespace corvex
