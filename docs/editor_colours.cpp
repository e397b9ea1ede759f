#include "docs/editor_colours.h"

#include "corvex/include/corvex.h"
#include "skin/skin_profile.h"
#include "skin/skinned_frame.h"

#include <array>
#include <optional>

namespace {

using ColourBlock = std::array<COLORREF, corvex::kColourCount>;

// Where each [Editor] colour of the skin goes in the control's colour block.
struct ColourEntry {
    int index;
    std::optional<skin::Rgb> skin::EditorDescription::*colour;
};
constexpr ColourEntry kOverrideEntries[] = {
    {corvex::ColourBackground, &skin::EditorDescription::back},
    {corvex::ColourLeftMargin, &skin::EditorDescription::leftMargin},
    {corvex::ColourText, &skin::EditorDescription::text},
    {corvex::ColourLineNumberText, &skin::EditorDescription::lineNumbers},
    {corvex::ColourLineNumberBackground, &skin::EditorDescription::lineNumbersBack},
    {corvex::ColourHighlightedLine, &skin::EditorDescription::highlighted},
};

void SendSkinValues(HWND control, const CSkin& skin)
{
    const skin::SkinDescription& d = skin.Description();
    SendMessageW(control, corvex::SetSkinFolder, 0, reinterpret_cast<LPARAM>(skin.Folder().c_str()));
    SendMessageW(control, corvex::SetSplitterColour, 1, skin::ColourRef(d.editor.splitterBorder));
    SendMessageW(control, corvex::SetSplitterColour, 2, skin::ColourRef(d.editor.splitter));
    SendMessageW(control, corvex::SetTooltipColour, 1, skin::ColourRef(d.tooltips.text));
    SendMessageW(control, corvex::SetTooltipColour, 2, skin::ColourRef(d.tooltips.back));
}

// The skin's [Editor] colours shown over the control's own, which stay the user's (the
// control answers and the program stores those); with no skin description (the option
// off), or a skin without editor colours, the control shows its own again.
void ShowSkinColours(HWND control, const skin::EditorDescription* editor)
{
    ColourBlock block{};
    DWORD mask = 0;
    if (editor)
        for (const ColourEntry& entry : kOverrideEntries)
            if (const std::optional<skin::Rgb>& colour = editor->*entry.colour) {
                block[static_cast<std::size_t>(entry.index)] = skin::ColourRef(*colour);
                mask |= 1u << entry.index;
            }
    SendMessageW(control, corvex::SetShownColours, mask, reinterpret_cast<LPARAM>(block.data()));
}

} // namespace

void ApplySkinEditorColours(const std::vector<HWND>& controls, bool overrideColours)
{
    CSkin& skin = MainSkin();
    if (!skin.Loaded() && !skin.Attached())
        return;
    if (controls.empty())
        return;
    skin.ReadKeyGroup(skin::KeyGroup::EditorSplitter);
    for (HWND control : controls)
        SendSkinValues(control, skin);
    if (overrideColours)
        skin.ReadKeyGroup(skin::KeyGroup::EditorOverride);
    for (HWND control : controls)
        ShowSkinColours(control, overrideColours ? &skin.Description().editor : nullptr);
}
