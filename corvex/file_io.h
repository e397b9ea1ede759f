// Whole-file reading and crash-safe writing with Win32 files.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace corvex {

class ByteCodePage;
struct DecodedFile;

// The system's ANSI code page as a byte table, built on first use; null where that code
// page uses more than one byte per character (files are then held as their raw bytes).
const ByteCodePage* SystemCodePage();

// Files above this size are refused: the control holds the whole text in memory.
constexpr unsigned long long kMaxFileSize = 1ull << 30;

// Paths are UTF-16, so that any file name can be reached.
//
// Reads the file at `path` into `bytes` with `spare` bytes of capacity
// beyond its size. False, with `bytes` untouched, for an empty or missing path, a
// folder, an unreadable file or one above kMaxFileSize.
bool ReadWholeFile(const std::wstring& path, std::string& bytes, std::size_t (*spare)(std::size_t));

// Reads a file that starts with a UTF-16 byte-order mark into `decoded` piece by piece
// (decodeUtf16File), with extraFor(size) bytes of capacity beyond its text. False when it
// has no such mark, is not valid UTF-16, is above kMaxFileSize or cannot be read.
bool ReadUtf16File(const std::wstring& path, std::size_t (*extraFor)(std::size_t), DecodedFile& decoded);

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
