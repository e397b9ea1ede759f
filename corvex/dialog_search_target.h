// The find, replace and go-to-line dialogs' view of a control, whose texts are UTF-8, and
// the FindText and ReplaceText messages, whose texts are ANSI: both turned into the
// document's own form for the session's search. A text the document's code page cannot
// hold cannot be in it: nothing is found, and a replacement it cannot hold replaces
// nothing.
#pragma once

#include "corvex/dialogs/dialog_host.h"
#include "corvex/engine/file_codec.h"
#include "corvex/options.h"
#include "corvex/session/session_search.h"

namespace corvex {

class DialogSearchTarget : public dialogs::SearchTarget {
public:
    // `encoding` is the document's, read at each call.
    DialogSearchTarget(EditSession& session, SessionSearch& search, const Encoding& encoding)
        : session_(session), search_(search), encoding_(encoding) {}

    bool findNext(const std::string& text, const search::SearchOptions& options, bool backwards) override;
    bool replaceSelection(const std::string& text, const std::string& replacement,
                          const search::SearchOptions& options, bool preserveCase) override;
    int replaceAll(const std::string& text, const std::string& replacement, const search::SearchOptions& options,
                   bool preserveCase, bool inSelection) override;
    bool hasSelection() const override { return session_.hasSelection(); }
    std::string selectedText() const override;
    int lineCount() const override { return static_cast<int>(session_.text().lineCount()); }
    int currentLine() const override;
    void goToLine(int line) override { search_.goToLine(line); }

    // FindText (`find`) or ReplaceText with the control's own search options.
    LRESULT SearchMessage(bool find, WPARAM wParam, LPARAM lParam, const Options& options);

private:
    EditSession& session_;
    SessionSearch& search_;
    const Encoding& encoding_;
};

} // namespace corvex
