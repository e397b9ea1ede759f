#include "app/commands.h"
#include "app/menu_keys.h"

#include "platform/app_state.h"
#include "platform/config.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/menus.h"
#include "platform/files.h"
#include "platform/ui_seam.h"
#include "corvex/include/corvex.h"
#include "docs/document_commands.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "docs/file_dialogs.h"
#include "docs/languages.h"
#include "options/options_dialog.h"
#include "options/skin_selector.h"
#include "tools/tool_windows.h"

#include <commdlg.h>
#include <shellapi.h>

namespace {

constexpr int kFirstPlayMacroCommand = 900;
constexpr int kLastPlayMacroCommand = 909;
constexpr int kPlayMacroOffset = 686;  // command - 686 is the editor's play-macro code
constexpr WORD kPostedByMenu = 1;      // notification code of the toolbar commands menus post
constexpr DWORD kFavouriteDialogFlags = 0x1C00;

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

// Runs exactly the toolbar's code for a command, as if its button had been clicked.
void PostToolbarCommand(int command)
{
    MainWindow& main = Main();
    PostMessageA(main.frame, WM_COMMAND, MAKEWPARAM(command, kPostedByMenu), reinterpret_cast<LPARAM>(main.toolbar));
}

void PostMenuCommand(int command) { PostMessageA(Main().frame, WM_COMMAND, command, 0); }

bool MainWindowIsTopmost() { return (GetWindowLongA(Main().frame, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void ToggleAlwaysOnTop()
{
    MainWindow& main = Main();
    HMENU tray = main.menus[kTrayMenu];
    const bool on = !(GetMenuState(tray, 400, MF_BYCOMMAND) & MF_CHECKED);
    CheckMenuItem(tray, 400, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    SetWindowPos(main.frame, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    config::WriteFlag("Main", "OnTop", on);
}

void ToggleWhitespace()
{
    HMENU menu = Main().menus[kEditorMenu];
    const bool shown = SendToActive(corvex::IsWhitespaceShown) != 0;
    CheckMenuItem(menu, 611, MF_BYCOMMAND | (shown ? MF_UNCHECKED : MF_CHECKED));
    SendToActive(corvex::ShowWhitespace, shown ? 0 : 1);
}

void AddActiveToFavourites()
{
    Document* active = ActiveDocument();
    if (active && !active->path.empty())
        AddFavourite(active->path);
}

void AddFavouriteFromDialog()
{
    const std::string path = ShowOpenDialog(Main().frame, "txt", kFavouriteDialogFlags);
    if (!path.empty())
        AddFavourite(path);
}

void RunMacroCommand(int code, LPARAM lParam)
{
    if (ActiveControl() && !MacroBusy())
        RunOnActive(code, lParam);
}

void ShowOptions() { ShowOptionsDialog(MainWindowIsTopmost()); }

// Open, unless the press on the toolbar's Open button was held into the favourites.
void OpenFile()
{
    KillTimer(Main().frame, kOpenHoldTimer);
    if (IsFavouritesPopupVisible())
        return;
    OpenFileCommand();
}

void DispatchToolbarCommand(int command)
{
    switch (command) {
    case 700: NewDocument(); break;
    case 701: OpenFile(); break;
    case 702: CloseWithPrompt(); break;
    case 703: SaveDocument(); break;
    case 704: SaveDocumentAs(); break;
    case 705: PrintDocument(); break;
    case 706: SendToActive(corvex::Undo); break;
    case 707: SendToActive(corvex::Redo); break;
    case 708: IfPossible(corvex::CanCut, corvex::Cut); break;
    case 709: IfPossible(corvex::CanCopy, corvex::Copy); break;
    case 710:
        KillTimer(Main().frame, kPasteHoldTimer);
        if (!IsClipboardPopupVisible())
            IfPossible(corvex::CanPaste, corvex::Paste);
        break;
    case 711: RunOnActive(corvex::CmdFindDialog); break;
    case 712: RunOnActive(corvex::CmdReplaceDialog); break;
    case 713: ShowLanguageMenu(); break;
    case 714:
        if (ActiveControl() && !MacroBusy())
            ShowMacroMenu();
        break;
    case 715: ShowOptions(); break;
    default: break;
    }
}

// Menu items that repeat another command by posting it.
struct Repost {
    int command;
    int target;
    bool toolbar;       // post as the toolbar's command, else as a menu command
    bool needsDocument;
};
const Repost kReposts[] = {
    {1109, 705, true, false},  {1111, 408, false, false},
    {1200, 706, true, false},  {1201, 707, true, false},  {1203, 708, true, false},
    {1204, 709, true, false},  {1205, 710, true, false},
    {1207, 607, false, true},  {1209, 609, false, true},  {1210, 610, false, true},
    {1211, 611, false, true},
    {1300, 711, true, false},  {1303, 712, true, false},
    {1305, 613, false, true},  {1308, 614, false, true},
    {1400, 405, false, false}, {1402, 406, false, false},
};

// Menu items that send the active editor one of its commands.
struct EditorCommand {
    int command;
    int code;
    LPARAM lParam;
};
const EditorCommand kEditorCommands[] = {
    {607, corvex::CmdSelectAll, 0},      {609, corvex::CmdUpperCase, 0},
    {610, corvex::CmdLowerCase, 0},      {613, corvex::CmdToggleBookmark, 0},
    {614, corvex::CmdClearBookmarks, 0}, {616, corvex::CmdSettingsDialog, 0},
    {1301, corvex::CmdFindNext, 0},      {1302, corvex::CmdFindPrevious, 0},
    {1306, corvex::CmdNextBookmark, 0},  {1307, corvex::CmdPreviousBookmark, 0},
    {1310, corvex::CmdGoToLine, -1},     {1311, corvex::CmdMatchBrace, 0},
};

// The editor menu's clipboard and undo items: the query, then the action.
struct QueriedCommand {
    int command;
    UINT query;
    UINT action;
};
const QueriedCommand kQueriedCommands[] = {
    {600, corvex::CanUndo, corvex::Undo}, {601, corvex::CanRedo, corvex::Redo},
    {603, corvex::CanCut, corvex::Cut},   {604, corvex::CanCopy, corvex::Copy},
    {605, corvex::CanPaste, corvex::Paste},
};

bool DispatchTableCommand(int command)
{
    for (const Repost& repost : kReposts) {
        if (repost.command != command)
            continue;
        if (!repost.needsDocument || ActiveControl())
            repost.toolbar ? PostToolbarCommand(repost.target) : PostMenuCommand(repost.target);
        return true;
    }
    for (const EditorCommand& entry : kEditorCommands) {
        if (entry.command == command) {
            RunOnActive(entry.code, entry.lParam);
            return true;
        }
    }
    for (const QueriedCommand& entry : kQueriedCommands) {
        if (entry.command == command) {
            IfPossible(entry.query, entry.action);
            return true;
        }
    }
    return false;
}

void DispatchMenuCommand(int command)
{
    if (DispatchTableCommand(command))
        return;
    if (command >= kFirstPlayMacroCommand && command <= kLastPlayMacroCommand) {
        RunMacroCommand(command - kPlayMacroOffset, 0);
        return;
    }
    if (command >= kFirstLanguageCommand && command <= kLastLanguageCommand) {
        ChooseLanguage(command);
        return;
    }
    switch (command) {
    case 400: ToggleAlwaysOnTop(); break;
    case 402: OpenSkinSelector(); break;
    case 403: ShowOptions(); break;
    case 405: ShowHelp(); break;
    case 406: ShowAboutWindow(); break;
    case 408: SendMessageA(Main().frame, WM_CLOSE, 0, 0); break;  // asks about changes first
    case 500: NewDocument(); break;
    case 502: AddActiveToFavourites(); break;
    case 504: CloseWithPrompt(); break;
    case 505: CloseOtherTabs(); break;
    case 611: ToggleWhitespace(); break;
    case 700:
        if (HWND control = ActiveControl())
            PasteChosenClipboardEntry(control);
        break;
    case 701: DeleteChosenClipboardEntry(); break;
    case 703: ClearClipboardHistory(); break;
    case 800: OpenChosenFavourite(); break;
    case 801: OpenAllFavourites(); break;
    case 803: AddFavouriteFromDialog(); break;
    case 804: DeleteChosenFavourite(); break;
    case 806: DeleteAllFavourites(); break;
    case 808: ToggleChosenFavouriteOnStartup(); break;
    case 911: RunMacroCommand(corvex::CmdRecordMacro, 1); break;
    case 1100: NewDocument(); break;
    case 1101: OpenFile(); break;
    case 1102: CloseWithPrompt(); break;
    case 1103: CloseAllDocuments(); break;
    case 1105: SaveDocument(); break;
    case 1106: SaveDocumentAs(); break;
    case 1107: SaveAllDocuments(); break;
    default: break;
    }
}

} // namespace

void DispatchCommand(WPARAM wParam, LPARAM lParam)
{
    MainWindow& main = Main();
    const HWND sender = reinterpret_cast<HWND>(lParam);
    const int command = LOWORD(wParam);
    if (sender && sender == main.toolbar) {
        if (command >= kFirstButtonCommand && command < kFirstButtonCommand + kToolbarButtonCount)
            DispatchToolbarCommand(command);
        return;
    }
    // A click on a menu-bar button only opens its menu (through TBN_DROPDOWN): its
    // identifiers 700-705 are not clipboard item commands.
    if (sender && sender == main.menuBar)
        return;
    if (HIWORD(wParam) == 0)
        DispatchMenuCommand(command);
}

void OnEditorKeyCommand(WORD command)
{
    switch (command) {
    case corvex::KeyNew: NewDocument(); break;
    case corvex::KeyOpen: OpenFile(); break;
    case corvex::KeyClose: PostMessageA(Main().frame, kCloseActiveMessage, 0, 0); break;
    case corvex::KeySave: SaveDocument(); break;
    case corvex::KeySaveAs: SaveDocumentAs(); break;
    case corvex::KeyPrint: PrintDocument(); break;
    case corvex::KeyFavourites: OpenMenuBarMenu(kFavouritesButton); break;
    case corvex::KeyClipboard: OpenMenuBarMenu(kClipboardButton); break;
    case corvex::KeyLanguageMenu: PostToolbarCommand(713); break;
    case corvex::KeyMacroMenu: PostToolbarCommand(714); break;
    default: break;
    }
}

bool TranslateTabSwitchKey(const MSG& message)
{
    HWND frame = Main().frame;
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0)
        return false;
    if (!frame || (message.hwnd != frame && !IsChild(frame, message.hwnd)) || DocumentList.empty())
        return false;
    const int count = static_cast<int>(DocumentList.size());
    const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    ActivateDocument(((currentIndex < 0 ? 0 : currentIndex) + step) % count);
    return true;
}

bool TranslateMenuBarKey(const MSG& message)
{
    static menukeys::MenuKeyFilter filter;
    HWND frame = Main().frame;
    if (!frame || (message.hwnd != frame && !IsChild(frame, message.hwnd)))
        return false;
    menukeys::KeyEvent key;
    switch (message.message) {
    case WM_KEYDOWN: key.message = menukeys::KeyMessage::KeyDown; break;
    case WM_KEYUP: key.message = menukeys::KeyMessage::KeyUp; break;
    case WM_SYSKEYDOWN: key.message = menukeys::KeyMessage::SysKeyDown; break;
    case WM_SYSKEYUP: key.message = menukeys::KeyMessage::SysKeyUp; break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN:
        filter.reset();
        return false;
    default:
        return false;
    }
    key.virtualKey = static_cast<unsigned>(message.wParam);
    key.ctrl = GetKeyState(VK_CONTROL) < 0;
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.repeat = (message.lParam & (1L << 30)) != 0;
    const menukeys::Decision decision = filter.onKey(key);
    if (decision.open)
        PostMessageA(frame, kOpenMenuBarMessage, decision.open, 0);
    return decision.take;
}

bool TranslateMainWindowKey(const MSG& message)
{
    return TranslateTabSwitchKey(message) || TranslateMenuBarKey(message);
}

void ShowHelp()
{
    const std::string path = App().appFolder + "Help.chm";
    if (FileExists(path))
        ShellExecuteA(Main().frame, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    else
        ui::Message(Main().frame, "The Help file was not found", MB_OK | MB_ICONERROR);
}
