#include "corvex/dialog_search_target.h"

#include "corvex/dialogs/wide_text.h"
#include "corvex/include/corvex.h"
#include "corvex/text_form.h"

namespace corvex {

bool DialogSearchTarget::findNext(const std::string& text, const search::SearchOptions& options, bool backwards)
{
    const std::optional<std::string> found = DocumentTextOfUtf8(text, encoding_);
    return found && search_.find(*found, options, backwards);
}

bool DialogSearchTarget::replaceSelection(const std::string& text, const std::string& replacement,
                                          const search::SearchOptions& options, bool preserveCase)
{
    const std::optional<std::string> found = DocumentTextOfUtf8(text, encoding_);
    const std::optional<std::string> put = DocumentTextOfUtf8(replacement, encoding_);
    if (!put)
        MessageBeep(MB_ICONWARNING);
    return found && put && search_.replaceSelection(*found, *put, options, preserveCase);
}

int DialogSearchTarget::replaceAll(const std::string& text, const std::string& replacement,
                                   const search::SearchOptions& options, bool preserveCase, bool inSelection)
{
    const std::optional<std::string> found = DocumentTextOfUtf8(text, encoding_);
    const std::optional<std::string> put = DocumentTextOfUtf8(replacement, encoding_);
    if (!put)
        MessageBeep(MB_ICONWARNING);
    return found && put ? search_.replaceAll(*found, *put, options, preserveCase, inSelection) : 0;
}

std::string DialogSearchTarget::selectedText() const
{
    return Utf8FromWide(DisplayTextOf(session_.selectedText(), encoding_));
}

int DialogSearchTarget::currentLine() const
{
    return static_cast<int>(session_.text().lineOfOffset(session_.selection().caret)) + 1;
}

LRESULT DialogSearchTarget::SearchMessage(bool find, WPARAM wParam, LPARAM lParam, const Options& settings)
{
    search::SearchOptions options;
    options.caseSensitive = settings.caseSensitive != 0;
    options.wholeWord = settings.wholeWord != 0;
    const bool preserveCase = settings.preserveCase != 0;
    // The messages' texts are in the ANSI code page, as the callers hold them.
    const auto utf8 = [](const char* ansi) { return Utf8FromWide(WideFromAnsi(ansi ? ansi : "")); };
    if (find) {
        const char* text = reinterpret_cast<const char*>(lParam);
        return text && findNext(utf8(text), options, wParam == 1) ? 1 : 0;
    }
    const auto* request = reinterpret_cast<const ReplaceRequest*>(lParam);
    if (!request || !request->text)
        return 0;
    if (request->all)
        return replaceAll(utf8(request->text), utf8(request->replacement), options, preserveCase,
                          request->inSelection != 0);
    return replaceSelection(utf8(request->text), utf8(request->replacement), options, preserveCase) ? 1 : 0;
}

} // namespace corvex
