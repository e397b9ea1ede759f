// The scroll arrows (an up-down control) that the tab control shows when its tabs do
// not fit, painted from `tab buttons.bmp`: left arrow in column 0, right arrow in
// column 1; rows normal, pressed, hot.
#pragma once

#include "platform/subclass.h"
#include "skin/skin_bitmap.h"

#include <windows.h>

class CTabArrows : public Subclass<CTabArrows> {
public:
    static constexpr const char* kProperty = "CSSubcls";

    // Takes over the painting of `arrows`, drawn from `cells` on `background`.
    void Take(HWND arrows, const CSkinBitmap* cells, const COLORREF* background);
    bool Shown() const { return shown_; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();
    int RowOf(const RECT& half) const;
    void RequestLeave();

    const CSkinBitmap* cells_ = nullptr;
    const COLORREF* background_ = nullptr;
    CSkinBitmap buffer_;
    POINT mouse_ = {-1, -1};
    bool shown_ = false;
    bool buttonDown_ = false;
    bool leaveRequested_ = false;
};
