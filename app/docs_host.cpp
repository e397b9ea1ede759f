// The documents' view of the program: the frame, the tab strip and the status bar.
#include "app/hosts.h"

#include "app/main_window.h"
#include "app/menus.h"
#include "docs/docs_host.h"
#include "options/options_dialog.h"
#include "docs/editor_colours.h"

namespace {

class MainDocsHost : public docs::DocsHost {
public:
    HWND Frame() const override { return Main().frame; }
    HWND TabStrip() const override { return Main().tabs; }
    HWND StatusBar() const override { return Main().statusBar; }
    HICON SavedStateIcon(bool saved) const override { return saved ? Main().savedIcon : Main().unsavedIcon; }
    void LayOutParts() override { RelayoutMainWindow(); }
    void EditorCreated(HWND control) override { ApplySkinEditorColours({control}, IsSkinOverrideChecked()); }
    void MacroLoaded(int index) override { EnableMacroMenuItem(index); }
};

} // namespace

void UseMainWindowAsDocsHost()
{
    static MainDocsHost host;
    docs::SetDocsHost(&host);
}
