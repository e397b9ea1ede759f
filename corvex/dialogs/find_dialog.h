// The modeless find dialog: the text, match case, whole word and the direction.
#pragma once

#include "corvex/dialogs/search_dialog.h"

namespace corvex::dialogs {

class FindDialog : public SearchDialog {
protected:
    DialogTemplate buildTemplate() const override;
    const char* title() const override { return "Find"; }
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace corvex::dialogs
