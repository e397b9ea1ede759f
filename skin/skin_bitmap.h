// CSkinBitmap: one bitmap of a skin, kept selected in its own memory device context
// so that drawing always blits straight from that context.
#pragma once

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

private:
    bool Adopt(HBITMAP bitmap);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
