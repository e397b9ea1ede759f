// The File Association page of the Options dialog: a text box for a file type, the list
// of associated types (Config.ini [FileAssoc]) and the Add and Remove buttons. The
// registry changes happen at once; the list is written when the dialog closes.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

namespace options {

enum AssociationIds : int { kTypeLabelId = 112, kTypeBoxId = 108, kTypeListId = 109, kAddTypeId = 110, kRemoveTypeId = 111 };

class AssociationPage {
public:
    // Creates the page's controls on `page` and loads the list; false after a failure message.
    bool Create(HWND page, HFONT font, int dpiValue);
    void AddClicked(HWND owner);
    void RemoveClicked();
    // Rewrites [FileAssoc] from the list.
    void SaveList() const;
    std::vector<std::wstring> Types() const;

private:
    HWND list_ = nullptr;
    HWND box_ = nullptr;
};

} // namespace options
