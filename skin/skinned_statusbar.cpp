#include "skin/skinned_statusbar.h"

#include "platform/app_state.h"
#include "platform/ui_seam.h"
#include "skin/buffered_paint.h"
#include "skin/menu_skin.h"
#include "skin/skin_files.h"
#include "skin/skin_profile.h"
#include "skin/skinned_frame.h"
#include "skin/sliced_row.h"

#include <algorithm>
#include <cwchar>
#include <string>

namespace {

CSkinnedStatusBar g_bar;

constexpr int kIconSize = 16;
constexpr int kSmallestPartWithIcon = 18;
constexpr int kTextAfterIcon = 20;
constexpr int kFirstPartTextX = 5;
constexpr std::size_t kTextLimit = 260;

} // namespace

HWND CreateSkinnedStatusBar(HWND parent, int id)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    if (!g_bar.CreateIconList()) {
        ui::Message(nullptr, "Failed to create the Statusbar Image List", MB_OK | MB_ICONERROR);
        return nullptr;
    }
    HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), App().instance, nullptr);
    if (bar)
        g_bar.Attach(bar);
    return bar;
}

void LoadStatusBarSkin() { g_bar.Reload(); }

bool CSkinnedStatusBar::CreateIconList()
{
    if (!icons_)
        icons_ = ImageList_Create(Px(kIconSize), Px(kIconSize), ILC_COLOR24 | ILC_MASK, 0, 1);
    return icons_ != nullptr;
}

void CSkinnedStatusBar::Reload()
{
    dpi_ = MainSkin().Dpi();
    background_.LoadForDpi(MainSkin().Folder() + skin::SkinFileName(skin::SkinFile::Statusbar), dpi_);
    // The part icons are drawn at the skin's DPI.
    int iconWidth = 0, iconHeight = 0;
    if (icons_ && ImageList_GetIconSize(icons_, &iconWidth, &iconHeight) && iconWidth != Px(kIconSize)) {
        ImageList_Destroy(icons_);
        icons_ = nullptr;
        CreateIconList();
    }
    const skin::StatusbarDescription& d = MainSkin().Description().statusbar;
    leftWidth_ = d.leftWidth;
    rightWidth_ = d.rightWidth;
    textNormal_ = skin::ColourRef(d.textNormal);
    ReplaceSkinFont(font_, skin::CreateSkinFont(d.font, dpi_));
    if (Window())
        InvalidateRect(Window(), nullptr, FALSE);
}

void CSkinnedStatusBar::DrawPart(HDC dc, int part, RECT rect)
{
    // SB_GETTEXT takes no buffer size: the buffer is made as long as the text, which
    // is then cut to the longest text a part shows.
    const std::size_t length = LOWORD(SendMessageW(Window(), SB_GETTEXTLENGTHW, part, 0));
    if (length == 0)
        return;
    std::wstring text(length + 1, L'\0');
    SendMessageW(Window(), SB_GETTEXTW, part, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::min<std::size_t>(std::wcslen(text.c_str()), kTextLimit));
    if (text.empty())
        return;
    HICON icon = reinterpret_cast<HICON>(SendMessageW(Window(), SB_GETICON, part, 0));
    if (icon && rect.right - rect.left >= Px(kSmallestPartWithIcon) && icons_) {
        if (ImageList_GetImageCount(icons_) > 0)
            ImageList_ReplaceIcon(icons_, 0, icon);
        else
            ImageList_AddIcon(icons_, icon);
        ImageList_Draw(icons_, 0, dc, rect.left + Px(2), rect.top + Px(1), ILD_TRANSPARENT);
        rect.left = rect.left + Px(kTextAfterIcon) < rect.right ? rect.left + Px(kTextAfterIcon) : rect.right;
    }
    SetBkMode(dc, TRANSPARENT);
    if (part == 0) {
        RECT text0 = {rect.left + Px(kFirstPartTextX), rect.top + Px(1), rect.right, rect.bottom};
        DrawTextW(dc, text.c_str(), -1, &text0, DT_SINGLELINE);
    } else {
        DrawTextW(dc, text.c_str(), -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
}

void CSkinnedStatusBar::Paint()
{
    PaintBuffered(Window(), buffer_, [this](HDC buffer, const RECT& client, const RECT&) {
        if (!background_.Loaded())
            FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
        DrawSlicedRow(buffer, 0, 0, client.right, background_.Height(),
                      SlicedRow{&background_, 0, leftWidth_, rightWidth_});
        const int parts = static_cast<int>(SendMessageW(Window(), SB_GETPARTS, 0, 0));
        if (parts <= 0)
            return;
        HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT);
        HGDIOBJ previous = SelectObject(buffer, font);
        SetTextColor(buffer, textNormal_);
        for (int part = 0; part < parts; ++part) {
            RECT rect = {}, meets = {};
            SendMessageW(Window(), SB_GETRECT, part, reinterpret_cast<LPARAM>(&rect));
            if (rect.right >= 0 && IntersectRect(&meets, &rect, &client))
                DrawPart(buffer, part, rect);
        }
        SelectObject(buffer, previous);
    });
}

LRESULT CSkinnedStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DESTROY: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        ReplaceSkinFont(font_, nullptr);
        if (icons_)
            ImageList_Destroy(icons_);
        icons_ = nullptr;
        Detach();
        return result;
    }
    default:
        break;
    }
    return CallPrevious(message, wParam, lParam);
}
