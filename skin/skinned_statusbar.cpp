#include "skin/skinned_statusbar.h"

#include "app/app_state.h"
#include "app/ui_seam.h"

#include <commctrl.h>

namespace {
HIMAGELIST g_partIcons = nullptr;
}

HWND CreateSkinnedStatusBar(HWND parent, int id)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    if (!g_partIcons)
        g_partIcons = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
    if (!g_partIcons) {
        ui::Message(nullptr, "Failed to create the Statusbar Image List", MB_OK | MB_ICONERROR);
        return nullptr;
    }
    return CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           App().instance, nullptr);
}

// Filled in with the skinned status-bar drawing; until then the bar keeps the plain look.
void LoadStatusBarSkin() {}
