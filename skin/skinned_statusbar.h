// The status bar: a standard status-bar control whose painting comes from the skin —
// the background tiled from `statusbar.bmp`, the parts' texts in the [Statusbar] font
// and colour, their icons drawn through a one-image list.
#pragma once

#include "platform/dpi.h"
#include "platform/subclass.h"
#include "skin/skin_bitmap.h"

#include <windows.h>
#include <commctrl.h>

class CSkinnedStatusBar : public Subclass<CSkinnedStatusBar> {
public:
    static constexpr const char* kProperty = "CSBSubcls";

    // The image list the part icons are drawn through; false when it cannot be made.
    bool CreateIconList();
    void Reload();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();
    void DrawPart(HDC dc, int part, RECT rect);
    // A 96-DPI length at the DPI of the skin last loaded (before any, the system's).
    int Px(int length) const { return dpi::Scale(length, dpi_ > 0 ? dpi_ : dpi::OfSystem()); }

    COLORREF textNormal_ = 0;
    CSkinBitmap background_, buffer_;
    HIMAGELIST icons_ = nullptr;
    HFONT font_ = nullptr;
    int leftWidth_ = 0, rightWidth_ = 0;
    int dpi_ = 0;
};

// Creates the status bar as a child of `parent`; null on failure. A failing image
// list is reported here; a failing window is reported by the caller.
HWND CreateSkinnedStatusBar(HWND parent, int id);

// Reloads `statusbar.bmp`, the [Statusbar] colour and font from the main window's skin
// (whose keys the loader has already read) and redraws.
void LoadStatusBarSkin();
