#include "platform/config.h"

#include "platform/ansi_text.h"

#include <windows.h>
#include <cstdio>
#include <cstdlib>

namespace config {
namespace {
std::string g_path;

void WriteStringTo(const std::string& file, const char* section, const char* key, const std::string& value)
{
    // Config.ini holds bytes (ANSI, or marked UTF-8): the narrow profile functions keep them as they are.
    WritePrivateProfileStringA(section, key, value.c_str(), file.c_str());
}

void DeleteSectionOf(const std::string& file, const char* section)
{
    // Config.ini is ANSI bytes: the narrow profile functions leave the rest of it as it is.
    WritePrivateProfileStringA(section, nullptr, nullptr, file.c_str());
}
} // namespace

void SetPath(const std::string& path) { g_path = path; }
const std::string& Path() { return g_path; }

bool ParseFlag(const std::string& text) { return text == "1"; }
int ParseNumber(const std::string& text) { return std::atoi(text.c_str()); }

std::string ReadString(const char* section, const char* key, const char* fallback)
{
    char buffer[kValueBufferSize] = {};
    // Config.ini holds bytes (ANSI, or marked UTF-8): the narrow profile functions keep them as they are.
    GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, g_path.c_str());
    return buffer;
}

bool ReadFlag(const char* section, const char* key, bool fallback)
{
    return ParseFlag(ReadString(section, key, fallback ? "1" : "0"));
}

int ReadNumber(const char* section, const char* key, int fallback)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", fallback);
    return ParseNumber(ReadString(section, key, text));
}

std::vector<std::string> ReadList(const char* section)
{
    std::vector<std::string> entries;
    for (int i = 0;; ++i) {
        std::string value = ReadString(section, std::to_string(i).c_str());
        if (value.empty())
            break;
        entries.push_back(value);
    }
    return entries;
}

void WriteString(const char* section, const char* key, const std::string& value)
{
    WriteStringTo(g_path, section, key, value);
}

void WriteFlag(const char* section, const char* key, bool on)
{
    WriteString(section, key, on ? "1" : "0");
}

void WriteNumber(const char* section, const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    WriteString(section, key, text);
}

void DeleteSection(const char* section) { DeleteSectionOf(g_path, section); }

void WriteList(const char* section, const std::vector<std::string>& entries)
{
    DeleteSection(section);
    int index = 0;
    for (const std::string& entry : entries)
        if (!entry.empty())
            WriteString(section, std::to_string(index++).c_str(), entry);
}

namespace {

// The stored bytes of a value, which the narrow profile functions hand over unconverted
// (the stored form is bytes: ANSI, or marked UTF-8). `fallback` when the key is missing.
std::string ReadStoredBytes(const std::string& file, const char* section, const char* key,
                            const std::string& fallback)
{
    std::string buffer(kValueBufferSize, '\0');
    for (;;) {
        // Config.ini holds bytes (ANSI, or marked UTF-8): the narrow profile functions keep them as they are.
        const DWORD length = GetPrivateProfileStringA(section, key, fallback.c_str(), &buffer[0],
                                                      static_cast<DWORD>(buffer.size()), file.c_str());
        if (length + 1 < buffer.size() || buffer.size() >= 1u << 20) {
            buffer.resize(length);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

std::wstring ReadTextFrom(const std::string& file, const char* section, const char* key,
                         const std::wstring& fallback = {})
{
    const stored::CodePage& ansi = AnsiCodePage();
    return stored::Decode(ReadStoredBytes(file, section, key, stored::Encode(fallback, ansi)), ansi);
}

void WriteTextTo(const std::string& file, const char* section, const char* key, const std::wstring& value)
{
    WriteStringTo(file, section, key, stored::Encode(value, AnsiCodePage()));
}

} // namespace

std::wstring ReadText(const char* section, const char* key, const std::wstring& fallback)
{
    return ReadTextFrom(g_path, section, key, fallback);
}

void WriteText(const char* section, const char* key, const std::wstring& value)
{
    WriteTextTo(g_path, section, key, value);
}

std::vector<std::wstring> ReadTextList(const char* section) { return ReadTextList(g_path, section); }

void WriteTextList(const char* section, const std::vector<std::wstring>& entries)
{
    WriteTextList(g_path, section, entries);
}

std::vector<std::wstring> ReadTextList(const std::string& file, const char* section)
{
    std::vector<std::wstring> entries;
    for (int i = 0;; ++i) {
        std::wstring value = ReadTextFrom(file, section, std::to_string(i).c_str());
        if (value.empty())
            break;
        entries.push_back(value);
    }
    return entries;
}

void WriteTextList(const std::string& file, const char* section, const std::vector<std::wstring>& entries)
{
    DeleteSectionOf(file, section);
    int index = 0;
    for (const std::wstring& entry : entries)
        if (!entry.empty())
            WriteTextTo(file, section, std::to_string(index++).c_str(), entry);
}

} // namespace config
