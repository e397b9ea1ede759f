#include "options/options_host.h"

#include "platform/host_slot.h"

namespace options {
namespace {

// A host that answers nothing, for calls made before the program set its own.
class NoHost : public OptionsHost {
public:
    HWND MainWindow() const override { return nullptr; }
    HFONT UiFont() const override { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
    int UiFontDpi() const override { return 96; }
    HINSTANCE Instance() const override { return GetModuleHandleW(nullptr); }
    std::wstring AppFolder() const override { return {}; }
    void SetTrayIcon(bool) override {}
};

HostSlot<OptionsHost, NoHost> g_host;

} // namespace

void SetOptionsHost(OptionsHost* host) { g_host.Set(host); }

OptionsHost& Host() { return g_host.Get(); }

} // namespace options
