#include "docs/backup_record.h"

#include "platform/stored_text.h"

#include <algorithm>

namespace backups {

namespace {

constexpr std::string_view kFirstLine = "Quillet backup record 1";
constexpr int kMostOrder = 1000000;

// Valid UTF-8 up to U+10FFFF; lone surrogates in their three-byte form pass, as a Windows
// file name may hold them (stored_text.h writes them so).
bool IsUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || (length == 2 && c < 0xC2) || (length == 4 && c > 0xF4) || i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        const auto second = length > 1 ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        if ((c == 0xE0 && second < 0xA0) || (c == 0xF0 && second < 0x90) || (c == 0xF4 && second >= 0x90))
            return false;
        i += length;
    }
    return true;
}

std::optional<unsigned long long> ParseNumber(std::string_view text)
{
    if (text.empty() || text.size() > 19)
        return std::nullopt;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned long long>(c - '0');
    }
    return value;
}

std::optional<int> ParseOrder(std::string_view text)
{
    if (text.empty() || text.size() > 7)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value <= kMostOrder ? std::optional<int>(value) : std::nullopt;
}

} // namespace

std::string FormatRecord(const BackupRecord& record)
{
    std::string text = std::string(kFirstLine) + "\norder=" + std::to_string(record.order) +
                       "\npath=" + stored::Utf8FromUtf16(record.path) + "\n";
    if (record.hasFile)
        text += "file=" + std::string(record.fileExisted ? "1 " : "0 ") + std::to_string(record.fileSize) + " " +
                std::to_string(record.fileWritten) + "\n";
    return text;
}

std::optional<BackupRecord> ParseRecord(std::string_view bytes)
{
    BackupRecord record;
    bool first = true, haveOrder = false;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first) {
            if (line != kFirstLine)
                return std::nullopt;
            first = false;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "order") {
            const std::optional<int> order = ParseOrder(value);
            if (!order)
                return std::nullopt;
            record.order = *order;
            haveOrder = true;
        } else if (key == "file") {
            const std::size_t first = value.find(' '), second = value.find(' ', first + 1);
            if (first != 1 || second == std::string_view::npos || (value[0] != '0' && value[0] != '1'))
                return std::nullopt;
            const auto size = ParseNumber(value.substr(first + 1, second - first - 1));
            const auto written = ParseNumber(value.substr(second + 1));
            if (!size || !written)
                return std::nullopt;
            record.hasFile = true;
            record.fileExisted = value[0] == '1';
            record.fileSize = *size;
            record.fileWritten = *written;
        } else if (key == "path") {
            // No file name holds a control character (a line end among them).
            if (!IsUtf8(value) ||
                std::any_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
                return std::nullopt;
            record.path = stored::Utf16FromUtf8(std::string(value));
        }
    }
    if (first || !haveOrder)
        return std::nullopt;
    return record;
}

} // namespace backups
