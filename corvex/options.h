// The per-control option store: every set message of the option table stores its value
// here, and the matching get message returns it.
#pragma once

#include "corvex/include/corvex.h"

#include <string>

namespace corvex {

// The 12-byte block of SetLineNumbering/GetLineNumbering.
struct LineNumbering {
    DWORD shown = 1;        // nonzero: the line-number column is painted
    LONG firstNumber = 1;   // number of the first line
    LONG minimumDigits = 3; // the column is at least this many digits wide (1-9)
};
static_assert(sizeof(LineNumbering) == kLineNumberingSize, "line numbering block is 12 bytes");

struct Options {
    int colourSyntax = 1;
    int horizontalScrollBar = 1, verticalScrollBar = 1;
    int horizontalSplitter = 1, verticalSplitter = 1;
    int wholeWord = 0;
    int autoIndent = AutoIndentSmart;
    int smoothScroll = 0;
    int lineTooltips = 1;
    int lineHighlight = 1;
    int leftMargin = 1;
    int columnSelect = 1;
    int dragDrop = 1;
    int caseSensitive = 0, preserveCase = 0, normalizeCase = 0, selBounds = 1;
    int tabExpand = 0;
    int tabSize = 4;
    int wordWrap = 0;
    COLORREF colours[kColourCount] = {};       // the user's: GetColours answers them, the program stores them
    COLORREF shownColours[kColourCount] = {};  // what is painted: the user's, or a stand-in per colour
    DWORD standInMask = 0;                     // which colours have a stand-in (bit 1 << index)
    COLORREF standIns[kColourCount] = {};
    BYTE fontStyles[kFontStylesSize] = {};
    LineNumbering lineNumbering;
    std::string language;      // at most 19 characters
    std::string skinFolder;
    COLORREF splitterBorder = RGB(128, 128, 128), splitter = RGB(212, 208, 200);
    COLORREF tooltipText = RGB(0, 0, 0), tooltipBackground = RGB(255, 255, 225);

    Options();
    unsigned tabWidth() const { return static_cast<unsigned>(tabSize); }
    // shownColours from the user's colours and the stand-ins.
    void refreshShownColours();
};

// What an option message did, so the control can refresh what depends on it.
enum class OptionEffect { None, Repaint, Relayout, ScrollBars, Wrap, Skin };

// Handles the option, colour, font-style, line-numbering, language and skin messages.
// Returns false when `message` is none of them.
bool HandleOptionMessage(Options& options, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                         OptionEffect& effect);

} // namespace corvex
