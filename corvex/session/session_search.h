// Find, replace, go to line and match brace on an edit session, with texts in the
// document's own form, each recorded into the macro being recorded. A search runs from
// the selection: forwards from its end, backwards from its start, so repeating it steps
// from match to match.
#pragma once

#include "corvex/engine/edit_session.h"
#include "corvex/lex/lex_state_cache.h"
#include "corvex/search/replace_plan.h"
#include "corvex/search/text_search.h"
#include "corvex/session/macro_recorder.h"

#include <string>
#include <vector>

namespace corvex {

class SessionSearch {
public:
    SessionSearch(EditSession& session, MacroRecorder& recorder) : session_(session), recorder_(recorder) {}

    // Selects the next (or previous) match of `text`; false when there is none.
    bool find(const std::string& text, const search::SearchOptions& options, bool backwards);
    // When the selection is a match of `text`, replaces it (one undo step).
    bool replaceSelection(const std::string& text, const std::string& replacement,
                          const search::SearchOptions& options, bool preserveCase);
    // Replaces every match (or those inside the selection) as one undo step; the number.
    int replaceAll(const std::string& text, const std::string& replacement, const search::SearchOptions& options,
                   bool preserveCase, bool inSelection);
    // The caret to the start of line `line` (from 1, clamped to the document's lines).
    void goToLine(int line);
    // The caret to the bracket matching the one it touches, on the same side of it;
    // `states` (may be null) tells which brackets are in comments and strings.
    void matchBrace(lex::LexStateCache* states);

private:
    void applyEdits(const std::vector<search::TextEdit>& edits, Selection after);

    EditSession& session_;
    MacroRecorder& recorder_;
};

} // namespace corvex
