#include "skin/skin_loader.h"

#include "app/main_window.h"
#include "docs/documents.h"
#include "docs/status_line.h"
#include "skin/skinned_frame.h"

// Until skins are read, every folder is accepted and the parts use fixed margins.
bool LoadMainWindowSkin(const std::string&)
{
    Frame().Attach(Main().frame);
    return true;
}

void LayoutMainWindowParts(int width, int height)
{
    MainWindow& main = Main();
    status::LayoutFields();
    SendMessageA(main.statusBar, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    constexpr int kLeft = 0, kTop = 62, kRight = 0, kBottom = 22;
    HDWP batch = BeginDeferWindowPos(2);
    if (Document* active = ActiveDocument())
        batch = DeferWindowPos(batch, active->control, nullptr, kLeft, kTop, width - kRight - kLeft,
                               height - kBottom - kTop, SWP_NOZORDER | SWP_NOACTIVATE);
    batch = DeferWindowPos(batch, main.tabs, nullptr, 0, 42, width, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    EndDeferWindowPos(batch);
}
