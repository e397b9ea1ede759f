// The contract between Quillet and the Corvex editing control (Corvex.dll).
//
// Corvex.dll registers the window class "Corvex". Quillet links the library by
// ordinal (see corvex/Corvex.def) and talks to each control with the messages below,
// all sent synchronously. Values not named here are the control's own business.
#pragma once

#include <windows.h>

#ifdef CORVEX_BUILDING_DLL
#define CORVEX_API extern "C" __declspec(dllexport)
#else
#define CORVEX_API extern "C" __declspec(dllimport)
#endif

// ---- Exports (C calling convention, linked by ordinal) -----------------------
CORVEX_API int __cdecl CorvexInitialize(int flags);             // @1, flags 0x2100
CORVEX_API int __cdecl CorvexShutdown(void);                    // @2
CORVEX_API int __cdecl CorvexGetHotKeys(void* buffer);          // @7  -> byte size (null: size only)
CORVEX_API int __cdecl CorvexSetHotKeys(const void* data);      // @8  (data carries its own length)
CORVEX_API int __cdecl CorvexGetMacro(int index, void* buffer); // @14 -> byte size (null: size only)
CORVEX_API int __cdecl CorvexSetMacro(int index, const void* data); // @15
CORVEX_API int __cdecl CorvexSetHistory(const char* text, int list); // @16 list 1 find, 0 replace
CORVEX_API int __cdecl CorvexGetHistory(char* buffer, int list);     // @17

namespace corvex {

constexpr const char* kClassName = "Corvex";
constexpr int kInitFlags = 0x2100;
// Child identifier shared by every editor control of the main window.
constexpr int kControlId = 200;
// Size of the buffer a caller hands to CorvexGetHistory.
constexpr int kHistoryBufferSize = 1025;

// ---- Messages ---------------------------------------------------------------------
enum Message : UINT {
    LoadFile = 3324,       // 0, const char* path -> 1 loaded
    SaveFile = 3334,       // 0, const char* path -> 1 saved
    SaveRecord = 3354,     // record got with GetPosition(0), const char* text: replace
    GetPosition = 3444,    // 0 or 1, int[4]; with 1: [2] line, [3] column as shown (-1 none)
    IsModified = 3484,
    ClearModified = 3485,
    Command = 3724,        // wParam command code, lParam 0 unless given
    IsOverwrite = 2934,
    Print = 5144,          // 0, 12

    Undo = 4384, Redo = 4374, Cut = 4394, Copy = 4404, Paste = 4414,
    CanUndo = 4324, CanRedo = 4334, CanCut = 4344, CanCopy = 4354, CanPaste = 4364,

    ShowWhitespace = 2824, IsWhitespaceShown = 2834,
    MacroRecording = 4755, MacroPlaying = 4756,
    SetLanguage = 2624,    // 0, const char* name or null
    GetLanguage = 2625,    // 0, char[20]

    SetSkinFolder = 5214,  // 0, const char* folder
    SetSplitterColour = 5224, // 1 border / 2 splitter, COLORREF
    SetTooltipColour = 5234,  // 1 text / 2 background, COLORREF

    // Per-control options: set (wParam or lParam = value) / get.
    SetColourSyntax = 2634, GetColourSyntax = 2644,
    SetScrollBar = 4724, GetScrollBar = 4734,         // wParam 1 horizontal, 0 vertical
    SetSplitter = 4744, GetSplitter = 4754,           // wParam 1 horizontal, 0 vertical
    SetWholeWord = 2964, GetWholeWord = 2974,
    SetAutoIndent = 4124, GetAutoIndent = 4134,
    SetSmoothScroll = 2844, GetSmoothScroll = 2854,
    SetLineTooltips = 2884, GetLineTooltips = 2894,
    SetLineHighlight = 5244, GetLineHighlight = 5254,
    SetLeftMargin = 2904, GetLeftMargin = 2914,
    SetColumnSelect = 2915, GetColumnSelect = 2916,
    SetDragDrop = 2917, GetDragDrop = 2918,
    SetCaseSensitive = 2944, GetCaseSensitive = 2954,
    SetPreserveCase = 2955, GetPreserveCase = 2956,
    SetTabExpand = 2835, GetTabExpand = 2836,
    SetTabSize = 2845, GetTabSize = 2846,
    SetNormalizeCase = 4994, GetNormalizeCase = 5004,
    SetSelBounds = 4784, GetSelBounds = 4794,
    SetColours = 2654, GetColours = 2664,             // 0, COLORREF[31]
    SetFontStyles = 4804, GetFontStyles = 4814,       // 0, 12 bytes
    SetLineNumbering = 4924, GetLineNumbering = 4934, // 0, 12 bytes
};

// Command codes of the Command message.
enum CommandCode : int {
    CmdUpperCase = 125, CmdSelectAll = 137, CmdLowerCase = 147, CmdMatchBrace = 166,
    CmdGoToLine = 168, CmdReplaceDialog = 169, CmdFindPrevious = 174, CmdFindNext = 176,
    CmdFindDialog = 178, CmdToggleBookmark = 204, CmdPreviousBookmark = 205,
    CmdNextBookmark = 206, CmdClearBookmarks = 207, CmdRecordMacro = 213,
    CmdPlayMacro1 = 214, /* ... */ CmdPlayMacro10 = 223, CmdSettingsDialog = 224,
};

// Notification codes (WM_NOTIFY from kControlId).
enum Notification : UINT {
    NotifyCaretMoved = 130,
    NotifyModifiedChanged = 150,
    NotifySettingsChanged = 170,
    NotifyKeyCommand = 230,   // the 16-bit command word follows the NMHDR
    NotifyOverwriteChanged = 300,
};

// Key commands carried by NotifyKeyCommand.
enum KeyCommand : WORD {
    KeyNew = 242, KeyOpen = 243, KeyClose = 244, KeySave = 245, KeySaveAs = 246,
    KeyPrint = 247, KeyFavourites = 248, KeyClipboard = 249, KeyLanguageMenu = 250,
    KeyMacroMenu = 251,
};

struct KeyCommandNotify {
    NMHDR hdr;
    WORD command;
};

constexpr int kColourCount = 31;
enum ColourIndex : int {
    ColourBackground = 0, ColourLeftMargin = 1, ColourText = 4,
    ColourLineNumberText = 26, ColourLineNumberBackground = 27, ColourHighlightedLine = 30,
};
constexpr int kFontStylesSize = 12;
constexpr int kLineNumberingSize = 12;

} // namespace corvex
