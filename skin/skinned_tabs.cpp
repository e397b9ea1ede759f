#include "skin/skinned_tabs.h"

#include "platform/app_state.h"
#include "skin/buffered_paint.h"
#include "skin/menu_skin.h"
#include "skin/skin_files.h"
#include "skin/skin_profile.h"
#include "skin/skinned_frame.h"
#include "skin/sliced_row.h"

#include <commctrl.h>
#include <algorithm>
#include <cwchar>

namespace {
CSkinnedTabs g_tabs;
constexpr int kTabRows = 3;  // normal, selected, hover
constexpr int kTextGap = 3;
constexpr int kVerticalPadding = 3;
}

CSkinnedTabs& SkinnedTabs() { return g_tabs; }

HWND CreateSkinnedTabs(HWND parent, int id)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                App().instance, nullptr);
    if (tabs)
        g_tabs.Attach(tabs);
    return tabs;
}

void LoadTabSkin(COLORREF) { g_tabs.Reload(); }

void CSkinnedTabs::Reload()
{
    const std::string& folder = MainSkin().Folder();
    const int dpi = MainSkin().Dpi();
    tab_.LoadForDpi(folder + skin::SkinFileName(skin::SkinFile::Tab), dpi, skin::CellLayout{1, kTabRows});
    buttons_.LoadForDpi(folder + skin::SkinFileName(skin::SkinFile::TabButtons), dpi, skin::CellLayout{2, 3});
    const skin::TabsDescription& d = MainSkin().Description().tabs;
    leftWidth_ = d.leftWidth;
    rightWidth_ = d.rightWidth;
    back_ = skin::ColourRef(d.back);
    textNormal_ = skin::ColourRef(d.textNormal);
    textSelected_ = skin::ColourRef(d.textSelected);
    text_ = {d.text.x, d.text.y};
    ReplaceSkinFont(font_, skin::CreateSkinFont(d.font, dpi));
    if (Window()) {
        // The control measures its tabs with the font they are drawn in, and leaves
        // room for the text offset on both sides of the text.
        SendMessageW(Window(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        const int padding = std::max(static_cast<int>(text_.x), rightWidth_ + dpi::Scale(kTextGap, dpi));
        SendMessageW(Window(), TCM_SETPADDING, 0,
                     MAKELPARAM(std::max(padding, 0), dpi::Scale(kVerticalPadding, dpi)));
        Redraw();
    }
}

void CSkinnedTabs::Redraw()
{
    InvalidateRect(Window(), nullptr, FALSE);
    if (arrows_.Window())
        InvalidateRect(arrows_.Window(), nullptr, FALSE);
}

int CSkinnedTabs::TabAt(LPARAM point) const
{
    TCHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    return static_cast<int>(SendMessageW(Window(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void CSkinnedTabs::DrawTab(HDC dc, int index, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int row = 0;
    COLORREF colour = textNormal_;
    if (index == hover_) {
        row = 2;
    } else if (index == selected_) {
        row = 1;
        colour = textSelected_;
    }
    DrawSlicedRow(dc, rect.left, rect.top, width, height,
                  SlicedRow{&tab_, RowTop(tab_, kTabRows, row), leftWidth_, rightWidth_});
    wchar_t text[261] = L"";
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(Window(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    TextOutW(dc, rect.left + text_.x, rect.top + text_.y, text, lstrlenW(text));
    SelectObject(dc, previous);
}

void CSkinnedTabs::AdoptArrows(HWND child)
{
    wchar_t name[64] = L"";
    if (!child || !GetClassNameW(child, name, static_cast<int>(sizeof name / sizeof name[0])) ||
        std::wcscmp(name, UPDOWN_CLASSW) != 0)
        return;
    arrows_.Take(child, &buttons_, &back_);
    InvalidateRect(child, nullptr, FALSE);
}

void CSkinnedTabs::Paint()
{
    if (!arrows_.Window())
        AdoptArrows(FindWindowExW(Window(), nullptr, UPDOWN_CLASSW, nullptr));
    PaintBuffered(Window(), buffer_, [this](HDC buffer, const RECT& client, const RECT& toPaint) {
        HBRUSH brush = CreateSolidBrush(back_);
        FillRect(buffer, &client, brush);
        const int count = static_cast<int>(SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            RECT rect = {}, meets = {};
            SendMessageW(Window(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
            // Tabs scrolled out of view have no width (or a negative left edge).
            if (rect.left >= 0 && rect.right > rect.left && IntersectRect(&meets, &rect, &toPaint))
                DrawTab(buffer, index, rect);
        }
        // The tabs under the arrows are covered; the arrow control may move as the
        // strip is resized, so its place is taken anew each time.
        if (arrows_.Window() && IsWindowVisible(arrows_.Window())) {
            RECT arrows = {};
            GetWindowRect(arrows_.Window(), &arrows);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&arrows), 2);
            FillRect(buffer, &arrows, brush);
        }
        DeleteObject(brush);
    });
}

void CSkinnedTabs::OnMouseMove(LPARAM point)
{
    const int index = TabAt(point);
    if (index < 0 || index == hover_)
        return;
    if (index == selected_) {
        if (hover_ < 0)
            return;
        hover_ = -1;
    } else {
        hover_ = index;
    }
    if (!leaveRequested_) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Window(), 0};
        leaveRequested_ = TrackMouseEvent(&track) != FALSE;
    }
    Redraw();
}

LRESULT CSkinnedTabs::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN: {
        const int index = TabAt(lParam);
        if (index >= 0) {
            selected_ = index;
            hover_ = -1;
            Redraw();
        }
        break;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        break;
    case WM_MOUSELEAVE:
        leaveRequested_ = false;
        hover_ = -1;
        Redraw();
        break;
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS:
        if (SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0) > 0)
            selected_ = static_cast<int>(wParam);
        break;
    case TCM_DELETEITEM: {
        const int count = static_cast<int>(SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0));
        if (count == 1)
            selected_ = hover_ = -1;
        else if (static_cast<int>(wParam) == selected_)
            selected_ = -1;
        break;
    }
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_CREATE)
            AdoptArrows(reinterpret_cast<HWND>(lParam));
        break;
    case TCM_INSERTITEMA:  // a sender may still insert a tab by its narrow form
    case TCM_INSERTITEMW: {
        // Not every tab control announces its arrows: they are looked for whenever
        // a tab more may have brought them.
        const LRESULT result = CallPrevious(message, wParam, lParam);
        if (!arrows_.Window())
            AdoptArrows(FindWindowExW(Window(), nullptr, UPDOWN_CLASSW, nullptr));
        return result;
    }
    case WM_DESTROY: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        ReplaceSkinFont(font_, nullptr);
        Detach();
        return result;
    }
    default:
        break;
    }
    return CallPrevious(message, wParam, lParam);
}
