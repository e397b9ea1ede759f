// FavsWindow: the favourites, a drop-down of file paths kept in Config.ini [Favs]. Each
// can be opened with a click, all at once, or automatically at every start.
#pragma once

#include "tools/favourite.h"
#include "tools/popup_list.h"

#include <string>
#include <vector>

namespace tools {

// WM_USER + 3 to the list: toggles the chosen favourite's start-up mark.
constexpr UINT kToggleStartupMessage = WM_USER + 3;

class FavsWindow : public PopupList {
public:
    FavsWindow();

    const std::vector<Favourite>& Entries() const { return entries_; }
    // Appends a favourite given in its stored form ("path" or "path|").
    void Add(const std::wstring& stored);
    void OpenChosen();
    void OpenAll();
    void DeleteChosen();
    void DeleteAll();
    void ToggleChosen();
    // Opens, in list order, every favourite marked to open at start-up.
    void OpenMarked();

protected:
    int EntryCount() const override { return static_cast<int>(entries_.size()); }
    void EraseEntry(int index) override;
    void EraseAll() override { entries_.clear(); }
    void DrawEntry(HDC dc, int index, const RECT& row, const RECT& inner, bool hot) override;
    void DrawEmptyMessage(HDC dc, const RECT& client) override;
    void Created() override;
    void LoadMarker();
    bool OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Destroyed() override;
    void PrepareItemMenu(HMENU menu, int chosen) override;

private:
    void Load();
    void Save();
    void OpenPaths(bool markedOnly);

    std::vector<Favourite> entries_;
    bool loaded_ = false;  // only a list that was loaded is ever written back
    CSkinBitmap marker_;
    int markerDpi_ = 0;  // the DPI the marker was chosen for
};

} // namespace tools
