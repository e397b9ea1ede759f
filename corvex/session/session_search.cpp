#include "corvex/session/session_search.h"

#include "corvex/search/brace_match.h"

#include <algorithm>

namespace corvex {

namespace {

std::uint8_t SearchFlags(const search::SearchOptions& options)
{
    return static_cast<std::uint8_t>((options.caseSensitive ? formats::kFindMatchCase : 0) |
                                     (options.wholeWord ? formats::kFindWholeWord : 0));
}

formats::MacroAction ReplaceAction(const std::string& text, const std::string& replacement,
                                   const search::SearchOptions& options, bool preserveCase, bool every,
                                   bool inSelection)
{
    formats::MacroAction action;
    action.op = formats::MacroOp::Replace;
    action.text = text;
    action.replacement = replacement;
    action.flags = static_cast<std::uint8_t>(SearchFlags(options) | (preserveCase ? formats::kReplacePreserveCase : 0) |
                                             (every ? formats::kReplaceEvery : 0) |
                                             (inSelection ? formats::kReplaceInSelection : 0));
    return action;
}

} // namespace

bool SessionSearch::find(const std::string& text, const search::SearchOptions& options, bool backwards)
{
    if (text.empty())
        return false;
    formats::MacroAction action;
    action.op = formats::MacroOp::Find;
    action.text = text;
    action.flags = static_cast<std::uint8_t>(SearchFlags(options) | (backwards ? formats::kFindBackwards : 0));
    recorder_.record(std::move(action));
    const Selection& selection = session_.selection();
    const std::optional<search::Match> match =
        backwards ? search::findPrevious(session_.text(), text, selection.start(), options)
                  : search::findNext(session_.text(), text, selection.end(), options);
    if (!match)
        return false;
    session_.endColumnMode();
    session_.moveCaret(match->start, false);
    session_.setSelection(match->start, match->end());
    return true;
}

bool SessionSearch::replaceSelection(const std::string& text, const std::string& replacement,
                                     const search::SearchOptions& options, bool preserveCase)
{
    if (session_.columnMode() || text.empty())
        return false;
    recorder_.record(ReplaceAction(text, replacement, options, preserveCase, false, false));
    const Selection& selection = session_.selection();
    const std::optional<search::TextEdit> edit =
        search::planReplace(session_.text(), text, replacement, selection.start(),
                            selection.end() - selection.start(), options, preserveCase);
    if (!edit)
        return false;
    session_.document().breakGroup();
    session_.replaceRange(edit->start, edit->length, edit->text, EditKind::Other);
    return true;
}

int SessionSearch::replaceAll(const std::string& text, const std::string& replacement,
                              const search::SearchOptions& options, bool preserveCase, bool inSelection)
{
    if (text.empty())
        return 0;
    recorder_.record(ReplaceAction(text, replacement, options, preserveCase, true, inSelection));
    session_.endColumnMode();
    const bool selectionOnly = inSelection && !session_.selection().empty();
    const std::size_t begin = selectionOnly ? session_.selection().start() : 0;
    const std::size_t end = selectionOnly ? session_.selection().end() : session_.document().size();
    const std::vector<search::TextEdit> edits =
        search::planReplaceAll(session_.text(), text, replacement, begin, end, options, preserveCase);
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
    applyEdits(edits, after);
    return static_cast<int>(edits.size());
}

// One undo step: a lone edit as any other, many built block by block (see replaceAll).
void SessionSearch::applyEdits(const std::vector<search::TextEdit>& edits, Selection after)
{
    const std::size_t firstLine = session_.text().lineOfOffset(edits.front().start);
    TextDocument& document = session_.document();
    document.breakGroup();
    if (edits.size() == 1)
        document.replace(edits[0].start, edits[0].length, edits[0].text, session_.selection(), after, EditKind::Other);
    else
        document.replaceAll(edits, session_.selection(), after);
    session_.afterReplacing(after, firstLine);
}

void SessionSearch::goToLine(int line)
{
    formats::MacroAction action;
    action.op = formats::MacroOp::GoToLine;
    action.line = static_cast<std::uint32_t>(std::max(line, 1));
    recorder_.record(std::move(action));
    const std::size_t count = session_.text().lineCount();
    const std::size_t target =
        static_cast<std::size_t>(std::clamp<long long>(line, 1, static_cast<long long>(count))) - 1;
    session_.moveCaret(session_.text().lineStart(target), false);
}

// Before the partner when the caret was before the bracket, after it when it was after.
void SessionSearch::matchBrace(lex::LexStateCache* states)
{
    const std::size_t caret = session_.selection().caret;
    const std::optional<std::size_t> bracket = search::braceNear(session_.text(), caret);
    if (!bracket)
        return;
    const std::optional<std::size_t> partner = search::matchBrace(session_.text(), *bracket, states);
    if (!partner)
        return;
    session_.moveCaret(*bracket == caret ? *partner : *partner + 1, false);
}

} // namespace corvex
