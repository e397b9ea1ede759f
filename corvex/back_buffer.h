// The bitmap a window's rows are drawn into before one blit to the screen, so nothing
// flickers. It grows to the largest size asked for and is kept.
#pragma once

#include <windows.h>

namespace corvex {

class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // A memory DC at least `width` x `height`, compatible with `window`'s own DC (not a
    // printing DC, which may be monochrome); transparent text, aligned at top left.
    HDC Fit(HWND window, int width, int height);
    HDC Dc() const { return dc_; }
    // Clips drawing to `pane`; its rows [firstRow, lastRow] (of `lineHeight` pixels from
    // its top) that `clip` touches, or false when it touches none.
    bool ClipToPane(const RECT& pane, const RECT& clip, int lineHeight, int& firstRow, int& lastRow);

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int width_ = 0, height_ = 0;
};

} // namespace corvex
