// A SearchTarget that records what the dialogs ask of it and answers from settable state.
#pragma once

#include "corvex/dialogs/dialog_host.h"

#include <string>
#include <vector>

struct SearchCall {
    std::string what;        // "find", "replace", "replaceAll"
    std::string text;
    std::string replacement;
    corvex::search::SearchOptions options;
    bool backwards = false;
    bool preserveCase = false;
    bool inSelection = false;
};

class FakeTarget : public corvex::dialogs::SearchTarget {
public:
    bool findNext(const std::string& text, const corvex::search::SearchOptions& options, bool backwards) override
    {
        calls.push_back({"find", text, "", options, backwards});
        return found;
    }
    bool replaceSelection(const std::string& text, const std::string& replacement,
                          const corvex::search::SearchOptions& options, bool preserveCase) override
    {
        calls.push_back({"replace", text, replacement, options, false, preserveCase});
        return true;
    }
    int replaceAll(const std::string& text, const std::string& replacement,
                   const corvex::search::SearchOptions& options, bool preserveCase, bool inSelection) override
    {
        calls.push_back({"replaceAll", text, replacement, options, false, preserveCase, inSelection});
        return replacements;
    }
    bool hasSelection() const override { return !selection.empty(); }
    std::string selectedText() const override { return selection; }
    int lineCount() const override { return lines; }
    int currentLine() const override { return line; }
    void goToLine(int target) override { wentTo.push_back(target); }

    bool found = true;
    int replacements = 0;
    std::string selection;
    int lines = 10;
    int line = 3;
    std::vector<SearchCall> calls;
    std::vector<int> wentTo;
};
