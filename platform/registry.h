// Values under HKEY_LOCAL_MACHINE\Software\<maker>\<product>\<section>.
//
// Every call opens the key chain anew: "Software" is opened, the maker, product and
// section keys are created when missing (also when only reading), the intermediate
// keys are closed at once and the last one after its single read or write. Failures
// are silent: reads give their default, writes report false.
#pragma once

#include <string>
#include <vector>

namespace registry {

// Names of the three keys below HKLM\Software.
struct KeyPath {
    std::string maker;
    std::string product;
    std::string section;
};

constexpr int kStringBufferSize = 1025;  // strings are read into this, at most 1024 bytes kept

// Strings are held in the registry as UTF-16 and exchanged here in the form Quillet stores
// text (platform/stored_text.h): ANSI bytes when the code page holds the text, else the
// UTF-8 signature and UTF-8.

unsigned long RegReadDword(const KeyPath& key, const char* value, unsigned long fallback);
std::string RegReadString(const KeyPath& key, const char* value, const char* fallback);
// The stored bytes; false when the value is absent or unreadable.
bool RegReadBinary(const KeyPath& key, const char* value, std::vector<unsigned char>& data);

bool RegWriteDword(const KeyPath& key, const char* value, unsigned long data);
// A null `data` deletes the value; a null `value` deletes the section key.
bool RegWriteString(const KeyPath& key, const char* value, const char* data);
bool RegWriteBinary(const KeyPath& key, const char* value, const void* data, unsigned long size);

} // namespace registry
