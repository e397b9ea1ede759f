// The Skin.ini key table as data, and the walker that fills a SkinDescription from it.
//
// The Windows loader's part is small: check the folder (CheckSkinFolder), load the
// bitmaps, then call ReadSkinDescription with a lookup backed by the private-profile
// functions and the loaded bitmap sizes, and show each returned message in order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/skin_description.h"
#include "skin/skin_files.h"
#include "skin/skin_types.h"

namespace skin {

enum class ValueFormat { Text, Integer, Boolean, FontWeight, Keyword, ColourTriple, SizePair, SizeQuad };

// The Windows system colours that keys fall back on; the values are the COLOR_* indexes.
enum class SystemColour : int {
    Menu = 4,
    MenuText = 7,
    WindowText = 8,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    InfoText = 23,
    InfoBackground = 24
};

// Where a missing or empty key takes its value from.
enum class DefaultRule {
    Literal,       // `defaultText`, parsed in the key's format
    SystemColour,  // `systemColour`, from the environment
    Computed,      // from keys read before it or from bitmap sizes (see the key's meaning)
    None           // nothing: the value stays unset
};

// Groups of keys, in the order the loader reads them. The loader reads Info to Statusbar
// and MinimumSize on every load; EditorSplitter only while a document is open and
// EditorOverride only when the skin-override option applies editor colours.
enum class KeyGroup {
    Info,
    TitleBar,
    ButtonStrips,
    Frame,
    Tooltips,
    Menu,
    Tabs,
    Statusbar,
    EditorSplitter,
    EditorOverride,
    MinimumSize
};

struct KeyValue;
struct SkinEnvironment;

struct SkinKey {
    KeyGroup group;
    const char* section;
    const char* key;
    ValueFormat format;
    DefaultRule rule;
    const char* defaultText;    // Literal rule: the default as it would be written in Skin.ini
    SystemColour systemColour;  // SystemColour rule
    const char* message;        // shown for a value of the wrong length; nullptr for free formats
    void (*store)(SkinDescription&, const KeyValue&);
    KeyValue (*computeDefault)(const SkinDescription&, const SkinEnvironment&);  // Computed rule
};

// A parsed value; the member that matters follows from the key's format.
struct KeyValue {
    bool present = true;  // false: leave the field unset (rule None, or invalid)
    std::string text;
    std::int32_t integer = 0;
    bool flag = false;
    int weight = 400;
    Rgb colour;
    std::array<std::int32_t, 4> numbers{};
};

// Every key, in the order the loader reads it.
const std::vector<SkinKey>& SkinKeyTable();

// What the walker needs besides Skin.ini.
struct SkinEnvironment {
    // Size of a loaded bitmap; zero when it could not be loaded. Unset: all zero.
    std::function<Size(SkinFile)> bitmapSize;
    // The current system colour. Unset: ClassicSystemColour.
    std::function<Rgb(SystemColour)> systemColour;
};

// The standard Windows colours, for environments without a system to ask.
Rgb ClassicSystemColour(SystemColour colour);

// 7 parts of `back` and 4 parts of `highlight` per channel, each term rounded.
Rgb BlendSelection(Rgb back, Rgb highlight);

// Reads the keys of one group into `description`, appending the validation messages in
// order. Keeps the sizes derived from bitmaps (FrameSizes) current after each group.
void ReadKeyGroup(KeyGroup group, const SkinLookup& lookup, const SkinEnvironment& environment,
                  SkinDescription& description, std::vector<std::string>& messages);

// The groups a skin load reads, in order.
std::vector<KeyGroup> LoadKeyGroups(bool documentOpen, bool applyEditorOverride);
// Every group.
std::vector<KeyGroup> AllKeyGroups();

struct SkinReadResult {
    SkinDescription description;
    std::vector<std::string> messages;
};

// Reads the given groups in order into a fresh description.
SkinReadResult ReadSkinDescription(const SkinLookup& lookup, const SkinEnvironment& environment,
                                   const std::vector<KeyGroup>& groups);

}  // namespace skin
