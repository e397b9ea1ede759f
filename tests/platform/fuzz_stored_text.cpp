// Any bytes as a stored Config.ini value: reading them never fails, and what was read
// is written back in a form that reads the same. Any UTF-16 units survive UTF-8.
#include "platform/stored_text.h"
#include "tests/platform/latin1_code_page.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Latin1CodePage ansi;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring read = stored::Decode(bytes, ansi);
    if (stored::Decode(stored::Encode(read, ansi), ansi) != read)
        std::abort();
    std::wstring units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    if (stored::Utf16FromUtf8(stored::Utf8FromUtf16(units)) != units)
        std::abort();
    return 0;
}
