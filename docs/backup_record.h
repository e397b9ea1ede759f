// The small record kept beside each document's backup: where the document belongs (its
// path, or none while untitled) and its place among the tabs. Windows-free, so that the
// parser runs under the sanitizers and a fuzzer.
//
// The record is UTF-8 text:
//     Quillet backup record 1
//     order=<tab position>
//     path=<the document's path in UTF-8; empty while untitled>
//     file=<1 when the file existed, its size and last-write time, as the document last
//           read or wrote it; absent for an untitled document>
// Lines end in "\n" (a "\r" before it is ignored); unknown keys are skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace backups {

struct BackupRecord {
    std::wstring path;  // "" for an untitled document
    int order = 0;
    // The file as the document last read or wrote it, so that a change made to it since
    // by another program is still noticed after the document came back.
    bool hasFile = false;
    bool fileExisted = false;
    unsigned long long fileSize = 0;
    unsigned long long fileWritten = 0;
};

std::string FormatRecord(const BackupRecord& record);
// Nothing when the bytes are not such a record (a first line of another kind, no order,
// an order that is not a number from 0 to 1,000,000, or a path that is not valid UTF-8).
std::optional<BackupRecord> ParseRecord(std::string_view bytes);

} // namespace backups
