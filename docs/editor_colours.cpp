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

std::optional<ColourBlock> ReadColours(HWND control)
{
    ColourBlock block{};
    if (SendMessageW(control, corvex::GetColours, 0, reinterpret_cast<LPARAM>(block.data())) != 1)
        return std::nullopt;
    return block;
}

// The control's colours with the skin's [Editor] colours put in; nothing when the
// control did not hand its colours over.
void OverrideColours(HWND control, const skin::EditorDescription& editor)
{
    std::optional<ColourBlock> block = ReadColours(control);
    if (!block)
        return;
    for (const ColourEntry& entry : kOverrideEntries)
        if (const std::optional<skin::Rgb>& colour = editor.*entry.colour)
            (*block)[entry.index] = skin::ColourRef(*colour);
    SendMessageW(control, corvex::SetColours, 0, reinterpret_cast<LPARAM>(block->data()));
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
    if (!overrideColours || !ReadColours(controls.front()))
        return;
    skin.ReadKeyGroup(skin::KeyGroup::EditorOverride);
    for (HWND control : controls)
        OverrideColours(control, skin.Description().editor);
}
