// CSkinBitmap: one bitmap of a skin, kept selected in its own memory device context
// so that drawing always blits straight from that context.
#pragma once

#include "skin/skin_scaling.h"

#include <windows.h>
#include <string>

class CSkinBitmap {
public:
    CSkinBitmap() = default;
    ~CSkinBitmap();
    CSkinBitmap(const CSkinBitmap&) = delete;
    CSkinBitmap& operator=(const CSkinBitmap&) = delete;

    // Each load releases what is held first; any failure leaves the slot empty and
    // answers false.
    bool LoadFromFile(const std::string& path);
    // The bitmap of a skin at `dpi`, made of `cells` (skin_scaling.h): scaled cell by cell
    // from `path`, or from its @2x file where skin::UsesDoubleBitmap says and the skin has one. At 96
    // DPI exactly LoadFromFile. Implemented in skin_bitmap_scaling.cpp.
    bool LoadForDpi(const std::string& path, int dpi, skin::CellLayout cells = {});
    bool LoadFromResource(HINSTANCE instance, int id);
    // A blank bitmap compatible with the display.
    bool CreateBlank(int width, int height);
    // Keeps the bitmap when the size is unchanged, else creates a new blank one.
    bool EnsureSize(int width, int height);
    void Release();

    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Loaded() const { return dc_ != nullptr; }
    // The size of the bitmap as the skin draws it for 96 DPI (the size of `name.bmp`):
    // the size itself unless it was loaded for another DPI.
    int DesignWidth() const { return designWidth_; }
    int DesignHeight() const { return designHeight_; }

private:
    bool Adopt(HBITMAP bitmap);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int designWidth_ = 0;
    int designHeight_ = 0;
};
