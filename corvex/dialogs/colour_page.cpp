#include "corvex/dialogs/colour_page.h"
#include "corvex/dialogs/wide_text.h"

#include "corvex/dialogs/common_dialogs.h"
#include "corvex/dialogs/setting_names.h"
#include "corvex/view_dpi.h"

namespace corvex::dialogs {
namespace {

// At 96 DPI; drawn at the page's DPI.
constexpr int kItemHeight = 16, kSwatchWidth = 28;

void FillRect(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    ::FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

} // namespace

DialogTemplate ColourPage::buildTemplate() const
{
    DialogTemplate dialog = PageTemplate();
    dialog.label("&Entries:", kMargin, 5, 100);
    dialog.add(DialogTemplate::kListBox, "", kColourList,
               LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
               kMargin, 18, kFullWidth - DialogTemplate::kButtonWidth - 8, kHeight - 25);
    dialog.button("&Change...", kChangeColour, kMargin + kFullWidth - DialogTemplate::kButtonWidth, 18);
    return dialog;
}

void ColourPage::load(const ControlSettings& settings)
{
    colours_ = settings.colours;
    HWND list = item(kColourList);
    if (SendMessageW(list, LB_GETCOUNT, 0, 0) == 0) {
        // WM_MEASUREITEM comes before the page object is attached.
        SendMessageW(list, LB_SETITEMHEIGHT, 0, ScaleLength(kItemHeight, WindowDpi(list)));
        for (int i = 0; i < kColourCount; ++i)
            SendMessageW(list, LB_ADDSTRING, 0, i); // owner-drawn without strings: the item is its index
        SendMessageW(list, LB_SETCURSEL, 0, 0);
    }
    InvalidateRect(list, nullptr, TRUE);
}

void ColourPage::changeSelected()
{
    const LRESULT index = SendDlgItemMessageW(hwnd_, kColourList, LB_GETCURSEL, 0, 0);
    if (index < 0 || index >= kColourCount)
        return;
    COLORREF colour = colours_[index];
    if (PickColour(GetAncestor(hwnd_, GA_ROOT), colour)) {
        colours_[index] = colour;
        InvalidateRect(item(kColourList), nullptr, TRUE);
    }
}

void ColourPage::draw(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= kColourCount)
        return;
    const UINT dpi = WindowDpi(item.hwndItem);
    auto px = [dpi](int length) { return ScaleLength(length, dpi); };
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, item.rcItem, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT swatch = {item.rcItem.left + px(3), item.rcItem.top + px(2), item.rcItem.left + px(3) + px(kSwatchWidth),
                   item.rcItem.bottom - px(2)};
    FillRect(item.hDC, swatch, RGB(0, 0, 0));
    InflateRect(&swatch, -px(1), -px(1));
    FillRect(item.hDC, swatch, colours_[item.itemID]);
    RECT text = item.rcItem;
    text.left += px(kSwatchWidth) + px(9);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, WideFromUtf8(ColourName(static_cast<int>(item.itemID))).c_str(), -1, &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

INT_PTR ColourPage::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM:
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if ((LOWORD(wParam) == kChangeColour && HIWORD(wParam) == BN_CLICKED) ||
            (LOWORD(wParam) == kColourList && HIWORD(wParam) == LBN_DBLCLK)) {
            changeSelected();
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace corvex::dialogs
