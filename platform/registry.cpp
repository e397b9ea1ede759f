#include "platform/registry.h"

#include "platform/ansi_text.h"
#include "platform/stored_text.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

namespace registry {
namespace {

// KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS |
// KEY_NOTIFY | READ_CONTROL
constexpr REGSAM kAccess = 0x2001F;

// Key and value names are ASCII.
std::wstring Name(const std::string& ascii) { return WidenAnsi(ascii); }

HKEY CreateChild(HKEY parent, const std::string& name)
{
    HKEY child = nullptr;
    if (RegCreateKeyExW(parent, Name(name).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &child,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return child;
}

// Opens the chain down to the product key (`withSection` false) or the section key.
HKEY OpenChain(const KeyPath& key, bool withSection)
{
    HKEY software = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software", 0, kAccess, &software) != ERROR_SUCCESS)
        return nullptr;
    HKEY maker = CreateChild(software, key.maker);
    RegCloseKey(software);
    if (!maker)
        return nullptr;
    HKEY product = CreateChild(maker, key.product);
    RegCloseKey(maker);
    if (!product || !withSection)
        return product;
    HKEY section = CreateChild(product, key.section);
    RegCloseKey(product);
    return section;
}

bool ReadRaw(const KeyPath& key, const char* value, std::vector<unsigned char>& data)
{
    HKEY section = OpenChain(key, true);
    if (!section)
        return false;
    const std::wstring name = Name(value);
    DWORD size = 0;
    bool read = RegQueryValueExW(section, name.c_str(), nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
    if (read) {
        data.assign(size, 0);
        read = RegQueryValueExW(section, name.c_str(), nullptr, nullptr, data.empty() ? nullptr : data.data(),
                                &size) == ERROR_SUCCESS;
        data.resize(size);
    }
    RegCloseKey(section);
    return read;
}

bool WriteRaw(const KeyPath& key, const char* value, DWORD type, const void* data, DWORD size)
{
    HKEY section = OpenChain(key, true);
    if (!section)
        return false;
    const bool written =
        RegSetValueExW(section, Name(value).c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(section);
    return written;
}

} // namespace

unsigned long RegReadDword(const KeyPath& key, const char* value, unsigned long fallback)
{
    std::vector<unsigned char> data;
    if (!ReadRaw(key, value, data) || data.size() != sizeof(DWORD))
        return fallback;
    DWORD number = 0;
    CopyMemory(&number, data.data(), sizeof number);
    return number;
}

std::string RegReadString(const KeyPath& key, const char* value, const char* fallback)
{
    std::vector<unsigned char> data;
    if (!ReadRaw(key, value, data))
        return fallback;
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    CopyMemory(&text[0], data.data(), text.size() * sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));
    // What does not fit is cut off whole characters at a time.
    std::string stored = stored::Encode(text, AnsiCodePage());
    while (stored.size() > kStringBufferSize - 1 && !text.empty()) {
        std::size_t keep = text.size() - std::max<std::size_t>(1, (stored.size() - (kStringBufferSize - 1)) / 4);
        if (keep > 0 && text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF)
            --keep;  // never half of a surrogate pair
        text.resize(keep);
        stored = stored::Encode(text, AnsiCodePage());
    }
    return stored;
}

bool RegReadBinary(const KeyPath& key, const char* value, std::vector<unsigned char>& data)
{
    data.clear();
    return ReadRaw(key, value, data);
}

bool RegWriteDword(const KeyPath& key, const char* value, unsigned long data)
{
    const DWORD number = data;
    return WriteRaw(key, value, REG_DWORD, &number, sizeof number);
}

bool RegWriteString(const KeyPath& key, const char* value, const char* data)
{
    if (!value) {
        HKEY product = OpenChain(key, false);
        if (!product)
            return false;
        const bool deleted = RegDeleteKeyW(product, Name(key.section).c_str()) == ERROR_SUCCESS;
        RegCloseKey(product);
        return deleted;
    }
    if (!data) {
        HKEY section = OpenChain(key, true);
        if (!section)
            return false;
        const bool deleted = RegDeleteValueW(section, Name(value).c_str()) == ERROR_SUCCESS;
        RegCloseKey(section);
        return deleted;
    }
    const std::wstring text = stored::Decode(data, AnsiCodePage());
    return WriteRaw(key, value, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool RegWriteBinary(const KeyPath& key, const char* value, const void* data, unsigned long size)
{
    return WriteRaw(key, value, REG_BINARY, data, size);
}

} // namespace registry
