// A skin's bitmap at the window's DPI, made once when the skin is loaded, so that all the
// drawing code keeps copying pixels one for one from the scaled bitmap.
//
// The bitmap is cut into its cells (the rows of states, the columns of buttons; see
// skin_scaling.h) and each cell is scaled on its own into a cell of dpi::Scale(design
// cell) pixels:
// - by a whole factor (2x, 3x) by repeating pixels (StretchBlt, COLORONCOLOR), which is
//   exact and keeps edges crisp;
// - by any other factor (1.25x, 1.5x) with the smooth filter (HALFTONE, brush origin
//   set), from a copy of the cell alone, so that the filter never reads a neighbouring
//   state. Pixels of the see-through key colour stay exactly where repeating pixels puts
//   them, so the frame's window region and its see-through pixels keep their shape, and
//   the filter reads them as their nearest neighbours' colour, so that no key colour
//   bleeds into the edges beside them.
// From a factor of 2 on (but for odd whole factors, see skin::UsesDoubleBitmap),
// `name@2x.bmp` (drawn for 192 DPI) is the source when the skin has it, fitted to the same
// cells; a missing one is no error.
#include "skin/skin_bitmap.h"

#include "platform/dpi_scale.h"
#include "skin/skin_types.h"

#include <cstdint>
#include <vector>

namespace {

// A 32-bit top-down DIB section with its own memory context.
class PixelBuffer {
public:
    PixelBuffer(HDC like, int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        dc_ = bitmap_ ? CreateCompatibleDC(like) : nullptr;
        previous_ = dc_ ? SelectObject(dc_, bitmap_) : nullptr;
    }
    ~PixelBuffer()
    {
        if (dc_) {
            SelectObject(dc_, previous_);
            DeleteDC(dc_);
        }
        if (bitmap_)
            DeleteObject(bitmap_);
    }
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    bool Ready() const { return dc_ && bits_ && previous_; }
    HDC Dc() const { return dc_; }
    std::uint32_t* Pixels() const
    {
        GdiFlush();
        return static_cast<std::uint32_t*>(bits_);
    }
    std::size_t Count() const { return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_); }

private:
    int width_;
    int height_;
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

constexpr std::uint32_t kKeyPixel = 0x00FF00FF;  // magenta as a DIB's 0x00rrggbb

void Replicate(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
               int sourceWidth, int sourceHeight)
{
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, SRCCOPY);
}

// One cell with the smooth filter; key-colour pixels as repeating pixels places them.
void ScaleSmoothly(HDC target, const skin::Band& across, const skin::Band& down, HDC source)
{
    PixelBuffer cell(target, across.sourceLength, down.sourceLength);
    PixelBuffer smooth(target, across.length, down.length);
    PixelBuffer sharp(target, across.length, down.length);
    if (!cell.Ready() || !smooth.Ready() || !sharp.Ready()) {
        Replicate(target, across.start, down.start, across.length, down.length, source, across.sourceStart,
                  down.sourceStart, across.sourceLength, down.sourceLength);
        return;
    }
    BitBlt(cell.Dc(), 0, 0, across.sourceLength, down.sourceLength, source, across.sourceStart, down.sourceStart,
           SRCCOPY);
    Replicate(sharp.Dc(), 0, 0, across.length, down.length, cell.Dc(), 0, 0, across.sourceLength,
              down.sourceLength);
    skin::CoverKeyPixels(cell.Pixels(), across.sourceLength, down.sourceLength, kKeyPixel);
    SetStretchBltMode(smooth.Dc(), HALFTONE);
    SetBrushOrgEx(smooth.Dc(), 0, 0, nullptr);
    StretchBlt(smooth.Dc(), 0, 0, across.length, down.length, cell.Dc(), 0, 0, across.sourceLength,
               down.sourceLength, SRCCOPY);
    std::uint32_t* out = smooth.Pixels();
    const std::uint32_t* keys = sharp.Pixels();
    for (std::size_t i = 0; i < smooth.Count(); ++i)
        if ((keys[i] & 0x00FFFFFF) == kKeyPixel)
            out[i] = keys[i];
    BitBlt(target, across.start, down.start, across.length, down.length, smooth.Dc(), 0, 0, SRCCOPY);
}

} // namespace

bool CSkinBitmap::LoadForDpi(const std::string& path, int dpi, skin::CellLayout cells)
{
    if (dpi <= 0 || dpi == dpi::kDesignDpi)
        return LoadFromFile(path);
    Release();
    CSkinBitmap design;
    if (!design.LoadFromFile(path))
        return false;
    CSkinBitmap twice;
    const CSkinBitmap& source =
        skin::UsesDoubleBitmap(dpi) && twice.LoadFromFile(skin::DoubleBitmapPath(path)) ? twice : design;
    const std::vector<skin::Band> across = skin::ScaledBands(design.Width(), source.Width(), cells.columns, dpi);
    const std::vector<skin::Band> down = skin::ScaledBands(design.Height(), source.Height(), cells.rows, dpi);
    if (across.empty() || down.empty())
        return false;
    if (!CreateBlank(across.back().start + across.back().length, down.back().start + down.back().length))
        return false;
    for (const skin::Band& column : across)
        for (const skin::Band& row : down) {
            if (skin::ScalesByReplication(column, row))
                Replicate(dc_, column.start, row.start, column.length, row.length, source.Dc(), column.sourceStart,
                          row.sourceStart, column.sourceLength, row.sourceLength);
            else
                ScaleSmoothly(dc_, column, row, source.Dc());
        }
    designWidth_ = design.Width();
    designHeight_ = design.Height();
    return true;
}
