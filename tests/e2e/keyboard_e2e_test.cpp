// The real Quillet.exe driven by real keystrokes (SendInput to the focused editor):
// the menu-bar keys, Ctrl+S and Ctrl+Tab, and text that must reach the file whole,
// whatever encoding the file had.
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <cstring>

using e2e::StagedApp;

namespace {

constexpr int kMenuBarId = 101;
constexpr int kTabControlId = 100;
constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

HWND VisiblePopup(const StagedApp& app) { return e2e::VisibleMenu(app.ProcessId()); }

using e2e::ActiveEditor;

// The menu-bar button (700-705) shown pressed, 0 when none is.
int PressedMenuButton(HWND main)
{
    HWND bar = GetDlgItem(main, kMenuBarId);
    for (int command = 700; command <= 705; ++command) {
        if (SendMessageA(bar, TB_ISBUTTONPRESSED, command, 0))
            return command;
    }
    return 0;
}

class KeyboardE2E : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (main_ && IsWindow(main_)) {
            // Changes are left unsaved on purpose.
            app_.CloseWithoutSaving(main_);
        }
        for (const std::string& path : files_)
            DeleteFileA(path.c_str());
    }

    std::string MakeFile(const char* name, const std::string& bytes)
    {
        const std::string path = app_.Folder() + name;
        e2e::WriteTextFile(path, bytes);
        files_.push_back(path);
        return path;
    }

    // Starts the program with `path` open and the caret in its editor, focused.
    void LaunchWith(const std::string& path)
    {
        app_.SetConfig("Main", "Skin", "Quillblue");
        ASSERT_TRUE(app_.Launch("\"" + path + "\""));
        main_ = app_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main_) && ActiveEditor(main_); }));
        ASSERT_TRUE(e2e::FocusForInput(main_, ActiveEditor(main_)));
    }

    // Starts the program with no document open and its main window focused.
    void LaunchWithoutDocuments()
    {
        app_.SetConfig("Main", "Skin", "Quillblue");
        app_.SetConfig("Main", "OpenFilesAtStartup", "0");
        ASSERT_TRUE(app_.Launch());
        main_ = app_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }));
        ASSERT_EQ(e2e::TabCount(main_), 0);
        ASSERT_TRUE(e2e::FocusForInput(main_));
    }

    // Opens the menu with real keys and reports which menu-bar button opened it.
    int MenuOpenedBy(WORD key, WORD modifier)
    {
        if (modifier && key)
            e2e::PressKey(key, modifier);
        else
            e2e::TapKey(key ? key : modifier);
        HWND popup = nullptr;
        if (!e2e::WaitUntil([&] { return (popup = VisiblePopup(app_)) != nullptr; }, 5000))
            return 0;
        const int pressed = PressedMenuButton(main_);
        if (pressed == 700 && key == 'F')
            e2e::ShotIfAsked("file-menu-by-alt-f");
        // Where menus can be read across processes, the items confirm it.
        if (HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, kGetMenuHandle, 0, 0))) {
            const UINT first = GetMenuItemID(menu, 0);
            if (first != static_cast<UINT>(-1) && first >= 1100) {
                EXPECT_EQ(static_cast<int>(first / 100) - 11, pressed - 700 - (pressed == 705 ? 2 : 0));
            }
        }
        e2e::TapKey(VK_ESCAPE);
        EXPECT_TRUE(e2e::WaitUntil([&] { return VisiblePopup(app_) == nullptr; }, 5000));
        EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::FocusedWindow(main_) == ActiveEditor(main_); }, 5000));
        return pressed;
    }

    // Saves with Ctrl+S and waits until the file holds `expected`; returns what it holds
    // then (the file is replaced as a whole, so a read may find it missing for a moment).
    std::string SaveAndRead(const std::string& path, const std::string& expected)
    {
        e2e::PressKey('S', VK_CONTROL);
        std::string now;
        e2e::WaitUntil([&] { return (now = e2e::ReadTextFile(path)) == expected; }, 5000);
        return now;
    }

    // No message box is up once the program has handled everything sent before.
    bool NoMessageBox()
    {
        return e2e::Sync(main_) && app_.WaitForMessageBox(1).window == nullptr;
    }

    StagedApp app_;
    HWND main_ = nullptr;
    std::vector<std::string> files_;
};

TEST_F(KeyboardE2E, AltLettersF10AndALoneAltOpenTheMenusFromTheEditor)
{
    LaunchWith(MakeFile("plain.txt", "some text\r\n"));
    // Only Alt held: VK_MENU is sent with the letter.
    EXPECT_EQ(MenuOpenedBy('F', VK_MENU), 700);
    EXPECT_EQ(MenuOpenedBy('E', VK_MENU), 701);
    EXPECT_EQ(MenuOpenedBy('S', VK_MENU), 702);
    EXPECT_EQ(MenuOpenedBy('H', VK_MENU), 705);
    EXPECT_EQ(MenuOpenedBy(VK_F10, 0), 700);
    EXPECT_EQ(MenuOpenedBy(0, VK_MENU), 700);
    // None of it reached the text.
    EXPECT_EQ(SendMessageA(ActiveEditor(main_), 3484 /* modified? */, 0, 0), 0);
}

// With no document open no editor has the focus: the program's keys still work, the
// keys of the editor's hot-key table, however the user assigned them.
TEST_F(KeyboardE2E, WithNoDocumentOpenCtrlNAndCtrlOStillWork)
{
    LaunchWithoutDocuments();
    ASSERT_NE(main_, nullptr);

    e2e::PressKey('N', VK_CONTROL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TabCount(main_) == 1; }));
    ASSERT_TRUE(e2e::FocusForInput(main_, ActiveEditor(main_)));
    e2e::PressKey('W', VK_CONTROL);  // the empty document closes without a question
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TabCount(main_) == 0; }));

    // The main window has the focus the editor had; Ctrl+O reaches it without help.
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::FocusedWindow(main_) == main_; }));
    e2e::PressKey('O', VK_CONTROL);
    HWND open = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        open = e2e::FindTopLevelWindow([&](HWND window) {
            return e2e::ProcessOf(window) == app_.ProcessId() && e2e::ClassOf(window) == "#32770" &&
                   e2e::TitleOf(window) == "Open" && IsWindowVisible(window);
        });
        return open != nullptr;
    }));
    ASSERT_TRUE(e2e::FocusForInput(open));
    e2e::PressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(open); }));
    EXPECT_EQ(e2e::TabCount(main_), 0);
}

// The stored hot-key table with "new" moved from Ctrl+N to Ctrl+Shift+K, as the Keyboard
// page stores it: with no document open Ctrl+Shift+K opens one and Ctrl+N does nothing.
TEST_F(KeyboardE2E, WithNoDocumentOpenAReassignedKeyRunsItsCommand)
{
    // "CVXK", size, version 1, one entry: K with Ctrl+Shift, a program key command, 242 (new).
    const unsigned char table[] = {'C', 'V', 'X', 'K', 18, 0, 0, 0, 1, 0, 1, 0, 'K', 0, 1 | 2, 1, 242, 0};
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, app_.SettingsSectionPath().c_str(), 0, nullptr, 0,
                              KEY_WRITE | e2e::ProgramRegistryView(), nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "HOTKEYS", 0, REG_BINARY, table, sizeof table);
    RegCloseKey(key);
    LaunchWithoutDocuments();
    ASSERT_NE(main_, nullptr);

    e2e::PressKey('N', VK_CONTROL);
    e2e::PressKey('K', VK_CONTROL, VK_SHIFT);
    ASSERT_TRUE(e2e::WaitUntil([&] { return ActiveEditor(main_) != nullptr; }));
    // A letter typed into the new document: once it is there, every key before it was handled.
    ASSERT_TRUE(e2e::FocusForInput(main_, ActiveEditor(main_)));
    e2e::TypeUnicode(L"x");
    ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(ActiveEditor(main_), 3484, 0, 0) != 0; }));
    EXPECT_EQ(e2e::TabCount(main_), 1);
}

TEST_F(KeyboardE2E, CtrlSSavesAndCtrlTabSwitchesTabs)
{
    const std::string first = MakeFile("first.txt", "one\r\n");
    const std::string second = MakeFile("second.txt", "two\r\n");
    LaunchWith(first);
    StagedApp::SendPath(main_, second);
    HWND tabs = GetDlgItem(main_, kTabControlId);
    ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 1; }));
    ASSERT_TRUE(e2e::FocusForInput(main_, ActiveEditor(main_)));

    e2e::PressKey(VK_TAB, VK_CONTROL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 0; }));
    e2e::PressKey(VK_TAB, VK_CONTROL, VK_SHIFT);
    EXPECT_TRUE(e2e::WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 1; }));
    e2e::PressKey(VK_TAB, VK_CONTROL);
    ASSERT_TRUE(e2e::WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 0; }));

    e2e::PressKey(VK_END, VK_CONTROL);
    e2e::TypeUnicode(L"x");
    EXPECT_EQ(SaveAndRead(first, "one\r\nx"), "one\r\nx");
}

TEST_F(KeyboardE2E, CharactersTypedIntoAnAsciiFileAreSavedAsUtf8)
{
    const std::string path = MakeFile("ascii.txt", "abc\r\n");
    LaunchWith(path);
    e2e::PressKey(VK_END, VK_CONTROL);
    e2e::TypeUnicode(L"\u00E9\u20AC\u65E5");
    // An ASCII file is UTF-8 already: no message, the three characters in UTF-8.
    EXPECT_EQ(SaveAndRead(path, "abc\r\n\xC3\xA9\xE2\x82\xAC\xE6\x97\xA5"), "abc\r\n\xC3\xA9\xE2\x82\xAC\xE6\x97\xA5");
    EXPECT_TRUE(NoMessageBox());
}

TEST_F(KeyboardE2E, AnAnsiFileThatMustHoldMoreBecomesUtf8AndTheUserIsToldOnce)
{
    const std::string path = MakeFile("latin.txt", "caf\xE9\r\n");
    LaunchWith(path);
    e2e::PressKey(VK_END, VK_CONTROL);
    // Characters Windows-1252 holds: the file keeps its encoding byte for byte.
    e2e::TypeUnicode(L"\u00FC\u20AC");
    EXPECT_EQ(SaveAndRead(path, "caf\xE9\r\n\xFC\x80"), "caf\xE9\r\n\xFC\x80");
    EXPECT_TRUE(NoMessageBox());

    // One it does not: saved as UTF-8, and said so.
    e2e::TypeUnicode(L"\u65E5");
    e2e::PressKey('S', VK_CONTROL);
    const e2e::MessageBoxInfo box = app_.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    e2e::ShotIfAsked("saved-as-utf8-message");
    EXPECT_EQ(box.caption, "Quillet");
    EXPECT_NE(box.text.find("UTF-8"), std::string::npos);
    StagedApp::Press(box.window, IDOK);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box.window); }));
    // The message comes after the file was written.
    EXPECT_EQ(e2e::ReadTextFile(path), "caf\xC3\xA9\r\n\xC3\xBC\xE2\x82\xAC\xE6\x97\xA5");

    // Only once per document.
    ASSERT_TRUE(e2e::FocusForInput(main_, ActiveEditor(main_)));
    e2e::TypeUnicode(L"!");
    EXPECT_EQ(SaveAndRead(path, "caf\xC3\xA9\r\n\xC3\xBC\xE2\x82\xAC\xE6\x97\xA5!"),
              "caf\xC3\xA9\r\n\xC3\xBC\xE2\x82\xAC\xE6\x97\xA5!");
    EXPECT_TRUE(NoMessageBox());
}

TEST_F(KeyboardE2E, PastedUnicodeTextIsKeptInAWindows1252File)
{
    const std::string path = MakeFile("paste.txt", "\xE9");
    const wchar_t omega[] = L"\u03A9\u03BC\u03AD\u03B3\u03B1";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof omega);
    std::memcpy(GlobalLock(memory), omega, sizeof omega);
    GlobalUnlock(memory);
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    CloseClipboard();

    LaunchWith(path);
    e2e::PressKey(VK_END, VK_CONTROL);
    e2e::PressKey('V', VK_CONTROL);
    e2e::PressKey('S', VK_CONTROL);
    const e2e::MessageBoxInfo box = app_.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    StagedApp::Press(box.window, IDOK);
    EXPECT_EQ(e2e::ReadTextFile(path), "\xC3\xA9\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1");
}

TEST_F(KeyboardE2E, AnEditLeavesTheLineEndsItDidNotTouch)
{
    const std::string mixed = "a\r\nb\nc\rd\r\n";
    const std::string path = MakeFile("mixed.txt", mixed);
    LaunchWith(path);
    e2e::TypeUnicode(L"x");
    e2e::TapKey(VK_BACK);
    e2e::PressKey(VK_END, VK_CONTROL);
    e2e::TypeUnicode(L"z");
    e2e::PressKey(VK_RETURN);
    e2e::TypeUnicode(L"y");
    // The new line break takes the file's dominant style (CRLF); the lone LF and CR stay.
    EXPECT_EQ(SaveAndRead(path, mixed + "z\r\ny"), mixed + "z\r\ny");
}

} // namespace
