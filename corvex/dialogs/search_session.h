// What the find and replace dialogs share across documents: the histories of the find and
// replace texts (newest first; the newest find text is the last search, which FindAgain
// repeats) and the search options, which are the active control's own options
// (case sensitivity, whole word, preserve case).
#pragma once

#include "corvex/search/search_history.h"
#include "corvex/search/text_search.h"

#include <windows.h>

#include <string>

namespace corvex::dialogs {

search::SearchHistory& FindHistory();
search::SearchHistory& ReplaceHistory();

// The history of library list `list` of the history exports: 1 find, any other replace.
search::SearchHistory& HistoryList(int list);
// The history exports' work: the list from one string (null: empty), and the list as one
// string into `buffer` (at least kHistoryBufferSize bytes), giving its length.
void SetHistoryText(int list, const char* text);
int GetHistoryText(int list, char* buffer);

struct SearchSettings {
    search::SearchOptions options;
    bool preserveCase = false;
};
// The control's search options, asked with its option messages (defaults for no control).
SearchSettings SearchSettingsOf(HWND control);
// Sets one of those options (SetCaseSensitive, SetWholeWord, SetPreserveCase) in the control.
void SetSearchOption(HWND control, UINT setMessage, bool on);

// Finds the last search text again in the active control. With no last search, the
// selection (when it is a single line) becomes the search text. False when nothing was
// searched or nothing was found (which is reported in a message box owned by `owner`).
bool FindAgain(bool backwards, HWND owner = nullptr);

// Searches `text` in the active control, adding it to the find history; reports a miss
// in a message box with `caption`. False when there is no active control or no match.
bool FindInActiveTarget(const std::string& text, bool backwards, HWND owner, const std::string& caption);

// A selection fit to become a search text: not empty and on a single line.
bool IsSearchableSelection(const std::string& selected);

} // namespace corvex::dialogs
