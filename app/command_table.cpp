#include "app/command_table.h"

#include "app/commands.h"
#include "app/main_messages.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/menus.h"
#include "corvex/include/corvex.h"
#include "docs/document_commands.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "docs/file_dialogs.h"
#include "docs/languages.h"
#include "options/options_dialog.h"
#include "options/skin_selector.h"
#include "platform/config.h"
#include "tools/tool_windows.h"

#include <commdlg.h>

namespace {

constexpr int kPlayMacroOffset = 686;  // command - 686 is the editor's play-macro code
constexpr DWORD kFavouriteDialogFlags = 0x1C00;
constexpr UINT kAlwaysOnTopItem = 400;
constexpr UINT kShowWhitespaceItem = 611;

// --- what the handlers share ---------------------------------------------------------

LRESULT SendToActive(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    HWND control = ActiveControl();
    return control ? editor::Send(control, message, wParam, lParam) : 0;
}

void RunOnActive(int code, LPARAM lParam = 0) { SendToActive(corvex::Command, code, lParam); }

// Sends `action` when the active control answers `query` with nonzero.
void IfPossible(UINT query, UINT action)
{
    if (SendToActive(query))
        SendToActive(action);
}

bool MacroBusy()
{
    return SendToActive(corvex::MacroPlaying) != 0 || SendToActive(corvex::MacroRecording) != 0;
}

void RunMacroCommand(int code, LPARAM lParam)
{
    if (ActiveControl() && !MacroBusy())
        RunOnActive(code, lParam);
}

bool MainWindowIsTopmost() { return (GetWindowLongW(Main().Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// --- handlers ----------------------------------------------------------------------------
// Each takes the command it runs for, so one handler serves a range (macros, languages).

template <auto Action>
void Run(int) { Action(); }

// Repeats another command: as the toolbar's, or as a menu item (needing a document or not).
template <int Target>
void AsToolbar(int) { PostToolbarCommand(Target); }
template <int Target>
void AsMenu(int) { PostMenuCommand(Target); }
template <int Target>
void AsMenuWithDocument(int)
{
    if (ActiveControl())
        PostMenuCommand(Target);
}

// Sends the active editor one of its commands, or an action its query allows.
template <int Code, LPARAM Parameter = 0>
void EditorCommand(int) { RunOnActive(Code, Parameter); }
template <UINT Query, UINT Action>
void QueriedCommand(int) { IfPossible(Query, Action); }
template <UINT Action>
void EditorAction(int) { SendToActive(Action); }

void PlayMacro(int command) { RunMacroCommand(command - kPlayMacroOffset, 0); }
void RecordMacro(int) { RunMacroCommand(corvex::CmdRecordMacro, 1); }

// Open, unless the press on the toolbar's Open button was held into the favourites.
void OpenFile(int)
{
    KillTimer(Main().Frame(), kOpenHoldTimer);
    if (IsFavouritesPopupVisible())
        return;
    OpenFileCommand();
}

// Paste, unless the press on the toolbar's Paste button was held into the clipboard history.
void PasteFromToolbar(int)
{
    KillTimer(Main().Frame(), kPasteHoldTimer);
    if (!IsClipboardPopupVisible())
        IfPossible(corvex::CanPaste, corvex::Paste);
}

void CloseDocumentCommand(int) { CloseWithPrompt(); }

void OpenMacroMenu(int)
{
    if (ActiveControl() && !MacroBusy())
        ShowMacroMenu();
}

void ShowOptions(int) { ShowOptionsDialog(MainWindowIsTopmost()); }

void ToggleAlwaysOnTop(int)
{
    HMENU tray = Main().Menu(kTrayMenu);
    const bool on = !(GetMenuState(tray, kAlwaysOnTopItem, MF_BYCOMMAND) & MF_CHECKED);
    CheckMenuItem(tray, kAlwaysOnTopItem, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    SetWindowPos(Main().Frame(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    config::WriteFlag("Main", "OnTop", on);
}

void ToggleWhitespace(int)
{
    HMENU menu = Main().Menu(kEditorMenu);
    const bool shown = SendToActive(corvex::IsWhitespaceShown) != 0;
    CheckMenuItem(menu, kShowWhitespaceItem, MF_BYCOMMAND | (shown ? MF_UNCHECKED : MF_CHECKED));
    SendToActive(corvex::ShowWhitespace, shown ? 0 : 1);
}

void Exit(int) { SendMessageW(Main().Frame(), WM_CLOSE, 0, 0); }  // asks about changes first

void AddActiveToFavourites(int)
{
    Document* active = ActiveDocument();
    if (active && !active->path.empty())
        AddFavourite(active->path);
}

void AddFavouriteFromDialog(int)
{
    const std::wstring path = ShowOpenDialog(Main().Frame(), L"txt", kFavouriteDialogFlags);
    if (!path.empty())
        AddFavourite(path);
}

void PasteClipboardEntry(int)
{
    if (HWND control = ActiveControl())
        PasteChosenClipboardEntry(control);
}

// --- the tables --------------------------------------------------------------------------

constexpr ItemRule kFixed = ItemRule::Fixed;
constexpr ItemRule kDocument = ItemRule::NeedsEditor;

// An item with a rule of its own, one the active editor is asked about, and a separator.
constexpr CommandEntry Item(int id, const char* caption, CommandHandler run, ItemRule rule = kFixed)
{
    return CommandEntry{id, caption, rule, 0, run};
}
constexpr CommandEntry Queried(int id, const char* caption, UINT query, CommandHandler run)
{
    return CommandEntry{id, caption, ItemRule::EditorQuery, query, run};
}
constexpr CommandEntry Separator(int id) { return CommandEntry{id, kSeparatorCaption, kFixed, 0, nullptr}; }

const CommandEntry kFileItems[] = {
    Item(1100, "&new", Run<NewDocument>),
    Item(1101, "&open", OpenFile),
    Item(1102, "&close", CloseDocumentCommand, kDocument),
    Item(1103, "c&lose all", Run<CloseAllDocuments>, kDocument),
    Separator(1104),
    Item(1105, "&save", Run<SaveDocument>, kDocument),
    Item(1106, "sa&ve as", Run<SaveDocumentAs>, kDocument),
    Item(1107, "save &all", Run<SaveAllDocuments>, kDocument),
    Separator(1108),
    Item(1109, "&print", AsToolbar<705>, kDocument),
    Separator(1110),
    Item(1111, "&exit", AsMenu<408>),
};
const CommandEntry kEditItems[] = {
    Queried(1200, "&undo", corvex::CanUndo, AsToolbar<706>),
    Queried(1201, "&redo", corvex::CanRedo, AsToolbar<707>),
    Separator(1202),
    Queried(1203, "&cut", corvex::CanCut, AsToolbar<708>),
    Queried(1204, "c&opy", corvex::CanCopy, AsToolbar<709>),
    Queried(1205, "&paste", corvex::CanPaste, AsToolbar<710>),
    Separator(1206),
    Item(1207, "&select all", AsMenuWithDocument<607>, kDocument),
    Separator(1208),
    Item(1210, "to &lower case", AsMenuWithDocument<610>, kDocument),
    Item(1209, "to upp&er case", AsMenuWithDocument<609>, kDocument),
    Item(1211, "show &whitespaces", AsMenuWithDocument<611>, ItemRule::Whitespace),
};
const CommandEntry kSearchItems[] = {
    Item(1300, "&find", AsToolbar<711>, kDocument),
    Item(1301, "find &next", EditorCommand<corvex::CmdFindNext>, kDocument),
    Item(1302, "find &prev", EditorCommand<corvex::CmdFindPrevious>, kDocument),
    Item(1303, "&replace", AsToolbar<712>, kDocument),
    Separator(1304),
    Item(1305, "toggle &bookmark", AsMenuWithDocument<613>, kDocument),
    Item(1306, "ne&xt bookmark", EditorCommand<corvex::CmdNextBookmark>, kDocument),
    Item(1307, "pre&v bookmark", EditorCommand<corvex::CmdPreviousBookmark>, kDocument),
    Item(1308, "clear &all bookmarks", AsMenuWithDocument<614>, kDocument),
    Separator(1309),
    Item(1310, "&goto line", EditorCommand<corvex::CmdGoToLine, -1>, kDocument),
    Item(1311, "&match brace", EditorCommand<corvex::CmdMatchBrace>, kDocument),
};
const CommandEntry kHelpItems[] = {
    Item(1400, "&contents", AsMenu<405>),
    Separator(1401),
    Item(1402, "&about", AsMenu<406>),
};
const CommandEntry kTrayItems[] = {
    Item(400, "&always on top", ToggleAlwaysOnTop),
    Separator(401),
    Item(402, "&skins", Run<OpenSkinSelector>),
    Item(403, "&options", ShowOptions),
    Separator(404),
    Item(405, "&help", Run<ShowHelp>),
    Item(406, "a&bout", Run<ShowAboutWindow>),
    Separator(407),
    Item(408, "&exit", Exit),
};
const CommandEntry kTabItems[] = {
    Item(500, "&new tab", Run<NewDocument>),
    Separator(501),
    Item(502, "&add to favourites", AddActiveToFavourites, ItemRule::NeedsPath),
    Separator(503),
    Item(504, "&close tab", CloseDocumentCommand),
    Item(505, "close &other tabs", Run<CloseOtherTabs>),
};
const CommandEntry kEditorItems[] = {
    Queried(600, "&undo", corvex::CanUndo, QueriedCommand<corvex::CanUndo, corvex::Undo>),
    Queried(601, "&redo", corvex::CanRedo, QueriedCommand<corvex::CanRedo, corvex::Redo>),
    Separator(602),
    Queried(603, "&cut", corvex::CanCut, QueriedCommand<corvex::CanCut, corvex::Cut>),
    Queried(604, "c&opy", corvex::CanCopy, QueriedCommand<corvex::CanCopy, corvex::Copy>),
    Queried(605, "&paste", corvex::CanPaste, QueriedCommand<corvex::CanPaste, corvex::Paste>),
    Separator(606),
    Item(607, "&select all", EditorCommand<corvex::CmdSelectAll>),
    Separator(608),
    Item(610, "to &lower case", EditorCommand<corvex::CmdLowerCase>),
    Item(609, "to upp&er case", EditorCommand<corvex::CmdUpperCase>),
    Item(611, "show &whitespaces", ToggleWhitespace, ItemRule::Whitespace),
    Separator(612),
    Item(613, "toggle &bookmark", EditorCommand<corvex::CmdToggleBookmark>),
    Item(614, "clear &all bookmarks", EditorCommand<corvex::CmdClearBookmarks>),
    Separator(615),
    Item(616, "se&ttings", EditorCommand<corvex::CmdSettingsDialog>),
};
const CommandEntry kClipboardItemItems[] = {
    Item(kPasteClipboardItem, "&paste", PasteClipboardEntry),
    Separator(702),
    Item(701, "&delete", Run<DeleteChosenClipboardEntry>),
    Item(703, "delete &all", Run<ClearClipboardHistory>),
};
const CommandEntry kFavouritesItemItems[] = {
    Item(kOpenFavouriteItem, "&open", Run<OpenChosenFavourite>),
    Item(kOpenAllFavouritesItem, "open &all", Run<OpenAllFavourites>),
    Separator(802),
    Item(803, "a&dd...", AddFavouriteFromDialog),
    Separator(805),
    Item(kDeleteFavouriteItem, "d&elete", Run<DeleteChosenFavourite>),
    Item(806, "delete a&ll", Run<DeleteAllFavourites>),
    Separator(807),
    Item(kOpenOnStartupItem, "open on &startup", Run<ToggleChosenFavouriteOnStartup>),
};
constexpr ItemRule kMacro = ItemRule::StartsGrayed;
const CommandEntry kMacroItems[] = {
    Item(900, "play macro &1", PlayMacro, kMacro), Item(901, "play macro &2", PlayMacro, kMacro),
    Item(902, "play macro &3", PlayMacro, kMacro), Item(903, "play macro &4", PlayMacro, kMacro),
    Item(904, "play macro &5", PlayMacro, kMacro), Item(905, "play macro &6", PlayMacro, kMacro),
    Item(906, "play macro &7", PlayMacro, kMacro), Item(907, "play macro &8", PlayMacro, kMacro),
    Item(908, "play macro &9", PlayMacro, kMacro), Item(909, "play macro 1&0", PlayMacro, kMacro),
    Separator(910),
    Item(911, "&record a macro", RecordMacro),
};
const CommandEntry kLanguageItems[] = {
    Item(1000, "&none", ChooseLanguage),      Item(1001, "&asp", ChooseLanguage),
    Item(1002, "&basic", ChooseLanguage),     Item(1003, "&c/c++", ChooseLanguage),
    Item(1004, "cold&fusion", ChooseLanguage), Item(1005, "&html", ChooseLanguage),
    Item(1006, "&java", ChooseLanguage),      Item(1007, "pasca&l", ChooseLanguage),
    Item(1008, "&php", ChooseLanguage),       Item(1009, "&sql", ChooseLanguage),
    Item(1010, "&xml", ChooseLanguage),
};

// The toolbar: the tooltip of each button is the string resource of its number.
const CommandEntry kToolbarButtons[kToolbarButtonCount] = {
    Item(700, nullptr, Run<NewDocument>),
    Item(kOpenButton, nullptr, OpenFile),
    Item(702, nullptr, CloseDocumentCommand),
    Item(703, nullptr, Run<SaveDocument>),
    Item(704, nullptr, Run<SaveDocumentAs>),
    Item(705, nullptr, Run<PrintDocument>),
    Item(706, nullptr, EditorAction<corvex::Undo>),
    Item(707, nullptr, EditorAction<corvex::Redo>),
    Item(708, nullptr, QueriedCommand<corvex::CanCut, corvex::Cut>),
    Item(709, nullptr, QueriedCommand<corvex::CanCopy, corvex::Copy>),
    Item(kPasteButton, nullptr, PasteFromToolbar),
    Item(711, nullptr, EditorCommand<corvex::CmdFindDialog>),
    Item(712, nullptr, EditorCommand<corvex::CmdReplaceDialog>),
    Item(kLanguageButton, nullptr, Run<ShowLanguageMenu>),
    Item(kMacroButton, nullptr, OpenMacroMenu),
    Item(715, nullptr, ShowOptions),
};

// The menu bar: its buttons only open their menus (on TBN_DROPDOWN), so none runs a
// command; their captions are the string resources from IDS_MENUBAR_FIRST.
const CommandEntry kMenuBarButtons[kMenuBarButtonCount] = {
    Item(kFileButton, nullptr, nullptr),      Item(kEditButton, nullptr, nullptr),
    Item(kSearchButton, nullptr, nullptr),    Item(kFavouritesButton, nullptr, nullptr),
    Item(kClipboardButton, nullptr, nullptr), Item(kHelpButton, nullptr, nullptr),
};

template <std::size_t N>
constexpr CommandList List(const CommandEntry (&entries)[N])
{
    return {entries, N};
}

// In the order of MenuIndex.
const CommandList kMenus[kMenuCount] = {
    List(kFileItems),          List(kEditItems),    List(kSearchItems), List(kHelpItems),
    List(kTrayItems),          List(kTabItems),     List(kEditorItems), List(kClipboardItemItems),
    List(kFavouritesItemItems), List(kMacroItems), List(kLanguageItems),
};

UINT EnabledWhen(bool on) { return on ? MF_ENABLED : MF_GRAYED; }

} // namespace

CommandList MenuCommands(MenuIndex menu) { return kMenus[menu]; }
CommandList ToolbarCommands() { return List(kToolbarButtons); }
CommandList MenuBarCommands() { return List(kMenuBarButtons); }

const CommandEntry* FindCommand(CommandSource source, int id)
{
    switch (source) {
    case CommandSource::Toolbar:
        for (const CommandEntry& entry : ToolbarCommands())
            if (entry.id == id)
                return &entry;
        return nullptr;
    case CommandSource::Menu:
        for (const CommandList& menu : kMenus)
            for (const CommandEntry& entry : menu)
                if (entry.id == id)
                    return &entry;
        return nullptr;
    case CommandSource::MenuBar:
    case CommandSource::Other:
        break;
    }
    return nullptr;
}

void ApplyItemRules(HMENU handle, MenuIndex menu)
{
    Document* active = ActiveDocument();
    HWND control = active ? active->control : nullptr;
    for (const CommandEntry& entry : MenuCommands(menu)) {
        switch (entry.rule) {
        case ItemRule::NeedsEditor:
            SetMenuItemState(handle, entry.id, EnabledWhen(control != nullptr));
            break;
        case ItemRule::EditorQuery:
            SetMenuItemState(handle, entry.id, EnabledWhen(control && editor::Send(control, entry.query)));
            break;
        case ItemRule::Whitespace: {
            UINT state = MF_GRAYED;
            if (control)
                state = MF_ENABLED | (editor::Send(control, corvex::IsWhitespaceShown) ? MF_CHECKED : MF_UNCHECKED);
            SetMenuItemState(handle, entry.id, state);
            break;
        }
        case ItemRule::NeedsPath:
            SetMenuItemState(handle, entry.id, EnabledWhen(active && !active->path.empty()));
            break;
        case ItemRule::Fixed:
        case ItemRule::StartsGrayed:
            break;
        }
    }
}
