#include "app/commands.h"

#include "app/main_messages.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/menu_keys.h"
#include "corvex/include/corvex.h"
#include "corvex/include/corvex_hotkeys.h"
#include "docs/documents.h"
#include "platform/app_state.h"
#include "platform/files.h"
#include "platform/ui_seam.h"

#include <shellapi.h>

#include <vector>

namespace {
constexpr WORD kPostedByMenu = 1;  // notification code of the toolbar commands menus post
}

void PostToolbarCommand(int command)
{
    MainWindow& main = Main();
    PostMessageW(main.Frame(), WM_COMMAND, MAKEWPARAM(command, kPostedByMenu),
                 reinterpret_cast<LPARAM>(main.Toolbar()));
}

void PostMenuCommand(int command) { PostMessageW(Main().Frame(), WM_COMMAND, command, 0); }

CommandSource SourceOf(WPARAM wParam, LPARAM lParam)
{
    MainWindow& main = Main();
    const HWND sender = reinterpret_cast<HWND>(lParam);
    if (sender && sender == main.Toolbar())
        return CommandSource::Toolbar;
    if (sender && sender == main.MenuBar())
        return CommandSource::MenuBar;
    return HIWORD(wParam) == 0 ? CommandSource::Menu : CommandSource::Other;
}

void RunCommand(CommandSource source, int command)
{
    if (const CommandEntry* entry = FindCommand(source, command))
        if (entry->run)
            entry->run(command);
}

void DispatchCommand(WPARAM wParam, LPARAM lParam) { RunCommand(SourceOf(wParam, lParam), LOWORD(wParam)); }

void OnEditorKeyCommand(WORD command)
{
    switch (command) {
    case corvex::KeyNew: RunCommand(CommandSource::Menu, 1100); break;
    case corvex::KeyOpen: RunCommand(CommandSource::Menu, 1101); break;
    case corvex::KeyClose: PostMessageW(Main().Frame(), kCloseActiveMessage, 0, 0); break;
    case corvex::KeySave: RunCommand(CommandSource::Menu, 1105); break;
    case corvex::KeySaveAs: RunCommand(CommandSource::Menu, 1106); break;
    case corvex::KeyPrint: RunCommand(CommandSource::Toolbar, 705); break;
    case corvex::KeyFavourites: OpenMenuBarMenu(kFavouritesButton); break;
    case corvex::KeyClipboard: OpenMenuBarMenu(kClipboardButton); break;
    case corvex::KeyLanguageMenu: PostToolbarCommand(kLanguageButton); break;
    case corvex::KeyMacroMenu: PostToolbarCommand(kMacroButton); break;
    default: break;
    }
}

bool TranslateTabSwitchKey(const MSG& message)
{
    HWND frame = Main().Frame();
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
    HWND frame = Main().Frame();
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
        PostMessageW(frame, kOpenMenuBarMessage, decision.open, 0);
    return decision.take;
}

bool TranslateKeyWithoutDocument(const MSG& message)
{
    HWND frame = Main().Frame();
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    if (!frame || (message.hwnd != frame && !IsChild(frame, message.hwnd)) || !DocumentList.empty())
        return false;
    const int size = CorvexGetHotKeys(nullptr);
    if (size <= 0)
        return false;
    std::vector<unsigned char> table(static_cast<std::size_t>(size));
    if (CorvexGetHotKeys(table.data()) != size)
        return false;
    const std::uint8_t modifiers = static_cast<std::uint8_t>((GetKeyState(VK_CONTROL) < 0 ? corvex::kHotKeyCtrl : 0) |
                                                             (GetKeyState(VK_SHIFT) < 0 ? corvex::kHotKeyShift : 0) |
                                                             (GetKeyState(VK_MENU) < 0 ? corvex::kHotKeyAlt : 0));
    const WORD command =
        corvex::FindProgramKeyCommand(table.data(), table.size(), static_cast<std::uint16_t>(message.wParam), modifiers);
    if (!command)
        return false;
    OnEditorKeyCommand(command);
    return true;
}

bool TranslateMainWindowKey(const MSG& message)
{
    return TranslateTabSwitchKey(message) || TranslateMenuBarKey(message) || TranslateKeyWithoutDocument(message);
}

void ShowHelp()
{
    const std::wstring path = App().appFolder + L"Help.chm";
    if (FileExists(path))
        ui::OpenWithShell(Main().Frame(), path);
    else
        ui::Message(Main().Frame(), "The Help file was not found", MB_OK | MB_ICONERROR);
}
