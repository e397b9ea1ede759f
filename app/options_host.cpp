// The Options dialog's and the skin selector's view of the program.
#include "app/hosts.h"
#include "options/options_host.h"

#include "platform/app_state.h"
#include "app/main_window.h"
#include "app/tray_icon.h"

namespace {

class MainOptionsHost : public options::OptionsHost {
public:
    HWND MainWindow() const override { return Main().Frame(); }
    HFONT UiFont() const override { return Main().UiFont(); }
    int UiFontDpi() const override { return Main().Dpi(); }
    HINSTANCE Instance() const override { return App().instance ? App().instance : GetModuleHandleW(nullptr); }
    std::wstring AppFolder() const override { return App().appFolder; }
    void SetTrayIcon(bool on) override
    {
        if (on)
            AddTrayIcon();
        else
            RemoveTrayIconAndRemember();
    }
};

} // namespace

void UseMainWindowAsOptionsHost()
{
    static MainOptionsHost host;
    options::SetOptionsHost(&host);
}
