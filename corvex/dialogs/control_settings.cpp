#include "corvex/dialogs/control_settings.h"

#include "corvex/hotkeys.h"

#include <cstring>
#include <vector>

namespace corvex::dialogs {
namespace {

std::vector<HFONT>& CreatedFonts()
{
    static std::vector<HFONT> fonts;
    return fonts;
}

// The font a control shows text in when it was given none, as the LOGFONTA the control's
// settings carry.
LOGFONTA FontOf(HWND control)
{
    LOGFONTA font{};  // the settings' LOGFONTA
    auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!handle || GetObjectA(handle, sizeof font, &font) != sizeof font) // the settings' LOGFONTA
        GetObjectA(GetStockObject(ANSI_FIXED_FONT), sizeof font, &font);     // the settings' LOGFONTA
    return font;
}

template <typename Block>
void Read(HWND control, UINT message, Block& block)
{
    SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(&block));
}

template <typename Block>
bool WriteIfChanged(HWND control, UINT message, const Block& before, const Block& after)
{
    if (std::memcmp(&before, &after, sizeof after) == 0)
        return false;
    SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(&after));
    return true;
}

} // namespace

const OptionMessages kOptionMessages[kOptionCount] = {
    {SetColourSyntax, GetColourSyntax, -1},
    {SetScrollBar, GetScrollBar, 1},
    {SetScrollBar, GetScrollBar, 0},
    {SetSplitter, GetSplitter, 1},
    {SetSplitter, GetSplitter, 0},
    {SetWholeWord, GetWholeWord, -1},
    {SetAutoIndent, GetAutoIndent, -1},
    {SetSmoothScroll, GetSmoothScroll, -1},
    {SetLineTooltips, GetLineTooltips, -1},
    {SetLineHighlight, GetLineHighlight, -1},
    {SetLeftMargin, GetLeftMargin, -1},
    {SetColumnSelect, GetColumnSelect, -1},
    {SetDragDrop, GetDragDrop, -1},
    {SetCaseSensitive, GetCaseSensitive, -1},
    {SetPreserveCase, GetPreserveCase, -1},
    {SetTabExpand, GetTabExpand, -1},
    {SetTabSize, GetTabSize, -1},
    {SetNormalizeCase, GetNormalizeCase, -1},
    {SetSelBounds, GetSelBounds, -1},
    {SetWordWrap, GetWordWrap, -1},
};

ControlSettings ReadControlSettings(HWND control)
{
    ControlSettings settings;
    for (int id = 0; id < kOptionCount; ++id) {
        const OptionMessages& m = kOptionMessages[id];
        const WPARAM wParam = m.selector < 0 ? 0 : static_cast<WPARAM>(m.selector);
        settings.options[id] = static_cast<int>(SendMessageW(control, m.get, wParam, 0));
    }
    Read(control, GetColours, settings.colours);
    Read(control, GetFontStyles, settings.fontStyles);
    Read(control, GetLineNumbering, settings.lineNumbering);
    settings.font = FontOf(control);
    settings.hotKeys = ActiveHotKeys();
    return settings;
}

bool WriteChangedSettings(HWND control, const ControlSettings& before, const ControlSettings& after)
{
    bool wrote = false;
    for (int id = 0; id < kOptionCount; ++id) {
        if (before.options[id] == after.options[id])
            continue;
        const OptionMessages& m = kOptionMessages[id];
        const int value = after.options[id];
        if (m.selector < 0)
            SendMessageW(control, m.set, static_cast<WPARAM>(value), 0);
        else
            SendMessageW(control, m.set, static_cast<WPARAM>(m.selector), value);
        wrote = true;
    }
    wrote |= WriteIfChanged(control, SetColours, before.colours, after.colours);
    wrote |= WriteIfChanged(control, SetFontStyles, before.fontStyles, after.fontStyles);
    if (std::memcmp(&before.font, &after.font, sizeof after.font) != 0) {
        if (HFONT font = CreateFontIndirectA(&after.font)) { // the settings' LOGFONTA
            CreatedFonts().push_back(font);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            wrote = true;
        }
    }
    wrote |= WriteIfChanged(control, SetLineNumbering, before.lineNumbering, after.lineNumbering);
    if (!(before.hotKeys == after.hotKeys)) {
        SetActiveHotKeys(after.hotKeys);
        wrote = true;
    }
    return wrote;
}

void ReleaseDialogFonts()
{
    for (HFONT font : CreatedFonts())
        DeleteObject(font);
    CreatedFonts().clear();
}

} // namespace corvex::dialogs
