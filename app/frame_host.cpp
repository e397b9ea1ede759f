// The skinned frame's view of the program: what goes inside the frame, the main menu
// behind the frame's menu button, and the popups during which the frame stays active.
#include "app/hosts.h"

#include "app/main_messages.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/menus.h"
#include "app/tray_icon.h"
#include "docs/documents.h"
#include "docs/status_line.h"
#include "options/options_dialog.h"
#include "options/skin_selector.h"
#include "docs/editor_colours.h"
#include "platform/dpi_scale.h"
#include "skin/frame_geometry.h"
#include "skin/frame_host.h"
#include "skin/skinned_menus.h"
#include "tools/tool_windows.h"

#include <vector>

namespace {

// The tab strip's place under the two bars, at 96 DPI.
constexpr int kTabsTop = 42;
constexpr int kTabsHeight = 20;

class MainFrameHost : public skin::FrameHost {
public:
    HWND FrameWindow() const override { return Main().Frame(); }

    void LayOutClientArea(int width, int height, const skin::Margins& editorMargins) override
    {
        MainWindow& main = Main();
        status::LayoutStatusFields();
        SendMessageW(main.StatusBar(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
        const skin::Rect editor = skin::EditorRectInClient(editorMargins, skin::Size{width, height});
        HDWP batch = BeginDeferWindowPos(2);
        if (Document* active = ActiveDocument())
            batch = DeferWindowPos(batch, active->control, nullptr, editor.left, editor.top, editor.Width(),
                                   editor.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        if (batch)
            batch = DeferWindowPos(batch, main.Tabs(), nullptr, 0, dpi::Scale(kTabsTop, main.Dpi()), width,
                                   dpi::Scale(kTabsHeight, main.Dpi()), SWP_NOZORDER | SWP_NOACTIVATE);
        if (batch)
            EndDeferWindowPos(batch);
    }

    void OpenMainMenu() override
    {
        // As the tray icon's right click does.
        PostMessageW(Main().Frame(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONUP);
    }

    bool KeepsActiveLook() const override
    {
        return IsClipboardPopupVisible() || IsFavouritesPopupVisible() || IsOptionsDialogVisible() ||
               IsSkinSelectorVisible() || IsAboutWindowVisible();
    }

    void SkinApplied() override
    {
        FitMenuBarButtons();
        RemeasureMenuItems();
        if (Main().ToolbarTips())
            ColourToolbarTooltips(Main().ToolbarTips());
        ApplySkinEditorColours(DocumentControls(), IsSkinOverrideChecked());
    }
};

} // namespace

void UseMainWindowAsFrameHost()
{
    static MainFrameHost host;
    skin::SetFrameHost(&host);
}
