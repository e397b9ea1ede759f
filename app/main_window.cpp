#include "app/main_window.h"

#include "platform/app_state.h"
#include "app/commands.h"
#include "app/main_messages.h"
#include "app/window_ids.h"
#include "app/menu_bar.h"
#include "app/menus.h"
#include "app/hosts.h"
#include "app/resource_ids.h"
#include "app/tray_icon.h"
#include "corvex/include/corvex.h"
#include "docs/backups.h"
#include "docs/document_commands.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "docs/outside_changes.h"
#include "docs/editor_settings.h"
#include "docs/status_line.h"
#include "options/options_dialog.h"
#include "options/skin_selector.h"
#include "platform/ansi_text.h"
#include "platform/config.h"
#include "platform/dpi.h"
#include "platform/hand_off.h"
#include "platform/ui_seam.h"
#include "skin/menu_skin.h"
#include "skin/skin_loader.h"
#include "skin/skinned_frame.h"
#include "skin/skinned_menus.h"
#include "skin/skinned_statusbar.h"
#include "skin/skinned_tabs.h"
#include "tools/tool_windows.h"

#include <commctrl.h>
#include <shellapi.h>
#include <cstring>
#include <initializer_list>

namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;  // 0x06CF0000
constexpr DWORD kMenuBarStyle = WS_CHILD | WS_VISIBLE | TBSTYLE_TRANSPARENT | TBSTYLE_CUSTOMERASE |
                                TBSTYLE_LIST | TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NORESIZE;  // 0x5000B844
constexpr DWORD kToolbarStyle = WS_CHILD | WS_VISIBLE | TBSTYLE_TRANSPARENT | TBSTYLE_CUSTOMERASE |
                                TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE;  // 0x5000A944
constexpr UINT kHoldDelay = 300;
// The bars' design lengths (96 DPI): both are a row of 20-pixel buttons, the toolbar a
// pixel below the menu bar.
constexpr int kBarHeight = 20;
constexpr int kButtonSize = 20;
constexpr int kMenuBarWidth = 300;
constexpr int kToolbarTop = 21;
constexpr int kToolbarWidth = 400;
constexpr int kUiFontHeight = 13;
constexpr int kDefaultBitmapWidth = 16;  // a toolbar's bitmap size until told otherwise
constexpr int kDefaultBitmapHeight = 15;

MainWindow g_main;

LRESULT CALLBACK ClassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The main window can be found (and handed a path) while it is still being built,
    // before its own procedure is attached: the path is kept all the same.
    if (message == WM_COPYDATA && window == g_main.Frame() && window)
        return g_main.OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateBar(HWND parent, DWORD style, int y, int width, int id, int dpiValue)
{
    return CreateWindowExW(WS_EX_TRANSPARENT, TOOLBARCLASSNAMEW, L"", style, 0, dpi::Scale(y, dpiValue),
                           dpi::Scale(width, dpiValue), dpi::Scale(kBarHeight, dpiValue), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), App().instance, nullptr);
}

// A bar's buttons at `dpi`. A bar grows its buttons to hold its bitmap and padding as
// buttons are added: those scale too, and so a new bar's buttons are the size the bar
// chose, scaled.
void SizeBarButtons(HWND bar, int dpiValue, DWORD designPadding)
{
    if (dpiValue != dpi::kDesignDpi) {
        SendMessageW(bar, TB_SETPADDING, 0, MAKELPARAM(dpi::Scale(LOWORD(designPadding), dpiValue),
                                                       dpi::Scale(HIWORD(designPadding), dpiValue)));
        SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(dpi::Scale(kDefaultBitmapWidth, dpiValue),
                                                          dpi::Scale(kDefaultBitmapHeight, dpiValue)));
    }
    const int size = dpi::Scale(kButtonSize, dpiValue);
    SendMessageW(bar, TB_SETBUTTONSIZE, 0, MAKELPARAM(size, size));
}

// The padding a new bar has, taken as its design padding.
DWORD PrepareBar(HWND bar, int dpiValue)
{
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const DWORD padding = static_cast<DWORD>(SendMessageW(bar, TB_GETPADDING, 0, 0));
    SizeBarButtons(bar, dpiValue, padding);
    return padding;
}

// The size a bar gave its buttons, as a 96-DPI size.
SIZE DesignButtonSize(HWND bar, int dpiValue)
{
    const DWORD size = static_cast<DWORD>(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0));
    return SIZE{dpi::Unscale(LOWORD(size), dpiValue), dpi::Unscale(HIWORD(size), dpiValue)};
}

// An existing bar at another DPI: its padding and bitmap size follow, then its buttons
// take their design size scaled (set last: the bar keeps a size set after its buttons).
void RescaleBar(HWND bar, int dpiValue, DWORD designPadding, SIZE designButton)
{
    SendMessageW(bar, TB_SETPADDING, 0,
                 MAKELPARAM(dpi::Scale(LOWORD(designPadding), dpiValue), dpi::Scale(HIWORD(designPadding), dpiValue)));
    SendMessageW(bar, TB_SETBITMAPSIZE, 0,
                 MAKELPARAM(dpi::Scale(kDefaultBitmapWidth, dpiValue), dpi::Scale(kDefaultBitmapHeight, dpiValue)));
    SendMessageW(bar, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(dpi::Scale(designButton.cx, dpiValue), dpi::Scale(designButton.cy, dpiValue)));
}

// The menu bar's buttons show text only: no room for a bitmap, the bar's height for one.
void SizeMenuBarBitmaps(HWND bar, int dpiValue)
{
    SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, dpi::Scale(kButtonSize, dpiValue)));
}

HICON LoadIconAt(int id, int size, UINT flags)
{
    return static_cast<HICON>(LoadImageW(App().instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, flags));
}

// An editor run as administrator (to associate file types, say) still takes the paths the
// launcher and Explorer hand over, and hears the taskbar restart: from Windows Vista on,
// messages from processes of a lower integrity level are otherwise dropped. Bound at run
// time; earlier Windows has no such filter.
void LetLowerProcessesReach(HWND window, std::initializer_list<UINT> messages)
{
    using AllowMessage = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    HMODULE user = GetModuleHandleW(L"user32.dll");
    const auto allow = reinterpret_cast<AllowMessage>(
        reinterpret_cast<void*>(user ? GetProcAddress(user, "ChangeWindowMessageFilterEx") : nullptr));
    if (!allow)
        return;
    for (UINT message : messages)
        if (message)
            allow(window, message, kAllow, nullptr);
}

void SendLayoutSize(HWND frame)
{
    RECT client = {};
    GetClientRect(frame, &client);
    SendMessageW(frame, WM_SIZE, IsZoomed(frame) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                 MAKELPARAM(client.right, client.bottom));
}

} // namespace

MainWindow& Main() { return g_main; }

void RegisterMainWindowClass()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &ClassProcedure;
    wc.hInstance = App().instance;
    const int systemDpi = dpi::OfSystem();
    wc.hIcon = LoadIconAt(IDI_QUILLET, dpi::SystemMetric(SM_CXICON, systemDpi), 0);
    wc.hIconSm = LoadIconAt(IDI_QUILLET, dpi::SystemMetric(SM_CXSMICON, systemDpi), LR_SHARED);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"Quillet";
    RegisterClassExW(&wc);
}

void RelayoutMainWindow() { SendLayoutSize(g_main.Frame()); }

MainWindow::~MainWindow()
{
    if (frame_ && IsWindow(frame_))
        DestroyWindow(frame_);
}

bool MainWindow::CreateMenuBar()
{
    menuBar_ = CreateBar(frame_, kMenuBarStyle, 0, kMenuBarWidth, kMenuBarId, dpi_);
    if (!menuBar_)
        return false;
    menuBarPadding_ = PrepareBar(menuBar_, dpi_);
    SizeMenuBarBitmaps(menuBar_, dpi_);
    static wchar_t captions[kMenuBarButtonCount][32];
    TBBUTTON buttons[kMenuBarButtonCount] = {};
    const CommandList commands = MenuBarCommands();
    for (int i = 0; i < kMenuBarButtonCount; ++i) {
        LoadStringW(App().instance, IDS_MENUBAR_FIRST + i, captions[i], 32);
        buttons[i].iBitmap = I_IMAGENONE;
        buttons[i].idCommand = commands.first[i].id;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_DROPDOWN | BTNS_AUTOSIZE;
        buttons[i].iString = reinterpret_cast<INT_PTR>(captions[i]);
    }
    SendMessageW(menuBar_, TB_ADDBUTTONSW, kMenuBarButtonCount, reinterpret_cast<LPARAM>(buttons));
    menuBarButton_ = DesignButtonSize(menuBar_, dpi_);
    return true;
}

bool MainWindow::CreateToolbar()
{
    toolbar_ = CreateBar(frame_, kToolbarStyle, kToolbarTop, kToolbarWidth, kToolbarId, dpi_);
    if (!toolbar_)
        return false;
    toolbarPadding_ = PrepareBar(toolbar_, dpi_);
    TBBUTTON buttons[kToolbarButtonCount] = {};
    const CommandList commands = ToolbarCommands();
    for (int i = 0; i < kToolbarButtonCount; ++i) {
        buttons[i].iBitmap = I_IMAGENONE;
        buttons[i].idCommand = commands.first[i].id;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
        buttons[i].iString = -1;
    }
    SendMessageW(toolbar_, TB_ADDBUTTONSW, kToolbarButtonCount, reinterpret_cast<LPARAM>(buttons));
    toolbarButton_ = DesignButtonSize(toolbar_, dpi_);
    // The toolbar announces its tooltips while it is being created, before this object
    // sees the frame's messages: ask for them instead.
    toolbarTips_ = reinterpret_cast<HWND>(SendMessageW(toolbar_, TB_GETTOOLTIPS, 0, 0));
    return true;
}

bool MainWindow::Create()
{
    takingPaths_ = false;
    openingPaths_ = false;
    pendingPaths_.clear();
    UseMainWindowAsFrameHost();
    UseMainWindowAsDocsHost();
    auto fail = [](const char* what) {
        ui::Message(nullptr, std::string("Failed to create the ") + what, MB_OK | MB_ICONERROR);
        return false;
    };

    int left = config::ReadNumber("Position", "MainLeft");
    int top = config::ReadNumber("Position", "MainTop");
    const int width = config::ReadNumber("Position", "MainWidth");
    const int height = config::ReadNumber("Position", "MainHeight");
    if (left == 0) left = CW_USEDEFAULT;
    if (top == 0) top = CW_USEDEFAULT;
    // The size is kept as a 96-DPI size (the place as it is on the screen).
    const int systemDpi = dpi::OfSystem();
    frame_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"Quillet", L"Quillet", kMainStyle, left, top,
                            dpi::Scale(width, systemDpi), dpi::Scale(height, systemDpi), nullptr, nullptr,
                            App().instance, nullptr);
    if (!frame_)
        return false;
    dpi_ = dpi::OfWindow(frame_);
    if (dpi_ != systemDpi)
        SetWindowPos(frame_, nullptr, 0, 0, dpi::Scale(width, dpi_), dpi::Scale(height, dpi_),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    uiFont_ = CreateUiFont(dpi_);
    if (!uiFont_)
        return fail("Font");
    Menus().uiFont = uiFont_;
    Menus().showHint = [](const wchar_t* text) { status::SetStatusText(0, std::wstring(text)); };

    CorvexInitialize(corvex::kInitFlags);
    DragAcceptFiles(frame_, TRUE);
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    if (!CreateMenuBar())
        return fail("Menubar control");
    if (!CreateToolbar())
        return fail("Toolbar control");
    tabs_ = CreateSkinnedTabs(frame_, kTabControlId);
    if (!tabs_)
        return fail("Tab control");
    statusBar_ = CreateSkinnedStatusBar(frame_, kStatusBarId);
    if (!statusBar_)
        return fail("Statusbar control");

    LoadStateIcons();
    status::Reset();

    UseMainWindowAsOptionsHost();
    CreateOptionsDialog();
    UseMainWindowAsToolHost();
    CreateToolPopups();
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    LetLowerProcessesReach(frame_, {WM_COPYDATA, taskbarCreatedMessage_});
    Attach(frame_);
    InstallSkinnedMenuHook();
    for (int i = 0; i < kMenuCount; ++i) {
        menus_[i] = BuildMenu(static_cast<MenuIndex>(i));
        RegisterFlatMenu(frame_, menus_[i]);
    }
    LoadEditorSettings(nullptr);
    return true;
}

HFONT MainWindow::CreateUiFont(int dpiValue)
{
    return CreateFontW(dpi::Scale(kUiFontHeight, dpiValue), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
}

void MainWindow::LoadStateIcons()
{
    const int size = dpi::SystemMetric(SM_CXSMICON, dpi_);
    HICON saved = LoadIconAt(IDI_SAVED, size, 0);
    HICON unsaved = LoadIconAt(IDI_UNSAVED, size, 0);
    // The status bar may show one of the old icons: it gets the new one before they go.
    const bool showing = statusBar_ && SendMessageW(statusBar_, SB_GETICON, 1, 0) != 0;
    const bool showingSaved = showing && reinterpret_cast<HICON>(SendMessageW(statusBar_, SB_GETICON, 1, 0)) == savedIcon_;
    if (showing)
        SendMessageW(statusBar_, SB_SETICON, 1, reinterpret_cast<LPARAM>(showingSaved ? saved : unsaved));
    if (savedIcon_)
        DestroyIcon(savedIcon_);
    if (unsavedIcon_)
        DestroyIcon(unsavedIcon_);
    savedIcon_ = saved;
    unsavedIcon_ = unsaved;
}

namespace {

struct FontHandOver {
    HFONT from;
    HFONT to;
};

BOOL CALLBACK HandOverFontTo(HWND window, LPARAM lParam)
{
    const FontHandOver& fonts = *reinterpret_cast<const FontHandOver*>(lParam);
    if (reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)) == fonts.from)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.to), TRUE);
    return TRUE;
}

BOOL CALLBACK HandOverFontInWindow(HWND window, LPARAM lParam)
{
    HandOverFontTo(window, lParam);
    EnumChildWindows(window, HandOverFontTo, lParam);
    return TRUE;
}

BOOL CALLBACK TellEditorOfDpi(HWND window, LPARAM dpiValue)
{
    char name[32] = "";
    if (GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, corvex::kClassName) == 0)  // an ASCII class name
        SendMessageW(window, dpi::kDpiChangedMessage, MAKEWPARAM(dpiValue, dpiValue), 0);
    return TRUE;
}

} // namespace

// Windows tells children of a DPI change only under per-monitor awareness v2: the editors
// are told here as well (under v2 they hear it twice, and the second time changes nothing).
void MainWindow::TellEditorsOfDpi()
{
    EnumChildWindows(frame_, TellEditorOfDpi, dpi_);
}

// Every window of this thread, top-level or child, that draws with `from` gets `to`.
void MainWindow::HandOverFont(HFONT from, HFONT to)
{
    FontHandOver fonts = {from, to};
    EnumThreadWindows(GetCurrentThreadId(), HandOverFontInWindow, reinterpret_cast<LPARAM>(&fonts));
}

// The window moved to a screen of another resolution (or the screen's changed): its
// fonts, bars, icons and skin are made again at the new DPI, then it takes the rectangle
// Windows suggests, which lays its parts out again.
void MainWindow::OnDpiChanged(int dpiValue, const RECT* suggested)
{
    if (dpiValue <= 0)
        return;
    dpi_ = dpiValue;
    if (HFONT font = CreateUiFont(dpi_)) {
        HFONT old = uiFont_;
        uiFont_ = font;
        Menus().uiFont = uiFont_;
        if (old) {
            // Controls keep the handle they were given (the Options dialog's, the skin
            // selector's): they take the new font before the old one goes.
            HandOverFont(old, font);
            DeleteObject(old);
        }
    }
    for (HWND bar : {menuBar_, toolbar_}) {
        if (!bar)
            continue;
        const int top = bar == toolbar_ ? kToolbarTop : 0;
        const int width = bar == toolbar_ ? kToolbarWidth : kMenuBarWidth;
        SetWindowPos(bar, nullptr, 0, dpi::Scale(top, dpi_), dpi::Scale(width, dpi_), dpi::Scale(kBarHeight, dpi_),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (toolbar_)
        RescaleBar(toolbar_, dpi_, toolbarPadding_, toolbarButton_);
    if (menuBar_) {
        RescaleBar(menuBar_, dpi_, menuBarPadding_, menuBarButton_);
        SizeMenuBarBitmaps(menuBar_, dpi_);
        SendMessageW(menuBar_, TB_SETBUTTONSIZE, 0,
                     MAKELPARAM(dpi::Scale(menuBarButton_.cx, dpi_), dpi::Scale(menuBarButton_.cy, dpi_)));
    }
    LoadStateIcons();
    // The skin loaded again at the new DPI: the frame, menus, bars, tabs and status bar,
    // before the window takes its new size so that the size is laid out with them.
    ReloadMainWindowSkinForDpi(dpi_);
    RemeasureMenuItems();  // also without a skin, whose reload sets them again
    TellEditorsOfDpi();
    if (suggested)
        SetWindowPos(frame_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendLayoutSize(frame_);
    RedrawWindow(frame_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT MainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case dpi::kDpiChangedMessage:
        OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // Every way out (close button, "&exit", WM_CLOSE) asks about unsaved changes
        // here, where Cancel can still keep the window.
        if (AskToSaveModifiedDocuments()) {
            exitConfirmed_ = true;
            DestroyWindow(frame_);
        }
        return 0;
    case WM_ACTIVATEAPP:
        // Asked once the activation is over, not in the middle of it.
        if (wParam)
            PostMessageW(frame_, kCheckFilesMessage, 0, 0);
        break;
    case kCheckFilesMessage:
        // Not while a message box or a dialog of this window is up: its questions and
        // saves go on with the documents as they were when it opened.
        filesCheckWaiting_ = !IsWindowEnabled(frame_);
        if (!filesCheckWaiting_)
            CheckFilesChangedOutside();
        return 0;
    case WM_ENABLE:
        if (wParam && filesCheckWaiting_)
            PostMessageW(frame_, kCheckFilesMessage, 0, 0);
        break;
    case WM_SETFOCUS:
        // The frame gets the focus back when it is activated again (after a message
        // box, a dialog or another program): it belongs to the active editor.
        if (Document* active = ActiveDocument()) {
            SetFocus(active->control);
            return 0;
        }
        break;
    case WM_QUERYENDSESSION:
        // Windows is ending the session: the same questions as Exit; Cancel refuses.
        if (!AskToSaveModifiedDocuments())
            return FALSE;
        exitConfirmed_ = true;
        return TRUE;
    case WM_ENDSESSION:
        // The process may end as soon as this returns: run the exit sequence (its
        // Config.ini and registry writes) now. A session that goes on asks again at exit.
        if (wParam) {
            exitConfirmed_ = true;
            DestroyWindow(frame_);
        } else {
            exitConfirmed_ = false;
        }
        return 0;
    case WM_DESTROY:
        if (Window() == frame_) {
            OnDestroy();
            return 0;
        }
        break;
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU)
            break;
        MeasureMenuItem(measure);
        return 1;
    }
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType != ODT_MENU)
            break;
        DrawMenuItem(draw);
        return 1;
    }
    case WM_COPYDATA:
        return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_SYSKEYDOWN: {
        static const char keys[] = "FESACH";
        for (int i = 0; keys[i]; ++i) {
            if (wParam == static_cast<WPARAM>(keys[i])) {
                PostMessageW(frame_, kOpenMenuBarMessage, kFirstButtonCommand + i, 0);
                return 0;
            }
        }
        break;
    }
    case WM_COMMAND:
        DispatchCommand(wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_RESTORE || wParam == 0xF122)
            SetForegroundWindow(frame_);
        break;
    case WM_TIMER:
        if (wParam == kPasteHoldTimer) {
            KillTimer(frame_, kPasteHoldTimer);
            ShowClipboardPopup(toolbar_, kPasteButton);
            return 0;
        }
        if (wParam == kOpenHoldTimer) {
            KillTimer(frame_, kOpenHoldTimer);
            ShowFavouritesPopup(toolbar_, kOpenButton);
            return 0;
        }
        return 0;
    case WM_MENUCHAR:
        return OnMenuChar(message, wParam, lParam);
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case kTrayCallbackMessage:
        OnTrayIconCallback(wParam, lParam);
        return 0;
    case kCloseActiveMessage:
        CloseWithPrompt();
        return 0;
    case kOpenMenuBarMessage:
        OpenMenuBarMenu(static_cast<int>(wParam));
        return 0;
    default:
        if (message == taskbarCreatedMessage_ && message != 0)
            RestoreTrayIcon();
        break;
    }
    return CallPrevious(message, wParam, lParam);
}

LRESULT MainWindow::OnCopyData(const COPYDATASTRUCT* data)
{
    // The path ends at its first NUL, and never beyond the cbData bytes the sender gave;
    // UTF-16 or ANSI by dwData (see platform/hand_off.h).
    if (!data || !data->lpData || data->cbData == 0)
        return 1;
    std::wstring path;
    if (data->dwData == handoff::kUtf16Path) {
        const wchar_t* units = static_cast<const wchar_t*>(data->lpData);
        const std::size_t count = data->cbData / sizeof(wchar_t);
        std::size_t length = 0;
        while (length < count && units[length] != L'\0')
            ++length;
        path.assign(units, length);
    } else {
        const char* bytes = static_cast<const char*>(data->lpData);
        std::size_t length = 0;
        while (length < data->cbData && bytes[length] != '\0')
            ++length;
        path = WidenAnsi(std::string(bytes, length));
    }
    // The path is copied: the sender (Explorer, the launcher) goes on at once instead of
    // waiting on what opening it may show. Its data is not touched after this.
    if (InSendMessage())
        ReplyMessage(1);
    if (path.empty())
        return 1;
    pendingPaths_.push_back(std::move(path));
    if (takingPaths_)
        OpenPendingPaths();
    return 1;
}

// Opening a path can show a message box, during which more paths arrive: they queue
// behind the ones waiting and the outermost call opens them, so all open one after the
// other in the order they came.
void MainWindow::OpenPendingPaths()
{
    if (openingPaths_)
        return;
    openingPaths_ = true;
    while (!pendingPaths_.empty()) {
        const std::wstring path = pendingPaths_.front();
        pendingPaths_.erase(pendingPaths_.begin());
        OpenDocument(path);
    }
    openingPaths_ = false;
}

void MainWindow::TakeHandedOverPaths()
{
    OpenPendingPaths();
    takingPaths_ = true;
}

void MainWindow::OnDropFiles(HDROP drop)
{
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        if (length && DragQueryFileW(drop, i, &path[0], length + 1)) {
            path.resize(length);
            OpenDocument(path);
        }
    }
    DragFinish(drop);
}

LRESULT MainWindow::OnMenuChar(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The menus are owner-drawn, so the system cannot match their mnemonics itself.
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    // The typed character is UTF-16; the captions are the program's ANSI literals.
    const wchar_t typed = static_cast<wchar_t>(LOWORD(wParam));
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_STATE;
        if (!GetMenuItemInfoW(menu, position, TRUE, &info) || !info.dwItemData)
            continue;
        if (info.fState & MFS_DISABLED)
            continue;  // a grayed item cannot be chosen, by its mnemonic either
        const char* caption = reinterpret_cast<const char*>(info.dwItemData);
        if (IsSeparatorCaption(caption))
            continue;
        const std::wstring wide = WidenAnsi(caption);
        for (std::size_t amp = wide.find(L'&'); amp != std::wstring::npos; amp = wide.find(L'&', amp + 1)) {
            if (amp + 1 < wide.size() && wide[amp + 1] == typed)
                return MAKELRESULT(position, MNC_EXECUTE);
        }
    }
    return CallPrevious(message, wParam, lParam);
}

void MainWindow::OnTabSelectionChange()
{
    currentIndex = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    Document* active = ActiveDocument();
    if (!active)
        return;
    SendLayoutSize(frame_);
    ShowWindow(active->control, SW_SHOW);
    SetFocus(active->control);
    UpdateWindow(active->control);
    status::UpdateAll();
    PostMessageW(frame_, kCheckFilesMessage, 0, 0);
}

LRESULT MainWindow::OnNotify(NMHDR* header)
{
    if (header->hwndFrom == tabs_) {
        switch (header->code) {
        case TCN_SELCHANGING: {
            const int leaving = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
            if (leaving >= 0 && leaving < static_cast<int>(DocumentList.size()))
                ShowWindow(DocumentList[leaving].control, SW_HIDE);
            return 0;
        }
        case TCN_SELCHANGE:
            OnTabSelectionChange();
            return 0;
        case NM_RCLICK: {
            TCHITTESTINFO hit = {};
            GetCursorPos(&hit.pt);
            ScreenToClient(tabs_, &hit.pt);
            const int index = static_cast<int>(SendMessageW(tabs_, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            if (index >= 0) {
                SendMessageW(tabs_, TCM_SETCURFOCUS, index, 0);
                ShowTabMenu();
            }
            return 0;
        }
        default:
            break;
        }
    } else if (header->hwndFrom == toolbar_) {
        if (header->code == NM_CUSTOMDRAW) {
            auto* draw = reinterpret_cast<NMTBCUSTOMDRAW*>(header);
            if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (draw->nmcd.uItemState & CDIS_SELECTED)) {
                if (draw->nmcd.dwItemSpec == kPasteButton)
                    SetTimer(frame_, kPasteHoldTimer, kHoldDelay, nullptr);
                else if (draw->nmcd.dwItemSpec == kOpenButton)
                    SetTimer(frame_, kOpenHoldTimer, kHoldDelay, nullptr);
            }
            return DrawToolbarButton(draw);
        }
        if (header->code == NM_TOOLTIPSCREATED) {
            toolbarTips_ = reinterpret_cast<NMTOOLTIPSCREATED*>(header)->hwndToolTips;
            ColourToolbarTooltips(toolbarTips_);
            return 0;
        }
    } else if (header->hwndFrom == menuBar_) {
        if (header->code == TBN_DROPDOWN) {
            PostMessageW(frame_, kOpenMenuBarMessage, reinterpret_cast<NMTOOLBARW*>(header)->iItem, 0);
            return 0;
        }
        if (header->code == NM_CUSTOMDRAW)
            return PaintMenuBar(reinterpret_cast<NMTBCUSTOMDRAW*>(header));
    } else if (header->idFrom == static_cast<UINT_PTR>(corvex::kControlId)) {
        switch (header->code) {
        case corvex::NotifyCaretMoved:
            status::UpdateCaretField();
            return 0;
        case corvex::NotifyModifiedChanged:
            status::UpdateSavedField();
            return 0;
        case corvex::NotifyOverwriteChanged:
            status::UpdateModeField();
            return 0;
        case corvex::NotifySettingsChanged:
            if (Document* active = ActiveDocument())
                SaveEditorSettings(active->control);
            EnableRecordedMacroItems();
            return 0;
        case corvex::NotifyKeyCommand:
            OnEditorKeyCommand(reinterpret_cast<corvex::KeyCommandNotify*>(header)->command);
            return 0;
        case static_cast<UINT>(NM_RCLICK):
            ShowEditorMenu();
            return 1;
        default:
            return 0;
        }
    }
    // Tooltip text of the toolbar buttons: the string resource numbered like the command.
    if (header->code == TTN_GETDISPINFOW && toolbarTips_ && header->hwndFrom == toolbarTips_) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        info->hinst = App().instance;
        info->lpszText = MAKEINTRESOURCEW(header->idFrom);
        info->uFlags |= TTF_DI_SETITEM;
        return 0;
    }
    // A tooltip control that asks in the narrow form gets the same resource number.
    if (header->code == TTN_GETDISPINFOA && toolbarTips_ && header->hwndFrom == toolbarTips_) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);  // the narrow form of the same notification
        info->hinst = App().instance;
        info->lpszText = reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(header->idFrom)));
        info->uFlags |= TTF_DI_SETITEM;
        return 0;
    }
    return CallPrevious(WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

void MainWindow::OnDestroy()
{
    config::DeleteSection("StartupFiles");
    // Destroyed without WM_CLOSE: the changes are asked about once, but nothing can
    // keep the window any more.
    if (!exitConfirmed_)
        AskAboutEveryModifiedDocument();
    exitConfirmed_ = false;
    if (!DocumentList.empty()) {
        const bool remember = IsOpenLastFilesChecked();
        int written = 0;
        while (!DocumentList.empty()) {
            currentIndex = 0;
            if (remember && !DocumentList[0].path.empty())
                config::WriteText("StartupFiles", std::to_string(written++).c_str(), DocumentList[0].path);
            CloseDocument();
        }
    }
    backups::Stop();
    for (HMENU& menu : menus_) {
        if (menu)
            DestroyMenu(menu);
        menu = nullptr;
    }
    Menus().uiFont = nullptr;
    Menus().showHint = nullptr;
    DeleteObject(uiFont_);
    uiFont_ = nullptr;
    ReleaseMenuFont();
    DestroyIcon(savedIcon_);
    DestroyIcon(unsavedIcon_);
    savedIcon_ = unsavedIcon_ = nullptr;
    RemoveTrayIcon();
    SaveEditorSettings(nullptr);
    CorvexShutdown();
    Detach();

    AppState& app = App();
    config::WriteText("Main", "OpenDir", app.openDir);
    config::WriteText("Main", "SaveDir", app.saveDir);
    config::WriteNumber("Main", "OFFilter", app.openFilter);
    config::WriteNumber("Main", "SFFilter", app.saveFilter);

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(frame_, &placement);
    if (placement.showCmd == SW_SHOWNORMAL) {
        RECT rect = {};
        GetWindowRect(frame_, &rect);
        config::WriteNumber("Position", "MainLeft", rect.left);
        config::WriteNumber("Position", "MainTop", rect.top);
        config::WriteNumber("Position", "MainWidth", dpi::Unscale(rect.right - rect.left, dpi_));
        config::WriteNumber("Position", "MainHeight", dpi::Unscale(rect.bottom - rect.top, dpi_));
    }
    config::WriteString("Position", "MainState", placement.showCmd == SW_SHOWMAXIMIZED ? "1" : "0");

    DestroyAboutWindow();
    DestroySkinSelector();
    DestroyOptionsDialog();
    DestroyToolPopups();
    RemoveSkinnedMenuHook();
    frame_ = nullptr;
    PostQuitMessage(0);
}
