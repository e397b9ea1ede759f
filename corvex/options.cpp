#include "corvex/options.h"

#include <cstring>

namespace corvex {
namespace {

constexpr COLORREF kDefaultColours[kColourCount] = {
    RGB(255, 255, 255), // background
    RGB(236, 236, 236), // left margin
    RGB(51, 103, 214),  // selection
    RGB(255, 255, 255), // selection text
    RGB(0, 0, 0),       // text
    RGB(0, 0, 160),     // keyword
    RGB(0, 128, 0),     // comment
    RGB(163, 21, 21),   // string
    RGB(128, 0, 128),   // number
    RGB(64, 64, 64),    // operator
    RGB(128, 64, 0),    // preprocessor
    RGB(128, 0, 0),     // tag
    RGB(255, 0, 0),     // attribute
    RGB(0, 128, 128),   // entity
    RGB(160, 0, 160),   // server-block delimiter
    RGB(170, 170, 190), // whitespace marks
    RGB(0, 0, 0),       // caret
    RGB(255, 220, 120), // matched brace
    RGB(64, 128, 255),  // bookmark
    RGB(200, 200, 200), // margin divider
    0, 0, 0, 0, 0, 0,   // reserved
    RGB(120, 120, 120), // line-number text
    RGB(244, 244, 244), // line-number background
    0, 0,               // reserved
    RGB(255, 250, 220), // highlighted line
};

// An option that lives in one int and is set and read with wParam (or, for the two
// direction-indexed pairs, lParam with the direction in wParam).
struct IntOption {
    UINT set, get;
    int Options::*field;
    int Options::*otherDirection; // non-null: wParam 1 selects `field`, 0 this one
    OptionEffect effect;
};

const IntOption kIntOptions[] = {
    {SetColourSyntax, GetColourSyntax, &Options::colourSyntax, nullptr, OptionEffect::Repaint},
    {SetScrollBar, GetScrollBar, &Options::horizontalScrollBar, &Options::verticalScrollBar, OptionEffect::ScrollBars},
    {SetSplitter, GetSplitter, &Options::horizontalSplitter, &Options::verticalSplitter, OptionEffect::None},
    {SetWholeWord, GetWholeWord, &Options::wholeWord, nullptr, OptionEffect::None},
    {SetAutoIndent, GetAutoIndent, &Options::autoIndent, nullptr, OptionEffect::None},
    {SetSmoothScroll, GetSmoothScroll, &Options::smoothScroll, nullptr, OptionEffect::None},
    {SetLineTooltips, GetLineTooltips, &Options::lineTooltips, nullptr, OptionEffect::None},
    {SetLineHighlight, GetLineHighlight, &Options::lineHighlight, nullptr, OptionEffect::Repaint},
    {SetLeftMargin, GetLeftMargin, &Options::leftMargin, nullptr, OptionEffect::Relayout},
    {SetColumnSelect, GetColumnSelect, &Options::columnSelect, nullptr, OptionEffect::None},
    {SetDragDrop, GetDragDrop, &Options::dragDrop, nullptr, OptionEffect::None},
    {SetCaseSensitive, GetCaseSensitive, &Options::caseSensitive, nullptr, OptionEffect::None},
    {SetPreserveCase, GetPreserveCase, &Options::preserveCase, nullptr, OptionEffect::None},
    {SetTabExpand, GetTabExpand, &Options::tabExpand, nullptr, OptionEffect::None},
    {SetTabSize, GetTabSize, &Options::tabSize, nullptr, OptionEffect::Relayout},
    {SetNormalizeCase, GetNormalizeCase, &Options::normalizeCase, nullptr, OptionEffect::None},
    {SetSelBounds, GetSelBounds, &Options::selBounds, nullptr, OptionEffect::None},
    {SetWordWrap, GetWordWrap, &Options::wordWrap, nullptr, OptionEffect::Wrap},
};

constexpr int kMaxTabSize = 64;
constexpr std::size_t kLanguageBufferSize = 20;

int Normalised(int Options::*field, int value)
{
    if (field == &Options::tabSize)
        return value < 1 ? 1 : value > kMaxTabSize ? kMaxTabSize : value;
    if (field == &Options::autoIndent)
        return value < AutoIndentNone || value > AutoIndentSmart ? AutoIndentSmart : value;
    return value;
}

bool HandleIntOption(Options& options, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                     OptionEffect& effect)
{
    for (const IntOption& option : kIntOptions) {
        if (message != option.set && message != option.get)
            continue;
        int Options::*field = option.otherDirection && wParam == 0 ? option.otherDirection : option.field;
        if (message == option.get) {
            result = options.*field;
            return true;
        }
        const int value = static_cast<int>(option.otherDirection ? lParam : wParam);
        options.*field = Normalised(field, value);
        effect = option.effect;
        result = 1;
        return true;
    }
    return false;
}

void CopyBlock(void* to, const void* from, std::size_t size, LRESULT& result)
{
    if (to && from)
        std::memcpy(to, from, size);
    result = to && from ? 1 : 0;
}

} // namespace

Options::Options()
{
    std::memcpy(colours, kDefaultColours, sizeof colours);
    refreshShownColours();
    fontStyles[StyleKeyword] = StyleBold;
    fontStyles[StyleComment] = StyleItalic;
    fontStyles[StylePreprocessor] = StyleBold;
}

static_assert(kColourCount < 32, "a colour's stand-in is one bit of a 32-bit mask");

void Options::refreshShownColours()
{
    for (int i = 0; i < kColourCount; ++i)
        shownColours[i] = (standInMask & (1u << i)) ? standIns[i] : colours[i];
}

bool HandleOptionMessage(Options& options, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                         OptionEffect& effect)
{
    effect = OptionEffect::None;
    if (HandleIntOption(options, message, wParam, lParam, result, effect))
        return true;
    void* data = reinterpret_cast<void*>(lParam);
    switch (message) {
    case SetColours:
        CopyBlock(options.colours, data, sizeof options.colours, result);
        options.refreshShownColours();
        effect = OptionEffect::Repaint;
        return true;
    case SetShownColours: {
        const DWORD mask = static_cast<DWORD>(wParam) & ((1u << kColourCount) - 1);
        if (mask && !data) {
            result = 0;
            return true;
        }
        options.standInMask = mask;
        if (mask)
            std::memcpy(options.standIns, data, sizeof options.standIns);
        options.refreshShownColours();
        effect = OptionEffect::Repaint;
        result = 1;
        return true;
    }
    case GetColours:
        CopyBlock(data, options.colours, sizeof options.colours, result);
        return true;
    case GetShownColours:
        CopyBlock(data, options.shownColours, sizeof options.shownColours, result);
        return true;
    case SetFontStyles:
        CopyBlock(options.fontStyles, data, sizeof options.fontStyles, result);
        effect = OptionEffect::Relayout;
        return true;
    case GetFontStyles:
        CopyBlock(data, options.fontStyles, sizeof options.fontStyles, result);
        return true;
    case SetLineNumbering:
        CopyBlock(&options.lineNumbering, data, sizeof options.lineNumbering, result);
        if (options.lineNumbering.minimumDigits < 1 || options.lineNumbering.minimumDigits > 9)
            options.lineNumbering.minimumDigits = 3;
        effect = OptionEffect::Relayout;
        return true;
    case GetLineNumbering:
        CopyBlock(data, &options.lineNumbering, sizeof options.lineNumbering, result);
        return true;
    case SetLanguage: {
        const char* name = reinterpret_cast<const char*>(lParam);
        options.language = name ? std::string(name, strnlen(name, kLanguageBufferSize - 1)) : std::string();
        effect = OptionEffect::Repaint;
        result = 1;
        return true;
    }
    case GetLanguage:
        if (char* buffer = reinterpret_cast<char*>(lParam))
            std::memcpy(buffer, options.language.c_str(), options.language.size() + 1);
        result = static_cast<LRESULT>(options.language.size());
        return true;
    case SetSkinFolder: {
        const char* folder = reinterpret_cast<const char*>(lParam);
        options.skinFolder = folder ? std::string(folder, strnlen(folder, MAX_PATH)) : std::string();
        effect = OptionEffect::Skin;
        result = 1;
        return true;
    }
    case SetSplitterColour:
        // above 2 GB: the colour messages carry a COLORREF in lParam, never an address.
        (wParam == 1 ? options.splitterBorder : options.splitter) = static_cast<COLORREF>(lParam);
        result = 1;
        return true;
    case SetTooltipColour:
        // above 2 GB: a COLORREF in lParam, as above.
        (wParam == 1 ? options.tooltipText : options.tooltipBackground) = static_cast<COLORREF>(lParam);
        result = 1;
        return true;
    default:
        return false;
    }
}

} // namespace corvex
