#include "tools/popup_list.h"

#include "platform/dpi.h"
#include "platform/ui_seam.h"
#include "skin/buffered_paint.h"
#include "skin/menu_skin.h"
#include "skin/sliced_row.h"

#include <commctrl.h>

namespace tools {
namespace {

void Shrink(RECT& rect, int by) { InflateRect(&rect, -by, -by); }

bool RegisterPopupClass()
{
    WNDCLASSW existing = {};
    if (GetClassInfoW(GetModuleHandleW(nullptr), kPopupClass, &existing))
        return true;
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kPopupClass;
    return RegisterClassW(&windowClass) != 0;
}

void ReportFailure(const char* text) { ui::Message(nullptr, text, MB_OK | MB_ICONERROR); }

// Drop shadows are a class style, so both drop-downs follow the system setting.
bool FollowDropShadowSetting(HWND popup)
{
    if (!Host().DropShadowPlatform())
        return false;
    constexpr UINT kGetDropShadow = 0x1024;     // SPI_GETDROPSHADOW
    constexpr LONG_PTR kDropShadow = 0x20000;   // CS_DROPSHADOW
    BOOL on = FALSE;
    SystemParametersInfoW(kGetDropShadow, 0, &on, 0);
    const LONG_PTR style = static_cast<LONG_PTR>(GetClassLongPtrW(popup, GCL_STYLE));
    if (on && !(style & kDropShadow))
        SetClassLongPtrW(popup, GCL_STYLE, style | kDropShadow);
    else if (!on && (style & kDropShadow))
        SetClassLongPtrW(popup, GCL_STYLE, style & ~kDropShadow);
    return on != FALSE;
}

} // namespace

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    const COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

PopupList::~PopupList() { DeleteBrushes(); }

bool PopupList::Create()
{
    if (!RegisterPopupClass()) {
        ReportFailure("Failed to register the Popup class");
        return false;
    }
    dpi_ = dpi::kDesignDpi;  // created at its design size; Show fits it to its screen
    popup_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, style_.title,
                             WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, kPopupWidth, kPopupHeight,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!popup_) {
        ReportFailure(style_.windowFailure);
        return false;
    }
    popupSubclass_.Attach(popup_, style_.popupProperty, this, style_.popupProcedure);

    list_ = CreateWindowExW(0, L"LISTBOX", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NODATA | LBS_NOINTEGRALHEIGHT |
                                LBS_OWNERDRAWFIXED | LBS_NOTIFY,
                            1, 1, kPopupWidth - 2, kPopupHeight - 2, popup_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPopupListId)), GetModuleHandleW(nullptr),
                            nullptr);
    if (!list_) {
        ReportFailure(style_.listFailure);
        return false;
    }
    listSubclass_.Attach(list_, style_.listProperty, this, style_.listProcedure);
    FitToDpi(dpi::OfWindow(popup_));
    RecreateBrushes();
    Created();
    return true;
}

void PopupList::Show(bool show, HWND anchorBar, int anchorCommand)
{
    if (!popup_ && !Create())
        return;
    if (!show || !list_)
        return;
    const bool shadow = FollowDropShadowSetting(popup_);
    RECT anchor = {};
    if (!SendMessageW(anchorBar, TB_GETRECT, static_cast<WPARAM>(anchorCommand), reinterpret_cast<LPARAM>(&anchor)))
        return;
    FitToDpi(dpi::OfWindow(anchorBar));
    anchor.bottom = Px(20);  // hangs from a fixed line under the bar, whatever the button's height
    MapWindowPoints(anchorBar, nullptr, reinterpret_cast<POINT*>(&anchor), 2);
    const PopupOrigin at = PlacePopup(anchor.left, anchor.top, anchor.bottom, GetSystemMetrics(SM_CXSCREEN),
                                      GetSystemMetrics(SM_CYSCREEN), shadow, dpi_);
    SetWindowPos(popup_, HWND_TOP, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    RunLocalLoop();
}

void PopupList::FitToDpi(int dpiValue)
{
    if (dpiValue <= 0 || dpiValue == dpi_ || !popup_ || !list_)
        return;
    dpi_ = dpiValue;
    const PopupSize size = PopupSizeAt(dpi_);
    SetWindowPos(popup_, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int border = Px(1);
    SetWindowPos(list_, nullptr, border, border, size.width - 2 * border, size.height - 2 * border,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, MAKELPARAM(Px(style_.itemHeight), 0));
    Repaint();
}

int PopupList::RowHeight() const { return Px(style_.itemHeight); }

void PopupList::RunLocalLoop()
{
    closed_ = false;
    MSG message = {};
    while (!closed_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop ends too
            break;
        }
        if (got == -1)
            break;
        if (!popup_ || !IsDialogMessageW(popup_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void PopupList::Destroy()
{
    if (popup_ && IsWindow(popup_))
        DestroyWindow(popup_);
    popup_ = nullptr;
    list_ = nullptr;
}

bool PopupList::Visible() const { return popup_ && IsWindowVisible(popup_); }

void PopupList::DeleteBrushes()
{
    if (framePen_)
        DeleteObject(framePen_);
    if (normalBrush_)
        DeleteObject(normalBrush_);
    if (pressedBrush_)
        DeleteObject(pressedBrush_);
    framePen_ = nullptr;
    normalBrush_ = pressedBrush_ = nullptr;
}

void PopupList::RecreateBrushes()
{
    DeleteBrushes();
    const MenuSkin& menu = Menus();
    framePen_ = CreatePen(PS_SOLID, 1, menu.border);
    normalBrush_ = CreateSolidBrush(menu.back);
    pressedBrush_ = CreateSolidBrush(menu.textSelected);
    if (list_)
        Repaint();
}

LRESULT PopupList::CallPreviousPopup(UINT message, WPARAM wParam, LPARAM lParam)
{
    return popupSubclass_.CallPrevious(message, wParam, lParam);
}

LRESULT PopupList::CallPreviousList(UINT message, WPARAM wParam, LPARAM lParam)
{
    return listSubclass_.CallPrevious(message, wParam, lParam);
}

void PopupList::Repaint()
{
    if (list_)
        InvalidateRect(list_, nullptr, FALSE);
}

void PopupList::Close()
{
    if (popup_)
        SendMessageW(popup_, WM_ACTIVATE, WA_INACTIVE, 0);
}

// ---- the popup ------------------------------------------------------------------------

LRESULT PopupList::PopupProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnPopupMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType == ODT_LISTBOX) {
            measure->itemHeight = static_cast<UINT>(RowHeight());
            return 1;
        }
        break;
    }
    case WM_DRAWITEM:
        if (reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType == ODT_LISTBOX)
            return 1;  // the list paints itself
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint = {};
        HDC dc = BeginPaint(popup_, &paint);
        RECT whole = {};
        GetClientRect(popup_, &whole);
        HBRUSH border = CreateSolidBrush(Menus().border);
        for (int line = 0; line < Px(1); ++line) {
            FrameRect(dc, &whole, border);
            Shrink(whole, 1);
        }
        DeleteObject(border);
        EndPaint(popup_, &paint);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            closed_ = true;
            SetWindowPos(popup_, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
            SetFocus(Host().MainWindow());
            marks_.hot = -1;
            return 0;
        }
        if (LOWORD(wParam) == WA_ACTIVE) {
            SetFocus(list_);
            return 0;
        }
        break;
    case WM_DESTROY: {
        if (!popupSubclass_.Attached())
            break;
        closed_ = true;
        Destroying();
        popupSubclass_.Detach();
        listSubclass_.Detach();
        DeleteBrushes();
        Destroyed();
        return 0;
    }
    default:
        break;
    }
    return CallPreviousPopup(message, wParam, lParam);
}

// ---- the list -------------------------------------------------------------------------

int PopupList::RowAtPoint(POINT point) const
{
    RECT client = {};
    GetClientRect(list_, &client);
    const int top = static_cast<int>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0));
    return RowAt(point.y, point.x > client.right, RowHeight(), top, EntryCount());
}

bool PopupList::OnButtonOfHotRow(POINT point) const
{
    if (marks_.hot < 0)
        return false;
    RECT button = {};
    if (SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(marks_.hot), reinterpret_cast<LPARAM>(&button)) ==
        LB_ERR)
        return false;
    button.top += Px(3);
    button.right -= Px(3);
    button.bottom -= Px(3);
    button.left = button.right - Px(kArrowButtonWidth);
    return PtInRect(&button, point) != FALSE;
}

void PopupList::Activate(int row)
{
    marks_.selected = marks_.chosen = row;
    SendMessageW(Host().MainWindow(), WM_COMMAND, Host().CommandOf(style_.menu, ItemCommand::Activate), 0);
}

void PopupList::OpenItemMenu(int row)
{
    RECT rect = {};
    SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    marks_.chosen = row;
    menuOpen_ = true;
    HMENU menu = ItemMenuHandle();
    PrepareItemMenu(menu, row);
    TrackPopupMenu(menu, TPM_RIGHTALIGN, rect.right + Px(1), rect.bottom - Px(4), 0, Host().MainWindow(), nullptr);
    menuOpen_ = false;
    onButton_ = false;
    POINT cursor = {};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) == list_) {
        ScreenToClient(list_, &cursor);
        marks_.hot = RowAtPoint(cursor);
        onButton_ = OnButtonOfHotRow(cursor);
    } else {
        marks_.hot = -1;
    }
    Repaint();
}

LRESULT PopupList::OnKeyDown(WPARAM key, LPARAM lParam)
{
    switch (key) {
    case VK_RETURN:
        if (marks_.hot == -1)
            break;
        Activate(marks_.hot);
        return 0;
    case VK_LEFT:
    case VK_RIGHT:
        if (marks_.hot == -1) {
            // The menu bar moves on to its neighbouring menu.
            SendMessageW(Host().MenuBar(), WM_KEYDOWN, key, lParam);
            Close();
        } else if (key == VK_LEFT) {
            if (onButton_) {
                onButton_ = false;
                Repaint();
            }
        } else if (onButton_) {
            OpenItemMenu(marks_.hot);
        } else {
            onButton_ = true;
            Repaint();
        }
        return 0;
    case VK_UP:
    case VK_DOWN:
        if (EntryCount() == 0)
            break;
        if (key == VK_UP)
            marks_.StepUp(EntryCount());
        else
            marks_.StepDown(EntryCount());
        Repaint();
        break;
    default:
        break;
    }
    return CallPreviousList(WM_KEYDOWN, key, lParam);
}

bool PopupList::OnMouseMove(POINT point)
{
    const int row = RowAtPoint(point);
    if (row == -1) {
        if (marks_.hot == -1)
            return false;
        marks_.hot = -1;
    } else if (row != marks_.hot) {
        onButton_ = false;
        marks_.hot = row;
    } else {
        const bool over = OnButtonOfHotRow(point);
        if (over == onButton_)
            return false;
        onButton_ = over;
    }
    if (!tracking_) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, list_, 0};
        TrackMouseEvent(&track);
        tracking_ = true;
    }
    Repaint();
    return true;
}

LRESULT PopupList::ListProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnListMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case LB_INSERTSTRING:
        if (style_.newestFirst)
            marks_.EntryInsertedAtTop();
        break;
    case LB_DELETESTRING: {
        const int index = static_cast<int>(wParam);
        if (index < 0 || index >= EntryCount())
            return LB_ERR;  // only an existing entry can go
        marks_.EntryDeleting(index, static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0)));
        EraseEntry(index);
        break;
    }
    case LB_RESETCONTENT:
        marks_.Reset();
        EraseAll();
        break;
    case LB_SETCURSEL:
        marks_.SetCurrent(static_cast<int>(wParam), static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0)));
        break;
    case WM_KEYDOWN:
        return OnKeyDown(wParam, lParam);
    case WM_KEYUP:
        if (wParam == VK_ESCAPE) {
            Close();
            return 0;
        }
        break;
    case WM_SYSKEYUP:
        if (wParam == VK_MENU) {
            Close();
            return 0;
        }
        break;
    case WM_GETDLGCODE: {
        LRESULT code = CallPreviousList(message, wParam, lParam);
        const MSG* asked = reinterpret_cast<const MSG*>(lParam);
        if (asked && asked->message == WM_KEYDOWN && asked->wParam == VK_RETURN)
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        Repaint();
        break;
    case WM_PAINT:
        PaintList();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        if (!OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}))
            return 0;
        break;
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (!menuOpen_)
            marks_.hot = marks_.chosen = -1;
        Repaint();
        return 0;
    case WM_LBUTTONDOWN: {
        const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const int row = RowAtPoint(point);
        if (row == -1)
            break;
        if (!onButton_)
            Activate(row);
        else
            OpenItemMenu(row);
        return 0;
    }
    case WM_DESTROY:
        if (listSubclass_.Attached()) {
            LRESULT done = CallPreviousList(message, wParam, lParam);
            listSubclass_.Detach();
            return done;
        }
        break;
    default:
        break;
    }
    return CallPreviousList(message, wParam, lParam);
}

// ---- painting -------------------------------------------------------------------------

void PopupList::PaintList()
{
    PaintBuffered(list_, buffer_, [this](HDC dc, const RECT& client, const RECT&) {
        const MenuSkin& menu = Menus();
        const int rowHeight = menu.item.Loaded() ? menu.item.Height() / 2 : 0;
        if (rowHeight > 0) {
            const SlicedRow normal{&menu.item, 0, menu.leftWidth, menu.rightWidth};
            for (int row = 0; row <= client.bottom / rowHeight; ++row)
                DrawSlicedRow(dc, 0, row * rowHeight, client.right, rowHeight, normal);
        } else {
            FillSolid(dc, client, Menus().loaded ? menu.back : GetSysColor(COLOR_MENU));
        }
        if (EntryCount() == 0) {
            DrawEmptyMessage(dc, client);
            return;
        }
        const int count = static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
        const int top = static_cast<int>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0));
        for (int i = top; i < count && i < EntryCount(); ++i) {
            RECT row = {};
            if (SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&row)) == LB_ERR)
                break;
            if (row.top >= client.bottom)
                break;
            DrawRow(dc, i, row);
        }
    });
}

void PopupList::DrawRow(HDC dc, int index, const RECT& row)
{
    const MenuSkin& menu = Menus();
    RECT inner = row;
    const bool hot = index == marks_.hot;
    const int line = Px(1);
    if (hot) {
        Shrink(inner, line);
        FillSolid(dc, inner, menu.border);
        Shrink(inner, line);
        FillSolid(dc, inner, menu.back);
        RECT button = inner;
        Shrink(button, line);
        button.left = button.right - Px(kArrowButtonWidth);
        HBRUSH brush = normalBrush_;
        if (onButton_) {
            FillSolid(dc, button, menu.border2);
            Shrink(button, line);
            FillSolid(dc, button, menu.selection);
            brush = pressedBrush_;
        } else {
            FillSolid(dc, button, menu.border);
            Shrink(button, line);
            FillSolid(dc, button, menu.back);
        }
        const int top = button.top + Px(style_.triangleTop);
        const POINT triangle[] = {
            {button.left + Px(1), top}, {button.right - Px(2), top}, {button.left + Px(6), top + Px(5)}};
        HGDIOBJ oldPen = SelectObject(dc, framePen_ ? static_cast<HGDIOBJ>(framePen_) : GetStockObject(BLACK_PEN));
        HGDIOBJ oldBrush = SelectObject(dc, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(WHITE_BRUSH));
        Polygon(dc, triangle, 3);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
    } else if (index == marks_.selected) {
        Shrink(inner, line);
        FillSolid(dc, inner, menu.border);
        Shrink(inner, line);
        FillSolid(dc, inner, menu.back);
    } else {
        Shrink(inner, 2 * line);  // the background rows show through
    }
    DrawEntry(dc, index, row, inner, hot);
}

} // namespace tools
