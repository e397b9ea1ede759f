// The Help's index against the menus: every command of every menu can be looked up in
// the index by its caption, and the index leads to a page that speaks of it. A menu item
// added without its Help fails here.
#include "app/command_table.h"
#include "skin/skinned_menus.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The help sources, found from this test program's folder (the build tree may lie
// anywhere beside the sources).
std::string HelpFolder() { return e2e::FromTestProgramFolder(QUILLET_HELP_RELATIVE) + "\\"; }

std::string ReadHelpFile(const std::string& name)
{
    std::ifstream in(HelpFolder() + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The words of a page as a reader sees them: tags dropped, runs of blanks made one space,
// in lower case.
std::string PageText(const std::string& page)
{
    std::string text;
    bool inTag = false;
    for (char c : ReadHelpFile(page)) {
        if (c == '<') {
            inTag = true;
        } else if (c == '>') {
            inTag = false;
            c = ' ';
        }
        if (inTag)
            continue;
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!text.empty() && text.back() != ' ')
                text += ' ';
        } else {
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

// The index's keywords in lower case, without a qualifier in brackets ("none (language)"
// is "none"), each with the pages it leads to (anchors dropped). An entry's first Name is
// its keyword; an entry leading to several pages names each page's topic before it.
std::map<std::string, std::vector<std::string>> IndexKeywords()
{
    std::map<std::string, std::vector<std::string>> keywords;
    std::string current;
    bool keywordRead = false;
    std::istringstream lines(ReadHelpFile("Index.hhk"));
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<object") != std::string::npos)
            keywordRead = false;
        const std::size_t value = line.find("value=\"");
        if (value == std::string::npos)
            continue;
        const std::size_t start = value + 7, end = line.find('"', start);
        const std::string text = line.substr(start, end - start);
        if (line.find("name=\"Name\"") != std::string::npos && !keywordRead) {
            current = Lower(text.substr(0, text.find(" (")));
            keywordRead = true;
        } else if (line.find("name=\"Local\"") != std::string::npos && !current.empty()) {
            keywords[current].push_back(text.substr(0, text.find('#')));
        }
    }
    return keywords;
}

// What a reader looks a menu item up by: its caption without the access-key mark and the
// dots, in lower case, and one word for a numbered series ("play macro 3": "play macro").
std::string LookUpWord(const char* caption)
{
    std::string word;
    for (const char* c = caption; *c; ++c)
        if (*c != '&')
            word += *c;
    while (!word.empty() && word.back() == '.')
        word.pop_back();
    std::size_t digits = word.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(word[digits - 1])))
        --digits;
    if (digits < word.size() && digits > 0 && word[digits - 1] == ' ')
        word.erase(digits - 1);
    return Lower(word);
}

TEST(HelpIndex, LeadsFromEveryMenuCaptionToAPageAboutIt)
{
    const auto keywords = IndexKeywords();
    ASSERT_FALSE(keywords.empty()) << "no keywords read from " << HelpFolder() << "Index.hhk";
    std::map<std::string, std::string> pageTexts;
    int captions = 0;
    for (int menu = 0; menu < kMenuCount; ++menu) {
        for (const CommandEntry& item : MenuCommands(static_cast<MenuIndex>(menu))) {
            if (!item.caption || IsSeparatorCaption(item.caption))
                continue;
            ++captions;
            const std::string word = LookUpWord(item.caption);
            const auto found = keywords.find(word);
            if (found == keywords.end()) {
                ADD_FAILURE() << "\"" << word << "\" (menu " << menu << ", item " << item.id
                              << ") is not in the Help's index";
                continue;
            }
            bool spoken = false;
            for (const std::string& page : found->second) {
                auto text = pageTexts.find(page);
                if (text == pageTexts.end())
                    text = pageTexts.emplace(page, PageText(page)).first;
                spoken = spoken || text->second.find(word) != std::string::npos;
            }
            EXPECT_TRUE(spoken) << "the index leads \"" << word << "\" to pages that do not mention it";
        }
    }
    EXPECT_GT(captions, 80) << "the menus were not read";
}

} // namespace
