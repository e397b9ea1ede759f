// The flat-menu registry and the hooks that give the program's popup menus their flat
// one-pixel border: a window-procedure call hook sees each "#32768" popup window being
// created, the owner's "CFlatMenusProc" learns which registered menu is opening, and
// the popup is subclassed with "CMenuHookProc".
#include "platform/dpi.h"
#include "platform/subclass.h"
#include "skin/menu_skin.h"
#include "skin/skinned_menus.h"

#include <cwchar>
#include <vector>

namespace {

constexpr const char* kOwnerProperty = "CFlatMenusProc";
constexpr const char* kPopupProperty = "CMenuHookProc";
constexpr const wchar_t* kPopupMenuClass = L"#32768";

struct FlatMenu {
    HWND popup;
    HMENU menu;
};

std::vector<FlatMenu> g_registry;
int g_openingIndex = -1;
HWND g_lastPopup = nullptr;
HHOOK g_hook = nullptr;

// The width of the border the system gives a popup-menu window at its DPI.
int SystemBorder(HWND popup)
{
    RECT frame = {};
    const DWORD style = static_cast<DWORD>(GetWindowLongW(popup, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(popup, GWL_EXSTYLE));
    if (!dpi::AdjustWindowRectFor(&frame, style, FALSE, exStyle, dpi::OfWindow(popup)))
        return 1;
    return frame.right > 1 ? static_cast<int>(frame.right) : 1;
}

int IndexOfMenu(HMENU menu)
{
    for (std::size_t i = 0; i < g_registry.size(); ++i)
        if (g_registry[i].menu == menu)
            return static_cast<int>(i);
    return -1;
}

bool Registered(HWND popup)
{
    for (const FlatMenu& entry : g_registry)
        if (entry.popup == popup)
            return true;
    return false;
}

void PaintBorder(HWND popup)
{
    RECT rect = {};
    GetWindowRect(popup, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC dc = GetWindowDC(popup);
    HBRUSH brush = CreateSolidBrush(Menus().loaded ? Menus().border : GetSysColor(COLOR_BTNSHADOW));
    const RECT sides[] = {{0, 0, width, 1}, {0, height - 1, width, height}, {0, 0, 1, height},
                          {width - 1, 0, width, height}};
    for (const RECT& side : sides)
        FillRect(dc, &side, brush);
    DeleteObject(brush);
    ReleaseDC(popup, dc);
}

void Release(HWND popup)
{
    DetachProcedure(popup, kPopupProperty);
    g_openingIndex = -1;
}

LRESULT CALLBACK MenuHookProc(HWND popup, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!Registered(popup))
        return CallPreviousProcedure(kPopupProperty, popup, message, wParam, lParam);
    switch (message) {
    case WM_WINDOWPOSCHANGING: {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(position->flags & SWP_NOSIZE)) {
            // The system's raised border (three pixels each side at 96 DPI, more at a
            // higher one) makes way for the one-pixel flat border.
            const int shrink = 2 * (SystemBorder(popup) - 1);
            position->cx -= shrink;
            position->cy -= shrink;
        }
        break;
    }
    case WM_NCCALCSIZE:
        if (wParam) {
            RECT& proposed = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
            InflateRect(&proposed, -1, -1);
            return WVR_HREDRAW | WVR_VREDRAW;
        }
        break;
    case WM_NCPAINT:
        PaintBorder(popup);
        return 0;
    case WM_SHOWWINDOW:
        if (!wParam) {
            const LRESULT result = CallPreviousProcedure(kPopupProperty, popup, message, wParam, lParam);
            Release(popup);
            return result;
        }
        break;
    case WM_DESTROY: {
        const LRESULT result = CallPreviousProcedure(kPopupProperty, popup, message, wParam, lParam);
        Release(popup);
        return result;
    }
    default:
        break;
    }
    return CallPreviousProcedure(kPopupProperty, popup, message, wParam, lParam);
}

void AttachPopup(int index, HWND popup)
{
    if (index < 0 || index >= static_cast<int>(g_registry.size()) || !IsWindow(popup))
        return;
    g_registry[static_cast<std::size_t>(index)].popup = popup;
    if (GetPropW(popup, PropertyName(kPopupProperty).c_str()))
        return;
    AttachProcedure(popup, kPopupProperty, &MenuHookProc);
    SetWindowLongW(popup, GWL_STYLE, GetWindowLongW(popup, GWL_STYLE) & ~WS_BORDER);
    SetWindowLongW(popup, GWL_EXSTYLE,
                   GetWindowLongW(popup, GWL_EXSTYLE) & ~(WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME));
}

LRESULT CALLBACK FlatMenusProc(HWND owner, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITMENUPOPUP: {
        const int index = HIWORD(lParam) ? -1 : IndexOfMenu(reinterpret_cast<HMENU>(wParam));
        if (index < 0) {
            // The window menu, and menus not of the program, keep the system's look.
            g_openingIndex = -1;
            break;
        }
        g_openingIndex = index;
        if (g_lastPopup)
            AttachPopup(index, g_lastPopup);
        return 0;
    }
    case WM_UNINITMENUPOPUP:
        g_openingIndex = -1;
        g_lastPopup = nullptr;
        break;
    case WM_NCDESTROY: {
        const LRESULT result = CallPreviousProcedure(kOwnerProperty, owner, message, wParam, lParam);
        DetachProcedure(owner, kOwnerProperty);
        return result;
    }
    default:
        break;
    }
    return CallPreviousProcedure(kOwnerProperty, owner, message, wParam, lParam);
}

bool IsPopupMenuWindow(HWND window)
{
    wchar_t name[261] = L"";
    GetClassNameW(window, name, static_cast<int>(sizeof name / sizeof name[0]));
    return std::wcscmp(name, kPopupMenuClass) == 0;
}

LRESULT CALLBACK CallWindowHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == WM_CREATE && IsPopupMenuWindow(call->hwnd)) {
            g_lastPopup = call->hwnd;
            if (g_openingIndex >= 0)
                AttachPopup(g_openingIndex, call->hwnd);
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

} // namespace

void RegisterFlatMenu(HWND owner, HMENU menu)
{
    if (!menu)
        return;
    g_registry.push_back(FlatMenu{nullptr, menu});
    AttachProcedure(owner, kOwnerProperty, &FlatMenusProc);
}

HMENU FlatMenuOfPopup(HWND popup)
{
    // The latest entry wins: a window handle of a closed popup may come back.
    for (auto entry = g_registry.rbegin(); entry != g_registry.rend(); ++entry)
        if (popup && entry->popup == popup)
            return entry->menu;
    return nullptr;
}

void InstallSkinnedMenuHook()
{
    if (!g_hook)
        g_hook = SetWindowsHookExW(WH_CALLWNDPROC, &CallWindowHook, nullptr, GetCurrentThreadId());
}

void RemoveSkinnedMenuHook()
{
    if (g_hook)
        UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}
