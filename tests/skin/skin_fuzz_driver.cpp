#include "tests/skin/skin_fuzz_driver.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "skin/frame_caption.h"
#include "skin/frame_hit_test.h"
#include "skin/region_runs.h"
#include "skin/skin_keys.h"
#include "skin/skin_values.h"
#include "skin/three_slice.h"

namespace skin::testing {

namespace {

// Reads the input as a stream of numbers and strings.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int32_t Int() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
        return std::int32_t(v);
    }
    // A number kept to the given magnitude, for window sizes that the loops walk over.
    std::int32_t Bounded(std::int32_t limit) { return std::int32_t(std::uint32_t(Int()) % std::uint32_t(limit)); }
    std::string Text() {
        const std::size_t length = Byte() % 24;
        std::string s;
        for (std::size_t i = 0; i < length && pos_ < size_; ++i) s += char(Byte());
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

void FuzzSkinInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);

    const std::string probe = in.Text();
    (void)LeadingInteger(probe);
    (void)ParseFontWeight(probe);
    (void)ParseKeyword(probe);
    const ColourValue colour = ParseColourTriple(probe);
    Check((colour.status == FixedStatus::Parsed) == (probe.size() == 11));
    Check((colour.status == FixedStatus::Empty) == probe.empty());
    (void)ParseSizePair(probe);
    (void)ParseSizeQuad(probe);

    // Every key gets a value from the input (or none), every bitmap a size.
    std::vector<std::string> values;
    for (std::size_t i = 0; i < SkinKeyTable().size(); ++i) values.push_back(in.Text());
    std::vector<Size> bitmaps;
    for (int i = 0; i < kSkinFileCount; ++i) bitmaps.push_back(Size{in.Int() % 5000, in.Int() % 5000});
    SkinLookup lookup = [&](const char* section, const char* key) -> std::optional<std::string> {
        const auto& table = SkinKeyTable();
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (std::string(table[i].section) == section && std::string(table[i].key) == key) {
                if (values[i].size() == 1) return std::nullopt;
                return values[i];
            }
        }
        return std::nullopt;
    };
    SkinEnvironment env;
    env.bitmapSize = [&](SkinFile f) { return bitmaps[std::size_t(f)]; };
    const SkinReadResult read = ReadSkinDescription(lookup, env, AllKeyGroups());
    Check(read.messages.size() <= SkinKeyTable().size());
    const SkinDescription& d = read.description;

    // The frame at a window size from the input.
    const Size window{in.Bounded(3000), in.Bounded(3000)};
    const PieceSizes& pieces = d.frame.pieceStates;
    const std::vector<PlacedPiece> paint = FramePaintOrder(pieces, window);
    Check(paint.size() == FrameRegionOrder(pieces, window).size());
    HitTestFrame frame;
    frame.window = window;
    frame.clientArea = d.clientArea;
    frame.pieces = pieces;
    frame.side = d.frame.side;
    frame.buttons = FrameButtonRects(d.buttons.positions, d.frame.sysButtonState, d.frame.menuButtonState, window,
                                     FrameButtonStyle{});
    const int hit = FrameHitTest(frame, Point{in.Int(), in.Int()});
    Check(hit >= kHitNowhere && hit <= kHitMenuButton);
    (void)CaptionTextOrigin(ParseCaptionAlignment(d.caption.position), d.frame.side, window,
                            Size{in.Int(), in.Int()}, d.caption.offset);
    (void)ButtonSourceOrigin(FrameButton::MaxRestore, ButtonState::Hover, false, true, d.frame.sysButtonState,
                             d.frame.sysExtraRows);
    (void)FrameTrackingLimits(Rect{0, 0, window.width, window.height}, d.general.minimumSize);

    const std::int32_t itemWidth = in.Bounded(2000);
    const std::int32_t bitmapWidth = bitmaps[std::size_t(SkinFile::MenuItem)].width;
    for (const SliceBlit& b : ThreeSliceBlits(itemWidth, bitmapWidth, d.menu.leftWidth, d.menu.rightWidth)) {
        Check(b.width > 0 && b.sourceX >= 0 && b.sourceX + b.width <= bitmapWidth);
    }

    // A small piece whose pixels come from the input.
    const std::int32_t w = in.Byte() % 17, h = in.Byte() % 17;
    std::vector<Rgb> pixels;
    for (std::int32_t i = 0; i < w * h; ++i) pixels.push_back((in.Byte() & 1) ? kTransparentKey : Rgb{1, 2, 3});
    std::int64_t area = 0;
    for (const Rect& r : OpaqueRegionRects(w, h, pixels)) area += std::int64_t(r.Width()) * r.Height();
    std::int64_t opaque = 0;
    for (const Rgb& p : pixels) opaque += p != kTransparentKey;
    Check(area == opaque);
}

}  // namespace skin::testing
