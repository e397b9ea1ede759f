#include "corvex/file_io.h"

#include "corvex/engine/code_page.h"
#include "corvex/engine/file_codec.h"

#include <array>
#include <cstdint>

#include <windows.h>

#include <algorithm>

namespace corvex {
namespace {

constexpr DWORD kChunk = 16u << 20;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;


class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close()
    {
        const bool closed = !Valid() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(kChunk, bytes.size() - done));
        DWORD wrote = 0;
        if (!WriteFile(file, bytes.data() + done, want, &wrote, nullptr) || wrote != want)
            return false;
        done += wrote;
    }
    return true;
}

std::wstring FolderOf(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return L".";
    if (slash == 0 || (slash == 2 && path[1] == L':'))
        return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

// The file at `path`, opened to be read from start to end, shared with every other user;
// INVALID_HANDLE_VALUE for an empty path or a failure.
HANDLE OpenForReading(const std::wstring& path)
{
    if (path.empty())
        return INVALID_HANDLE_VALUE;
    return CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                       nullptr);
}

} // namespace

bool ReadWholeFile(const std::wstring& path, std::string& bytes)
{
    FileHandle file(OpenForReading(path));
    LARGE_INTEGER size = {};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxFileSize)
        return false;
    const std::size_t length = static_cast<std::size_t>(size.QuadPart);
    std::string read;
    read.resize(length);
    std::size_t done = 0;
    while (done < length) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(kChunk, length - done));
        DWORD got = 0;
        if (!ReadFile(file.Get(), &read[done], want, &got, nullptr))
            return false;
        if (got == 0)
            break; // the file shrank while being read
        done += got;
    }
    read.resize(done);
    bytes.swap(read);
    return true;
}

bool ReadFileInto(const std::wstring& path, TextBuffer& text, FileFormat& format)
{
    FileHandle file(OpenForReading(path));
    if (!file.Valid())
        return false;
    const auto read = [&file](char* dst, std::size_t capacity) -> std::size_t {
        DWORD count = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(capacity, kChunk));
        return ReadFile(file.Get(), dst, want, &count, nullptr) ? count : 0;
    };
    const auto rewind = [&file] {
        LARGE_INTEGER start = {};
        return SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN) != FALSE;
    };
    return readFileInto(read, rewind, SystemCodePage(), text, format);
}

bool WriteFileSafely(const std::wstring& path, std::string_view bytes)
{
    return WriteFileSafely(path, [bytes](const ByteSink& sink) { return sink(bytes); });
}

bool WriteFileSafely(const std::wstring& target, const std::function<bool(const ByteSink&)>& produce)
{
    if (target.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists) {
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return false;
        // A target that another program holds open without sharing cannot be replaced.
        FileHandle probe(CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!probe.Valid())
            return false;
    }
    wchar_t temporary[MAX_PATH + 16] = {};
    if (!GetTempFileNameW(FolderOf(target).c_str(), L"cvx", 0, temporary))
        return false;
    bool written;
    {
        FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file.Valid() &&
                  produce([&file](std::string_view piece) { return WriteAll(file.Get(), piece); }) &&
                  FlushFileBuffers(file.Get());
        written = file.Close() && written;
    }
    bool placed = false;
    if (written && exists) {
        placed = ReplaceFileW(target.c_str(), temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
                 MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (placed)
            SetFileAttributesW(target.c_str(), attributes);
    } else if (written) {
        placed = MoveFileExW(temporary, target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    if (!placed)
        DeleteFileW(temporary);
    return placed;
}

} // namespace corvex

namespace corvex {

const ByteCodePage* SystemCodePage()
{
    static const ByteCodePage* const page = []() -> const ByteCodePage* {
        CPINFO info = {};
        if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 1)
            return nullptr;
        std::array<std::uint32_t, 256> table;
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            wchar_t unit = 0;
            const bool mapped = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &unit, 1) == 1;
            table[static_cast<std::size_t>(b)] = mapped ? unit : ByteCodePage::kNoCharacter;
        }
        static const ByteCodePage built(table);
        return built.asciiCompatible() ? &built : nullptr;
    }();
    return page;
}

std::wstring AnsiToWide(const char* text)
{
    const int length = text && *text ? MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) : 0;
    if (length <= 1)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length) - 1);
    return wide;
}

} // namespace corvex
