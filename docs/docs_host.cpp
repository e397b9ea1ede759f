#include "docs/docs_host.h"

#include "platform/host_slot.h"

namespace docs {

namespace {

// Before the main window hands itself over: documents without a window around them.
class NoDocsHost : public DocsHost {
public:
    HWND Frame() const override { return nullptr; }
    HWND TabStrip() const override { return nullptr; }
    HWND StatusBar() const override { return nullptr; }
    HICON SavedStateIcon(bool) const override { return nullptr; }
    void LayOutParts() override {}
    void EditorCreated(HWND) override {}
    void MacroLoaded(int) override {}
};

HostSlot<DocsHost, NoDocsHost> g_host;

} // namespace

void SetDocsHost(DocsHost* host) { g_host.Set(host); }

DocsHost& Host() { return g_host.Get(); }

} // namespace docs
