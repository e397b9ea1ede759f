// Everything the settings dialog edits, as read from a control with the get messages of
// its options and written back with the set messages, only where a value changed; and
// the library's hot-key table, which every control shares.
#pragma once

#include "corvex/include/corvex.h"
#include "corvex/formats/hotkey_table.h"
#include "corvex/options.h"

#include <array>

namespace corvex::dialogs {

enum OptionId : int {
    OptColourSyntax, OptHorizontalScrollBar, OptVerticalScrollBar, OptHorizontalSplitter,
    OptVerticalSplitter, OptWholeWord, OptAutoIndent, OptSmoothScroll, OptLineTooltips,
    OptLineHighlight, OptLeftMargin, OptColumnSelect, OptDragDrop, OptCaseSensitive,
    OptPreserveCase, OptTabExpand, OptTabSize, OptNormalizeCase, OptSelBounds, OptWordWrap, kOptionCount
};

// How an option travels: with `selector` -1 the value is the set message's wParam and the
// get message has no arguments; otherwise wParam is the selector and the value is lParam.
struct OptionMessages {
    UINT set;
    UINT get;
    int selector;
};
// Indexed by OptionId, in the order the values are applied.
extern const OptionMessages kOptionMessages[kOptionCount];

struct ControlSettings {
    std::array<int, kOptionCount> options{};
    std::array<COLORREF, kColourCount> colours{};
    std::array<BYTE, kFontStylesSize> fontStyles{};
    LineNumbering lineNumbering;
    LOGFONTA font{};  // the control's font settings are a LOGFONTA
    formats::HotKeyTable hotKeys;
};

ControlSettings ReadControlSettings(HWND control);
// Sends the set message of every value that differs between `before` and `after`; a new
// font is created for the control and kept until ReleaseDialogFonts; a changed hot-key
// table replaces the library's. True when anything was sent or replaced.
bool WriteChangedSettings(HWND control, const ControlSettings& before, const ControlSettings& after);

// The fonts the settings dialog created; the controls never delete a font they are given.
void ReleaseDialogFonts();

} // namespace corvex::dialogs
