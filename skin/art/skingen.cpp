// skingen: draws the installed skins. `skingen <folder>` writes, for every skin, all the
// bitmaps a skin needs, their @2x versions for screens at 200 % (the same drawing at twice
// the pixels) and its Skin.ini into <folder>/<Name>/. The output is committed
// under skin/installed/, from where the build copies it into the program's Skin folder.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/art/bmp_file.h"
#include "skin/art/canvas.h"
#include "skin/art/skin_art.h"

namespace art {
namespace {

// --- Skin.ini ----------------------------------------------------------------------------

struct IniEntry {
    std::string section, key, value;
};

std::string Triple(Colour c) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d,%03d,%03d", int(c.r + 0.5f), int(c.g + 0.5f), int(c.b + 0.5f));
    return text;
}

std::string Fixed(std::vector<int> values) {
    std::string out;
    for (int v : values) {
        char text[8];
        std::snprintf(text, sizeof text, "%03d", v);
        out += (out.empty() ? "" : ",") + std::string(text);
    }
    return out;
}

std::string IniText(const std::vector<IniEntry>& entries) {
    std::string out, section;
    for (const IniEntry& e : entries) {
        if (e.section != section) {
            out += (out.empty() ? "[" : "\r\n[") + e.section + "]\r\n";
            section = e.section;
        }
        out += e.key + "=" + e.value + "\r\n";
    }
    return out;
}

// --- a skin ------------------------------------------------------------------------------

struct Captions {
    Colour active, activeShadow, inactive, inactiveShadow;
    std::string position;
    int x = 0, y = 0;
};

struct MenuColours {
    Colour border, border2, textNormal, textSelected, textDisabled;
};

struct EditorColours {
    Colour splitterBorder, splitter, highlight, text, back, leftMargin, lineNumbersBack, lineNumbers;
};

struct SkinArt {
    std::string name, about;
    Theme theme;
    Layout layout;
    Captions caption;
    MenuColours menu;
    EditorColours editor;
    Colour tabText, tabTextSelected, statusText, tooltipText, tooltipBack;
    int minWidth = 420, minHeight = 300;
};

constexpr int kTemplateWidth = 240, kTemplateHeight = 200;

std::vector<IniEntry> SkinIni(const SkinArt& s) {
    const Layout& l = s.layout;
    const Theme& t = s.theme;
    const std::string yes = "true", no = "false";
    return {
        {"Info", "Version", "1.0"},
        {"Info", "Name", s.name},
        {"Info", "Author", "The Quillet team"},
        {"Info", "Email", ""},
        {"Info", "URL", ""},
        {"Info", "About", s.about},
        {"TitleBar", "Position", l.side == BarSide::Top ? "top" : "left"},
        {"Buttons", "SysButtonsOnTbar", yes},
        {"Buttons", "MenuButtonOnTbar", yes},
        {"Buttons", "MinX", std::to_string(l.minX)},
        {"Buttons", "MinY", std::to_string(l.minY)},
        {"Buttons", "MaxX", std::to_string(l.maxX)},
        {"Buttons", "MaxY", std::to_string(l.maxY)},
        {"Buttons", "CloseX", std::to_string(l.closeX)},
        {"Buttons", "CloseY", std::to_string(l.closeY)},
        {"Buttons", "MenuX", std::to_string(l.menuX)},
        {"Buttons", "MenuY", std::to_string(l.menuY)},
        {"Caption", "Text", "Quillet"},
        {"Caption", "TextPosition", s.caption.position},
        {"Caption", "TextX", std::to_string(s.caption.x)},
        {"Caption", "TextY", std::to_string(s.caption.y)},
        {"Caption", "ActiveColour", Triple(s.caption.active)},
        {"Caption", "ActiveShadowColour", Triple(s.caption.activeShadow)},
        {"Caption", "InActiveColour", Triple(s.caption.inactive)},
        {"Caption", "InActiveShadowColour", Triple(s.caption.inactiveShadow)},
        {"Caption", "Font", "Tahoma"},
        {"Caption", "FontSize", "8"},
        {"Caption", "FontBold", yes},
        {"General", "UseTransparency", l.transparent ? yes : no},
        {"General", "StatusFont", "Tahoma"},
        {"General", "StatusFontSize", "8"},
        {"General", "StatusFontBold", no},
        {"General", "StatusPosition", "aligntopleft"},
        {"General", "StatusX", "0"},
        {"General", "StatusY", "0"},
        {"General", "StatusFontColour", Triple(s.statusText)},
        {"General", "MinSkinSize", Fixed({s.minWidth, s.minHeight})},
        {"Editor", "EditorWindowSize", Fixed({0, l.band + 20, 0, 22})},
        {"Editor", "EditorSplitterBorderColour", Triple(s.editor.splitterBorder)},
        {"Editor", "EditorSplitterColour", Triple(s.editor.splitter)},
        {"Editor", "EditorHighlitedColour", Triple(s.editor.highlight)},
        {"Editor", "EditorTextColour", Triple(s.editor.text)},
        {"Editor", "EditorBackColour", Triple(s.editor.back)},
        {"Editor", "EditorLeftMarginColour", Triple(s.editor.leftMargin)},
        {"Editor", "EditorLineNumbersBackColour", Triple(s.editor.lineNumbersBack)},
        {"Editor", "EditorLineNumbersColour", Triple(s.editor.lineNumbers)},
        {"ClientArea", "Size", Fixed({l.left, l.top, l.right, l.bottom})},
        {"Tooltips", "TextColour", Triple(s.tooltipText)},
        {"Tooltips", "BackColour", Triple(s.tooltipBack)},
        {"Menu", "TextX", "30"},
        {"Menu", "TextY", "3"},
        {"Menu", "WindowMenuTextX", "6"},
        {"Menu", "WindowMenuTextY", "3"},
        {"Menu", "CheckX", std::to_string(kMenuCheckX)},
        {"Menu", "CheckY", std::to_string(kMenuCheckY)},
        {"Menu", "LeftWidth", std::to_string(kMenuItemLeft)},
        {"Menu", "RightWidth", std::to_string(kMenuItemRight)},
        {"Menu", "WindowMenuLeftWidth", std::to_string(kWindowMenuLeft)},
        {"Menu", "WindowMenuRightWidth", std::to_string(kWindowMenuRight)},
        {"Menu", "Border", Triple(s.menu.border)},
        {"Menu", "BackColour", Triple(t.menuBack)},
        {"Menu", "Border2", Triple(s.menu.border2)},
        {"Menu", "Selection", Triple(t.selectionStart)},
        {"Menu", "TextNormal", Triple(s.menu.textNormal)},
        {"Menu", "TextSelected", Triple(s.menu.textSelected)},
        {"Menu", "TextDisabled", Triple(s.menu.textDisabled)},
        {"Menu", "Font", "Tahoma"},
        {"Menu", "FontSize", "8"},
        {"Menu", "FontBold", no},
        {"Tabs", "LeftWidth", std::to_string(kTabLeft)},
        {"Tabs", "RightWidth", std::to_string(kTabRight)},
        {"Tabs", "BackColour", Triple(t.bandEnd)},
        {"Tabs", "TextNormal", Triple(s.tabText)},
        {"Tabs", "TextSelected", Triple(s.tabTextSelected)},
        {"Tabs", "Font", "Tahoma"},
        {"Tabs", "FontSize", "8"},
        {"Tabs", "FontBold", no},
        {"Tabs", "TextX", "9"},
        {"Tabs", "TextY", "4"},
        {"Statusbar", "LeftWidth", std::to_string(kStatusLeft)},
        {"Statusbar", "RightWidth", std::to_string(kStatusRight)},
        {"Statusbar", "TextNormal", Triple(s.statusText)},
        {"Statusbar", "Font", "Tahoma"},
        {"Statusbar", "FontSize", "8"},
        {"Statusbar", "FontBold", no},
    };
}

// --- frame pieces ------------------------------------------------------------------------

struct NamedImage {
    std::string file;
    Image image;
};

// Cuts the eight pieces out of an active and an inactive frame template. Pieces on the
// title-bar side hold both states: stacked for a top bar, side by side for a left one.
std::vector<NamedImage> FramePieces(const Layout& l, const Image& active, const Image& inactive) {
    const int w = active.Width(), h = active.Height();
    const int topH = TopPieceHeight(l), midX = w / 2, midY = (topH + h - l.bottom) / 2;
    const bool top = l.side == BarSide::Top;
    auto both = [&](int x, int y, int cw, int ch, bool titleSide) {
        if (!titleSide) return active.Crop(x, y, cw, ch);
        const std::vector<Image> states{active.Crop(x, y, cw, ch), inactive.Crop(x, y, cw, ch)};
        return top ? StackVertically(states) : StackHorizontally(states);
    };
    const int leftCorner = top ? l.corner : l.left;
    return {
        {"top left.bmp", both(0, 0, leftCorner, topH, true)},
        {"top.bmp", both(midX, 0, l.tile, topH, top)},
        {"top right.bmp", both(w - l.corner, 0, l.corner, topH, top)},
        {"left.bmp", both(0, midY, l.left, l.tile, !top)},
        {"right.bmp", both(w - l.right, midY, l.right, l.tile, false)},
        {"bottom left.bmp", both(0, h - l.bottom, leftCorner, l.bottom, !top)},
        {"bottom.bmp", both(midX, h - l.bottom, l.tile, l.bottom, false)},
        {"bottom right.bmp", both(w - l.corner, h - l.bottom, l.corner, l.bottom, false)},
    };
}

// Pixels of the background key colour in a frame piece would be left out when the frame
// is copied to the screen; move them one step off it.
std::vector<Pixel> AvoidingKey(std::vector<Pixel> pixels, Pixel key) {
    for (Pixel& p : pixels)
        if (p == key) p.b = std::uint8_t(p.b < 255 ? p.b + 1 : p.b - 1);
    return pixels;
}

bool Write(const std::filesystem::path& folder, const NamedImage& art, const Pixel* key) {
    std::vector<Pixel> pixels = Quantise(art.image);
    if (key) pixels = AvoidingKey(std::move(pixels), *key);
    return WriteFile((folder / art.file).string(), EncodeBmp(art.image.PixelWidth(), art.image.PixelHeight(), pixels));
}

// "name@2x.bmp" for "name.bmp".
std::string DoubleName(const std::string& file) { return file.substr(0, file.size() - 4) + "@2x.bmp"; }

// Every bitmap of the skin but the background, drawn at the current pixel scale and written
// under its own name at a scale of 1, under its @2x name at 2.
bool WriteBitmaps(const std::filesystem::path& folder, const SkinArt& s, const Pixel& key) {
    const Theme& t = s.theme;
    const Layout& l = s.layout;
    const bool twice = CurrentPixelScale() == 2;
    const auto named = [twice](NamedImage art) {
        if (twice) art.file = DoubleName(art.file);
        return art;
    };
    const Image active = RenderFrame(t, l, true, kTemplateWidth, kTemplateHeight);
    const Image inactive = RenderFrame(t, l, false, kTemplateWidth, kTemplateHeight);
    bool ok = true;
    for (const NamedImage& piece : FramePieces(l, active, inactive)) ok = Write(folder, named(piece), &key) && ok;
    const std::vector<NamedImage> others{
        {"sys buttons.bmp", SysButtonStrip(t, l, active, inactive)},
        {"menu button.bmp", MenuButtonStrip(t, l, active, inactive)},
        {"toolbar.bmp", ToolbarStrip(t, l, active)},
        {"window menu.bmp", WindowMenuStrip(t, l, active)},
        {"menu item.bmp", MenuItemStrip(t)},
        {"menu check.bmp", MenuCheckStrip(t)},
        {"tab.bmp", TabStrip(t)},
        {"tab buttons.bmp", TabButtonStrip(t)},
        {"statusbar.bmp", StatusbarStrip(t)},
        {"v scrollbar.bmp", ScrollbarArt(t, true)},
        {"h scrollbar.bmp", ScrollbarArt(t, false)},
    };
    for (const NamedImage& art : others) ok = Write(folder, named(art), nullptr) && ok;
    return ok;
}

bool WriteSkin(const std::filesystem::path& root, const SkinArt& s) {
    const std::filesystem::path folder = root / s.name;
    std::filesystem::create_directories(folder);
    const Image background(8, 8, BackgroundKey(s.theme));
    const Pixel key = Quantise(background)[0];

    bool ok = Write(folder, NamedImage{"background.bmp", background}, nullptr);
    ok = WriteBitmaps(folder, s, key) && ok;
    {
        // The same art for screens at 200 %: the background is only a colour and has none.
        const PixelScale twice(2);
        ok = WriteBitmaps(folder, s, key) && ok;
    }
    const std::string ini = IniText(SkinIni(s));
    ok = WriteFile((folder / "Skin.ini").string(), std::vector<std::uint8_t>(ini.begin(), ini.end())) && ok;
    return ok;
}

// --- the installed skins -----------------------------------------------------------------

// Quillblue, the default: a deep blue title bar over a light, airy band.
SkinArt Quillblue() {
    SkinArt s;
    s.name = "Quillblue";
    s.about = "The default Quillet skin: a clear blue frame over a light band.";
    Theme& t = s.theme;
    t.outline = Hex(0x0F2D63);
    t.borderOuter = Hex(0x1B4A9C);
    t.borderInner = Hex(0x3F7BD6);
    t.titleStart = Hex(0x4A8BE8);
    t.titleEnd = Hex(0x1F56B8);
    t.inactiveTitleStart = Hex(0x9DB3D3);
    t.inactiveTitleEnd = Hex(0x7C94B9);
    t.bandStart = Hex(0xF4F8FE);
    t.bandEnd = Hex(0xD6E4F6);
    t.bandHighlight = Hex(0xFFFFFF);
    t.buttonInk = Hex(0xFFFFFF);
    t.buttonShadow = Hex(0x0E2C66);
    t.closeStart = Hex(0xE8776B);
    t.closeEnd = Hex(0xC0392B);
    t.hotStart = Hex(0xFFF6DA);
    t.hotEnd = Hex(0xFFE3A3);
    t.hotBorder = Hex(0xE3B552);
    t.pressedStart = Hex(0xF6C87A);
    t.pressedEnd = Hex(0xF0B04A);
    t.pressedBorder = Hex(0xB98320);
    t.menuBack = Hex(0xFFFFFF);
    t.gutterStart = Hex(0xF3F7FD);
    t.gutterEnd = Hex(0xDDE8F7);
    t.gutterLine = Hex(0xC4D5EE);
    t.selectionStart = Hex(0xE3EEFC);
    t.selectionEnd = Hex(0xC6DBF7);
    t.selectionBorder = Hex(0x7FA6DE);
    t.checkInk = Hex(0x1F56B8);
    t.tabStart = Hex(0xEAF1FB);
    t.tabEnd = Hex(0xCCDCF2);
    t.tabBorder = Hex(0x98B4DB);
    t.tabSelectedStart = Hex(0xFFFFFF);
    t.tabSelectedEnd = Hex(0xF5F9FE);
    t.tabSelectedBorder = Hex(0x6F97D2);
    t.tabAccent = Hex(0x3574D4);
    t.tabHoverStart = Hex(0xF7FAFF);
    t.tabHoverEnd = Hex(0xDCE8F8);
    t.statusStart = Hex(0xE9F0FA);
    t.statusEnd = Hex(0xCBDBF1);
    t.statusLine = Hex(0xA6BFE2);
    t.gripDot = Hex(0x7F9CC8);
    s.caption = {Hex(0xFFFFFF), Hex(0x0E2C66), Hex(0xEEF3FA), Hex(0x5D7397), "alignleft", 30, 7};
    s.menu = {Hex(0x7F9ECB), Hex(0xC4D5EE), Hex(0x1A2B45), Hex(0x0B2A5C), Hex(0x9AA6B8)};
    s.editor = {Hex(0x98B4DB), Hex(0xD6E4F6), Hex(0xE2ECFA), Hex(0x1A1F29), Hex(0xFFFFFF),
                Hex(0xF4F8FE), Hex(0xEAF1FB), Hex(0x6D86AE)};
    s.tabText = Hex(0x2A3F60);
    s.tabTextSelected = Hex(0x0B2A5C);
    s.statusText = Hex(0x233A5E);
    s.tooltipText = Hex(0x1A2B45);
    s.tooltipBack = Hex(0xF4F8FE);
    return s;
}

// Graphite: the title bar runs down the left side, dark slate with an amber accent.
SkinArt Graphite() {
    SkinArt s;
    s.name = "Graphite";
    s.about = "A slate frame with its title bar down the left side.";
    Theme& t = s.theme;
    t.outline = Hex(0x17191D);
    t.borderOuter = Hex(0x2B2F36);
    t.borderInner = Hex(0x4A505A);
    t.titleStart = Hex(0x434955);
    t.titleEnd = Hex(0x272B32);
    t.inactiveTitleStart = Hex(0x8D929B);
    t.inactiveTitleEnd = Hex(0x70757E);
    t.titleGloss = 0.10f;
    t.bandStart = Hex(0xF5F5F6);
    t.bandEnd = Hex(0xDCDEE2);
    t.bandHighlight = Hex(0xFFFFFF);
    t.buttonInk = Hex(0xF2F2F2);
    t.buttonShadow = Hex(0x0C0D10);
    t.closeStart = Hex(0xF0A35A);
    t.closeEnd = Hex(0xD4761E);
    t.hotStart = Hex(0xFFF1DF);
    t.hotEnd = Hex(0xFFDDB3);
    t.hotBorder = Hex(0xE0A35C);
    t.pressedStart = Hex(0xF7C38A);
    t.pressedEnd = Hex(0xEFA65A);
    t.pressedBorder = Hex(0xB8772E);
    t.menuBack = Hex(0xFCFCFC);
    t.gutterStart = Hex(0xF2F2F3);
    t.gutterEnd = Hex(0xE0E1E4);
    t.gutterLine = Hex(0xCFD1D6);
    t.selectionStart = Hex(0xFFF1DF);
    t.selectionEnd = Hex(0xFFDDB3);
    t.selectionBorder = Hex(0xE0A35C);
    t.checkInk = Hex(0xC0661A);
    t.tabStart = Hex(0xEDEEF0);
    t.tabEnd = Hex(0xD3D6DB);
    t.tabBorder = Hex(0xA6ABB4);
    t.tabSelectedStart = Hex(0xFFFFFF);
    t.tabSelectedEnd = Hex(0xF7F7F8);
    t.tabSelectedBorder = Hex(0x7E8591);
    t.tabAccent = Hex(0xE08A2E);
    t.tabHoverStart = Hex(0xFAFAFB);
    t.tabHoverEnd = Hex(0xE3E5E9);
    t.statusStart = Hex(0xEBECEE);
    t.statusEnd = Hex(0xD2D5DA);
    t.statusLine = Hex(0xAFB4BC);
    t.gripDot = Hex(0x8A909A);
    Layout& l = s.layout;
    l.side = BarSide::Left;
    l.left = 26;
    l.top = 4;
    l.sysButtonWidth = 20;
    l.sysButtonHeight = 18;
    l.menuX = 4, l.menuY = 6;
    l.closeX = 3, l.closeY = 32;
    l.maxX = 3, l.maxY = 52;
    l.minX = 3, l.minY = 72;
    s.caption = {Hex(0xF4F4F4), Hex(0x0C0D10), Hex(0xF0F1F3), Hex(0x55595F), "aligncenter", 6, 0};
    s.menu = {Hex(0x8E939C), Hex(0xCFD1D6), Hex(0x1E2024), Hex(0x3A2508), Hex(0xA0A4AB)};
    s.editor = {Hex(0xA6ABB4), Hex(0xDCDEE2), Hex(0xFFF3E3), Hex(0x1E2024), Hex(0xFFFFFF),
                Hex(0xF5F5F6), Hex(0xEDEEF0), Hex(0x8A909A)};
    s.tabText = Hex(0x33373E);
    s.tabTextSelected = Hex(0x1E2024);
    s.statusText = Hex(0x2E3238);
    s.tooltipText = Hex(0xF2F2F2);
    s.tooltipBack = Hex(0x33373E);
    s.minWidth = 440;
    return s;
}

// Pebble: a sea-green frame with round corners and round buttons, cut out of the window
// by magenta.
SkinArt Pebble() {
    SkinArt s;
    s.name = "Pebble";
    s.about = "Round corners and round buttons in sea green; the corners are see-through.";
    Theme& t = s.theme;
    t.outline = Hex(0x0D4A45);
    t.borderOuter = Hex(0x187067);
    t.borderInner = Hex(0x2E9A8D);
    t.titleStart = Hex(0x3DBBA8);
    t.titleEnd = Hex(0x16796E);
    t.inactiveTitleStart = Hex(0xA4C9C3);
    t.inactiveTitleEnd = Hex(0x82A9A3);
    t.titleGloss = 0.22f;
    t.bandStart = Hex(0xF3FBF9);
    t.bandEnd = Hex(0xD3ECE7);
    t.bandHighlight = Hex(0xFFFFFF);
    t.buttonInk = Hex(0xFFFFFF);
    t.buttonShadow = Hex(0x0B3F3A);
    t.closeStart = Hex(0xF58C76);
    t.closeEnd = Hex(0xD9553C);
    t.hotStart = Hex(0xE9FAF6);
    t.hotEnd = Hex(0xC4EEE5);
    t.hotBorder = Hex(0x5DBFAE);
    t.pressedStart = Hex(0xB5E4DA);
    t.pressedEnd = Hex(0x8FD3C5);
    t.pressedBorder = Hex(0x3A9D8D);
    t.menuBack = Hex(0xFFFFFF);
    t.gutterStart = Hex(0xF1FAF8);
    t.gutterEnd = Hex(0xDAF0EB);
    t.gutterLine = Hex(0xBFE1DA);
    t.selectionStart = Hex(0xE4F7F3);
    t.selectionEnd = Hex(0xC4EEE5);
    t.selectionBorder = Hex(0x5DBFAE);
    t.checkInk = Hex(0x16796E);
    t.tabStart = Hex(0xE8F6F3);
    t.tabEnd = Hex(0xCAE6E0);
    t.tabBorder = Hex(0x8CC6BB);
    t.tabSelectedStart = Hex(0xFFFFFF);
    t.tabSelectedEnd = Hex(0xF6FCFB);
    t.tabSelectedBorder = Hex(0x55AA9C);
    t.tabAccent = Hex(0x22998A);
    t.tabHoverStart = Hex(0xF6FCFB);
    t.tabHoverEnd = Hex(0xD9F0EB);
    t.statusStart = Hex(0xE6F5F2);
    t.statusEnd = Hex(0xC8E6E0);
    t.statusLine = Hex(0x9CCFC5);
    t.gripDot = Hex(0x6FAFA3);
    Layout& l = s.layout;
    l.left = 6, l.top = 30, l.right = 6, l.bottom = 6;
    l.corner = 20;
    l.transparent = true;
    l.topRadius = 14;
    l.bottomRadius = 6;
    l.roundButtons = true;
    l.sysButtonWidth = 18, l.sysButtonHeight = 18, l.menuButtonSize = 18;
    l.closeX = -12, l.closeY = 6;
    l.maxX = -34, l.maxY = 6;
    l.minX = -56, l.minY = 6;
    l.menuX = 12, l.menuY = 6;
    s.caption = {Hex(0xFFFFFF), Hex(0x0B3F3A), Hex(0xF2F8F7), Hex(0x5E8580), "aligncenter", 0, 8};
    s.menu = {Hex(0x6FAFA3), Hex(0xBFE1DA), Hex(0x14302C), Hex(0x0B3F3A), Hex(0x94A9A5)};
    s.editor = {Hex(0x8CC6BB), Hex(0xD3ECE7), Hex(0xE1F5F1), Hex(0x17211F), Hex(0xFFFFFF),
                Hex(0xF3FBF9), Hex(0xE8F6F3), Hex(0x5F9D93)};
    s.tabText = Hex(0x24453F);
    s.tabTextSelected = Hex(0x0B3F3A);
    s.statusText = Hex(0x1F423C);
    s.tooltipText = Hex(0x14302C);
    s.tooltipBack = Hex(0xF3FBF9);
    s.minWidth = 424;
    return s;
}

}  // namespace
}  // namespace art

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen <folder>\n");
        return 2;
    }
    bool ok = true;
    for (const art::SkinArt& skin : {art::Quillblue(), art::Graphite(), art::Pebble()}) {
        const bool written = art::WriteSkin(argv[1], skin);
        std::printf("%s: %s\n", skin.name.c_str(), written ? "written" : "FAILED");
        ok = ok && written;
    }
    return ok ? 0 : 1;
}
