#include "corvex/dialogs/search_session.h"

#include "corvex/dialogs/common_dialogs.h"
#include "corvex/dialogs/dialog_host.h"
#include "corvex/dialogs/wide_text.h"
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

// The exports exchange a history in the form the program stores it: ANSI bytes when the
// code page holds every character (as always), else the UTF-8 signature EF BB BF and UTF-8.
// Inside, the entries are UTF-8.
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// ANSI bytes that happen to begin with the mark are stored as UTF-8 too, so the two forms
// never mix.
std::string StoredForm(const std::string& utf8)
{
    const std::optional<std::string> ansi = AnsiFromWide(WideFromUtf8(utf8));
    if (ansi && ansi->compare(0, kUtf8Mark.size(), kUtf8Mark) != 0)
        return *ansi;
    return std::string(kUtf8Mark) + utf8;
}

} // namespace

void SetHistoryText(int list, const char* text)
{
    const std::string_view stored =
        text ? std::string_view(text, strnlen(text, kHistoryBufferSize - 1)) : std::string_view();
    if (stored.compare(0, kUtf8Mark.size(), kUtf8Mark) == 0)
        HistoryList(list).split(stored.substr(kUtf8Mark.size()));
    else
        HistoryList(list).split(Utf8FromWide(WideFromAnsi(stored)));
}

int GetHistoryText(int list, char* buffer)
{
    if (!buffer)
        return 0;
    // The newest entries that fit the caller's buffer in the stored form; a newest entry
    // too long for it on its own is cut, between characters, to what fits.
    const std::vector<std::string>& entries = HistoryList(list).entries();
    std::string stored;
    std::string joined;
    for (const std::string& entry : entries) {
        const std::string longer = joined.empty() ? entry : joined + search::SearchHistory::kSeparator + entry;
        std::string form = StoredForm(longer);
        if (form.size() > static_cast<std::size_t>(kHistoryBufferSize - 1)) {
            if (!joined.empty())
                break;
            std::size_t cut = kHistoryBufferSize - 1 - kUtf8Mark.size();
            while (cut > 0 && (static_cast<unsigned char>(entry[cut]) & 0xC0) == 0x80)
                --cut;
            form = StoredForm(entry.substr(0, cut));
            if (form.size() > static_cast<std::size_t>(kHistoryBufferSize - 1))
                break;
            stored = std::move(form);
            break;
        }
        joined = longer;
        stored = std::move(form);
    }
    std::memcpy(buffer, stored.data(), stored.size());
    buffer[stored.size()] = '\0';
    return static_cast<int>(stored.size());
}

SearchSettings SearchSettingsOf(HWND control)
{
    SearchSettings settings;
    if (control) {
        settings.options.caseSensitive = SendMessageW(control, GetCaseSensitive, 0, 0) != 0;
        settings.options.wholeWord = SendMessageW(control, GetWholeWord, 0, 0) != 0;
        settings.preserveCase = SendMessageW(control, GetPreserveCase, 0, 0) != 0;
    }
    return settings;
}

void SetSearchOption(HWND control, UINT setMessage, bool on)
{
    if (control)
        SendMessageW(control, setMessage, on ? 1 : 0, 0);
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
