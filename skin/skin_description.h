// Everything Skin.ini says about a skin, parsed, plus the sizes that follow from the
// loaded bitmaps. Filled by ReadSkinDescription (skin_keys.h); read by the frame, the
// menus, the tabs, the status bar and the editor-colour step.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "skin/frame_buttons.h"
#include "skin/frame_geometry.h"
#include "skin/skin_types.h"

namespace skin {

struct FontDescription {
    std::string face;
    std::int32_t points = 0;
    int weight = 400;
};

struct InfoDescription {
    std::string version, name, author, email, url, about;
};

struct ButtonsDescription {
    bool sysButtonsOnTitleBar = false;   // `sys buttons.bmp` has the inactive rows too
    bool menuButtonOnTitleBar = false;   // `menu button.bmp` has the inactive rows too
    ButtonPositions positions;           // as read; negative values count from the right/bottom
};

struct CaptionDescription {
    std::string text;
    std::string position;  // alignment keyword, lower case
    Point offset;          // TextX, TextY
    Rgb active, activeShadow, inactive, inactiveShadow;
    FontDescription font;
};

// The second text on the frame; nothing is drawn for it, the keys are still validated.
struct StatusTextDescription {
    FontDescription font;
    std::string position;
    Point offset;
    Rgb colour;
};

struct GeneralDescription {
    bool useTransparency = false;
    StatusTextDescription statusText;
    Size minimumSize;  // MinSkinSize: width, height
};

struct EditorDescription {
    Margins windowMargins;  // EditorWindowSize
    Rgb splitterBorder, splitter;
    // Applied only with the skin-override option; nothing when the key is missing or
    // invalid, and the control's colour is then left as it is.
    std::optional<Rgb> highlighted, text, back, leftMargin, lineNumbersBack, lineNumbers;
};

struct TooltipDescription {
    Rgb text, back;
};

struct MenuDescription {
    Point text, windowMenuText, check;
    std::int32_t leftWidth = 0, rightWidth = 0;
    std::int32_t windowMenuLeftWidth = 0, windowMenuRightWidth = 0;
    Rgb border, back, border2, selection, textNormal, textSelected, textDisabled;
    FontDescription font;
};

struct TabsDescription {
    std::int32_t leftWidth = 0, rightWidth = 0;
    Rgb back, textNormal, textSelected;
    FontDescription font;
    Point text;
};

struct StatusbarDescription {
    std::int32_t leftWidth = 0, rightWidth = 0;
    Rgb textNormal;
    FontDescription font;
};

// Sizes derived from the title-bar side, the strip flags and the loaded bitmaps.
struct FrameSizes {
    std::string titleBarKeyword;  // [TitleBar] Position as read, lower case
    TitleBarSide side = TitleBarSide::Top;
    PieceSizes pieceStates{};
    std::int32_t sysExtraRows = 0;
    std::int32_t menuExtraRows = 0;
    Size sysButtonState;
    Size menuButtonState;
};

struct SkinDescription {
    InfoDescription info;
    FrameSizes frame;
    ButtonsDescription buttons;
    CaptionDescription caption;
    GeneralDescription general;
    EditorDescription editor;
    Margins clientArea;  // [ClientArea] Size
    TooltipDescription tooltips;
    MenuDescription menu;
    TabsDescription tabs;
    StatusbarDescription statusbar;
};

}  // namespace skin
