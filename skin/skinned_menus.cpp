#include "skin/skinned_menus.h"

#include "app/main_window.h"

#include <cstring>

// Until the menus are drawn from the skin, owner-drawn items are measured and drawn
// plainly in the system colours with the program's user-interface font.
namespace {

constexpr int kItemHeight = 20;
constexpr int kSeparatorHeight = 3;
constexpr int kCheckWidth = 20;   // left of the text, where a check mark goes
constexpr int kRightMargin = 16;

const char* CaptionOf(ULONG_PTR itemData)
{
    const char* caption = reinterpret_cast<const char*>(itemData);
    return caption ? caption : "";
}

bool IsSeparator(const char* caption) { return std::strcmp(caption, "-") == 0; }

HGDIOBJ MenuFont() { return Main().uiFont ? Main().uiFont : GetStockObject(DEFAULT_GUI_FONT); }

// A tick in the check-mark column of an item.
void DrawCheckMark(HDC dc, const RECT& item, COLORREF colour)
{
    const int x = item.left + 5;
    const int y = (item.top + item.bottom) / 2;
    HPEN pen = CreatePen(PS_SOLID, 2, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    const POINT tick[] = {{x, y}, {x + 3, y + 3}, {x + 9, y - 4}};
    Polyline(dc, tick, 3);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

} // namespace

void InstallSkinnedMenuHook() {}
void RemoveSkinnedMenuHook() {}

void MeasureMenuItem(MEASUREITEMSTRUCT* measure)
{
    const char* caption = CaptionOf(measure->itemData);
    if (IsSeparator(caption)) {
        measure->itemWidth = 1;
        measure->itemHeight = kSeparatorHeight;
        return;
    }
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, MenuFont());
    RECT text = {};
    DrawTextA(dc, caption, -1, &text, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    measure->itemWidth = static_cast<UINT>(kCheckWidth + (text.right - text.left) + kRightMargin);
    measure->itemHeight = kItemHeight;
}

void DrawMenuItem(const DRAWITEMSTRUCT* draw)
{
    const char* caption = CaptionOf(draw->itemData);
    HDC dc = draw->hDC;
    RECT rect = draw->rcItem;
    const bool grayed = (draw->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool selected = (draw->itemState & ODS_SELECTED) != 0 && !grayed;

    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (IsSeparator(caption)) {
        RECT line = {rect.left + kCheckWidth, rect.top + 1, rect.right - 5, rect.top + 2};
        FillRect(dc, &line, GetSysColorBrush(COLOR_GRAYTEXT));
        return;
    }
    const int colour = grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
    if (draw->itemState & ODS_CHECKED)
        DrawCheckMark(dc, rect, GetSysColor(colour));
    SetTextColor(dc, GetSysColor(colour));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(dc, MenuFont());
    RECT text = {rect.left + kCheckWidth, rect.top, rect.right, rect.bottom};
    DrawTextA(dc, caption, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
    SelectObject(dc, previous);
}

LRESULT DrawToolbarButton(NMTBCUSTOMDRAW*) { return CDRF_DODEFAULT; }
void ColourToolbarTooltips(HWND) {}
