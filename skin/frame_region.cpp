// The window region of a skin with transparency: the opaque pixels of each frame
// piece, found once per skin load, placed wherever the piece is drawn.
#include "skin/skinned_frame.h"

#include <cstring>
#include <vector>

namespace {

// The first state of a piece as colours, read through a 32-bit DIB.
std::vector<skin::Rgb> ReadPixels(const CSkinBitmap& bitmap, skin::Size state)
{
    std::vector<skin::Rgb> pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = state.width;
    info.bmiHeader.biHeight = -state.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(bitmap.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = dib ? CreateCompatibleDC(bitmap.Dc()) : nullptr;
    if (dc && bits) {
        HGDIOBJ previous = SelectObject(dc, dib);
        BitBlt(dc, 0, 0, state.width, state.height, bitmap.Dc(), 0, 0, SRCCOPY);
        GdiFlush();
        const auto* quads = static_cast<const RGBQUAD*>(bits);
        const std::size_t count = static_cast<std::size_t>(state.width) * static_cast<std::size_t>(state.height);
        pixels.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            pixels.push_back(skin::Rgb{quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue});
        SelectObject(dc, previous);
    }
    if (dc)
        DeleteDC(dc);
    if (dib)
        DeleteObject(dib);
    return pixels;
}

HRGN RegionOf(const std::vector<skin::Rect>& rects)
{
    std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(rects.size());
    header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bounds = {0, 0, 0, 0};
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const RECT r = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        std::memcpy(data.data() + sizeof(RGNDATAHEADER) + i * sizeof(RECT), &r, sizeof r);
        UnionRect(&bounds, &bounds, &r);
    }
    header->rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

} // namespace

void CSkin::ComputePieceRegions()
{
    for (skin::FramePiece piece : skin::kAllFramePieces) {
        const int index = skin::PieceIndex(piece);
        const skin::Size state = description_.frame.pieceStates[index];
        pieceRegions_[index].clear();
        if (!bitmaps_[index].Loaded() || state.width <= 0 || state.height <= 0)
            continue;
        const std::vector<skin::Rgb> pixels = ReadPixels(bitmaps_[index], state);
        if (!pixels.empty())
            pieceRegions_[index] = skin::OpaqueRegionRects(state.width, state.height, pixels);
    }
}

void CSkin::BuildWindowRegion()
{
    HWND window = Window();
    if (!window)
        return;
    const std::vector<skin::Rect> rects =
        skin::WindowRegionRects(description_.frame.pieceStates, pieceRegions_, WindowSize());
    HRGN region = RegionOf(rects);
    if (region && !SetWindowRgn(window, region, TRUE))
        DeleteObject(region);
}

void CSkin::RefreshRegion()
{
    HWND window = Window();
    if (description_.general.useTransparency) {
        BuildWindowRegion();
        return;
    }
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    if (current && GetWindowRgn(window, current) != ERROR)
        SetWindowRgn(window, nullptr, TRUE);
    if (current)
        DeleteObject(current);
}
