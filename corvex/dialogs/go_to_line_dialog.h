// The modal go-to-line dialog: asks for a line number between 1 and the target's line
// count and moves there; a number out of range (or none) is reported and asked again.
#pragma once

#include "corvex/dialogs/dialog_host.h"
#include "corvex/dialogs/dialog_window.h"

#include <optional>
#include <string>

namespace corvex::dialogs {

enum GoToLineItem : WORD { kLineNumber = 1101, kLinePrompt = 1102 };

class GoToLineDialog : public DialogWindow {
public:
    explicit GoToLineDialog(SearchTarget& target) : target_(target) {}
    // True when the caret was moved.
    bool run(HWND owner);

    // The line number of `text` (digits with optional blanks around them), when it is
    // one of 1..lineCount.
    static std::optional<int> ParseLine(const std::string& text, int lineCount);

protected:
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void accept();

    SearchTarget& target_;
    int lineCount_ = 1;
};

} // namespace corvex::dialogs
