#include "corvex/dialogs/dialogs.h"

#include "corvex/dialogs/control_settings.h"
#include "corvex/dialogs/find_dialog.h"
#include "corvex/dialogs/go_to_line_dialog.h"
#include "corvex/dialogs/replace_dialog.h"
#include "corvex/dialogs/settings_dialog.h"

#include <memory>

namespace corvex::dialogs {
namespace {

std::unique_ptr<FindDialog>& TheFindDialog()
{
    static std::unique_ptr<FindDialog> dialog;
    return dialog;
}

std::unique_ptr<ReplaceDialog>& TheReplaceDialog()
{
    static std::unique_ptr<ReplaceDialog> dialog;
    return dialog;
}

// The text a search dialog opens with: the single-line selection, else what the other
// dialog holds, else the last search.
std::string InitialFindText(SearchTarget& target, const SearchDialog* other)
{
    const std::string selected = target.selectedText();
    if (IsSearchableSelection(selected))
        return selected;
    if (other && other->isVisible() && !other->findText().empty())
        return other->findText();
    return FindHistory().entries().empty() ? std::string() : FindHistory().entries().front();
}

template <typename Shown, typename Hidden>
void ShowSearchDialog(std::unique_ptr<Shown>& shown, const std::unique_ptr<Hidden>& hidden, HWND control,
                      SearchTarget& target)
{
    if (!shown)
        shown = std::make_unique<Shown>();
    const std::string text = InitialFindText(target, hidden.get());
    if (hidden)
        hidden->hide();
    shown->show(control, target, text);
}

} // namespace

bool ShowSettingsDialog(HWND control)
{
    if (!IsWindow(control))
        return false;
    SettingsDialog dialog(control);
    return dialog.run();
}

void ShowFindDialog(HWND control, SearchTarget& target)
{
    ShowSearchDialog(TheFindDialog(), TheReplaceDialog(), control, target);
}

void ShowReplaceDialog(HWND control, SearchTarget& target)
{
    ShowSearchDialog(TheReplaceDialog(), TheFindDialog(), control, target);
}

bool ShowGoToLineDialog(HWND control, SearchTarget& target)
{
    GoToLineDialog dialog(target);
    return dialog.run(GetAncestor(control, GA_ROOT));
}

void ShutdownDialogs()
{
    TheFindDialog().reset();
    TheReplaceDialog().reset();
    ReleaseDialogFonts();
}

} // namespace corvex::dialogs
