#include "options/options_host.h"

namespace options {
namespace {

OptionsHost* g_host = nullptr;

// A host that answers nothing, for calls made before the program set its own.
class NoHost : public OptionsHost {
public:
    HWND MainWindow() const override { return nullptr; }
    HFONT UiFont() const override { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
    HINSTANCE Instance() const override { return GetModuleHandleA(nullptr); }
    std::string AppFolder() const override { return {}; }
    void SetTrayIcon(bool) override {}
};

} // namespace

void SetOptionsHost(OptionsHost* host) { g_host = host; }

OptionsHost& Host()
{
    static NoHost none;
    return g_host ? *g_host : none;
}

} // namespace options
