// What the find, replace and go-to-line dialogs do to the view, and match brace.
// A search runs from the selection: forwards from its end, backwards from its start, so
// repeating it steps from match to match.
#include "corvex/editor.h"
#include "corvex/search/brace_match.h"

#include <algorithm>

namespace corvex {

namespace {

formats::MacroAction ReplaceAction(const std::string& text, const std::string& replacement,
                                   const search::SearchOptions& options, bool preserveCase, bool every,
                                   bool inSelection)
{
    formats::MacroAction action;
    action.op = formats::MacroOp::Replace;
    action.text = text;
    action.replacement = replacement;
    action.flags = static_cast<std::uint8_t>((options.caseSensitive ? formats::kFindMatchCase : 0) |
                                             (options.wholeWord ? formats::kFindWholeWord : 0) |
                                             (preserveCase ? formats::kReplacePreserveCase : 0) |
                                             (every ? formats::kReplaceEvery : 0) |
                                             (inSelection ? formats::kReplaceInSelection : 0));
    return action;
}

} // namespace

void Editor::SelectMatch(std::size_t start, std::size_t end)
{
    session_.moveCaret(start, false);
    session_.setSelection(start, end);
}

bool Editor::FindInDocument(const std::string& text, const search::SearchOptions& options, bool backwards)
{
    if (text.empty())
        return false;
    formats::MacroAction action;
    action.op = formats::MacroOp::Find;
    action.text = text;
    action.flags = static_cast<std::uint8_t>((options.caseSensitive ? formats::kFindMatchCase : 0) |
                                             (options.wholeWord ? formats::kFindWholeWord : 0) |
                                             (backwards ? formats::kFindBackwards : 0));
    Record(std::move(action));
    const std::optional<search::Match> match =
        backwards ? search::findPrevious(Text(), text, session_.selection().start(), options)
                  : search::findNext(Text(), text, session_.selection().end(), options);
    if (!match)
        return false;
    session_.endColumnMode();
    SelectMatch(match->start, match->end());
    return true;
}

bool Editor::ReplaceSelectionInDocument(const std::string& text, const std::string& replacement,
                                        const search::SearchOptions& options, bool preserveCase)
{
    if (session_.columnMode() || text.empty())
        return false;
    Record(ReplaceAction(text, replacement, options, preserveCase, false, false));
    const std::optional<search::TextEdit> edit = search::planReplace(
        Text(), text, replacement, session_.selection().start(), session_.selection().end() - session_.selection().start(), options, preserveCase);
    if (!edit)
        return false;
    session_.document().breakGroup();
    session_.replaceRange(edit->start, edit->length, edit->text, EditKind::Other);
    return true;
}

int Editor::ReplaceAllInDocument(const std::string& text, const std::string& replacement,
                                 const search::SearchOptions& options, bool preserveCase, bool inSelection)
{
    if (text.empty())
        return 0;
    Record(ReplaceAction(text, replacement, options, preserveCase, true, inSelection));
    session_.endColumnMode();
    const bool selectionOnly = inSelection && !session_.selection().empty();
    const std::size_t begin = selectionOnly ? session_.selection().start() : 0;
    const std::size_t end = selectionOnly ? session_.selection().end() : session_.document().size();
    const std::vector<search::TextEdit> edits =
        search::planReplaceAll(Text(), text, replacement, begin, end, options, preserveCase);
    if (edits.empty())
        return 0;
    long long growth = 0;
    for (const search::TextEdit& edit : edits)
        growth += static_cast<long long>(edit.text.size()) - static_cast<long long>(edit.length);
    // Inside the selection it keeps covering the replaced text; else the caret goes to the
    // end of the last replacement.
    const search::TextEdit& last = edits.back();
    const std::size_t lastEnd = static_cast<std::size_t>(static_cast<long long>(last.start + last.text.size()) +
                                                         growth - (static_cast<long long>(last.text.size()) -
                                                                   static_cast<long long>(last.length)));
    const Selection after = selectionOnly
                                ? Selection(begin, static_cast<std::size_t>(static_cast<long long>(end) + growth))
                                : Selection(lastEnd);
    ApplyEdits(edits, after);
    return static_cast<int>(edits.size());
}

// The dialogs' texts are UTF-8. A text the document's code page cannot hold cannot be in
// it: nothing is found, and a replacement it cannot hold replaces nothing.
bool Editor::findNext(const std::string& text, const search::SearchOptions& options, bool backwards)
{
    const std::optional<std::string> found = DocumentTextOfUtf8(text);
    return found && FindInDocument(*found, options, backwards);
}

bool Editor::replaceSelection(const std::string& text, const std::string& replacement,
                              const search::SearchOptions& options, bool preserveCase)
{
    const std::optional<std::string> found = DocumentTextOfUtf8(text);
    const std::optional<std::string> put = DocumentTextOfUtf8(replacement);
    if (!put)
        MessageBeep(MB_ICONWARNING);
    return found && put && ReplaceSelectionInDocument(*found, *put, options, preserveCase);
}

int Editor::replaceAll(const std::string& text, const std::string& replacement, const search::SearchOptions& options,
                       bool preserveCase, bool inSelection)
{
    const std::optional<std::string> found = DocumentTextOfUtf8(text);
    const std::optional<std::string> put = DocumentTextOfUtf8(replacement);
    if (!put)
        MessageBeep(MB_ICONWARNING);
    return found && put ? ReplaceAllInDocument(*found, *put, options, preserveCase, inSelection) : 0;
}

void Editor::ApplyEdits(const std::vector<search::TextEdit>& edits, Selection after)
{
    const std::size_t firstLine = Text().lineOfOffset(edits.front().start);
    session_.document().breakGroup();
    session_.document().beginCompound(session_.selection());
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit)
        session_.document().replace(edit->start, edit->length, edit->text, session_.selection(), after, EditKind::Other);
    session_.document().endCompound(after);
    session_.placeSelection(after);
    InvalidateRect(window_, nullptr, FALSE);
    session_.afterEdit(firstLine, true);
}

// FindText and ReplaceText: the dialogs' work without the dialogs, with the control's
// own search options.
LRESULT Editor::SearchMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    search::SearchOptions options;
    options.caseSensitive = options_.caseSensitive != 0;
    options.wholeWord = options_.wholeWord != 0;
    const bool preserveCase = options_.preserveCase != 0;
    // The messages' texts are in the ANSI code page, as the callers hold them.
    const auto utf8 = [](const char* ansi) { return Utf8FromWide(WideFromAnsi(ansi ? ansi : "")); };
    if (message == FindText) {
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

void Editor::goToLine(int line)
{
    formats::MacroAction action;
    action.op = formats::MacroOp::GoToLine;
    action.line = static_cast<std::uint32_t>(std::max(line, 1));
    Record(std::move(action));
    const std::size_t count = Text().lineCount();
    const std::size_t target = static_cast<std::size_t>(std::clamp<long long>(line, 1, static_cast<long long>(count))) - 1;
    session_.moveCaret(Text().lineStart(target), false);
}

// The caret goes to the bracket matching the one it touches, on the same side of it:
// before the partner when it was before the bracket, after it when it was after.
void Editor::MatchBrace()
{
    const std::size_t caret = session_.selection().caret;
    const std::optional<std::size_t> bracket = search::braceNear(Text(), caret);
    if (!bracket)
        return;
    const std::optional<std::size_t> partner = search::matchBrace(Text(), *bracket, &lexStates_);
    if (!partner)
        return;
    session_.moveCaret(*bracket == caret ? *partner : *partner + 1, false);
}

} // namespace corvex
