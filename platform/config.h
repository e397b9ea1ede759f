// Config.ini access. Every read and write goes straight to the file through the
// private-profile functions: there is no cache, so a value written is what the
// next read returns.
//
// Conventions: values are read through a 260-byte buffer (at most 259 characters);
// flags are "1" for on and anything else for off, written as "1"/"0"; numbers are
// decimal text read like atoi (missing or non-numeric gives 0) and written with
// "%d"; lists are sections with keys "0", "1", ... read up to the first empty value
// and always rewritten whole.
#pragma once

#include <string>
#include <vector>

namespace config {

constexpr int kValueBufferSize = 260;

// The file used by every call below; fixed once start-up has found it.
void SetPath(const std::string& path);
const std::string& Path();

std::string ReadString(const char* section, const char* key, const char* fallback = "");
bool ReadFlag(const char* section, const char* key, bool fallback = false);
int ReadNumber(const char* section, const char* key, int fallback = 0);
std::vector<std::string> ReadList(const char* section);

void WriteString(const char* section, const char* key, const std::string& value);
void WriteFlag(const char* section, const char* key, bool on);
void WriteNumber(const char* section, const char* key, int value);
void WriteList(const char* section, const std::vector<std::string>& entries);
void DeleteSection(const char* section);

// Text values as UTF-16, for text that may lie outside the ANSI code page (paths, search
// texts). Stored as platform/stored_text.h describes: ANSI bytes exactly as the narrow
// calls above store them where the code page holds the text, marked UTF-8 where it does
// not. Read whole, however long.
std::wstring ReadText(const char* section, const char* key, const std::wstring& fallback = {});
void WriteText(const char* section, const char* key, const std::wstring& value);
std::vector<std::wstring> ReadTextList(const char* section);
void WriteTextList(const char* section, const std::vector<std::wstring>& entries);
// The same lists in a file of the same form handed over by its keeper.
std::vector<std::wstring> ReadTextList(const std::string& file, const char* section);
void WriteTextList(const std::string& file, const char* section, const std::vector<std::wstring>& entries);

// Pure parts of the conventions, shared with callers that already hold the text.
bool ParseFlag(const std::string& text);
int ParseNumber(const std::string& text);

} // namespace config
