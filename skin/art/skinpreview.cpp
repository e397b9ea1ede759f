// skinpreview: composes a picture of the main window in a skin, the way the frame code
// lays it out, so that the art can be looked at without Windows.
//   skinpreview <skin folder> <out.bmp> <width> <height> <active 0|1>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "skin/art/bmp_file.h"
#include "skin/art/canvas.h"
#include "skin/art/ini_file.h"
#include "skin/frame_buttons.h"
#include "skin/frame_geometry.h"
#include "skin/region_runs.h"
#include "skin/skin_keys.h"
#include "skin/three_slice.h"

namespace {

using art::Image;

void Copy(Image& to, const Image& from, int sx, int sy, int w, int h, int dx, int dy) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (sx + x >= 0 && sy + y >= 0 && sx + x < from.Width() && sy + y < from.Height())
                to.Set(dx + x, dy + y, from.Get(sx + x, sy + y));
}

void ThreeSlice(Image& to, const Image& strip, int row, int rows, int left, int right, int x, int y, int width) {
    const int h = strip.Height() / rows;
    for (const skin::SliceBlit& b : skin::ThreeSliceBlits(width, strip.Width(), left, right)) {
        const int w = std::min(b.width, width - b.destX);
        if (w > 0) Copy(to, strip, b.sourceX, row * h, w, h, x + b.destX, y);
    }
}

art::Colour ToColour(skin::Rgb c) { return art::Colour{float(c.r), float(c.g), float(c.b)}; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: skinpreview <skin folder> <out.bmp> <width> <height> <active 0|1>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const skin::Size window{std::atoi(argv[3]), std::atoi(argv[4])};
    const bool active = std::atoi(argv[5]) != 0;

    std::map<skin::SkinFile, Image> bitmaps;
    for (skin::SkinFile f : skin::RequiredSkinFiles()) bitmaps[f] = art::ReadBmp(folder + skin::SkinFileName(f));
    const art::IniFile ini = art::IniFile::FromFile(folder + "Skin.ini");
    skin::SkinEnvironment env;
    env.bitmapSize = [&](skin::SkinFile f) { return skin::Size{bitmaps[f].Width(), bitmaps[f].Height()}; };
    const skin::SkinReadResult read = skin::ReadSkinDescription(
        [&](const char* s, const char* k) { return ini.Get(s, k); }, env, skin::AllKeyGroups());
    for (const std::string& m : read.messages) std::fprintf(stderr, "message: %s\n", m.c_str());
    const skin::SkinDescription& d = read.description;
    const skin::FrameSizes& f = d.frame;

    const int menuWidth = 200;
    Image out(window.width + menuWidth + 30, std::max(window.height, 200), art::Hex(0x6E7F8F));
    Image win(window.width, window.height, art::Hex(0xFF00FF));
    win.FillRect(0, 0, window.width, window.height, bitmaps[skin::SkinFile::Background].Get(0, 0));

    // Frame: edges, then corners.
    for (const skin::PlacedPiece& p : skin::FramePaintOrder(f.pieceStates, window)) {
        const skin::Size s = f.pieceStates[skin::PieceIndex(p.piece)];
        const skin::Point src = skin::PieceSourceOrigin(p.piece, f.side, s, active);
        Copy(win, bitmaps[skin::FramePieceFile(p.piece)], src.x, src.y, s.width, s.height, p.destination.left,
             p.destination.top);
    }
    const skin::Margins& m = d.clientArea;
    const int cw = window.width - m.left - m.right, ch = window.height - m.top - m.bottom;
    auto clientX = [&](int x) { return m.left + x; };
    auto clientY = [&](int y) { return m.top + y; };
    // Menu bar: six buttons, the second one hot.
    const int menuButtons[] = {34, 36, 48, 66, 58, 36};
    int x = 0;
    for (int i = 0; i < 6; ++i) {
        ThreeSlice(win, bitmaps[skin::SkinFile::WindowMenu], i == 1 ? 2 : 0, 3, d.menu.windowMenuLeftWidth,
                   d.menu.windowMenuRightWidth, clientX(x), clientY(0), menuButtons[i]);
        x += menuButtons[i];
    }
    // Toolbar: sixteen cells, the fourth hot and the ninth pressed.
    const Image& toolbar = bitmaps[skin::SkinFile::Toolbar];
    const int cell = toolbar.Width() / 16, cellH = toolbar.Height() / 3;
    for (int i = 0; i < 16; ++i)
        Copy(win, toolbar, i * cell, (i == 3 ? 2 : i == 8 ? 1 : 0) * cellH, cell, cellH, clientX(i * cell), clientY(21));
    // Tabs at (0, 42), 20 high: the first selected, the second hovered.
    win.FillRect(clientX(0), clientY(42), clientX(cw), clientY(62), ToColour(d.tabs.back));
    const Image& tab = bitmaps[skin::SkinFile::Tab];
    for (int i = 0; i < 3; ++i)
        ThreeSlice(win, tab, i == 0 ? 1 : i == 1 ? 2 : 0, 3, d.tabs.leftWidth, d.tabs.rightWidth, clientX(2 + i * 112),
                   clientY(42), 110);
    // Editor with a line-number band.
    const skin::Margins& e = d.editor.windowMargins;
    const int statusH = bitmaps[skin::SkinFile::Statusbar].Height() - 2;
    win.FillRect(clientX(e.left), clientY(e.top), clientX(cw - e.right), clientY(ch - e.bottom),
                 d.editor.back ? ToColour(*d.editor.back) : art::Hex(0xFFFFFF));
    win.FillRect(clientX(e.left), clientY(e.top), clientX(e.left + 34), clientY(ch - e.bottom),
                 d.editor.lineNumbersBack ? ToColour(*d.editor.lineNumbersBack) : art::Hex(0xEEEEEE));
    // Status bar along the bottom of the client area.
    ThreeSlice(win, bitmaps[skin::SkinFile::Statusbar], 0, 1, d.statusbar.leftWidth, d.statusbar.rightWidth, clientX(0),
               clientY(ch - statusH), cw);
    // Frame buttons in their normal state.
    const skin::ButtonRects rects = skin::FrameButtonRects(d.buttons.positions, f.sysButtonState, f.menuButtonState,
                                                           window, skin::FrameButtonStyle{});
    for (int b = 0; b < skin::kFrameButtonCount; ++b) {
        const auto button = static_cast<skin::FrameButton>(b);
        const bool menu = button == skin::FrameButton::Menu;
        const skin::Size s = menu ? f.menuButtonState : f.sysButtonState;
        const skin::Point src = skin::ButtonSourceOrigin(button, skin::ButtonState::Normal, active, false, s,
                                                         menu ? f.menuExtraRows : f.sysExtraRows);
        Copy(win, bitmaps[menu ? skin::SkinFile::MenuButton : skin::SkinFile::SysButtons], src.x, src.y, s.width,
             s.height, rects[b]->left, rects[b]->top);
    }
    // The window region: outside it the desktop shows.
    if (d.general.useTransparency) {
        skin::PieceRegions regions;
        for (skin::FramePiece p : skin::kAllFramePieces) {
            const Image& bmp = bitmaps[skin::FramePieceFile(p)];
            const skin::Size s = f.pieceStates[skin::PieceIndex(p)];
            regions[skin::PieceIndex(p)] = skin::OpaqueRegionRects(s.width, s.height, [&](int px, int py) {
                const art::Colour c = bmp.Get(px, py);
                return skin::Rgb{std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b)};
            });
        }
        Image shaped(window.width, window.height, art::Hex(0x6E7F8F));
        for (const skin::Rect& r : skin::WindowRegionRects(f.pieceStates, regions, window))
            Copy(shaped, win, r.left, r.top, r.Width(), r.Height(), r.left, r.top);
        win = shaped;
    }
    Copy(out, win, 0, 0, window.width, window.height, 0, 0);

    // A popup menu: normal, selected, separator, checked rows.
    const Image& item = bitmaps[skin::SkinFile::MenuItem];
    const int ih = item.Height() / 2, mx = window.width + 20, my = 30;
    out.FillRect(mx - 1, my - 1, mx + menuWidth + 1, my + 6 * ih + 1, ToColour(d.menu.border));
    for (int i = 0; i < 6; ++i) {
        ThreeSlice(out, item, i == 2 ? 1 : 0, 2, d.menu.leftWidth, d.menu.rightWidth, mx, my + i * ih, menuWidth);
        if (i == 4) out.FillRect(mx + d.menu.text.x, my + i * ih + ih / 2, mx + menuWidth - 5, my + i * ih + ih / 2 + 1,
                                 ToColour(d.menu.textNormal));
        if (i == 1 || i == 2) {
            const Image& check = bitmaps[skin::SkinFile::MenuCheck];
            Copy(out, check, 0, (i == 2 ? 1 : 0) * check.Height() / 2, check.Width(), check.Height() / 2,
                 mx + d.menu.check.x, my + i * ih + d.menu.check.y);
        }
    }
    const std::vector<art::Pixel> pixels = art::Quantise(out);
    return art::WriteFile(argv[2], art::EncodeBmp(out.Width(), out.Height(), pixels)) ? 0 : 1;
}
