#include "tools/favs_window.h"

#include "platform/config.h"
#include "platform/picture_ids.h"
#include "skin/menu_skin.h"

namespace tools {
namespace {

constexpr char kPopupProperty[] = "CMFSubcls";
constexpr char kListProperty[] = "CLSubcls";

const PopupListStyle kFavsStyle = {
    L"Quillet /Favs",
    "Failed to create the Favs window",
    "Failed to create the Favs Listbox control",
    kPopupProperty,
    &PopupList::PopupProcedure<kPopupProperty>,
    kListProperty,
    &PopupList::ListProcedure<kListProperty>,
    30,
    8,
    ItemMenu::Favourites,
    false,
};

constexpr const char* kSection = "Favs";
constexpr COLORREF kMarkerKey = RGB(255, 0, 255);  // the marker's see-through colour
constexpr int kMarkerWidth = 11;                   // the marker's size at 96 DPI
constexpr int kMarkerHeight = 13;


void SetItemState(HMENU menu, UINT command, UINT state)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = state;
    SetMenuItemInfoW(menu, command, FALSE, &info);
}

} // namespace

FavsWindow::FavsWindow() : PopupList(kFavsStyle) {}

void FavsWindow::Created()
{
    LoadMarker();
    Load();
}

// The marker drawn for the drop-down's DPI: the largest of its sizes (100, 150, 200 %)
// that is not larger than the DPI's, drawn at the DPI's size.
void FavsWindow::LoadMarker()
{
    markerDpi_ = Dpi();
    const int id = markerDpi_ >= 2 * dpi::kDesignDpi       ? IDB_STARTUP_MARK_200
                   : markerDpi_ * 2 >= 3 * dpi::kDesignDpi ? IDB_STARTUP_MARK_150
                                                           : IDB_STARTUP_MARK;
    marker_.LoadFromResource(Host().Resources(), id);
}

void FavsWindow::Load()
{
    for (const std::wstring& stored : config::ReadTextList(Host().ConfigPath(), kSection))
        Add(stored);
    loaded_ = true;
}

void FavsWindow::Save()
{
    if (!loaded_)
        return;
    std::vector<std::wstring> stored;
    for (const Favourite& entry : entries_)
        stored.push_back(StoredForm(entry));
    config::WriteTextList(Host().ConfigPath(), kSection, stored);
    entries_.clear();
}

void FavsWindow::Destroyed() { Save(); }

void FavsWindow::Add(const std::wstring& stored)
{
    entries_.push_back(ParseFavourite(stored));
    if (List())
        SendMessageW(List(), LB_INSERTSTRING, 0, 0);  // a data-less row: the entries hold the paths
}

void FavsWindow::EraseEntry(int index)
{
    if (index >= 0 && index < EntryCount())
        entries_.erase(entries_.begin() + index);
}

void FavsWindow::OpenChosen()
{
    const int chosen = marks_.chosen;
    if (chosen >= 0 && chosen < EntryCount())
        Host().OpenPath(entries_[static_cast<std::size_t>(chosen)].path);
}

void FavsWindow::OpenPaths(bool markedOnly)
{
    // Opening a document runs message loops (prompts), so walk a copy.
    const std::vector<Favourite> entries = entries_;
    for (const Favourite& favourite : entries)
        if (!markedOnly || favourite.openOnStartup)
            Host().OpenPath(favourite.path);
}

void FavsWindow::OpenAll() { OpenPaths(false); }
void FavsWindow::OpenMarked() { OpenPaths(true); }

void FavsWindow::DeleteChosen()
{
    if (marks_.chosen != -1 && List())
        SendMessageW(List(), LB_DELETESTRING, static_cast<WPARAM>(marks_.chosen), 0);
}

void FavsWindow::DeleteAll()
{
    if (List())
        SendMessageW(List(), LB_RESETCONTENT, 0, 0);
}

void FavsWindow::ToggleChosen()
{
    if (marks_.chosen != -1 && List())
        SendMessageW(List(), kToggleStartupMessage, 0, 0);
}

bool FavsWindow::OnListMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message == kToggleStartupMessage) {
        const int chosen = marks_.chosen;
        if (chosen >= 0 && chosen < EntryCount()) {
            Favourite& favourite = entries_[static_cast<std::size_t>(chosen)];
            favourite.openOnStartup = !favourite.openOnStartup;
            Repaint();
        }
        result = 0;
        return true;
    }
    if (message == WM_RBUTTONUP) {
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (RowAtPoint(point) == -1) {
            HMENU menu = ItemMenuHandle();
            for (ItemCommand command :
                 {ItemCommand::Activate, ItemCommand::OpenAll, ItemCommand::Delete, ItemCommand::OpenOnStartup})
                EnableMenuItem(menu, Host().CommandOf(ItemMenu::Favourites, command), MF_BYCOMMAND | MF_GRAYED);
            ClientToScreen(List(), &point);
            menuOpen_ = true;
            TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, point.x, point.y, 0, Host().MainWindow(), nullptr);
            menuOpen_ = false;
        }
    }
    return false;  // passes on
}

void FavsWindow::PrepareItemMenu(HMENU menu, int chosen)
{
    for (ItemCommand command : {ItemCommand::Activate, ItemCommand::OpenAll, ItemCommand::Delete})
        EnableMenuItem(menu, Host().CommandOf(ItemMenu::Favourites, command), MF_BYCOMMAND | MF_ENABLED);
    const bool marked = chosen >= 0 && chosen < EntryCount() && entries_[static_cast<std::size_t>(chosen)].openOnStartup;
    SetItemState(menu, Host().CommandOf(ItemMenu::Favourites, ItemCommand::OpenOnStartup), marked ? MFS_CHECKED : MFS_UNCHECKED);  // enabled again after a right click
}

void FavsWindow::DrawEntry(HDC dc, int index, const RECT& row, const RECT& inner, bool hot)
{
    const Favourite& favourite = entries_[static_cast<std::size_t>(index)];
    if (markerDpi_ != Dpi())
        LoadMarker();
    if (favourite.openOnStartup && marker_.Loaded())
        TransparentBlt(dc, row.left + Px(3), row.top + Px(3), Px(kMarkerWidth), Px(kMarkerHeight), marker_.Dc(), 0,
                       0, marker_.Width(), marker_.Height(), kMarkerKey);
    RECT text = inner;
    text.left += Px(4);
    text.right -= Px(4);
    if (favourite.openOnStartup) {
        text.left += Px(13);
        text.right -= Px(26);
    } else {
        text.right -= Px(13);
    }
    // DT_MODIFYSTRING shortens the string in place: draw a private copy with room to spare.
    std::vector<wchar_t> shown(favourite.path.begin(), favourite.path.end());
    shown.resize(favourite.path.size() + 8, L'\0');
    const int saved = SaveDC(dc);
    SelectObject(dc, Host().UiFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, hot ? Menus().textSelected : Menus().textNormal);
    DrawTextW(dc, shown.data(), static_cast<int>(favourite.path.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_MODIFYSTRING);
    RestoreDC(dc, saved);
}

void FavsWindow::DrawEmptyMessage(HDC dc, const RECT& client)
{
    RECT rect = client;
    rect.left += Px(12);
    rect.right -= Px(12);
    rect.top += Px(70);
    const int saved = SaveDC(dc);
    SelectObject(dc, Menus().font ? Menus().font : Host().UiFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Menus().border2);
    DrawTextW(dc, L"The Favourites list is empty, click the add... menu to add items.", -1, &rect,
              DT_CENTER | DT_WORDBREAK);
    RestoreDC(dc, saved);
}

} // namespace tools
