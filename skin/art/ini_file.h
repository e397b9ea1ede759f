// A tiny reader of INI text: sections and keys matched without regard to case, values
// trimmed of surrounding blanks, the first occurrence of a key winning (as the Windows
// private-profile functions read it).
#pragma once

#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace art {

class IniFile {
public:
    static IniFile FromFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return FromText(text.str());
    }

    static IniFile FromText(const std::string& text) {
        IniFile ini;
        std::istringstream lines(text);
        std::string line, section;
        while (std::getline(lines, line)) {
            line = Trim(line);
            if (line.empty() || line[0] == ';') continue;
            if (line.front() == '[' && line.back() == ']') {
                section = Lower(Trim(line.substr(1, line.size() - 2)));
                continue;
            }
            const std::size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            ini.values_.emplace(section + "\n" + Lower(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
        }
        return ini;
    }

    std::optional<std::string> Get(const std::string& section, const std::string& key) const {
        const auto it = values_.find(Lower(section) + "\n" + Lower(key));
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }

    std::size_t Size() const { return values_.size(); }

private:
    static std::string Trim(const std::string& s) {
        const std::size_t b = s.find_first_not_of(" \t\r\n");
        if (b == std::string::npos) return std::string();
        return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
    }
    static std::string Lower(std::string s) {
        for (char& c : s) c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        return s;
    }
    std::map<std::string, std::string> values_;
};

}  // namespace art
