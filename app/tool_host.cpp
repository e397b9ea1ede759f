// The tool windows' view of the program: the main window and its parts.
#include "app/hosts.h"
#include "tools/tool_host.h"

#include "platform/app_state.h"
#include "platform/config.h"
#include "app/main_window.h"
#include "docs/documents.h"

namespace {

class MainToolHost : public tools::ToolHost {
public:
    HWND MainWindow() const override { return Main().Frame(); }
    HWND MenuBar() const override { return Main().MenuBar(); }
    HMENU Menu(tools::ItemMenu which) const override
    {
        return Main().Menu(which == tools::ItemMenu::Clipboard ? kClipboardItemMenu : kFavouritesItemMenu);
    }
    UINT CommandOf(tools::ItemMenu menu, tools::ItemCommand command) const override
    {
        // The item menus' numbers (command_table.cpp): paste 700; open 800, open all 801,
        // delete 804, open on start-up 808.
        if (menu == tools::ItemMenu::Clipboard)
            return command == tools::ItemCommand::Activate ? 700 : 0;
        switch (command) {
        case tools::ItemCommand::Activate: return 800;
        case tools::ItemCommand::OpenAll: return 801;
        case tools::ItemCommand::Delete: return 804;
        case tools::ItemCommand::OpenOnStartup: return 808;
        }
        return 0;
    }
    HFONT UiFont() const override { return Main().UiFont(); }
    bool DropShadowPlatform() const override { return App().isNT5x; }
    std::string ConfigPath() const override { return config::Path(); }
    void OpenPath(const std::wstring& path) override { OpenDocument(path); }
    HINSTANCE Resources() const override { return App().instance ? App().instance : GetModuleHandleW(nullptr); }
};

} // namespace

void UseMainWindowAsToolHost()
{
    static MainToolHost host;
    tools::SetToolHost(&host);
}
