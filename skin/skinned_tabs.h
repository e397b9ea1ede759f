// The document tab strip: a standard tab control whose drawing comes from the skin.
// Every tab is painted from `tab.bmp` (rows normal, selected, hover) with the [Tabs]
// colours, font and text offsets; the scroll arrows from `tab buttons.bmp`.
#pragma once

#include "platform/subclass.h"
#include "skin/skin_bitmap.h"
#include "skin/tab_arrows.h"

#include <windows.h>

class CSkinnedTabs : public Subclass<CSkinnedTabs> {
public:
    static constexpr const char* kProperty = "CGTSubcls";

    void Reload();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    int SelectedIndex() const { return selected_; }
    int HoverIndex() const { return hover_; }
    HWND Arrows() const { return arrows_.Window(); }
    // `tab.bmp` at the skin's DPI; a tab is one of its three rows high.
    const CSkinBitmap& TabBitmap() const { return tab_; }
    int TabHeight() const { return tab_.Height() / 3; }
    HFONT Font() const { return font_; }

private:
    void Paint();
    // Paints `child` from the skin when it is the control's up-down arrows.
    void AdoptArrows(HWND child);
    void DrawTab(HDC dc, int index, const RECT& rect);
    int TabAt(LPARAM point) const;
    void OnMouseMove(LPARAM point);
    void Redraw();

    COLORREF back_ = 0, textNormal_ = 0, textSelected_ = 0;
    CSkinBitmap tab_, buttons_, buffer_;
    int selected_ = -1, hover_ = -1;
    POINT text_ = {};
    int leftWidth_ = 0, rightWidth_ = 0;
    bool leaveRequested_ = false;
    CTabArrows arrows_;
    HFONT font_ = nullptr;
};

CSkinnedTabs& SkinnedTabs();

// Creates the tab control as a child of `parent`; null on failure (the caller reports).
HWND CreateSkinnedTabs(HWND parent, int id);

// Reloads the tab bitmaps, colours and font from the main window's skin (whose [Tabs]
// keys the loader has already read) and redraws; `backgroundKey` is not used.
void LoadTabSkin(COLORREF backgroundKey);
