// The Help's Options pages against what a first start really has: every check box a page
// lists with its first-run value ("on" or "off") has that value in the Config.ini the
// setup installs, and a value the page says the setup chooses is one the setup writes.
// A default changed in Config.ini, or a page that states another, fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of each cell of a table row, tags removed.
std::vector<std::string> Cells(const std::string& row)
{
    std::vector<std::string> cells;
    bool inCell = false;
    for (std::size_t i = 0; i < row.size();) {
        if (row[i] == '<') {
            const std::size_t end = row.find('>', i);
            if (end == std::string::npos)
                break;
            if (row.compare(i + 1, 2, "td") == 0) {
                cells.emplace_back();
                inCell = true;
            } else if (row.compare(i + 1, 3, "/td") == 0) {
                inCell = false;
            }
            i = end + 1;
        } else {
            if (inCell)
                cells.back() += row[i];
            ++i;
        }
    }
    return cells;
}

// Check-box caption -> its first-run value as the page's "At first" column states it.
std::map<std::string, std::string> StatedDefaults(const std::string& page)
{
    std::map<std::string, std::string> stated;
    bool inTable = false;
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<th>At first</th>") != std::string::npos)
            inTable = true;
        else if (line.find("</table>") != std::string::npos)
            inTable = false;
        else if (inTable && line.find("<tr><td>") != std::string::npos) {
            const std::vector<std::string> cells = Cells(line);
            if (cells.size() >= 2)
                stated[cells.front()] = cells.back();
        }
    }
    return stated;
}

// A key of an ini file's text; "" when missing.
std::string IniValue(const std::string& ini, const std::string& section, const std::string& key)
{
    std::istringstream lines(ini);
    std::string current;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[')
            current = line.substr(1, line.find(']') - 1);
        else if (current == section && line.compare(0, key.size() + 1, key + "=") == 0)
            return line.substr(key.size() + 1);
    }
    return "";
}

struct CheckBox {
    const char* page;
    const char* caption;
    const char* section;
    const char* key;
};

// Every check box of the Options dialog with the key that stores it.
const CheckBox kCheckBoxes[] = {
    {"options_general.html", "Show Taskbar Button", "Main", "TaskbarShow"},
    {"options_general.html", "Show System Tray Button", "Main", "SysTrayShow"},
    {"options_general.html", "Enable Real Time Resizing Of Main Window", "Main", "RealTimeResize"},
    {"options_general.html", "Enable The Explorer Context Menu Extension", "Editor", "ShellEx"},
    {"options_general.html", "Allow Skins To Override Editor Settings", "Editor", "SkinOverride"},
    {"options_startup.html", "Minimise Main Window On Startup", "Main", "MinOnLoad"},
    {"options_startup.html", "Open Last Files Used On Startup", "Main", "OpenFilesAtStartup"},
};

TEST(HelpDefaults, EveryCheckBoxsFirstRunValueIsTheShippedOne)
{
    const std::string config = ReadFile(QUILLET_SHIPPED_CONFIG);
    const std::string setup = ReadFile(QUILLET_SETUP_SCRIPT);
    ASSERT_FALSE(config.empty());
    ASSERT_FALSE(setup.empty());
    std::map<std::string, std::map<std::string, std::string>> pages;
    for (const CheckBox& box : kCheckBoxes) {
        SCOPED_TRACE(box.caption);
        if (!pages.count(box.page))
            pages[box.page] = StatedDefaults(ReadFile(std::string(QUILLET_HELP_DIR) + "/" + box.page));
        const auto& stated = pages[box.page];
        const auto row = stated.find(box.caption);
        ASSERT_NE(row, stated.end()) << box.page << " does not give this check box's first-run value";
        const std::string shipped = IniValue(config, box.section, box.key);
        if (row->second == "on" || row->second == "off") {
            EXPECT_EQ(shipped, row->second == "on" ? "1" : "0")
                << box.page << " says " << row->second << ", Config.ini has " << box.key << "=" << shipped;
        } else {
            // A value the page leaves to the setup: the setup must write that key.
            EXPECT_NE(row->second.find("setup"), std::string::npos)
                << box.page << " states neither on nor off, nor that the setup chooses: \"" << row->second << "\"";
            EXPECT_NE(setup.find(std::string(box.key)), std::string::npos)
                << "the page leaves " << box.key << " to the setup, which never writes it";
        }
    }
}

} // namespace
