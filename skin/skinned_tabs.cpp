#include "skin/skinned_tabs.h"

#include "app/app_state.h"

#include <commctrl.h>

HWND CreateSkinnedTabs(HWND parent, int id)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    return CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           App().instance, nullptr);
}

// Filled in with the skinned tab drawing; until then the tabs keep the plain look.
void LoadTabSkin(COLORREF) {}
