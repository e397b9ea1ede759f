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
    LoadFile = 3324,       // 0, const char* path -> 1 loaded, 0 not (the document is then as it was)
    SaveFile = 3334,       // 0, const char* path -> 1 saved
    SaveRecord = 3354,     // const int* record got with GetPosition(0), const char* text (ANSI):
                           // replaces [record[0], record[1]) by the text -> 1
    GetPosition = 3444,    // 0 or 1, int[4]: [0] selection start, [1] selection end (byte
                           // offsets), [2] caret line, [3] caret column with tabs expanded;
                           // 0-based with 0, 1-based as shown to the user with 1 (-1 none)
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
    SetWordWrap = 5370, GetWordWrap = 5371,           // nonzero: lines wrap at the view's width
    SetColours = 2654, GetColours = 2664,             // 0, COLORREF[31]
    SetFontStyles = 4804, GetFontStyles = 4814,       // 0, 12 bytes
    SetLineNumbering = 4924, GetLineNumbering = 4934, // 0, 12 bytes

    // The control's own additions, for tools and tests.
    SelectRange = 5310,    // anchor offset, caret offset (bytes, clipped) -> 1
    GetText = 5320,        // buffer size, char* buffer -> byte size of the text (null buffer: size only);
                           // copies min(size, buffer size) raw bytes, no terminator
    GetLinesLexed = 5330,  // 0, 0 -> how many lines the lexer was run on so far
    FindText = 5340,       // 1 backwards / 0 forwards, const char* text (ANSI): selects the next match
                           // with the control's search options -> 1 found
    ReplaceText = 5341,    // 0, const ReplaceRequest* -> replacements made
    GetEncoding = 5350,    // 0, 0 -> the FileEncoding the next save writes
    SaveRecordWide = 5360, // as SaveRecord, with const wchar_t* text (no character is lost
                           // to the code page)
    LoadFileWide = 5380,   // as LoadFile and SaveFile, with a const wchar_t* path: any file
    SaveFileWide = 5381,   // name, also one the ANSI code page cannot spell. LoadFileWide
                           // answers a LoadResult: 1 loaded, 0 cannot be read, 2 does not
                           // fit in memory (LoadFile answers 0 for that too)
    // Backups of unsaved work. A backup is a file of the control's own (its text, encoding,
    // line-end style and caret), always whole on disk.
    BackupStep = 5382,     // budget in bytes, const wchar_t* path: writes at most the budget
                           // of the backup -> 0 written (or already current for the text as
                           // it stands), 1 more to do (call again; an edit in between starts
                           // the write over), -1 failed
    RestoreBackup = 5383,  // 0, const wchar_t* path: the document becomes the backup's, with its
                           // encoding, line ends and caret, modified -> 1, or 0 when unreadable
    GetEditCount = 5384,   // 0, 0 -> a number that changes with every change of the text
    SetCaretLine = 5385,   // 0-based line (clipped), 0: the caret goes to the line's start,
                           // which is scrolled into view -> 1
    MarkModified = 5386,   // 0, 0: the text counts as modified until the next save -> 1
    SetShownColours = 5387, // mask, const COLORREF[31]: the colours whose bit (1 << index) is
                           // set in the mask are shown instead of the control's own, which
                           // stay as they are (GetColours answers them; a mask of 0 shows
                           // them again) -> 1, or 0 for a null block with a nonzero mask
    GetShownColours = 5388, // 0, COLORREF[31]: the colours painted -> 1
};

// What LoadFileWide answers. Unless the file was loaded, the document is as it was.
enum LoadResult : int {
    LoadFailed = 0,    // the file cannot be read (missing, a folder, no access)
    LoadDone = 1,      // the document holds the file's text
    LoadTooLarge = 2,  // the file's text does not fit in the memory the program can still use
};

// How the control writes its file. A file in the ANSI code page is written back in it
// until the text holds a character the code page lacks; that save writes UTF-8 instead
// and the encoding stays UTF-8 from then on.
enum FileEncoding {
    EncodingAnsi = 0, EncodingUtf8 = 1, EncodingUtf8Bom = 2, EncodingUtf16LE = 3, EncodingUtf16BE = 4,
};

// What ReplaceText replaces: with `all` 0 only the selection when it is a match of `text`;
// with `all` 1 every match, in the selection only when `inSelection` is 1. Case sensitivity,
// whole word and preserve case are the control's options.
struct ReplaceRequest {
    const char* text;
    const char* replacement;
    int all;
    int inSelection;
};

// Values of SetAutoIndent.
enum AutoIndentMode : int {
    AutoIndentNone = 0,    // Enter starts the new line at column 1
    AutoIndentKeep = 1,    // the new line takes the indentation of the line it was split from
    AutoIndentSmart = 2,   // as Keep, one level more after a line ending in '{', '(', '[' or ':',
                           // and a '}' typed into a blank indentation goes back one level
};

// Command codes of the Command message.
enum CommandCode : int {
    CmdUpperCase = 125, CmdSelectAll = 137, CmdLowerCase = 147, CmdMatchBrace = 166,
    CmdGoToLine = 168, CmdReplaceDialog = 169, CmdFindPrevious = 174, CmdFindNext = 176,
    CmdFindDialog = 178, CmdToggleBookmark = 204, CmdPreviousBookmark = 205,
    CmdNextBookmark = 206, CmdClearBookmarks = 207, CmdRecordMacro = 213,
    CmdPlayMacro1 = 214, /* ... */ CmdPlayMacro10 = 223, CmdSettingsDialog = 224,
    CmdToggleWordWrap = 225,
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

// The colour block: 31 COLORREFs. Entries 5-14 paint the syntax token kinds; 20-25 and
// 28-29 are reserved.
constexpr int kColourCount = 31;
enum ColourIndex : int {
    ColourBackground = 0, ColourLeftMargin = 1, ColourSelection = 2, ColourSelectionText = 3,
    ColourText = 4, ColourKeyword = 5, ColourComment = 6, ColourString = 7, ColourNumber = 8,
    ColourOperator = 9, ColourPreprocessor = 10, ColourTag = 11, ColourAttribute = 12,
    ColourEntity = 13, ColourScriptTag = 14, ColourWhitespace = 15, ColourCaret = 16,
    ColourMatchedBrace = 17, ColourBookmark = 18, ColourMarginDivider = 19,
    ColourLineNumberText = 26, ColourLineNumberBackground = 27, ColourHighlightedLine = 30,
};
// The font-style block: one byte of FontStyleBits per entry of FontStyleIndex.
constexpr int kFontStylesSize = 12;
enum FontStyleBits : BYTE { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4 };
enum FontStyleIndex : int {
    StyleText = 0, StyleKeyword = 1, StyleComment = 2, StyleString = 3, StyleNumber = 4,
    StyleOperator = 5, StylePreprocessor = 6, StyleTag = 7, StyleAttribute = 8, StyleEntity = 9,
    StyleScriptTag = 10, StyleLineNumbers = 11,
};
// The line-numbering block (12 bytes): DWORD shown (0/1), LONG first number, LONG minimum
// digits of the number column.
constexpr int kLineNumberingSize = 12;

} // namespace corvex
