#include "docs/editor_settings.h"

#include "corvex/include/corvex.h"
#include "docs/docs_host.h"
#include "docs/editor_font.h"

#include <cstdio>
#include <vector>

namespace {

registry::KeyPath g_key = {"Brightmoor", "Quillet", "Editor Settings"};

// A per-control number. With `selector` -1 the value travels in wParam (set (v, 0),
// get (0, 0)); otherwise set (selector, v) and get (selector, 0).
struct NumberSetting {
    const char* name;
    DWORD fallback;
    UINT set;
    UINT get;
    int selector;
};

const NumberSetting kNumberSettings[] = {
    {"COLORSYNTAX", 1, corvex::SetColourSyntax, corvex::GetColourSyntax, -1},
    {"HSCROLLBAR", 1, corvex::SetScrollBar, corvex::GetScrollBar, 1},
    {"VSCROLLBAR", 1, corvex::SetScrollBar, corvex::GetScrollBar, 0},
    {"HSPLITTER", 1, corvex::SetSplitter, corvex::GetSplitter, 1},
    {"VSPLITTER", 1, corvex::SetSplitter, corvex::GetSplitter, 0},
    {"WHOLEWORD", 0, corvex::SetWholeWord, corvex::GetWholeWord, -1},
    {"AUTOINDENTMODE", 2, corvex::SetAutoIndent, corvex::GetAutoIndent, -1},
    {"SMOOTHSCROLLING", 0, corvex::SetSmoothScroll, corvex::GetSmoothScroll, -1},
    {"LINETOOLTIPS", 1, corvex::SetLineTooltips, corvex::GetLineTooltips, -1},
    {"LINEHILITE", 1, corvex::SetLineHighlight, corvex::GetLineHighlight, -1},
    {"LEFTMARGIN", 1, corvex::SetLeftMargin, corvex::GetLeftMargin, -1},
    {"COLUMNSEL", 1, corvex::SetColumnSelect, corvex::GetColumnSelect, -1},
    {"DRAGDROP", 1, corvex::SetDragDrop, corvex::GetDragDrop, -1},
    {"CASESENSITIVE", 0, corvex::SetCaseSensitive, corvex::GetCaseSensitive, -1},
    {"PRESERVECASE", 0, corvex::SetPreserveCase, corvex::GetPreserveCase, -1},
    {"TABEXPAND", 0, corvex::SetTabExpand, corvex::GetTabExpand, -1},
    {"TABSIZE", 4, corvex::SetTabSize, corvex::GetTabSize, -1},
    {"NORMALIZECASE", 0, corvex::SetNormalizeCase, corvex::GetNormalizeCase, -1},
    {"SELBOUNDS", 1, corvex::SetSelBounds, corvex::GetSelBounds, -1},
    // Beyond the values above: lines wrapped at the window's width.
    {"WORDWRAP", 0, corvex::SetWordWrap, corvex::GetWordWrap, -1},
};

// A per-control block of fixed size, sent only when the stored copy has exactly that size.
struct BlockSetting {
    const char* name;
    unsigned size;
    UINT set;
    UINT get;
};

const BlockSetting kColours = {"COLORS", corvex::kColourCount * sizeof(COLORREF), corvex::SetColours,
                               corvex::GetColours};
const BlockSetting kFontStyles = {"FONTSTYLES", corvex::kFontStylesSize, corvex::SetFontStyles,
                                  corvex::GetFontStyles};
const BlockSetting kLineNumbering = {"LINENUMBERING", corvex::kLineNumberingSize, corvex::SetLineNumbering,
                                     corvex::GetLineNumbering};
constexpr const char* kFontValue = "FONT";
constexpr const char* kHotKeysValue = "HOTKEYS";
constexpr const char* kFindHistoryValue = "FINDMRULIST";
constexpr const char* kReplaceHistoryValue = "REPLMRULIST";
constexpr int kFindList = 1;
constexpr int kReplaceList = 0;

std::string MacroValueName(int index)
{
    char name[16];
    std::snprintf(name, sizeof name, "Macro%d", index);
    return name;
}

void LoadBlock(HWND control, const BlockSetting& block)
{
    std::vector<unsigned char> data;
    if (registry::RegReadBinary(g_key, block.name, data) && data.size() == block.size)
        SendMessageW(control, block.set, 0, reinterpret_cast<LPARAM>(data.data()));
}

void SaveBlock(HWND control, const BlockSetting& block)
{
    std::vector<unsigned char> data(block.size, 0);
    SendMessageW(control, block.get, 0, reinterpret_cast<LPARAM>(data.data()));
    registry::RegWriteBinary(g_key, block.name, data.data(), block.size);
}

void LoadFont(HWND control)
{
    if (!editor_font::Current()) {
        std::vector<unsigned char> data;
        if (registry::RegReadBinary(g_key, kFontValue, data) && data.size() == sizeof(LOGFONTA)) {  // the registry's FONT value is a LOGFONTA
            LOGFONTA font;  // the registry's FONT value is a LOGFONTA
            CopyMemory(&font, data.data(), sizeof font);
            editor_font::CreateFrom(font);
        }
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(editor_font::Current()), 0);
}

void SaveFont(HWND control)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (font != editor_font::Current())
        editor_font::GiveUp();
    // The registry's FONT value stores a LOGFONTA.
    LOGFONTA description;
    if (font && GetObjectA(font, sizeof description, &description) == sizeof description) // the FONT value's LOGFONTA
        registry::RegWriteBinary(g_key, kFontValue, &description, sizeof description);
}

void LoadControl(HWND control)
{
    for (const NumberSetting& setting : kNumberSettings) {
        const DWORD value = registry::RegReadDword(g_key, setting.name, setting.fallback);
        if (setting.selector < 0)
            SendMessageW(control, setting.set, value, 0);
        else
            SendMessageW(control, setting.set, setting.selector, value);
    }
    LoadBlock(control, kColours);
    LoadBlock(control, kFontStyles);
    LoadFont(control);
    LoadBlock(control, kLineNumbering);
}

void SaveControl(HWND control)
{
    for (const NumberSetting& setting : kNumberSettings) {
        const WPARAM selector = setting.selector < 0 ? 0 : static_cast<WPARAM>(setting.selector);
        const DWORD value = static_cast<DWORD>(SendMessageW(control, setting.get, selector, 0));
        registry::RegWriteDword(g_key, setting.name, value);
    }
    SaveBlock(control, kColours);
    SaveBlock(control, kFontStyles);
    SaveFont(control);
    SaveBlock(control, kLineNumbering);
}

void LoadLibrarySettings()
{
    std::vector<unsigned char> data;
    for (int i = 0; i < kMacroCount; ++i) {
        if (registry::RegReadBinary(g_key, MacroValueName(i).c_str(), data) && !data.empty()) {
            CorvexSetMacro(i, data.data());
            docs::Host().MacroLoaded(i);
        }
    }
    if (registry::RegReadBinary(g_key, kHotKeysValue, data) && !data.empty())
        CorvexSetHotKeys(data.data());
    CorvexSetHistory(registry::RegReadString(g_key, kFindHistoryValue, "").c_str(), kFindList);
    CorvexSetHistory(registry::RegReadString(g_key, kReplaceHistoryValue, "").c_str(), kReplaceList);
}

// Writes a library blob fetched by size first (a null buffer asks for the size only).
template <class Fetch>
void SaveBlob(const char* name, Fetch fetch)
{
    std::vector<unsigned char> data;
    const int size = fetch(nullptr);
    if (size > 0) {
        data.assign(static_cast<std::size_t>(size), 0);
        fetch(data.data());
    }
    registry::RegWriteBinary(g_key, name, data.data(), static_cast<unsigned long>(data.size()));
}

void SaveLibrarySettings()
{
    for (int i = 0; i < kMacroCount; ++i)
        SaveBlob(MacroValueName(i).c_str(), [i](void* buffer) { return CorvexGetMacro(i, buffer); });
    SaveBlob(kHotKeysValue, [](void* buffer) { return CorvexGetHotKeys(buffer); });
    std::vector<char> history(corvex::kHistoryBufferSize, '\0');
    CorvexGetHistory(history.data(), kFindList);
    history.back() = '\0';
    registry::RegWriteString(g_key, kFindHistoryValue, history.data());
    history.assign(history.size(), '\0');
    CorvexGetHistory(history.data(), kReplaceList);
    history.back() = '\0';
    registry::RegWriteString(g_key, kReplaceHistoryValue, history.data());
    editor_font::ReleaseAll();
}

} // namespace

const registry::KeyPath& EditorSettingsKey() { return g_key; }
void SetEditorSettingsKey(const registry::KeyPath& key) { g_key = key; }

void LoadEditorSettings(HWND control)
{
    if (control)
        LoadControl(control);
    else
        LoadLibrarySettings();
}

void SaveEditorSettings(HWND control)
{
    if (control)
        SaveControl(control);
    else
        SaveLibrarySettings();
}
