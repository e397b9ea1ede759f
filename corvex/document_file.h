// The document's file: loading and saving through the file codec (the encoding and
// line-end style found on load are the ones written on save), and its backup.
#pragma once

#include "corvex/backup_writer.h"
#include "corvex/engine/edit_session.h"
#include "corvex/engine/file_codec.h"

#include <cstddef>
#include <optional>
#include <string>

namespace corvex {

class DocumentFile {
public:
    explicit DocumentFile(EditSession& session) : session_(session) {}

    // The whole text of the session is replaced (the caller shows it anew); false when
    // the file cannot be read, and nothing changed.
    bool Load(const std::wstring& path);
    // False when nothing could be written (the file on disk is then as it was).
    bool Save(const std::wstring& path);
    // One step of writing the backup at `path` (backup_writer.h): 0 written (or already
    // current), 1 more to do, -1 failed.
    int WriteBackupStep(const std::wstring& path, std::size_t budget);
    // Takes the document from the backup at `path`, modified: the caret it had; nothing
    // when it cannot be read (nothing changed).
    std::optional<std::size_t> ReadBackup(const std::wstring& path);
    // The backup at `path` holds the session as it stands.
    void MarkBackupWritten(const std::wstring& path);

    const Encoding& encoding() const { return encoding_; }
    // The file's name without its folder ("" before the first load or save).
    const std::wstring& name() const { return name_; }

private:
    EditSession& session_;
    Encoding encoding_ = Encoding::Utf8;
    LineEnd lineEnd_ = LineEnd::CRLF;
    std::wstring name_;
    BackupWriter backup_;
};

} // namespace corvex
