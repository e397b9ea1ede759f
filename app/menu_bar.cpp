#include "app/menu_bar.h"

#include "app/main_messages.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "corvex/include/corvex.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "platform/ansi_text.h"
#include "platform/subclass.h"
#include "skin/menu_skin.h"
#include "skin/skinned_menus.h"
#include "tools/tool_windows.h"

namespace {

// The menu under a menu-bar button; the favourites and clipboard buttons open drop-downs.
bool MenuOfButton(int command, MenuIndex& menu)
{
    switch (command) {
    case kFileButton: menu = kFileMenu; return true;
    case kEditButton: menu = kEditMenu; return true;
    case kSearchButton: menu = kSearchMenu; return true;
    case kHelpButton: menu = kHelpMenu; return true;
    default: return false;
    }
}

} // namespace

void PrepareMenuBarMenu(int command)
{
    MenuIndex menu = kFileMenu;
    if (MenuOfButton(command, menu))
        ApplyItemRules(Main().Menu(menu), menu);
}

namespace {

constexpr const char* kDropDownProperty = "SCProc";
constexpr int kButtonCount = 6;

// State of the menu bar while one of its menus is open.
struct MenuBarState {
    int openButton = 0;        // command of the button whose menu is open, 0 when none
    HMENU trackedMenu = nullptr;
    bool submenuHighlighted = false;
    POINT lastMouse = {-1, -1};  // menu-bar client coordinates
    HHOOK hook = nullptr;
};
MenuBarState g_bar;

void ShowDropDown(int command, const RECT&)
{
    if (command == kFavouritesButton)
        ShowFavouritesPopup(Main().MenuBar(), command);
    else
        ShowClipboardPopup(Main().MenuBar(), command);
}
DropDownOpener g_openDropDown = &ShowDropDown;

// The menu-bar button index under a screen point, or -1; `moved` is false when the
// point is the one seen last.
int ButtonAt(POINT screen, bool& moved)
{
    HWND bar = Main().MenuBar();
    ScreenToClient(bar, &screen);
    moved = screen.x != g_bar.lastMouse.x || screen.y != g_bar.lastMouse.y;
    if (!moved)
        return -1;
    g_bar.lastMouse = screen;
    const int index = static_cast<int>(SendMessageW(bar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&screen)));
    return index >= 0 && index < kButtonCount ? index : -1;
}

bool Pressed(int command) { return SendMessageW(Main().MenuBar(), TB_ISBUTTONPRESSED, command, 0) != 0; }

// The pressed button under a screen point (a click on the open menu's own button).
bool OnPressedButton(POINT screen)
{
    HWND bar = Main().MenuBar();
    ScreenToClient(bar, &screen);
    const int index = static_cast<int>(SendMessageW(bar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&screen)));
    return index >= 0 && index < kButtonCount && Pressed(kFileButton + index);
}

void OpenLater(int command) { PostMessageW(Main().Frame(), kOpenMenuBarMessage, command, 0); }

int Previous(int command) { return command - 1 < kFileButton ? kHelpButton : command - 1; }
int Next(int command) { return command + 1 > kHelpButton ? kFileButton : command + 1; }

void CloseTrackedMenu() { SendMessageW(Main().Frame(), WM_CANCELMODE, 0, 0); }

// Keyboard and mouse of a tracked menu-bar menu: the menu bar behaves like a real one.
bool FilterMenuMessage(MSG* msg)
{
    switch (msg->message) {
    case WM_MOUSEMOVE: {
        bool moved = false;
        const int index = ButtonAt(msg->pt, moved);
        if (!moved)
            return true;
        if (index >= 0 && !Pressed(kFileButton + index)) {
            CloseTrackedMenu();
            OpenLater(kFileButton + index);
            return true;
        }
        return false;
    }
    case WM_LBUTTONDOWN:
        if (OnPressedButton(msg->pt)) {
            CloseTrackedMenu();
            return true;
        }
        return false;
    case WM_KEYDOWN:
        switch (msg->wParam) {
        case VK_ESCAPE:
            CloseTrackedMenu();
            return true;
        case VK_LEFT:
            CloseTrackedMenu();
            OpenLater(Previous(g_bar.openButton));
            return true;
        case VK_RIGHT:
            if (g_bar.submenuHighlighted)
                return false;
            CloseTrackedMenu();
            OpenLater(Next(g_bar.openButton));
            return true;
        default:
            return false;
        }
    case WM_MENUSELECT:
        g_bar.submenuHighlighted = (HIWORD(msg->wParam) & MF_POPUP) != 0;
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK MenuBarHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU && FilterMenuMessage(reinterpret_cast<MSG*>(lParam)))
        return 1;
    return CallNextHookEx(g_bar.hook, code, wParam, lParam);
}

// Every visible drop-down of this thread ("Quillet Popup") is told it lost the
// activation, which closes it.
BOOL CALLBACK DeactivateIfDropDown(HWND window, LPARAM)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    if (lstrcmpW(name, L"Quillet Popup") == 0 && IsWindowVisible(window))
        SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, 0);
    return TRUE;
}

void DeactivateDropDowns() { EnumThreadWindows(GetCurrentThreadId(), &DeactivateIfDropDown, 0); }

// The menu bar while a drop-down opened from it shows.
LRESULT CALLBACK DropDownBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            DeactivateDropDowns();
            return 0;
        }
        if (wParam == VK_LEFT || wParam == VK_RIGHT) {
            const bool left = wParam == VK_LEFT;
            if (IsClipboardPopupVisible()) {
                DeactivateDropDowns();
                OpenLater(left ? kFavouritesButton : kHelpButton);
            } else if (IsFavouritesPopupVisible()) {
                DeactivateDropDowns();
                OpenLater(left ? kSearchButton : kClipboardButton);
            }
            return 0;
        }
        break;
    case WM_MOUSEMOVE: {
        POINT screen = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(bar, &screen);
        bool moved = false;
        const int index = ButtonAt(screen, moved);
        if (!moved)
            return 0;
        if (index >= 0 && !Pressed(kFileButton + index)) {
            DeactivateDropDowns();
            OpenLater(kFileButton + index);
            return 0;
        }
        break;
    }
    case WM_LBUTTONDOWN: {
        POINT screen = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(bar, &screen);
        if (OnPressedButton(screen)) {
            DeactivateDropDowns();
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return CallPreviousProcedure(kDropDownProperty, bar, message, wParam, lParam);
}

void TrackMenuBarMenu(int command, const RECT& button)
{
    MainWindow& main = Main();
    PrepareMenuBarMenu(command);
    MenuIndex menu = kFileMenu;
    g_bar.trackedMenu = MenuOfButton(command, menu) ? main.Menu(menu) : nullptr;
    g_bar.submenuHighlighted = false;
    g_bar.hook = SetWindowsHookExW(WH_MSGFILTER, &MenuBarHook, nullptr, GetCurrentThreadId());
    TPMPARAMS keepClear = {sizeof keepClear, button};
    TrackPopupMenuEx(g_bar.trackedMenu, TPM_VERTICAL, button.left, button.bottom, main.Frame(), &keepClear);
    if (g_bar.hook)
        UnhookWindowsHookEx(g_bar.hook);
    g_bar.hook = nullptr;
    g_bar.trackedMenu = nullptr;
}

void ShowDropDownFromBar(int command, const RECT& button)
{
    HWND bar = Main().MenuBar();
    const bool attach =
        GetWindowLongPtrW(bar, GWLP_WNDPROC) != 0 && !GetPropW(bar, PropertyName(kDropDownProperty).c_str());
    if (attach)
        AttachProcedure(bar, kDropDownProperty, &DropDownBarProc);
    g_openDropDown(command, button);
    if (attach)
        DetachProcedure(bar, kDropDownProperty);
}

} // namespace

void OpenMenuBarMenu(int command)
{
    if (command < kFileButton || command > kHelpButton)
        return;
    HWND bar = Main().MenuBar();
    SendMessageW(bar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
    if (SendMessageW(bar, TB_PRESSBUTTON, command, MAKELPARAM(TRUE, 0)))
        g_bar.openButton = command;
    RECT button = {};
    if (SendMessageW(bar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button))) {
        MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&button), 2);
        if (command == kFavouritesButton || command == kClipboardButton)
            ShowDropDownFromBar(command, button);
        else
            TrackMenuBarMenu(command, button);
    }
    SendMessageW(bar, TB_PRESSBUTTON, command, MAKELPARAM(FALSE, 0));
    g_bar.openButton = 0;
}

int OpenMenuBarButton() { return g_bar.openButton; }

DropDownOpener ReplaceDropDownOpener(DropDownOpener opener)
{
    const DropDownOpener previous = g_openDropDown;
    g_openDropDown = opener ? opener : &ShowDropDown;
    return previous;
}

void FitMenuBarButtons()
{
    HWND bar = Main().MenuBar();
    if (!bar)
        return;
    for (int command = kFileButton; command <= kHelpButton; ++command) {
        wchar_t text[64] = L"";
        TBBUTTONINFOW info = {};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_TEXT;
        info.pszText = text;
        info.cchText = 64;
        SendMessageW(bar, TB_GETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info));
        // A fixed width from the menu font: the toolbar's own sizing leaves room for
        // drop-down arrows that are never drawn.
        info.dwMask = TBIF_SIZE | TBIF_STYLE;
        info.fsStyle = BTNS_DROPDOWN;
        info.cx = static_cast<WORD>(MenuBarButtonWidth(NarrowToAnsi(text).c_str()));
        SendMessageW(bar, TB_SETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info));
    }
    InvalidateRect(bar, nullptr, TRUE);
}

LRESULT PaintMenuBar(NMTBCUSTOMDRAW* draw)
{
    static CSkinBitmap buffer;
    NMCUSTOMDRAW& paint = draw->nmcd;
    switch (paint.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_PREERASE: {
        // The bar's background: a button without text, in the normal state, over it all.
        RECT client = {};
        GetClientRect(paint.hdr.hwndFrom, &client);
        if (!buffer.EnsureSize(client.right, client.bottom))
            return CDRF_DODEFAULT;
        DrawMenuBarButton(buffer.Dc(), client.right, client.bottom, 0, nullptr);
        BitBlt(paint.hdc, 0, 0, client.right, client.bottom, buffer.Dc(), 0, 0, SRCCOPY);
        return CDRF_SKIPDEFAULT;
    }
    case CDDS_ITEMPREPAINT: {
        const int width = paint.rc.right - paint.rc.left;
        const int rowHeight = Menus().windowMenu.Loaded() ? Menus().windowMenu.Height() / 3 : 0;
        const int height = rowHeight > 0 ? rowHeight : paint.rc.bottom - paint.rc.top;
        if (!buffer.EnsureSize(width, height))
            return CDRF_DODEFAULT;
        wchar_t wide[64] = L"";
        SendMessageW(paint.hdr.hwndFrom, TB_GETBUTTONTEXTW, paint.dwItemSpec, reinterpret_cast<LPARAM>(wide));
        const std::string text = NarrowToAnsi(wide);
        // While a drop-down opened from the menu bar shows, the bar shows no hot button.
        UINT state = paint.uItemState;
        if (IsClipboardPopupVisible() || IsFavouritesPopupVisible())
            state &= ~static_cast<UINT>(CDIS_HOT);
        DrawMenuBarButton(buffer.Dc(), width, height, state, text.c_str());
        BitBlt(paint.hdc, paint.rc.left, paint.rc.top, width, height, buffer.Dc(), 0, 0, SRCCOPY);
        return CDRF_SKIPDEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}
