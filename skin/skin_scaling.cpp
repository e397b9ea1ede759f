#include "skin/skin_scaling.h"

#include "platform/dpi_scale.h"

#include <cstddef>

namespace skin {

namespace {

void Scale(std::int32_t& length, int dpi) { length = dpi::Scale(length, dpi); }
void Scale(Point& p, int dpi) {
    Scale(p.x, dpi);
    Scale(p.y, dpi);
}
void Scale(Size& s, int dpi) {
    Scale(s.width, dpi);
    Scale(s.height, dpi);
}
void Scale(Margins& m, int dpi) {
    Scale(m.left, dpi);
    Scale(m.top, dpi);
    Scale(m.right, dpi);
    Scale(m.bottom, dpi);
}

}  // namespace

SkinDescription ScaledDescription(const SkinDescription& design, int dpi) {
    SkinDescription d = design;
    if (dpi <= 0 || dpi == dpi::kDesignDpi) return d;
    for (Size& state : d.frame.pieceStates) Scale(state, dpi);
    Scale(d.frame.sysButtonState, dpi);
    Scale(d.frame.menuButtonState, dpi);
    ButtonPositions& b = d.buttons.positions;
    Scale(b.minimise, dpi), Scale(b.maximise, dpi), Scale(b.close, dpi), Scale(b.menu, dpi);
    Scale(d.caption.offset, dpi);
    Scale(d.general.statusText.offset, dpi);
    Scale(d.general.minimumSize, dpi);
    Scale(d.editor.windowMargins, dpi);
    Scale(d.clientArea, dpi);
    MenuDescription& m = d.menu;
    Scale(m.text, dpi), Scale(m.windowMenuText, dpi), Scale(m.check, dpi);
    Scale(m.leftWidth, dpi), Scale(m.rightWidth, dpi);
    Scale(m.windowMenuLeftWidth, dpi), Scale(m.windowMenuRightWidth, dpi);
    Scale(d.tabs.leftWidth, dpi), Scale(d.tabs.rightWidth, dpi);
    Scale(d.tabs.text, dpi);
    Scale(d.statusbar.leftWidth, dpi), Scale(d.statusbar.rightWidth, dpi);
    return d;
}

std::vector<Band> ScaledBands(std::int32_t designLength, std::int32_t sourceLength, int count, int dpi) {
    std::vector<Band> bands;
    if (designLength <= 0 || sourceLength <= 0) return bands;
    if (count < 1) count = 1;
    const std::int32_t designCell = designLength / count;
    const std::int32_t sourceCell = sourceLength / count;
    if (designCell <= 0 || sourceCell <= 0) {
        bands.push_back(Band{0, sourceLength, 0, dpi::Scale(designLength, dpi)});
        return bands;
    }
    const std::int32_t cell = dpi::Scale(designCell, dpi);
    for (int i = 0; i < count; ++i) bands.push_back(Band{i * sourceCell, sourceCell, i * cell, cell});
    return bands;
}

std::int32_t ScaledLength(std::int32_t designLength, int count, int dpi) {
    const std::vector<Band> bands = ScaledBands(designLength, designLength, count, dpi);
    return bands.empty() ? 0 : bands.back().start + bands.back().length;
}

bool UsesDoubleBitmap(int dpi) {
    // At an odd whole factor (300 %) the 96-DPI bitmap repeated stays crisp, where the
    // @2x one would be smoothed by 1.5.
    const bool oddWholeFactor = dpi % dpi::kDesignDpi == 0 && (dpi / dpi::kDesignDpi) % 2 == 1;
    return dpi >= 2 * dpi::kDesignDpi && !oddWholeFactor;
}

std::string DoubleBitmapPath(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + "@2x";
    return path.substr(0, dot) + "@2x" + path.substr(dot);
}

bool ScalesByReplication(const Band& across, const Band& down) {
    return across.sourceLength > 0 && down.sourceLength > 0 && across.length % across.sourceLength == 0 &&
           down.length % down.sourceLength == 0;
}

namespace {

bool IsKey(std::uint32_t pixel, std::uint32_t key) { return ((pixel ^ key) & 0x00FFFFFFu) == 0; }

// Covers the key pixels of one line (`count` pixels `step` apart) from their nearest
// neighbours on the line; false when the line holds key pixels only.
bool CoverLine(std::uint32_t* first, int count, std::ptrdiff_t step, std::uint32_t key) {
    int previous = -1;  // the last pixel that is not the key colour
    for (int i = 0; i < count; ++i) {
        if (IsKey(first[i * step], key)) continue;
        // The key pixels before this one: the nearer half from the previous one, the rest
        // from this one (all from this one at the start of the line).
        const int from = previous + 1;
        for (int k = from; k < i; ++k) {
            const bool nearerPrevious = previous >= 0 && k - previous <= i - k;
            first[k * step] = first[(nearerPrevious ? previous : i) * step];
        }
        previous = i;
    }
    if (previous < 0) return false;
    for (int k = previous + 1; k < count; ++k) first[k * step] = first[previous * step];
    return true;
}

}  // namespace

void CoverKeyPixels(std::uint32_t* pixels, int width, int height, std::uint32_t key) {
    if (!pixels || width <= 0 || height <= 0) return;
    bool any = false;
    for (int y = 0; y < height; ++y)
        any = CoverLine(pixels + static_cast<std::ptrdiff_t>(y) * width, width, 1, key) || any;
    if (!any) return;
    // Rows of key pixels only: from the nearest covered row above or below, per column.
    for (int x = 0; x < width; ++x) CoverLine(pixels + x, height, width, key);
}

}  // namespace skin
