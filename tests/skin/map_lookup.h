// A Skin.ini lookup over an in-memory map, matching sections and keys without regard to
// case as the private-profile functions do.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "skin/skin_files.h"
#include "skin/skin_values.h"

namespace skin::testing {

class MapLookup {
public:
    MapLookup& Set(const std::string& section, const std::string& key, const std::string& value) {
        values_[Name(section, key)] = value;
        return *this;
    }
    void Remove(const std::string& section, const std::string& key) { values_.erase(Name(section, key)); }

    std::optional<std::string> Get(const char* section, const char* key) const {
        const auto it = values_.find(Name(section, key));
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }

    SkinLookup Function() const {
        return [this](const char* section, const char* key) { return Get(section, key); };
    }

private:
    static std::string Name(const std::string& section, const std::string& key) {
        return ParseKeyword(section) + "\n" + ParseKeyword(key);
    }
    std::map<std::string, std::string> values_;
};

}  // namespace skin::testing
