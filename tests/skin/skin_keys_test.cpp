#include "skin/skin_keys.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/skin/map_lookup.h"

namespace skin {
namespace {

using testing::MapLookup;

// A skin whose bitmaps have the given sizes; the others are zero.
SkinEnvironment WithBitmaps(std::map<SkinFile, Size> sizes) {
    SkinEnvironment env;
    env.bitmapSize = [sizes](SkinFile f) {
        const auto it = sizes.find(f);
        return it == sizes.end() ? Size{} : it->second;
    };
    return env;
}

SkinReadResult ReadAll(const MapLookup& ini, const SkinEnvironment& env = {}) {
    return ReadSkinDescription(ini.Function(), env, AllKeyGroups());
}

TEST(SkinKeyTable, HoldsEveryKeyOnceWithAMessageExactlyForTheFixedWidthFormats) {
    std::set<std::string> names;
    for (const SkinKey& k : SkinKeyTable()) {
        EXPECT_TRUE(names.insert(std::string(k.section) + "/" + k.key).second) << k.section << "/" << k.key;
        const bool fixed = k.format == ValueFormat::ColourTriple || k.format == ValueFormat::SizePair ||
                           k.format == ValueFormat::SizeQuad;
        ASSERT_EQ(k.message != nullptr, fixed) << k.key;
        if (!fixed) continue;
        const std::string message = k.message;
        EXPECT_EQ(message.find(std::string("The '") + k.key + "' setting"), 0u) << message;
        const char* pattern = k.format == ValueFormat::ColourTriple ? "###,###,### format"
                              : k.format == ValueFormat::SizePair   ? "###,### format"
                                                                    : "###,###,###,### format";
        EXPECT_NE(message.find(std::string("ensure it's in the ") + pattern), std::string::npos) << message;
        if (k.rule == DefaultRule::Literal) {
            EXPECT_EQ(std::string(k.defaultText).size(), k.format == ValueFormat::ColourTriple ? 11u
                                                         : k.format == ValueFormat::SizePair   ? 7u
                                                                                               : 15u)
                << k.key;
        }
    }
    EXPECT_EQ(names.size(), 85u);
}

TEST(SkinKeyTable, KeysAreReadInLoadOrder) {
    const auto& table = SkinKeyTable();
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LE(static_cast<int>(table[i - 1].group), static_cast<int>(table[i].group)) << table[i].key;
}

TEST(SkinDescription, AnEmptySkinIniGivesEveryDefault) {
    const SkinReadResult r = ReadAll(MapLookup{}, WithBitmaps({{SkinFile::SysButtons, {80, 54}},
                                                               {SkinFile::Left, {4, 10}},
                                                               {SkinFile::Top, {10, 60}},
                                                               {SkinFile::Right, {5, 10}},
                                                               {SkinFile::Bottom, {10, 6}}}));
    const SkinDescription& d = r.description;
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(d.caption.text, "Quillet");
    EXPECT_EQ(d.caption.position, "alignleft");
    EXPECT_EQ(d.caption.active, (Rgb{255, 255, 255}));
    EXPECT_EQ(d.caption.inactiveShadow, (Rgb{255, 255, 255}));
    EXPECT_EQ(d.caption.font.face, "Tahoma");
    EXPECT_EQ(d.caption.font.points, 8);
    EXPECT_EQ(d.caption.font.weight, 400);
    EXPECT_EQ(d.frame.side, TitleBarSide::Top);
    // The three buttons stand side by side from x = 6: minimise, maximise, close.
    EXPECT_EQ(d.frame.sysButtonState, (Size{20, 18}));
    EXPECT_EQ(d.buttons.positions.minimise, (Point{6, 5}));
    EXPECT_EQ(d.buttons.positions.maximise, (Point{26, 5}));
    EXPECT_EQ(d.buttons.positions.close, (Point{46, 5}));
    EXPECT_EQ(d.buttons.positions.menu, (Point{5, 5}));
    EXPECT_EQ(d.general.minimumSize, (Size{300, 300}));
    EXPECT_EQ(d.general.statusText.position, "aligntopleft");
    EXPECT_EQ(d.clientArea, (Margins{0, 0, 0, 0}));
    EXPECT_EQ(d.editor.windowMargins, (Margins{4, 30, 5, 6}));  // top piece holds two states
    EXPECT_EQ(d.tooltips.back, ClassicSystemColour(SystemColour::InfoBackground));
    EXPECT_EQ(d.menu.border, ClassicSystemColour(SystemColour::ButtonShadow));
    EXPECT_EQ(d.menu.selection, BlendSelection(d.menu.back, ClassicSystemColour(SystemColour::Highlight)));
    EXPECT_EQ(d.editor.splitterBorder, d.menu.border);
    EXPECT_EQ(d.editor.splitter, d.menu.back);
    EXPECT_FALSE(d.editor.text.has_value());
    EXPECT_EQ(d.tabs.textNormal, ClassicSystemColour(SystemColour::WindowText));
}

TEST(SkinDescription, EmptyValuesTakeTheDefaultSilentlyAndWrongLengthsWithTheMessage) {
    MapLookup ini;
    ini.Set("Caption", "ActiveColour", "").Set("Caption", "Text", "").Set("Buttons", "MinY", "");
    SkinReadResult r = ReadAll(ini);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.description.caption.active, (Rgb{255, 255, 255}));
    EXPECT_EQ(r.description.caption.text, "Quillet");
    EXPECT_EQ(r.description.buttons.positions.minimise.y, 5);

    ini.Set("caption", "activecolour", "255,255");
    r = ReadAll(ini);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0],
              "The 'ActiveColour' setting in the skin.ini file contains an invalid value, ensure it's in the "
              "###,###,### format");
    EXPECT_EQ(r.description.caption.active, (Rgb{255, 255, 255}));
}

TEST(SkinDescription, MessagesComeInLoadOrderAndInvalidOverrideColoursStayUnset) {
    MapLookup ini;
    ini.Set("General", "MinSkinSize", "20,20")
        .Set("Tabs", "BackColour", "1,2,3")
        .Set("Caption", "InActiveColour", "x")
        .Set("Editor", "EditorTextColour", "12,12,12")
        .Set("Editor", "EditorBackColour", "010,020,030")
        .Set("Menu", "Selection", "0")
        .Set("ClientArea", "Size", "4,4,4,4");
    const SkinReadResult r = ReadAll(ini);
    ASSERT_EQ(r.messages.size(), 6u);
    EXPECT_NE(r.messages[0].find("'InActiveColour'"), std::string::npos);
    EXPECT_NE(r.messages[1].find("'Size' setting for 'ClientArea'"), std::string::npos);
    EXPECT_NE(r.messages[2].find("'Selection' setting for 'Menu'"), std::string::npos);
    EXPECT_NE(r.messages[3].find("'BackColour' setting for 'Tabs'"), std::string::npos);
    EXPECT_NE(r.messages[4].find("'EditorTextColour' setting for 'General'"), std::string::npos);
    EXPECT_NE(r.messages[5].find("'MinSkinSize' setting in"), std::string::npos);
    EXPECT_FALSE(r.description.editor.text.has_value());
    EXPECT_EQ(r.description.editor.back, (Rgb{10, 20, 30}));
    EXPECT_EQ(r.description.general.minimumSize, (Size{300, 300}));
}

TEST(SkinDescription, EditorColoursAreReadOnlyWhenTheLoadAppliesThem) {
    MapLookup ini;
    ini.Set("Editor", "EditorSplitterColour", "bad").Set("Editor", "EditorBackColour", "bad");
    auto messages = [&](bool documentOpen, bool override) {
        return ReadSkinDescription(ini.Function(), {}, LoadKeyGroups(documentOpen, override)).messages.size();
    };
    EXPECT_EQ(messages(false, true), 0u);
    EXPECT_EQ(messages(true, false), 1u);
    EXPECT_EQ(messages(true, true), 2u);
}

TEST(SkinDescription, MaximiseAndCloseDefaultsFollowTheKeyReadBefore) {
    MapLookup ini;
    ini.Set("Buttons", "MinX", "-100");
    SkinReadResult r = ReadAll(ini, WithBitmaps({{SkinFile::SysButtons, {80, 60}}}));
    EXPECT_EQ(r.description.buttons.positions.maximise.x, -80);
    EXPECT_EQ(r.description.buttons.positions.close.x, -60);

    ini.Set("Buttons", "MaxX", "2147483647");
    r = ReadAll(ini, WithBitmaps({{SkinFile::SysButtons, {80, 60}}}));
    EXPECT_EQ(r.description.buttons.positions.close.x, 2147483647);
}

TEST(SkinDescription, StateSizesFollowTheTitleBarSideAndStripFlags) {
    MapLookup ini;
    ini.Set("TitleBar", "Position", "LEFT").Set("Buttons", "SysButtonsOnTbar", "true");
    const SkinReadResult r = ReadAll(ini, WithBitmaps({{SkinFile::TopLeft, {52, 46}},
                                                       {SkinFile::Top, {16, 46}},
                                                       {SkinFile::Left, {52, 16}},
                                                       {SkinFile::SysButtons, {88, 120}},
                                                       {SkinFile::MenuButton, {18, 54}}}));
    const FrameSizes& f = r.description.frame;
    EXPECT_EQ(f.side, TitleBarSide::Left);
    EXPECT_EQ(f.pieceStates[PieceIndex(FramePiece::TopLeft)], (Size{26, 46}));
    EXPECT_EQ(f.pieceStates[PieceIndex(FramePiece::Top)], (Size{16, 46}));
    EXPECT_EQ(f.pieceStates[PieceIndex(FramePiece::Left)], (Size{26, 16}));
    EXPECT_EQ(f.sysExtraRows, 3);
    EXPECT_EQ(f.sysButtonState, (Size{22, 20}));
    EXPECT_EQ(f.menuButtonState, (Size{18, 18}));
}

TEST(SkinDescription, SelectionBlendRoundsEachTerm) {
    EXPECT_EQ(BlendSelection(Rgb{255, 255, 255}, Rgb{255, 255, 255}), (Rgb{255, 255, 255}));
    // 7/11 x 100 = 63.6 -> 64; 4/11 x 50 = 18.2 -> 18.
    EXPECT_EQ(BlendSelection(Rgb{100, 0, 1}, Rgb{50, 0, 1}), (Rgb{82, 0, 1}));
}

TEST(SkinFolderCheck, RefusesAMissingIniAWrongVersionAndTheFirstMissingBitmap) {
    std::set<std::string> files{kSkinIniFileName};
    for (SkinFile f : RequiredSkinFiles()) files.insert(SkinFileName(f));
    auto exists = [&](const char* name) { return files.count(name) > 0; };
    MapLookup ini;
    ini.Set("Info", "Version", "1.0");
    EXPECT_FALSE(CheckSkinFolder(exists, ini.Function()));

    ini.Set("info", "version", "1.00");
    std::optional<SkinRefusal> refusal = CheckSkinFolder(exists, ini.Function());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "The selected skin is not compatible with this version of Quillet");
    EXPECT_EQ(refusal->icon, MessageIcon::Information);
    ini.Remove("info", "version");
    EXPECT_TRUE(CheckSkinFolder(exists, ini.Function()));

    ini.Set("Info", "Version", "1.0");
    files.erase("h scrollbar.bmp");
    files.erase("tab buttons.bmp");
    refusal = CheckSkinFolder(exists, ini.Function());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "The tab buttons.bmp file for the chosen skin was not found");
    files.insert("tab buttons.bmp");
    EXPECT_EQ(CheckSkinFolder(exists, ini.Function())->message,
              "The h scrollbar.bmp file for the chosen skin was not found");

    files.erase(kSkinIniFileName);
    EXPECT_EQ(CheckSkinFolder(exists, ini.Function())->message, "The Skin.ini file for the chosen skin was not found");
}

TEST(SkinFolderCheck, FolderGetsOneTrailingBackslash) {
    EXPECT_EQ(SkinFolderPath("C:\\Q\\Skin\\Quillblue"), "C:\\Q\\Skin\\Quillblue\\");
    EXPECT_EQ(SkinFolderPath("C:\\Q\\Skin\\Quillblue\\"), "C:\\Q\\Skin\\Quillblue\\");
    EXPECT_EQ(SkinFolderPath(""), "");
}

}  // namespace
}  // namespace skin
