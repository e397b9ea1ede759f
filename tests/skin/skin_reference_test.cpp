// The Help's skin reference against the loader: every key the loader reads is documented
// in its section with its format and (where it is a plain value) its default, nothing is
// documented that the loader does not read, and every bitmap a skin must have has its
// entry. A key added to the table or a default changed without the Help fails here.
#include "skin/skin_files.h"
#include "skin/skin_keys.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace skin {
namespace {

std::string ReadHelpPage(const char* name)
{
    std::ifstream in(std::string(QUILLET_HELP_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

// The text of the cells of a table row, tags inside a cell removed.
std::vector<std::string> Cells(const std::string& row)
{
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < row.size();) {
        if (row[i] == '<') {
            const std::size_t end = row.find('>', i);
            if (end == std::string::npos)
                break;
            if (row.compare(i + 1, 2, "td") == 0)
                cells.emplace_back();
            i = end + 1;
        } else {
            if (!cells.empty())
                cells.back() += row[i];
            ++i;
        }
    }
    return cells;
}

struct DocumentedKey {
    std::string format;
    std::string defaultText;
};

// "[Section]/Key" -> its documented format and default, from the key tables (those whose
// header starts with "Key") under each "[Section]" heading of skin_ini.html. A row naming
// two keys ("MinX, MinY") gives each its own part of the default ("6, 5").
std::map<std::string, DocumentedKey> DocumentedKeys(const std::string& page)
{
    std::map<std::string, DocumentedKey> keys;
    std::string section;
    bool inKeyTable = false;
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<h2") != std::string::npos) {
            const std::size_t open = line.find('['), close = line.find(']');
            section = open != std::string::npos && close > open ? line.substr(open + 1, close - open - 1) : "";
        } else if (line.find("<tr><th>Key</th>") != std::string::npos) {
            inKeyTable = true;
        } else if (line.find("</table>") != std::string::npos) {
            inKeyTable = false;
        } else if (inKeyTable && !section.empty() && line.find("<tr><td>") != std::string::npos) {
            const std::vector<std::string> cells = Cells(line);
            if (cells.size() < 3)
                continue;
            const std::vector<std::string> names = Split(cells[0], ", ");
            std::vector<std::string> defaults = Split(cells[2], ", ");
            if (defaults.size() != names.size())
                defaults.assign(names.size(), cells[2]);
            for (std::size_t i = 0; i < names.size(); ++i)
                keys[section + "/" + names[i]] = {cells[1], defaults[i]};
        }
    }
    return keys;
}

const char* FormatWord(ValueFormat format)
{
    switch (format) {
    case ValueFormat::Text: return "text";
    case ValueFormat::Integer: return "integer";
    case ValueFormat::Boolean: return "boolean";
    case ValueFormat::FontWeight: return "bold";
    case ValueFormat::Keyword: return "keyword";
    case ValueFormat::ColourTriple: return "colour";
    case ValueFormat::SizePair: return "size pair";
    case ValueFormat::SizeQuad: return "size quad";
    }
    return "?";
}

bool IsTrue(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text == "true";
}

TEST(SkinReference, DocumentsEveryKeyOfTheLoaderWithItsFormatAndDefault)
{
    const std::map<std::string, DocumentedKey> documented = DocumentedKeys(ReadHelpPage("skin_ini.html"));
    ASSERT_FALSE(documented.empty()) << "no key tables found in skin_ini.html";
    for (const SkinKey& key : SkinKeyTable()) {
        const std::string name = std::string(key.section) + "/" + key.key;
        const auto it = documented.find(name);
        if (it == documented.end()) {
            ADD_FAILURE() << "[" << key.section << "] " << key.key << " is not in the Help's skin reference";
            continue;
        }
        EXPECT_EQ(it->second.format.rfind(FormatWord(key.format), 0), 0u)
            << name << " is documented as \"" << it->second.format << "\"";
        if (key.rule != DefaultRule::Literal)
            continue;
        if (key.format == ValueFormat::Boolean || key.format == ValueFormat::FontWeight) {
            // On exactly when "true": the Help writes off as "false" whatever the table holds.
            EXPECT_EQ(it->second.defaultText == "true", IsTrue(key.defaultText)) << name;
        } else {
            const std::string expected = *key.defaultText ? key.defaultText : "(empty)";
            EXPECT_EQ(it->second.defaultText, expected) << name << ": the Help gives another default";
        }
    }
}

TEST(SkinReference, DocumentsNoKeyTheLoaderDoesNotRead)
{
    std::map<std::string, bool> read;
    for (const SkinKey& key : SkinKeyTable())
        read[std::string(key.section) + "/" + key.key] = true;
    for (const auto& [name, entry] : DocumentedKeys(ReadHelpPage("skin_ini.html")))
        EXPECT_TRUE(read.count(name)) << name << " is documented but the loader does not read it";
}

TEST(SkinReference, DescribesEveryBitmapASkinMustHave)
{
    const std::string bitmaps = ReadHelpPage("skin_bitmaps.html");
    ASSERT_FALSE(bitmaps.empty()) << "skin_bitmaps.html not found";
    for (SkinFile file : RequiredSkinFiles())
        EXPECT_NE(bitmaps.find(SkinFileName(file)), std::string::npos)
            << SkinFileName(file) << " is not described in skin_bitmaps.html";
}

} // namespace
} // namespace skin
