// The installed skins, as committed: every file is there with a sound bitmap header, and
// every Skin.ini passes the loader's checks and key table without a single message and
// agrees with the sizes of its bitmaps.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "skin/art/ini_file.h"
#include "skin/frame_buttons.h"
#include "skin/frame_caption.h"
#include "skin/region_runs.h"
#include "skin/skin_keys.h"
#include "skin/three_slice.h"

namespace skin {
namespace {

const std::string kRoot = QUILLET_INSTALLED_SKINS;

struct Bitmap {
    Size size;
    std::vector<Rgb> pixels;  // row-major from the top
};

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
           (std::uint32_t(b[at + 3]) << 24);
}

// Reads a 24-bit uncompressed bottom-up bitmap, checking every header field on the way.
Bitmap ReadBitmap(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Bitmap bmp;
    EXPECT_GE(b.size(), 54u) << path;
    if (b.size() < 54) return bmp;
    EXPECT_EQ(b[0], 'B') << path;
    EXPECT_EQ(b[1], 'M') << path;
    EXPECT_EQ(Get32(b, 2), b.size()) << path;
    EXPECT_EQ(Get32(b, 10), 54u) << path;
    EXPECT_EQ(Get32(b, 14), 40u) << path;
    const std::int32_t w = std::int32_t(Get32(b, 18)), h = std::int32_t(Get32(b, 22));
    EXPECT_GT(w, 0) << path;
    EXPECT_GT(h, 0) << path;
    EXPECT_EQ(b[26] | (b[27] << 8), 1) << path;
    EXPECT_EQ(b[28] | (b[29] << 8), 24) << path;
    EXPECT_EQ(Get32(b, 30), 0u) << path;
    const std::size_t stride = (std::size_t(w) * 3 + 3) & ~std::size_t(3);
    EXPECT_EQ(b.size(), 54 + stride * std::size_t(h)) << path;
    if (w <= 0 || h <= 0 || b.size() != 54 + stride * std::size_t(h)) return bmp;
    bmp.size = Size{w, h};
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x) {
            const std::size_t at = 54 + stride * std::size_t(h - 1 - y) + std::size_t(x) * 3;
            bmp.pixels.push_back(Rgb{b[at + 2], b[at + 1], b[at]});
        }
    return bmp;
}

class InstalledSkin : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        folder_ = kRoot + "/" + GetParam() + "/";
        ini_ = art::IniFile::FromFile(folder_ + kSkinIniFileName);
        for (SkinFile f : RequiredSkinFiles())
            if (std::filesystem::exists(folder_ + SkinFileName(f))) bitmaps_[f] = ReadBitmap(folder_ + SkinFileName(f));
        env_.bitmapSize = [this](SkinFile f) { return bitmaps_[f].size; };
    }
    SkinLookup Lookup() const {
        return [this](const char* s, const char* k) { return ini_.Get(s, k); };
    }
    Size SizeOf(SkinFile f) { return bitmaps_[f].size; }

    std::string folder_;
    art::IniFile ini_;
    std::map<SkinFile, Bitmap> bitmaps_;
    SkinEnvironment env_;
};

TEST_P(InstalledSkin, PassesTheLoaderWithoutAMessage) {
    const auto exists = [this](const char* name) { return std::filesystem::exists(folder_ + name); };
    const std::optional<SkinRefusal> refusal = CheckSkinFolder(exists, Lookup());
    EXPECT_FALSE(refusal) << refusal->message;
    const SkinReadResult r = ReadSkinDescription(Lookup(), env_, AllKeyGroups());
    for (const std::string& m : r.messages) ADD_FAILURE() << m;
    // Every key is written out, and nothing else.
    for (const SkinKey& k : SkinKeyTable()) EXPECT_TRUE(ini_.Get(k.section, k.key)) << k.section << "/" << k.key;
    EXPECT_EQ(ini_.Size(), SkinKeyTable().size());
    EXPECT_EQ(r.description.info.name, GetParam());
    EXPECT_TRUE(r.description.frame.titleBarKeyword == "top" || r.description.frame.titleBarKeyword == "left");
    const std::string& caption = r.description.caption.position;
    EXPECT_TRUE(caption == "alignleft" || caption == "alignright" || caption == "aligncenter" ||
                caption == "aligntop" || caption == "alignbottom")
        << caption;
}

TEST_P(InstalledSkin, StripsDivideIntoTheirCellsAndEndsLeaveAMiddle) {
    const SkinDescription d = ReadSkinDescription(Lookup(), env_, AllKeyGroups()).description;
    const FrameSizes& f = d.frame;
    for (FramePiece p : kAllFramePieces) {
        const Size state = f.pieceStates[PieceIndex(p)];
        const Size bmp = SizeOf(FramePieceFile(p));
        EXPECT_GT(state.width, 0);
        EXPECT_GT(state.height, 0);
        if (!PieceHasInactiveState(p, f.side)) continue;
        if (f.side == TitleBarSide::Top) EXPECT_EQ(state.height * 2, bmp.height);
        else EXPECT_EQ(state.width * 2, bmp.width);
    }
    EXPECT_EQ(SizeOf(SkinFile::SysButtons).width % 4, 0);
    EXPECT_EQ(SizeOf(SkinFile::SysButtons).height % (3 + f.sysExtraRows), 0);
    EXPECT_EQ(SizeOf(SkinFile::MenuButton).height % (3 + f.menuExtraRows), 0);
    // Toolbar and menu-bar buttons are 20 x 20.
    EXPECT_EQ(SizeOf(SkinFile::Toolbar).width, 16 * 20);
    EXPECT_EQ(SizeOf(SkinFile::Toolbar).height, 3 * 20);
    EXPECT_EQ(SizeOf(SkinFile::WindowMenu).height, 3 * 20);
    EXPECT_EQ(SizeOf(SkinFile::Tab).height % 3, 0);
    EXPECT_EQ(SizeOf(SkinFile::TabButtons).width % 2, 0);
    EXPECT_EQ(SizeOf(SkinFile::TabButtons).height % 3, 0);
    EXPECT_EQ(SizeOf(SkinFile::MenuItem).height % 2, 0);
    EXPECT_EQ(SizeOf(SkinFile::MenuCheck).height % 2, 0);
    EXPECT_GT(MiddleSliceWidth(SizeOf(SkinFile::MenuItem).width, d.menu.leftWidth, d.menu.rightWidth), 0);
    EXPECT_GT(MiddleSliceWidth(SizeOf(SkinFile::WindowMenu).width, d.menu.windowMenuLeftWidth,
                               d.menu.windowMenuRightWidth),
              0);
    EXPECT_GT(MiddleSliceWidth(SizeOf(SkinFile::Tab).width, d.tabs.leftWidth, d.tabs.rightWidth), 0);
    EXPECT_GT(MiddleSliceWidth(SizeOf(SkinFile::Statusbar).width, d.statusbar.leftWidth, d.statusbar.rightWidth), 0);
    // The check mark fits inside a menu item.
    EXPECT_LE(d.menu.check.y + SizeOf(SkinFile::MenuCheck).height / 2, SizeOf(SkinFile::MenuItem).height / 2);
}

TEST_P(InstalledSkin, FrameCoversTheNonClientStripsAndButtonsFitAtTheSmallestSize) {
    const SkinDescription d = ReadSkinDescription(Lookup(), env_, AllKeyGroups()).description;
    const PieceSizes& p = d.frame.pieceStates;
    const Margins& m = d.clientArea;
    EXPECT_LE(m.left, p[PieceIndex(FramePiece::Left)].width);
    EXPECT_LE(m.top, p[PieceIndex(FramePiece::Top)].height);
    EXPECT_LE(m.right, p[PieceIndex(FramePiece::Right)].width);
    EXPECT_LE(m.bottom, p[PieceIndex(FramePiece::Bottom)].height);
    // The status bar bitmap is tall enough for the editor's bottom margin.
    EXPECT_GE(SizeOf(SkinFile::Statusbar).height, d.editor.windowMargins.bottom);

    const Size smallest = d.general.minimumSize;
    EXPECT_GE(smallest.width, 16 * 20 + m.left + m.right);  // the whole toolbar shows
    const ButtonRects rects = FrameButtonRects(d.buttons.positions, d.frame.sysButtonState,
                                               d.frame.menuButtonState, smallest, FrameButtonStyle{});
    const Rect bar = d.frame.side == TitleBarSide::Top ? Rect{0, 0, smallest.width, m.top}
                                                       : Rect{0, 0, m.left, smallest.height};
    for (int a = 0; a < kFrameButtonCount; ++a) {
        ASSERT_TRUE(rects[a]);
        EXPECT_GE(rects[a]->left, bar.left);
        EXPECT_GE(rects[a]->top, bar.top);
        EXPECT_LE(rects[a]->right, bar.right);
        EXPECT_LE(rects[a]->bottom, bar.bottom);
        for (int b = a + 1; b < kFrameButtonCount; ++b) {
            ASSERT_TRUE(rects[b]);
            const bool apart = rects[a]->right <= rects[b]->left || rects[b]->right <= rects[a]->left ||
                               rects[a]->bottom <= rects[b]->top || rects[b]->bottom <= rects[a]->top;
            EXPECT_TRUE(apart) << a << " and " << b;
        }
    }
}

TEST_P(InstalledSkin, TransparencyCutsTheCornersAndNoPieceUsesTheBackgroundKey) {
    const SkinDescription d = ReadSkinDescription(Lookup(), env_, AllKeyGroups()).description;
    const Rgb key = bitmaps_[SkinFile::Background].pixels.at(0);
    PieceRegions regions;
    std::int64_t seeThrough = 0;
    for (FramePiece piece : kAllFramePieces) {
        const Bitmap& bmp = bitmaps_[FramePieceFile(piece)];
        for (const Rgb& px : bmp.pixels) {
            EXPECT_NE(px, key) << SkinFileName(FramePieceFile(piece));
            seeThrough += px == kTransparentKey;
        }
        const Size s = d.frame.pieceStates[PieceIndex(piece)];
        regions[PieceIndex(piece)] = OpaqueRegionRects(
            s.width, s.height, [&](std::int32_t x, std::int32_t y) { return bmp.pixels[std::size_t(y * bmp.size.width + x)]; });
    }
    if (!d.general.useTransparency) {
        EXPECT_EQ(seeThrough, 0);
        return;
    }
    EXPECT_GT(seeThrough, 0);
    // The window's top-left pixel is cut, its middle is not.
    const Size window = d.general.minimumSize;
    bool corner = false, middle = false;
    for (const Rect& r : WindowRegionRects(d.frame.pieceStates, regions, window)) {
        corner = corner || r.Contains(Point{0, 0});
        middle = middle || r.Contains(Point{window.width / 2, window.height / 2});
    }
    EXPECT_FALSE(corner);
    EXPECT_TRUE(middle);
}

INSTANTIATE_TEST_SUITE_P(Skins, InstalledSkin, ::testing::Values("Quillblue", "Graphite", "Pebble"));

}  // namespace
}  // namespace skin
