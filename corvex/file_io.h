// Whole-file reading and crash-safe writing with Win32 files.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace corvex {

class ByteCodePage;
struct DecodedFile;
struct FileFormat;
class TextBuffer;

// The system's ANSI code page as a byte table, built on first use; null where that code
// page uses more than one byte per character (files are then held as their raw bytes).
const ByteCodePage* SystemCodePage();

// Whole-file reads (backups) refuse files above this size; documents are read in pieces.
constexpr unsigned long long kMaxFileSize = 1ull << 30;

// Paths are UTF-16, so that any file name can be reached.
//
// Reads the file at `path` into `bytes`. False, with `bytes` untouched, for an empty or missing path, a
// folder, an unreadable file or one above kMaxFileSize.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Reads the file at `path` in pieces straight into `text` (readFileInto: decoded, its
// line ends made '\n'), replacing its text only when all went well. False for an empty or
// missing path, a folder or a file that cannot be read; std::bad_alloc goes through when
// the text does not fit in memory.
bool ReadFileInto(const std::wstring& path, TextBuffer& text, FileFormat& format);

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and only
// then puts it in the target's place, keeping the target's attributes. False, leaving the
// target as it was, when the target is read-only, locked, a folder, or anything fails.
bool WriteFileSafely(const std::wstring& path, std::string_view bytes);
// The same, for bytes made while they are written: `produce` hands them to the sink it is
// given, piece by piece; a false from `produce` (it could not make its bytes, or the sink
// failed) leaves the target as it was.
using ByteSink = std::function<bool(std::string_view)>;
bool WriteFileSafely(const std::wstring& path, const std::function<bool(const ByteSink&)>& produce);

// ANSI text (a path, a caller's string) in UTF-16; empty for null or empty text.
std::wstring AnsiToWide(const char* text);

} // namespace corvex
