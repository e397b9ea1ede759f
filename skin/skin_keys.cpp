#include "skin/skin_keys.h"

#include "skin/skin_values.h"

namespace skin {

namespace {

// --- storing a parsed value into its field ---------------------------------------------

void Assign(std::string& field, const KeyValue& v) { field = v.text; }
void Assign(std::int32_t& field, const KeyValue& v) { field = v.integer; }
void Assign(bool& field, const KeyValue& v) { field = v.flag; }
void Assign(Rgb& field, const KeyValue& v) { field = v.colour; }
void Assign(std::optional<Rgb>& field, const KeyValue& v) {
    field = v.present ? std::optional<Rgb>(v.colour) : std::nullopt;
}
void Assign(Size& field, const KeyValue& v) { field = Size{v.numbers[0], v.numbers[1]}; }
void Assign(Margins& field, const KeyValue& v) {
    field = Margins{v.numbers[0], v.numbers[1], v.numbers[2], v.numbers[3]};
}

#define QUILLET_STORE(field) [](SkinDescription& d, const KeyValue& v) { Assign(d.field, v); }

// --- computed defaults -------------------------------------------------------------------

std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) { return SaturateToInt32(std::int64_t(a) + b); }

KeyValue IntegerValue(std::int32_t n) {
    KeyValue v;
    v.integer = n;
    return v;
}

KeyValue ColourValueOf(Rgb c) {
    KeyValue v;
    v.colour = c;
    return v;
}

KeyValue MaxXDefault(const SkinDescription& d, const SkinEnvironment&) {
    return IntegerValue(SaturatingAdd(d.buttons.positions.minimise.x, d.frame.sysButtonState.width));
}

KeyValue CloseXDefault(const SkinDescription& d, const SkinEnvironment&) {
    return IntegerValue(SaturatingAdd(d.buttons.positions.maximise.x, d.frame.sysButtonState.width));
}

KeyValue EditorMarginsDefault(const SkinDescription& d, const SkinEnvironment&) {
    const PieceSizes& p = d.frame.pieceStates;
    KeyValue v;
    v.numbers = {p[PieceIndex(FramePiece::Left)].width, p[PieceIndex(FramePiece::Top)].height,
                 p[PieceIndex(FramePiece::Right)].width, p[PieceIndex(FramePiece::Bottom)].height};
    return v;
}

KeyValue SplitterBorderDefault(const SkinDescription& d, const SkinEnvironment&) { return ColourValueOf(d.menu.border); }
KeyValue SplitterDefault(const SkinDescription& d, const SkinEnvironment&) { return ColourValueOf(d.menu.back); }

KeyValue SelectionDefault(const SkinDescription& d, const SkinEnvironment& env) {
    return ColourValueOf(BlendSelection(d.menu.back, env.systemColour(SystemColour::Highlight)));
}

// --- table rows --------------------------------------------------------------------------

using Store = void (*)(SkinDescription&, const KeyValue&);
using Compute = KeyValue (*)(const SkinDescription&, const SkinEnvironment&);

SkinKey Literal(KeyGroup g, const char* section, const char* key, ValueFormat f, const char* def, Store store,
                const char* message = nullptr) {
    return SkinKey{g, section, key, f, DefaultRule::Literal, def, SystemColour::Menu, message, store, nullptr};
}

SkinKey System(KeyGroup g, const char* section, const char* key, SystemColour c, const char* message, Store store) {
    return SkinKey{g, section, key, ValueFormat::ColourTriple, DefaultRule::SystemColour, nullptr, c, message, store,
                   nullptr};
}

SkinKey Computed(KeyGroup g, const char* section, const char* key, ValueFormat f, Compute compute, Store store,
                 const char* message = nullptr) {
    return SkinKey{g, section, key, f, DefaultRule::Computed, nullptr, SystemColour::Menu, message, store, compute};
}

SkinKey Unset(KeyGroup g, const char* section, const char* key, const char* message, Store store) {
    return SkinKey{g,       section, key,   ValueFormat::ColourTriple, DefaultRule::None, nullptr, SystemColour::Menu,
                   message, store,   nullptr};
}

using F = ValueFormat;
using G = KeyGroup;
using S = SystemColour;

std::vector<SkinKey> BuildTable() {
    return {
        // [Info]
        Literal(G::Info, "Info", "Version", F::Text, "", QUILLET_STORE(info.version)),
        Literal(G::Info, "Info", "Name", F::Text, "", QUILLET_STORE(info.name)),
        Literal(G::Info, "Info", "Author", F::Text, "", QUILLET_STORE(info.author)),
        Literal(G::Info, "Info", "Email", F::Text, "", QUILLET_STORE(info.email)),
        Literal(G::Info, "Info", "URL", F::Text, "", QUILLET_STORE(info.url)),
        Literal(G::Info, "Info", "About", F::Text, "", QUILLET_STORE(info.about)),
        // [TitleBar], before the frame pieces are sliced into states
        Literal(G::TitleBar, "TitleBar", "Position", F::Keyword, "top", QUILLET_STORE(frame.titleBarKeyword)),
        // [Buttons] strip layout, before the strips are sliced into states
        Literal(G::ButtonStrips, "Buttons", "SysButtonsOnTbar", F::Boolean, "false",
                QUILLET_STORE(buttons.sysButtonsOnTitleBar)),
        Literal(G::ButtonStrips, "Buttons", "MenuButtonOnTbar", F::Boolean, "false",
                QUILLET_STORE(buttons.menuButtonOnTitleBar)),
        // The frame: caption, buttons, transparency, status text, margins
        Literal(G::Frame, "Caption", "Text", F::Text, "Quillet", QUILLET_STORE(caption.text)),
        Literal(G::Frame, "Caption", "TextPosition", F::Keyword, "alignleft", QUILLET_STORE(caption.position)),
        Literal(G::Frame, "Caption", "TextX", F::Integer, "0", QUILLET_STORE(caption.offset.x)),
        Literal(G::Frame, "Caption", "TextY", F::Integer, "0", QUILLET_STORE(caption.offset.y)),
        Literal(G::Frame, "Buttons", "MinX", F::Integer, "6", QUILLET_STORE(buttons.positions.minimise.x)),
        Literal(G::Frame, "Buttons", "MinY", F::Integer, "5", QUILLET_STORE(buttons.positions.minimise.y)),
        Computed(G::Frame, "Buttons", "MaxX", F::Integer, MaxXDefault, QUILLET_STORE(buttons.positions.maximise.x)),
        Literal(G::Frame, "Buttons", "MaxY", F::Integer, "5", QUILLET_STORE(buttons.positions.maximise.y)),
        Computed(G::Frame, "Buttons", "CloseX", F::Integer, CloseXDefault, QUILLET_STORE(buttons.positions.close.x)),
        Literal(G::Frame, "Buttons", "CloseY", F::Integer, "5", QUILLET_STORE(buttons.positions.close.y)),
        Literal(G::Frame, "Buttons", "MenuX", F::Integer, "5", QUILLET_STORE(buttons.positions.menu.x)),
        Literal(G::Frame, "Buttons", "MenuY", F::Integer, "5", QUILLET_STORE(buttons.positions.menu.y)),
        Literal(G::Frame, "General", "UseTransparency", F::Boolean, "false", QUILLET_STORE(general.useTransparency)),
        Literal(G::Frame, "Caption", "ActiveColour", F::ColourTriple, "255,255,255", QUILLET_STORE(caption.active),
                "The 'ActiveColour' setting in the skin.ini file contains an invalid value, ensure it's in the "
                "###,###,### format"),
        Literal(G::Frame, "Caption", "ActiveShadowColour", F::ColourTriple, "000,000,000",
                QUILLET_STORE(caption.activeShadow),
                "The 'ActiveShadowColour' setting in the skin.ini file contains an invalid value, ensure it's in the "
                "###,###,### format"),
        Literal(G::Frame, "Caption", "InActiveColour", F::ColourTriple, "000,000,000", QUILLET_STORE(caption.inactive),
                "The 'InActiveColour' setting in the skin.ini file contains an invalid value, ensure it's in the "
                "###,###,### format"),
        Literal(G::Frame, "Caption", "InActiveShadowColour", F::ColourTriple, "255,255,255",
                QUILLET_STORE(caption.inactiveShadow),
                "The 'InActiveShadowColour' setting in the skin.ini file contains an invalid value, ensure it's in "
                "the ###,###,### format"),
        Literal(G::Frame, "Caption", "Font", F::Text, "Tahoma", QUILLET_STORE(caption.font.face)),
        Literal(G::Frame, "Caption", "FontSize", F::Integer, "8", QUILLET_STORE(caption.font.points)),
        Literal(G::Frame, "Caption", "FontBold", F::FontWeight, "0", QUILLET_STORE(caption.font.weight)),
        Literal(G::Frame, "General", "StatusFont", F::Text, "Tahoma", QUILLET_STORE(general.statusText.font.face)),
        Literal(G::Frame, "General", "StatusFontSize", F::Integer, "8", QUILLET_STORE(general.statusText.font.points)),
        Literal(G::Frame, "General", "StatusFontBold", F::FontWeight, "0",
                QUILLET_STORE(general.statusText.font.weight)),
        Literal(G::Frame, "General", "StatusPosition", F::Keyword, "aligntopleft",
                QUILLET_STORE(general.statusText.position)),
        Literal(G::Frame, "General", "StatusX", F::Integer, "0", QUILLET_STORE(general.statusText.offset.x)),
        Literal(G::Frame, "General", "StatusY", F::Integer, "0", QUILLET_STORE(general.statusText.offset.y)),
        Literal(G::Frame, "General", "StatusFontColour", F::ColourTriple, "000,000,000",
                QUILLET_STORE(general.statusText.colour),
                "The 'StatusFontColour' setting in the skin.ini file contains an invalid value, ensure it's in the "
                "###,###,### format"),
        Computed(G::Frame, "Editor", "EditorWindowSize", F::SizeQuad, EditorMarginsDefault,
                 QUILLET_STORE(editor.windowMargins),
                 "The 'EditorWindowSize' setting for 'Editor' in the skin.ini file contains an invalid value, ensure "
                 "it's in the ###,###,###,### format"),
        Literal(G::Frame, "ClientArea", "Size", F::SizeQuad, "000,000,000,000", QUILLET_STORE(clientArea),
                "The 'Size' setting for 'ClientArea' in the skin.ini file contains an invalid value, ensure it's in "
                "the ###,###,###,### format"),
        // [Tooltips]
        System(G::Tooltips, "Tooltips", "TextColour", S::InfoText,
               "The 'TextColour' setting for 'Tooltips' in the skin.ini file contains an invalid value, ensure it's "
               "in the ###,###,### format",
               QUILLET_STORE(tooltips.text)),
        System(G::Tooltips, "Tooltips", "BackColour", S::InfoBackground,
               "The 'BackColour' setting for 'Tooltips' in the skin.ini file contains an invalid value, ensure it's "
               "in the ###,###,### format",
               QUILLET_STORE(tooltips.back)),
        // [Menu]
        Literal(G::Menu, "Menu", "TextX", F::Integer, "0", QUILLET_STORE(menu.text.x)),
        Literal(G::Menu, "Menu", "TextY", F::Integer, "0", QUILLET_STORE(menu.text.y)),
        Literal(G::Menu, "Menu", "WindowMenuTextX", F::Integer, "0", QUILLET_STORE(menu.windowMenuText.x)),
        Literal(G::Menu, "Menu", "WindowMenuTextY", F::Integer, "0", QUILLET_STORE(menu.windowMenuText.y)),
        Literal(G::Menu, "Menu", "CheckX", F::Integer, "0", QUILLET_STORE(menu.check.x)),
        Literal(G::Menu, "Menu", "CheckY", F::Integer, "0", QUILLET_STORE(menu.check.y)),
        Literal(G::Menu, "Menu", "LeftWidth", F::Integer, "0", QUILLET_STORE(menu.leftWidth)),
        Literal(G::Menu, "Menu", "RightWidth", F::Integer, "0", QUILLET_STORE(menu.rightWidth)),
        Literal(G::Menu, "Menu", "WindowMenuLeftWidth", F::Integer, "0", QUILLET_STORE(menu.windowMenuLeftWidth)),
        Literal(G::Menu, "Menu", "WindowMenuRightWidth", F::Integer, "0", QUILLET_STORE(menu.windowMenuRightWidth)),
        System(G::Menu, "Menu", "Border", S::ButtonShadow,
               "The 'Border' setting for 'Menu' in the skin.ini file contains an invalid value, ensure it's in the "
               "###,###,### format",
               QUILLET_STORE(menu.border)),
        System(G::Menu, "Menu", "BackColour", S::Menu,
               "The 'BackColour' setting for 'Menu' in the skin.ini file contains an invalid value, ensure it's in "
               "the ###,###,### format",
               QUILLET_STORE(menu.back)),
        System(G::Menu, "Menu", "Border2", S::GrayText,
               "The 'Border2' setting for 'Menu' in the skin.ini file contains an invalid value, ensure it's in the "
               "###,###,### format",
               QUILLET_STORE(menu.border2)),
        Computed(G::Menu, "Menu", "Selection", F::ColourTriple, SelectionDefault, QUILLET_STORE(menu.selection),
                 "The 'Selection' setting for 'Menu' in the skin.ini file contains an invalid value, ensure it's in "
                 "the ###,###,### format"),
        System(G::Menu, "Menu", "TextNormal", S::MenuText,
               "The 'TextNormal' setting for 'Menu' in the skin.ini file contains an invalid value, ensure it's in "
               "the ###,###,### format",
               QUILLET_STORE(menu.textNormal)),
        System(G::Menu, "Menu", "TextSelected", S::HighlightText,
               "The 'TextSelected' setting for 'Menu' in the skin.ini file contains an invalid value, ensure it's in "
               "the ###,###,### format",
               QUILLET_STORE(menu.textSelected)),
        System(G::Menu, "Menu", "TextDisabled", S::GrayText,
               "The 'TextDisabled' setting for 'Menu' in the skin.ini file contains an invalid value, ensure it's in "
               "the ###,###,### format",
               QUILLET_STORE(menu.textDisabled)),
        Literal(G::Menu, "Menu", "Font", F::Text, "Tahoma", QUILLET_STORE(menu.font.face)),
        Literal(G::Menu, "Menu", "FontSize", F::Integer, "8", QUILLET_STORE(menu.font.points)),
        Literal(G::Menu, "Menu", "FontBold", F::FontWeight, "0", QUILLET_STORE(menu.font.weight)),
        // [Tabs]
        Literal(G::Tabs, "Tabs", "LeftWidth", F::Integer, "0", QUILLET_STORE(tabs.leftWidth)),
        Literal(G::Tabs, "Tabs", "RightWidth", F::Integer, "0", QUILLET_STORE(tabs.rightWidth)),
        System(G::Tabs, "Tabs", "BackColour", S::ButtonFace,
               "The 'BackColour' setting for 'Tabs' in the skin.ini file contains an invalid value, ensure it's in "
               "the ###,###,### format",
               QUILLET_STORE(tabs.back)),
        System(G::Tabs, "Tabs", "TextNormal", S::WindowText,
               "The 'TextNormal' setting for 'Tabs' in the skin.ini file contains an invalid value, ensure it's in "
               "the ###,###,### format",
               QUILLET_STORE(tabs.textNormal)),
        System(G::Tabs, "Tabs", "TextSelected", S::HighlightText,
               "The 'TextSelected' setting for 'Tabs' in the skin.ini file contains an invalid value, ensure it's in "
               "the ###,###,### format",
               QUILLET_STORE(tabs.textSelected)),
        Literal(G::Tabs, "Tabs", "Font", F::Text, "Tahoma", QUILLET_STORE(tabs.font.face)),
        Literal(G::Tabs, "Tabs", "FontSize", F::Integer, "8", QUILLET_STORE(tabs.font.points)),
        Literal(G::Tabs, "Tabs", "FontBold", F::FontWeight, "0", QUILLET_STORE(tabs.font.weight)),
        Literal(G::Tabs, "Tabs", "TextX", F::Integer, "0", QUILLET_STORE(tabs.text.x)),
        Literal(G::Tabs, "Tabs", "TextY", F::Integer, "0", QUILLET_STORE(tabs.text.y)),
        // [Statusbar]
        Literal(G::Statusbar, "Statusbar", "LeftWidth", F::Integer, "0", QUILLET_STORE(statusbar.leftWidth)),
        Literal(G::Statusbar, "Statusbar", "RightWidth", F::Integer, "0", QUILLET_STORE(statusbar.rightWidth)),
        System(G::Statusbar, "Statusbar", "TextNormal", S::WindowText,
               "The 'TextNormal' setting for 'Statusbar' in the skin.ini file contains an invalid value, ensure it's "
               "in the ###,###,### format",
               QUILLET_STORE(statusbar.textNormal)),
        Literal(G::Statusbar, "Statusbar", "Font", F::Text, "Tahoma", QUILLET_STORE(statusbar.font.face)),
        Literal(G::Statusbar, "Statusbar", "FontSize", F::Integer, "8", QUILLET_STORE(statusbar.font.points)),
        Literal(G::Statusbar, "Statusbar", "FontBold", F::FontWeight, "0", QUILLET_STORE(statusbar.font.weight)),
        // [Editor] splitter colours, handed to the first open document's control
        Computed(G::EditorSplitter, "Editor", "EditorSplitterBorderColour", F::ColourTriple, SplitterBorderDefault,
                 QUILLET_STORE(editor.splitterBorder),
                 "The 'EditorSplitterBorderColour' setting for 'Editor' in the skin.ini file contains an invalid "
                 "value, ensure it's in the ###,###,### format"),
        Computed(G::EditorSplitter, "Editor", "EditorSplitterColour", F::ColourTriple, SplitterDefault,
                 QUILLET_STORE(editor.splitter),
                 "The 'EditorSplitterColour' setting for 'Editor' in the skin.ini file contains an invalid value, "
                 "ensure it's in the ###,###,### format"),
        // [Editor] colours applied only with the skin-override option
        Unset(G::EditorOverride, "Editor", "EditorHighlitedColour",
              "The 'EditorHighlitedColour' setting for 'Editor' in the skin.ini file contains an invalid value, "
              "ensure it's in the ###,###,### format",
              QUILLET_STORE(editor.highlighted)),
        Unset(G::EditorOverride, "Editor", "EditorTextColour",
              "The 'EditorTextColour' setting for 'General' in the skin.ini file contains an invalid value, ensure "
              "it's in the ###,###,### format",
              QUILLET_STORE(editor.text)),
        Unset(G::EditorOverride, "Editor", "EditorBackColour",
              "The 'EditorBackColour' setting for 'Editor' in the skin.ini file contains an invalid value, ensure "
              "it's in the ###,###,### format",
              QUILLET_STORE(editor.back)),
        Unset(G::EditorOverride, "Editor", "EditorLeftMarginColour",
              "The 'EditorLeftMarginColour' setting for 'Editor' in the skin.ini file contains an invalid value, "
              "ensure it's in the ###,###,### format",
              QUILLET_STORE(editor.leftMargin)),
        Unset(G::EditorOverride, "Editor", "EditorLineNumbersBackColour",
              "The 'EditorLineNumbersBackColour' setting for 'Editor' in the skin.ini file contains an invalid "
              "value, ensure it's in the ###,###,### format",
              QUILLET_STORE(editor.lineNumbersBack)),
        Unset(G::EditorOverride, "Editor", "EditorLineNumbersColour",
              "The 'EditorLineNumbersColour' setting for 'Editor' in the skin.ini file contains an invalid value, "
              "ensure it's in the ###,###,### format",
              QUILLET_STORE(editor.lineNumbers)),
        // [General] MinSkinSize, applied last to the window size
        Literal(G::MinimumSize, "General", "MinSkinSize", F::SizePair, "300,300", QUILLET_STORE(general.minimumSize),
                "The 'MinSkinSize' setting in the skin.ini file contains an invalid value, ensure it's in the ###,### "
                "format"),
    };
}

#undef QUILLET_STORE

// --- parsing -----------------------------------------------------------------------------

// Parses non-empty text in the key's format into `value`; false when a fixed-width value
// has the wrong length (then `value` is left as it was).
bool ParseInto(ValueFormat format, const std::string& text, KeyValue& value) {
    switch (format) {
        case ValueFormat::Text: value.text = text; break;
        case ValueFormat::Keyword: value.text = ParseKeyword(text); break;
        case ValueFormat::Integer: value.integer = LeadingInteger(text); break;
        case ValueFormat::Boolean: value.flag = ParseBoolean(text); break;
        case ValueFormat::FontWeight: value.integer = ParseFontWeight(text); break;
        case ValueFormat::ColourTriple: {
            const ColourValue c = ParseColourTriple(text);
            if (c.status != FixedStatus::Parsed) return false;
            value.colour = c.colour;
            break;
        }
        case ValueFormat::SizePair: {
            const PairValue p = ParseSizePair(text);
            if (p.status != FixedStatus::Parsed) return false;
            value.numbers = {p.first, p.second, 0, 0};
            break;
        }
        case ValueFormat::SizeQuad: {
            const QuadValue q = ParseSizeQuad(text);
            if (q.status != FixedStatus::Parsed) return false;
            value.numbers = q.values;
            break;
        }
    }
    value.present = true;
    return true;
}

KeyValue DefaultValue(const SkinKey& key, const SkinDescription& d, const SkinEnvironment& env) {
    switch (key.rule) {
        case DefaultRule::Literal: {
            KeyValue v;
            if (key.defaultText[0] != '\0') ParseInto(key.format, key.defaultText, v);
            return v;
        }
        case DefaultRule::SystemColour: return ColourValueOf(env.systemColour(key.systemColour));
        case DefaultRule::Computed: return key.computeDefault(d, env);
        case DefaultRule::None: break;
    }
    KeyValue unset;
    unset.present = false;
    return unset;
}

void RefreshFrameSizes(SkinDescription& d, const SkinEnvironment& env) {
    FrameSizes& f = d.frame;
    f.side = ParseTitleBarSide(f.titleBarKeyword);
    for (FramePiece piece : kAllFramePieces)
        f.pieceStates[PieceIndex(piece)] = PieceStateSize(piece, f.side, env.bitmapSize(FramePieceFile(piece)));
    f.sysExtraRows = ExtraStateRows(d.buttons.sysButtonsOnTitleBar);
    f.menuExtraRows = ExtraStateRows(d.buttons.menuButtonOnTitleBar);
    f.sysButtonState = SysButtonStateSize(env.bitmapSize(SkinFile::SysButtons), f.sysExtraRows);
    f.menuButtonState = MenuButtonStateSize(env.bitmapSize(SkinFile::MenuButton), f.menuExtraRows);
}

SkinEnvironment Completed(const SkinEnvironment& env) {
    SkinEnvironment out = env;
    if (!out.bitmapSize) out.bitmapSize = [](SkinFile) { return Size{}; };
    if (!out.systemColour) out.systemColour = ClassicSystemColour;
    return out;
}

}  // namespace

const std::vector<SkinKey>& SkinKeyTable() {
    static const std::vector<SkinKey> table = BuildTable();
    return table;
}

Rgb ClassicSystemColour(SystemColour colour) {
    switch (colour) {
        case SystemColour::Menu: return Rgb{240, 240, 240};
        case SystemColour::MenuText: return Rgb{0, 0, 0};
        case SystemColour::WindowText: return Rgb{0, 0, 0};
        case SystemColour::Highlight: return Rgb{51, 153, 255};
        case SystemColour::HighlightText: return Rgb{255, 255, 255};
        case SystemColour::ButtonFace: return Rgb{240, 240, 240};
        case SystemColour::ButtonShadow: return Rgb{160, 160, 160};
        case SystemColour::GrayText: return Rgb{109, 109, 109};
        case SystemColour::InfoText: return Rgb{0, 0, 0};
        case SystemColour::InfoBackground: return Rgb{255, 255, 225};
    }
    return Rgb{};
}

Rgb BlendSelection(Rgb back, Rgb highlight) {
    // Each term rounded to nearest: (2 x c x parts + 11) / 22.
    auto blend = [](std::uint8_t a, std::uint8_t b) {
        const int sum = (a * 14 + 11) / 22 + (b * 8 + 11) / 22;
        return std::uint8_t(sum > 255 ? 255 : sum);
    };
    return Rgb{blend(back.r, highlight.r), blend(back.g, highlight.g), blend(back.b, highlight.b)};
}

void ReadKeyGroup(KeyGroup group, const SkinLookup& lookup, const SkinEnvironment& environment,
                  SkinDescription& description, std::vector<std::string>& messages) {
    const SkinEnvironment env = Completed(environment);
    RefreshFrameSizes(description, env);
    for (const SkinKey& key : SkinKeyTable()) {
        if (key.group != group) continue;
        std::string text = lookup ? lookup(key.section, key.key).value_or(std::string()) : std::string();
        if (text.size() > kMaxValueLength) text.resize(kMaxValueLength);
        KeyValue value = DefaultValue(key, description, env);
        if (!text.empty() && !ParseInto(key.format, text, value) && key.message) messages.push_back(key.message);
        key.store(description, value);
    }
    RefreshFrameSizes(description, env);
}

std::vector<KeyGroup> LoadKeyGroups(bool documentOpen, bool applyEditorOverride) {
    std::vector<KeyGroup> groups{KeyGroup::Info,     KeyGroup::TitleBar, KeyGroup::ButtonStrips, KeyGroup::Frame,
                                 KeyGroup::Tooltips, KeyGroup::Menu,     KeyGroup::Tabs,         KeyGroup::Statusbar};
    if (documentOpen) {
        groups.push_back(KeyGroup::EditorSplitter);
        if (applyEditorOverride) groups.push_back(KeyGroup::EditorOverride);
    }
    groups.push_back(KeyGroup::MinimumSize);
    return groups;
}

std::vector<KeyGroup> AllKeyGroups() { return LoadKeyGroups(true, true); }

SkinReadResult ReadSkinDescription(const SkinLookup& lookup, const SkinEnvironment& environment,
                                   const std::vector<KeyGroup>& groups) {
    SkinReadResult result;
    for (KeyGroup group : groups) ReadKeyGroup(group, lookup, environment, result.description, result.messages);
    return result;
}

}  // namespace skin
