#include "tools/clip_viewer.h"

#include "corvex/include/corvex.h"
#include "skin/menu_skin.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>

namespace tools {
namespace {

constexpr char kPopupProperty[] = "CCVSubcls";
constexpr char kListProperty[] = "CCLSubcls";

const PopupListStyle kClipStyle = {
    L"Quillet ClipViewer",
    "Failed to create the ClipViewer window",
    "Failed to create the ClipViewer Listbox control",
    kPopupProperty,
    &PopupList::PopupProcedure<kPopupProperty>,
    kListProperty,
    &PopupList::ListProcedure<kListProperty>,
    60,
    23,
    ItemMenu::Clipboard,
    true,
};

// A row shows a few lines: drawing never needs more of an entry than this.
constexpr std::size_t kDrawnCharacters = 2048;

// The text of a clipboard handle: wide or ANSI, never read past the memory block.
bool ReadClipboardText(std::wstring& text)
{
    if (HANDLE wide = GetClipboardData(CF_UNICODETEXT)) {
        const auto* data = static_cast<const wchar_t*>(GlobalLock(wide));
        if (!data)
            return false;
        // Counted in size_t: a pointer difference would overflow on a block of more than 2 GB.
        text.assign(data, wcsnlen(data, GlobalSize(wide) / sizeof(wchar_t)));
        GlobalUnlock(wide);
        return true;
    }
    HANDLE ansi = GetClipboardData(CF_TEXT);
    if (!ansi)
        return false;
    const auto* data = static_cast<const char*>(GlobalLock(ansi));
    if (!data)
        return false;
    // The converter counts in int: a text longer than that is cut there.
    const int length = static_cast<int>(std::min<std::size_t>(strnlen(data, GlobalSize(ansi)), INT_MAX));
    const int units = length ? MultiByteToWideChar(CP_ACP, 0, data, length, nullptr, 0) : 0;
    text.assign(static_cast<std::size_t>(units), L'\0');
    if (units)
        MultiByteToWideChar(CP_ACP, 0, data, length, &text[0], units);
    GlobalUnlock(ansi);
    return true;
}

bool g_joinChain = true;

} // namespace

ClipViewer::ClipViewer() : PopupList(kClipStyle) {}

void ClipViewer::JoinChainAtCreation(bool join) { g_joinChain = join; }

void ClipViewer::Created()
{
    if (!g_joinChain)
        return;
    inChain_ = true;
    nextViewer_ = SetClipboardViewer(Popup());  // delivers the text on the clipboard now
}

void ClipViewer::Destroying()
{
    if (inChain_)
        ChangeClipboardChain(Popup(), nextViewer_);
    inChain_ = false;
}

bool ClipViewer::OnPopupMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_DRAWCLIPBOARD:
        Capture();
        if (nextViewer_)
            SendMessageW(nextViewer_, message, wParam, lParam);
        break;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == nextViewer_)
            nextViewer_ = reinterpret_cast<HWND>(lParam);
        else if (nextViewer_)
            SendMessageW(nextViewer_, message, wParam, lParam);
        break;
    default:
        return false;
    }
    result = CallPreviousPopup(message, wParam, lParam);
    return true;
}

void ClipViewer::Capture()
{
    if (CountClipboardFormats() == 0 || !OpenClipboard(Popup()))
        return;
    std::wstring text;
    const bool got = ReadClipboardText(text);
    CloseClipboard();
    if (!got || (!history_.empty() && history_.front() == text))
        return;  // no text, or the same text again
    history_.insert(history_.begin(), std::move(text));
    SendMessageW(List(), LB_INSERTSTRING, 0, 0);  // a data-less row: the history holds the text
}

void ClipViewer::EraseEntry(int index)
{
    if (index >= 0 && index < EntryCount())
        history_.erase(history_.begin() + index);
}

void ClipViewer::PasteChosen(HWND control)
{
    const int chosen = marks_.chosen;
    if (!control || chosen < 0 || chosen >= EntryCount())
        return;
    int record[4] = {};
    SendMessageW(control, corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    SendMessageW(control, corvex::SaveRecordWide, reinterpret_cast<WPARAM>(record),
                 reinterpret_cast<LPARAM>(history_[static_cast<std::size_t>(chosen)].c_str()));
}

void ClipViewer::DeleteChosen()
{
    if (marks_.chosen != -1 && List())
        SendMessageW(List(), LB_DELETESTRING, static_cast<WPARAM>(marks_.chosen), 0);
}

void ClipViewer::DeleteAll()
{
    if (List())
        SendMessageW(List(), LB_RESETCONTENT, 0, 0);
}

void ClipViewer::DrawEntry(HDC dc, int index, const RECT&, const RECT& inner, bool hot)
{
    const MenuSkin& menu = Menus();
    RECT text = inner;
    text.left += Px(4);
    text.right -= Px(4 + 16);
    // A private copy of the start, with room for what DT_MODIFYSTRING may add.
    const std::wstring& entry = history_[static_cast<std::size_t>(index)];
    const std::size_t length = std::min(entry.size(), kDrawnCharacters);
    std::vector<wchar_t> shown(entry.begin(), entry.begin() + static_cast<std::ptrdiff_t>(length));
    shown.resize(length + 8, L'\0');
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);  // long texts stay in their row
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, hot ? menu.textSelected : menu.textNormal);
    SelectObject(dc, menu.font ? menu.font : Host().UiFont());
    DrawTextW(dc, shown.data(), static_cast<int>(length), &text,
              DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX | DT_EDITCONTROL | DT_MODIFYSTRING);
    RestoreDC(dc, saved);
}

void ClipViewer::DrawEmptyMessage(HDC dc, const RECT& client)
{
    RECT rect = client;
    rect.top += Px(80);
    const int saved = SaveDC(dc);
    SelectObject(dc, Host().UiFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Menus().border2);
    DrawTextW(dc, L"The Clipboard is empty, Copy or Cut text to add items.", -1, &rect, DT_CENTER | DT_WORDBREAK);
    RestoreDC(dc, saved);
}

} // namespace tools
