#include "skin/frame_host.h"

#include "platform/host_slot.h"

namespace skin {

namespace {

// Before the main window hands itself over: a frame with nothing inside.
class NoFrameHost : public FrameHost {
public:
    HWND FrameWindow() const override { return nullptr; }
    void LayOutClientArea(int, int, const Margins&) override {}
    void OpenMainMenu() override {}
    bool KeepsActiveLook() const override { return false; }
    void SkinApplied() override {}
};

HostSlot<FrameHost, NoFrameHost> g_host;

} // namespace

void SetFrameHost(FrameHost* host) { g_host.Set(host); }

FrameHost& Host() { return g_host.Get(); }

} // namespace skin
