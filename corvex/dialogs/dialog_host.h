// What the dialogs need from an editing view, and the registry of the view that the
// modeless find and replace dialogs act on.
#pragma once

#include "corvex/search/text_search.h"

#include <windows.h>

#include <string>

namespace corvex::dialogs {

// Implemented for each control by its DialogSearchTarget. Lines are numbered from 1.
class SearchTarget {
public:
    virtual ~SearchTarget() = default;
    // Selects the next (or previous) match of `text` from the selection on; false when
    // there is none.
    virtual bool findNext(const std::string& text, const search::SearchOptions& options,
                          bool backwards) = 0;
    // When the selection is a match of `text`, replaces it and gives true.
    virtual bool replaceSelection(const std::string& text, const std::string& replacement,
                                  const search::SearchOptions& options, bool preserveCase) = 0;
    // Replaces every match in the document (or only inside the selection), as one undo
    // step; gives the number of replacements.
    virtual int replaceAll(const std::string& text, const std::string& replacement,
                           const search::SearchOptions& options, bool preserveCase,
                           bool inSelection) = 0;
    virtual bool hasSelection() const = 0;
    virtual std::string selectedText() const = 0;
    virtual int lineCount() const = 0;
    virtual int currentLine() const = 0;
    virtual void goToLine(int line) = 0;
};

// The control that last had the focus: the find and replace dialogs and FindAgain act on
// it. `control` is its window, asked for the search options with the option messages.
void SetActiveSearchTarget(SearchTarget* target, HWND control);
// Called when `control` is destroyed; forgets it when it is the active one.
void ClearActiveSearchTarget(HWND control);
SearchTarget* ActiveSearchTarget();
HWND ActiveSearchControl();

} // namespace corvex::dialogs
