#include "skin/skin_bitmap.h"

#include "platform/ansi_text.h"
#include "skin/bitmap_file_check.h"

#include <fstream>
#include <iterator>

namespace {

// Only whole bitmap files reach the system's loader.
bool HoldsWholeBitmap(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return skin::IsCompleteBitmapFile(bytes);
}

} // namespace

CSkinBitmap::~CSkinBitmap() { Release(); }

bool CSkinBitmap::Adopt(HBITMAP bitmap)
{
    if (!bitmap)
        return false;
    BITMAP info = {};
    HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    HDC memory = display ? CreateCompatibleDC(display) : nullptr;
    HGDIOBJ previous = memory ? SelectObject(memory, bitmap) : nullptr;
    if (display)
        DeleteDC(display);
    if (!memory || !previous || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) {
        if (memory) {
            if (previous)
                SelectObject(memory, previous);
            DeleteDC(memory);
        }
        DeleteObject(bitmap);
        return false;
    }
    dc_ = memory;
    bitmap_ = bitmap;
    previous_ = previous;
    width_ = designWidth_ = info.bmWidth;
    height_ = designHeight_ = info.bmHeight;
    return true;
}

bool CSkinBitmap::LoadFromFile(const std::string& path)
{
    Release();
    if (!HoldsWholeBitmap(path))
        return false;
    return Adopt(static_cast<HBITMAP>(LoadImageW(nullptr, WidenAnsi(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
}

bool CSkinBitmap::LoadFromResource(HINSTANCE instance, int id)
{
    Release();
    return Adopt(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
}

bool CSkinBitmap::CreateBlank(int width, int height)
{
    Release();
    if (width <= 0 || height <= 0)
        return false;
    HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (!display)
        return false;
    HBITMAP bitmap = CreateCompatibleBitmap(display, width, height);
    DeleteDC(display);
    return Adopt(bitmap);
}

bool CSkinBitmap::EnsureSize(int width, int height)
{
    if (dc_ && width == width_ && height == height_)
        return true;
    return CreateBlank(width, height);
}

void CSkinBitmap::Release()
{
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    width_ = height_ = 0;
    designWidth_ = designHeight_ = 0;
}
