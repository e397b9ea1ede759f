// Whole-file reading and crash-safe writing with Win32 files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvex {

class ByteCodePage;

// The system's ANSI code page as a byte table, built on first use; null where that code
// page uses more than one byte per character (files are then held as their raw bytes).
const ByteCodePage* SystemCodePage();

// Files above this size are refused: the control holds the whole text in memory.
constexpr unsigned long long kMaxFileSize = 1ull << 30;

// Reads the file named by the ANSI path into `bytes` with `spare` bytes of capacity
// beyond its size. False, with `bytes` untouched, for an empty or missing path, a
// folder, an unreadable file or one above kMaxFileSize.
bool ReadWholeFile(const char* path, std::string& bytes, std::size_t (*spare)(std::size_t));

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk and only
// then puts it in the target's place, keeping the target's attributes. False, leaving the
// target as it was, when the target is read-only, locked, a folder, or anything fails.
bool WriteFileSafely(const char* path, std::string_view bytes);

// ANSI text (a path, a caller's string) in UTF-16; empty for null or empty text.
std::wstring AnsiToWide(const char* text);

} // namespace corvex
