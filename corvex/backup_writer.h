// The document's backup, written a slice at a time so that a large document never holds
// up typing.
//
// A backup file is one header line, "Corvex backup 1 <encoding> <line end> <caret>\n"
// (the numbers of the control's Encoding and LineEnd and the caret's byte offset), then
// the text as the control holds it, with '\n' line ends. Each step writes at most a
// budget of bytes to a temporary file beside the backup; once the last byte is written, a
// thread of its own flushes the file to the disk (the slow part, which would otherwise
// hold up a keystroke) and only then puts it in the backup's place, so a backup on disk
// is always a whole one. An edit between steps starts the write over (in the same
// temporary file); a backup already written for the document as it stands is not written
// again.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <string>
#include <thread>

namespace corvex {

class TextSource;

class BackupWriter {
public:
    BackupWriter() = default;
    BackupWriter(const BackupWriter&) = delete;
    BackupWriter& operator=(const BackupWriter&) = delete;
    ~BackupWriter() { Abandon(); }

    enum class Result { Done, More, Failed };
    // One step of writing `text` (as of edit count `edits`, with `header` first) to the
    // backup at `path`.
    Result Step(const std::wstring& path, const TextSource& text, unsigned long edits, const std::string& header,
                std::size_t budget);
    // The backup at `path` holds the document as of edit count `edits` (it was just read
    // from there).
    void MarkWritten(const std::wstring& path, unsigned long edits);

private:
    void Abandon();
    // Waits for the thread that finishes a write; true when the backup is in its place.
    bool JoinFinisher();

    HANDLE file_ = INVALID_HANDLE_VALUE;
    std::wstring temporary_;
    std::wstring path_;         // the backup being written, or last written
    unsigned long edits_ = 0;   // the edit count it is written for
    std::size_t written_ = 0;   // text bytes in the temporary file so far
    bool complete_ = false;     // path_ holds the text as of edits_
    std::string slice_;         // the bytes of one step, reused
    std::thread finisher_;      // flushes and places the written file
    std::atomic<int> finished_{0};  // 0 running, 1 placed, -1 failed
};

} // namespace corvex
