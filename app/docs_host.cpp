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
    HWND Frame() const override { return Main().Frame(); }
    HWND TabStrip() const override { return Main().Tabs(); }
    HWND StatusBar() const override { return Main().StatusBar(); }
    int Dpi() const override { return Main().Dpi(); }
    HICON SavedStateIcon(bool saved) const override { return saved ? Main().SavedStateIcon(true) : Main().SavedStateIcon(false); }
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
