#include "corvex/dialogs/search_session.h"

#include "corvex/dialogs/common_dialogs.h"
#include "corvex/dialogs/dialog_host.h"
#include "corvex/include/corvex.h"

#include <algorithm>
#include <cstring>

namespace corvex::dialogs {

search::SearchHistory& FindHistory()
{
    static search::SearchHistory history;
    return history;
}

search::SearchHistory& ReplaceHistory()
{
    static search::SearchHistory history;
    return history;
}

search::SearchHistory& HistoryList(int list) { return list == 1 ? FindHistory() : ReplaceHistory(); }

void SetHistoryText(int list, const char* text)
{
    HistoryList(list).split(text ? std::string_view(text, strnlen(text, kHistoryBufferSize - 1)) : std::string_view());
}

int GetHistoryText(int list, char* buffer)
{
    if (!buffer)
        return 0;
    const std::string joined = HistoryList(list).join();
    const std::size_t length = std::min<std::size_t>(joined.size(), kHistoryBufferSize - 1);
    std::memcpy(buffer, joined.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

SearchSettings SearchSettingsOf(HWND control)
{
    SearchSettings settings;
    if (control) {
        settings.options.caseSensitive = SendMessageA(control, GetCaseSensitive, 0, 0) != 0;
        settings.options.wholeWord = SendMessageA(control, GetWholeWord, 0, 0) != 0;
        settings.preserveCase = SendMessageA(control, GetPreserveCase, 0, 0) != 0;
    }
    return settings;
}

void SetSearchOption(HWND control, UINT setMessage, bool on)
{
    if (control)
        SendMessageA(control, setMessage, on ? 1 : 0, 0);
}

bool IsSearchableSelection(const std::string& selected)
{
    return !selected.empty() && selected.find_first_of("\r\n") == std::string::npos;
}

bool FindInActiveTarget(const std::string& text, bool backwards, HWND owner, const std::string& caption)
{
    SearchTarget* target = ActiveSearchTarget();
    if (!target || text.empty())
        return false;
    FindHistory().add(text);
    if (target->findNext(text, SearchSettingsOf(ActiveSearchControl()).options, backwards))
        return true;
    ShowMessage(owner, "Cannot find \"" + text + "\".", caption, MB_OK | MB_ICONINFORMATION);
    return false;
}

bool FindAgain(bool backwards, HWND owner)
{
    SearchTarget* target = ActiveSearchTarget();
    if (!target)
        return false;
    std::string text;
    if (!FindHistory().entries().empty())
        text = FindHistory().entries().front();
    else if (IsSearchableSelection(target->selectedText()))
        text = target->selectedText();
    if (text.empty())
        return false;
    if (!owner)
        owner = GetAncestor(ActiveSearchControl(), GA_ROOT);
    return FindInActiveTarget(text, backwards, owner, "Corvex");
}

} // namespace corvex::dialogs
