// The tool windows' view of the program: the main window and its parts.
#include "app/hosts.h"
#include "tools/tool_host.h"

#include "platform/app_state.h"
#include "platform/config.h"
#include "app/command_table.h"
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
        if (menu == tools::ItemMenu::Clipboard)
            return command == tools::ItemCommand::Activate ? kPasteClipboardItem : 0;
        switch (command) {
        case tools::ItemCommand::Activate: return kOpenFavouriteItem;
        case tools::ItemCommand::OpenAll: return kOpenAllFavouritesItem;
        case tools::ItemCommand::Delete: return kDeleteFavouriteItem;
        case tools::ItemCommand::OpenOnStartup: return kOpenOnStartupItem;
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
