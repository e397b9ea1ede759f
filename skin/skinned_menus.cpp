#include "skin/skinned_menus.h"

#include "platform/ansi_text.h"
#include "platform/app_state.h"
#include "skin/menu_skin.h"
#include "skin/skinned_frame.h"
#include "skin/sliced_row.h"

#include <cstring>
#include <string>

namespace {

constexpr int kSeparatorHeight = 3;
constexpr int kSeparatorEndGap = 5;

// Without a skin: a check-mark column left of the text, system colours.
constexpr int kPlainItemHeight = 20;
constexpr int kPlainCheckWidth = 20;
constexpr int kPlainRightMargin = 16;

const char* CaptionOf(ULONG_PTR itemData)
{
    const char* caption = reinterpret_cast<const char*>(itemData);
    return caption ? caption : "";
}

void ShowToolbarHint(const std::wstring& text)
{
    if (Menus().showHint)
        Menus().showHint(text.c_str());
}

// A 96-DPI length at the skin's DPI.
int Px(int length) { return dpi::Scale(length, MainSkin().Dpi()); }

bool SkinnedItems() { return Menus().loaded && Menus().item.Loaded(); }

HGDIOBJ UiFont() { return Menus().uiFont ? Menus().uiFont : GetStockObject(DEFAULT_GUI_FONT); }

HGDIOBJ MenuFont() { return Menus().font ? Menus().font : UiFont(); }

// Captions are the program's own text in the ANSI code page (items carry them as data).
int TextWidth(HGDIOBJ font, const char* text, UINT format)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    RECT rect = {};
    DrawTextW(dc, WidenAnsi(text).c_str(), -1, &rect, format | DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return rect.right - rect.left;
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// An item-sized buffer, kept between items.
CSkinBitmap& ItemBuffer()
{
    static CSkinBitmap buffer;
    return buffer;
}

void DrawText(HDC dc, const char* text, RECT rect, COLORREF colour, HGDIOBJ font, UINT format)
{
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(dc, font);
    DrawTextW(dc, WidenAnsi(text).c_str(), -1, &rect, format);
    SelectObject(dc, previous);
}

// The plain look, for menus drawn before any skin is loaded.
void DrawCheckMark(HDC dc, const RECT& item, COLORREF colour)
{
    const int x = item.left + Px(5);
    const int y = (item.top + item.bottom) / 2;
    HPEN pen = CreatePen(PS_SOLID, Px(2), colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    const POINT tick[] = {{x, y}, {x + Px(3), y + Px(3)}, {x + Px(9), y - Px(4)}};
    Polyline(dc, tick, 3);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

void DrawPlainItem(const DRAWITEMSTRUCT* draw, const char* caption, bool grayed, bool selected)
{
    HDC dc = draw->hDC;
    const RECT& rect = draw->rcItem;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (IsSeparatorCaption(caption)) {
        RECT line = {rect.left + Px(kPlainCheckWidth), rect.top + Px(1), rect.right - Px(kSeparatorEndGap),
                     rect.top + Px(2)};
        FillRect(dc, &line, GetSysColorBrush(COLOR_GRAYTEXT));
        return;
    }
    const COLORREF colour = GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    if (draw->itemState & ODS_CHECKED)
        DrawCheckMark(dc, rect, colour);
    DrawText(dc, caption, RECT{rect.left + Px(kPlainCheckWidth), rect.top, rect.right, rect.bottom}, colour, UiFont(),
             DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
}

void DrawSkinnedItem(const DRAWITEMSTRUCT* draw, const char* caption, bool grayed, bool selected)
{
    const MenuSkin& m = Menus();
    const int width = draw->rcItem.right - draw->rcItem.left;
    const int height = draw->rcItem.bottom - draw->rcItem.top;
    CSkinBitmap& buffer = ItemBuffer();
    if (width <= 0 || height <= 0 || !buffer.EnsureSize(width, height))
        return;
    HDC dc = buffer.Dc();
    const bool selectedRow = selected && !grayed;
    DrawSlicedRow(dc, 0, 0, width, height, SlicedRow{&m.item, RowTop(m.item, 2, selectedRow), m.leftWidth, m.rightWidth});
    if (IsSeparatorCaption(caption)) {
        FillColour(dc, RECT{m.text.x, Px(1), width - Px(kSeparatorEndGap), Px(2)}, m.textNormal);
    } else {
        if ((draw->itemState & ODS_CHECKED) && m.check.Loaded()) {
            const int markHeight = m.check.Height() / 2;
            BitBlt(dc, m.checkAt.x, m.checkAt.y, m.check.Width(), markHeight, m.check.Dc(), 0,
                   selected ? markHeight : 0, SRCCOPY);
        }
        const COLORREF colour = grayed ? m.textDisabled : selected ? m.textSelected : m.textNormal;
        DrawText(dc, caption, RECT{m.text.x, m.text.y, width, height - m.text.y}, colour, MenuFont(),
                 DT_SINGLELINE | DT_EXPANDTABS);
    }
    BitBlt(draw->hDC, draw->rcItem.left, draw->rcItem.top, width, height, dc, 0, 0, SRCCOPY);
}

} // namespace

bool IsSeparatorCaption(const char* caption) { return std::strcmp(caption, kSeparatorCaption) == 0; }

void MeasureMenuItem(MEASUREITEMSTRUCT* measure)
{
    const char* caption = CaptionOf(measure->itemData);
    if (IsSeparatorCaption(caption)) {
        measure->itemWidth = 1;
        measure->itemHeight = static_cast<UINT>(Px(kSeparatorHeight));
        return;
    }
    // Each item is measured with the font it is drawn in: the skin's menu font for skinned
    // items, the program's own for plain ones.
    if (SkinnedItems()) {
        const int text = TextWidth(MenuFont(), caption, DT_EXPANDTABS);
        measure->itemWidth = static_cast<UINT>(Menus().leftWidth + Menus().rightWidth + text);
        measure->itemHeight = static_cast<UINT>(Menus().item.Height() / 2);
    } else {
        const int text = TextWidth(UiFont(), caption, DT_EXPANDTABS);
        measure->itemWidth = static_cast<UINT>(Px(kPlainCheckWidth) + text + Px(kPlainRightMargin));
        measure->itemHeight = static_cast<UINT>(Px(kPlainItemHeight));
    }
}

void DrawMenuItem(const DRAWITEMSTRUCT* draw)
{
    const char* caption = CaptionOf(draw->itemData);
    const bool grayed = (draw->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;
    if (SkinnedItems())
        DrawSkinnedItem(draw, caption, grayed, selected);
    else
        DrawPlainItem(draw, caption, grayed, selected && !grayed);
}

int MenuBarButtonWidth(const char* text)
{
    const MenuSkin& m = Menus();
    // The text stands at WindowMenuTextX; the same room is kept after it.
    const int margin = m.loaded ? m.windowMenuText.x : Px(6);
    return TextWidth(MenuFont(), text, 0) + 2 * margin;
}

void DrawMenuBarButton(HDC dc, int width, int height, UINT state, const char* text)
{
    const MenuSkin& m = Menus();
    const bool pressed = (state & CDIS_SELECTED) != 0;
    const bool hot = !pressed && (state & CDIS_HOT);
    const int row = pressed ? 1 : hot ? 2 : 0;
    if (m.loaded && m.windowMenu.Loaded()) {
        DrawSlicedRow(dc, 0, 0, width, height,
                      SlicedRow{&m.windowMenu, RowTop(m.windowMenu, 3, row), m.windowMenuLeftWidth,
                                m.windowMenuRightWidth});
        if (text && *text)
            DrawText(dc, text, RECT{m.windowMenuText.x, m.windowMenuText.y, width, height},
                     row ? m.textSelected : m.textNormal, MenuFont(), DT_SINGLELINE);
        return;
    }
    const RECT all = {0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(row ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (text && *text)
        DrawText(dc, text, RECT{Px(6), 0, width, height}, GetSysColor(row ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT),
                 MenuFont(), DT_SINGLELINE | DT_VCENTER);
}

LRESULT DrawToolbarButton(NMTBCUSTOMDRAW* draw)
{
    const CSkinBitmap& cells = Menus().toolbar;
    if (!cells.Loaded())
        return CDRF_DODEFAULT;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_PREERASE:
        return CDRF_SKIPDEFAULT;  // the skin behind the toolbar shows through
    case CDDS_ITEMPREPAINT:
        break;
    default:
        return CDRF_DODEFAULT;
    }
    // The button whose description the status line shows.
    static int describedButton = -1;
    const int command = static_cast<int>(draw->nmcd.dwItemSpec);
    // Each button shows the column of `toolbar.bmp` at its own position on the bar.
    const int column = static_cast<int>(
        SendMessageW(draw->nmcd.hdr.hwndFrom, TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0));
    if (column < 0 || column >= kToolbarColumns)
        return CDRF_SKIPDEFAULT;
    const UINT state = draw->nmcd.uItemState;
    const int row = (state & CDIS_SELECTED) ? 1 : (state & CDIS_HOT) ? 2 : 0;
    if (row == 2 && describedButton != command) {
        wchar_t description[256] = L"";
        LoadStringW(App().instance, static_cast<UINT>(command), description,
                    static_cast<int>(sizeof description / sizeof description[0]));
        ShowToolbarHint(description);
        describedButton = command;
    } else if (row != 2 && describedButton == command) {
        // Only the button that put its description there takes it away again.
        ShowToolbarHint(L"");
        describedButton = -1;
    }
    const int cellWidth = cells.Width() / kToolbarColumns;
    const int cellHeight = cells.Height() / 3;
    const RECT& rect = draw->nmcd.rc;
    BitBlt(draw->nmcd.hdc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, cells.Dc(),
           column * cellWidth, row * cellHeight, SRCCOPY);
    return CDRF_SKIPDEFAULT;
}

void ColourToolbarTooltips(HWND tooltips)
{
    // The colours of the frame buttons' tooltip, which the skin has set.
    const CSkinToolTip& frameTips = MainSkin().ButtonTips();
    if (!tooltips || !frameTips.Window())
        return;
    UseUnthemedTooltip(tooltips);
    SendMessageW(tooltips, TTM_SETTIPBKCOLOR, frameTips.GetBackColour(), 0);
    SendMessageW(tooltips, TTM_SETTIPTEXTCOLOR, frameTips.GetTextColour(), 0);
}
