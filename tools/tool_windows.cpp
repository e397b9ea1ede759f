#include "tools/tool_windows.h"

#include "platform/host_slot.h"
#include "skin/skin_parts.h"
#include "tools/about_window.h"
#include "tools/clip_viewer.h"
#include "tools/favs_window.h"

namespace tools {
namespace {

// A host that answers nothing, for calls made before the program set its own.
class NoHost : public ToolHost {
public:
    HWND MainWindow() const override { return nullptr; }
    HWND MenuBar() const override { return nullptr; }
    HMENU Menu(ItemMenu) const override { return nullptr; }
    UINT CommandOf(ItemMenu, ItemCommand) const override { return 0; }
    HFONT UiFont() const override { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
    bool DropShadowPlatform() const override { return false; }
    std::string ConfigPath() const override { return {}; }
    void OpenPath(const std::wstring&) override {}
    HINSTANCE Resources() const override { return GetModuleHandleW(nullptr); }
};

HostSlot<ToolHost, NoHost> g_host;

} // namespace

void SetToolHost(ToolHost* host) { g_host.Set(host); }

ToolHost& Host() { return g_host.Get(); }

} // namespace tools

namespace {

tools::ClipViewer& Clip()
{
    static tools::ClipViewer viewer;
    return viewer;
}

tools::FavsWindow& Favs()
{
    static tools::FavsWindow favourites;
    return favourites;
}

tools::AboutWindow& About()
{
    static tools::AboutWindow about;
    return about;
}

void RecreateToolBrushes()
{
    Clip().RecreateBrushes();
    Favs().RecreateBrushes();
}

} // namespace

void CreateToolPopups()
{
    AddSkinAppliedListener(&RecreateToolBrushes);
    Clip().Show(false, nullptr, 0);
    Favs().Show(false, nullptr, 0);
}

void StayOutOfClipboardChain() { tools::ClipViewer::JoinChainAtCreation(false); }

void DestroyToolPopups()
{
    Clip().Destroy();
    Favs().Destroy();
}

void DestroyAboutWindow() { About().Destroy(); }

void ShowClipboardPopup(HWND bar, int command) { Clip().Show(true, bar, command); }
void ShowFavouritesPopup(HWND bar, int command) { Favs().Show(true, bar, command); }
bool IsClipboardPopupVisible() { return Clip().Visible(); }
bool IsFavouritesPopupVisible() { return Favs().Visible(); }
void OpenStartupFavourites() { Favs().OpenMarked(); }
void ShowAboutWindow() { About().Show(); }
bool IsAboutWindowVisible() { return About().Visible(); }

void PasteChosenClipboardEntry(HWND control) { Clip().PasteChosen(control); }
void DeleteChosenClipboardEntry() { Clip().DeleteChosen(); }
void ClearClipboardHistory() { Clip().DeleteAll(); }

void AddFavourite(const std::wstring& path) { Favs().Add(path); }
void OpenChosenFavourite() { Favs().OpenChosen(); }
void OpenAllFavourites() { Favs().OpenAll(); }
void DeleteChosenFavourite() { Favs().DeleteChosen(); }
void DeleteAllFavourites() { Favs().DeleteAll(); }
void ToggleChosenFavouriteOnStartup() { Favs().ToggleChosen(); }
