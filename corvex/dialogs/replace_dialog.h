// The modeless replace dialog: find and replace texts, match case, whole word, preserve
// case, and Replace All in the whole document or only inside the selection.
#pragma once

#include "corvex/dialogs/search_dialog.h"

namespace corvex::dialogs {

class ReplaceDialog : public SearchDialog {
protected:
    DialogTemplate buildTemplate() const override;
    const char* title() const override { return "Replace"; }
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void refreshFromControl() override;

private:
    struct Request {
        SearchTarget* target;
        std::string text, replacement;
        search::SearchOptions options;
        bool preserveCase;
    };
    // What Replace and Replace All act on; false when there is no target or no text.
    bool request(Request& request) const;
    void replace();
    void replaceAll();
};

} // namespace corvex::dialogs
