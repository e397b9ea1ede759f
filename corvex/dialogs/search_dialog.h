// The part the modeless find and replace dialogs share: shown owned by the top-level
// window of the control they were opened from, acting on whichever control is active
// (see dialog_host.h), the check boxes being that control's search options, the text
// boxes offering the histories. Close and Escape only hide the dialog.
#pragma once

#include "corvex/dialogs/dialog_host.h"
#include "corvex/dialogs/dialog_window.h"
#include "corvex/search/search_history.h"

namespace corvex::dialogs {

enum SearchDialogItem : WORD {
    kFindText = 1001, kReplaceText = 1002,
    kMatchCase = 1010, kWholeWord = 1011, kPreserveCase = 1012, kInSelection = 1013,
    kDirectionUp = 1020, kDirectionDown = 1021,
    kReplaceButton = 1030, kReplaceAllButton = 1031,
    kFindNextButton = IDOK, kCloseButton = IDCANCEL,
};

class SearchDialog : public DialogWindow {
public:
    // Makes `target` the active one, creates the dialog on first use (or anew for another
    // owner), fills it and shows it with the focus in the find text.
    void show(HWND control, SearchTarget& target, const std::string& findText);
    void hide() const;
    bool isVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }
    std::string findText() const { return hwnd_ ? itemText(kFindText) : std::string(); }

protected:
    virtual DialogTemplate buildTemplate() const = 0;
    virtual const char* title() const = 0;
    // Refreshes what depends on the active control; called on showing and activation.
    virtual void refreshFromControl();
    INT_PTR handleCommon(UINT message, WPARAM wParam, LPARAM lParam);
    // Adds the texts to the histories and shows the histories in the text boxes.
    void remember(const std::string& findText, const std::string& replacement = std::string());
    void fillHistory(int id, const search::SearchHistory& history) const;
    void findNext(bool backwards);

    static void AddFindTextRow(DialogTemplate& dialog, short width);
};

} // namespace corvex::dialogs
