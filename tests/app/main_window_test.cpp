// The main window built in-process: start-up failures, its parts, documents
// arriving by drop and hand-off, mnemonics, and what the exit writes.
#include "platform/app_state.h"
#include "platform/ansi_text.h"
#include "platform/hand_off.h"
#include "corvex/include/corvex.h"
#include "docs/document_saving.h"
#include "app/main_window.h"
#include "docs/documents.h"
#include "docs/tab_strip.h"
#include "options/options_dialog.h"
#include "platform/dpi.h"
#include "tests/harness/in_process_app.h"
#include "tools/tool_windows.h"
#include "tests/support/wide_files.h"

#include <gtest/gtest.h>

#include <vector>
#include <commctrl.h>
#include <shlobj.h>
#include <algorithm>
#include <cstring>

using harness::InProcessApp;

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<std::string> Captions()
{
    std::vector<std::string> captions;
    const int count = static_cast<int>(SendMessageA(Main().Tabs(), TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        captions.push_back(NarrowToAnsi(tabs::Caption(i)));
    return captions;
}

HDROP MakeDrop(const std::vector<std::string>& paths)
{
    std::string list;
    for (const std::string& path : paths)
        list += path + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// A drop of UTF-16 paths (fWide), as Explorer makes it.
HDROP MakeWideDrop(const std::vector<std::wstring>& paths)
{
    std::wstring list;
    for (const std::wstring& path : paths)
        list += path + L'\0';
    list += L'\0';
    const std::size_t bytes = list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), bytes);
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::vector<std::wstring> WideCaptions()
{
    std::vector<std::wstring> captions;
    const int count = static_cast<int>(SendMessageW(Main().Tabs(), TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        captions.push_back(tabs::Caption(i));
    return captions;
}

class MainWindowTest : public ::testing::Test {
protected:
    std::string MakeFile(const std::string& name, const std::string& text = "hello\r\n")
    {
        const std::string path = app.Folder() + name;
        harness::WriteFile(path, text);
        return path;
    }
    InProcessApp app;
};

TEST(StartupFailure, WithoutConfigIniTheProgramRefusesToRun)
{
    InProcessApp app(false);
    EXPECT_FALSE(app.Start());
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text,
              "The file 'Config.ini' was not found,\nThe program cannot run without it.\nReinstall Quillet");
    EXPECT_EQ(app.messages[0].owner, nullptr);
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(Main().Frame(), nullptr);
}

TEST_F(MainWindowTest, BuildsTheFrameWithItsFourParts)
{
    ASSERT_TRUE(app.Start());
    HWND frame = app.Frame();
    EXPECT_EQ(ClassOf(frame), "Quillet");
    char title[32] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Quillet");
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    // The skinned frame draws its own caption, so only the caption bits may be gone.
    const DWORD expected = 0x06CF0000u & ~static_cast<DWORD>(WS_CAPTION);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(frame, GWL_STYLE)) & expected, expected);
    EXPECT_TRUE(IsWindowVisible(frame));

    HWND menuBar = GetDlgItem(frame, 101), toolbar = GetDlgItem(frame, 102);
    EXPECT_EQ(ClassOf(menuBar), "ToolbarWindow32");
    EXPECT_EQ(ClassOf(toolbar), "ToolbarWindow32");
    EXPECT_EQ(ClassOf(GetDlgItem(frame, 100)), "SysTabControl32");
    EXPECT_EQ(ClassOf(GetDlgItem(frame, 103)), "msctls_statusbar32");
    EXPECT_EQ(SendMessageA(menuBar, TB_BUTTONCOUNT, 0, 0), 6);
    EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 16);
    char caption[32] = {};
    SendMessageA(menuBar, TB_GETBUTTONTEXTA, 703, reinterpret_cast<LPARAM>(caption));
    EXPECT_STREQ(caption, "F&avourites");
    EXPECT_NE(GetPropA(frame, "CWMSubcls"), nullptr);
}

SIZE ButtonSize(HWND bar)
{
    const DWORD size = static_cast<DWORD>(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0));
    return SIZE{LOWORD(size), HIWORD(size)};
}

int IconWidth(HICON icon)
{
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

RECT ChildRect(HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(MainWindowTest, AtTheDesignDpiTheBarsKeepTheirTwentyPixelButtons)
{
    if (dpi::OfSystem() != dpi::kDesignDpi)
        GTEST_SKIP() << "the screen is not at 96 DPI";
    ASSERT_TRUE(app.Start());
    // Grown to hold the default 16 x 15 bitmap and the toolbar's padding.
    const SIZE button = ButtonSize(Main().Toolbar());
    EXPECT_GE(button.cx, 20);
    EXPECT_GE(button.cy, 20);
    const RECT toolbar = ChildRect(Main().Toolbar());
    EXPECT_EQ(toolbar.top, 21);
    EXPECT_EQ(toolbar.bottom - toolbar.top, 20);
    EXPECT_EQ(ChildRect(Main().Tabs()).top, 42);
    EXPECT_EQ(IconWidth(Main().SavedStateIcon(true)), 16);
    EXPECT_EQ(IconWidth(Main().SavedStateIcon(false)), 16);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectWindowAndChildren(HWND window, LPARAM list)
{
    CollectWindow(window, list);
    EnumChildWindows(window, CollectWindow, list);
    return TRUE;
}

TEST_F(MainWindowTest, ADpiChangeScalesTheBarsAndTakesTheSuggestedRectangle)
{
    if (dpi::OfSystem() != dpi::kDesignDpi)
        GTEST_SKIP() << "the screen is not at 96 DPI";
    ASSERT_TRUE(app.Start());
    const int before = Main().Dpi();
    const SIZE designButton = ButtonSize(Main().Toolbar());
    const int doubled = before * 2;
    RECT suggested = {40, 30, 40 + 1000, 30 + 700};  // above the skin's minimum size at 192, within the screen
    SendMessageW(app.Frame(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(doubled, doubled),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(Main().Dpi(), doubled);
    const SIZE button = ButtonSize(Main().Toolbar());
    EXPECT_EQ(button.cx, 2 * designButton.cx);
    EXPECT_EQ(button.cy, 2 * designButton.cy);
    RECT item = {};
    ASSERT_TRUE(SendMessageW(Main().Toolbar(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.right - item.left, 2 * designButton.cx);
    EXPECT_EQ(item.bottom - item.top, 2 * designButton.cy);
    const RECT toolbar = ChildRect(Main().Toolbar());
    EXPECT_EQ(toolbar.top, dpi::Scale(21, doubled));
    EXPECT_EQ(toolbar.bottom - toolbar.top, dpi::Scale(20, doubled));
    EXPECT_EQ(ChildRect(Main().MenuBar()).bottom, dpi::Scale(20, doubled));
    EXPECT_EQ(ChildRect(Main().Tabs()).top, dpi::Scale(42, doubled));
    RECT window = {};
    GetWindowRect(app.Frame(), &window);
    EXPECT_EQ(window.left, suggested.left);
    EXPECT_EQ(window.top, suggested.top);
    EXPECT_EQ(window.right, suggested.right);
    EXPECT_EQ(window.bottom, suggested.bottom);

    // No window of the program draws with a font the change deleted.
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindowAndChildren, reinterpret_cast<LPARAM>(&windows));
    int withFonts = 0;
    for (HWND window : windows)
        if (HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0))) {
            ++withFonts;
            EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << "a window keeps a deleted font";
        }
    EXPECT_GT(withFonts, 0);

    // And back: the same lengths as before.
    SendMessageW(app.Frame(), 0x02E0, MAKEWPARAM(before, before), reinterpret_cast<LPARAM>(&suggested));
    const SIZE again = ButtonSize(Main().Toolbar());
    EXPECT_EQ(again.cx, designButton.cx);
    EXPECT_EQ(again.cy, designButton.cy);
    EXPECT_EQ(ChildRect(Main().Tabs()).top, dpi::Scale(42, before));
}

TEST_F(MainWindowTest, HighDpiTheBarsButtonsAreTwiceTheirDesignSize)
{
    if (dpi::OfSystem() != 192)
        GTEST_SKIP() << "the screen is not at 192 DPI";
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(Main().Dpi(), 192);
    const SIZE button = ButtonSize(Main().Toolbar());
    EXPECT_GE(button.cx, 40);
    EXPECT_GE(button.cy, 40);
    RECT item = {};
    ASSERT_TRUE(SendMessageW(Main().Toolbar(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.right - item.left, button.cx);
    EXPECT_EQ(item.bottom - item.top, button.cy);
    // The same window laid out at 96 DPI has buttons half as large.
    RECT window = {};
    GetWindowRect(app.Frame(), &window);
    SendMessageW(app.Frame(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&window));
    const SIZE design = ButtonSize(Main().Toolbar());
    EXPECT_EQ(button.cx, 2 * design.cx);
    EXPECT_EQ(button.cy, 2 * design.cy);
    SendMessageW(app.Frame(), 0x02E0, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&window));
    EXPECT_EQ(ButtonSize(Main().Toolbar()).cx, button.cx);
    const RECT toolbar = ChildRect(Main().Toolbar());
    EXPECT_EQ(toolbar.top, 42);
    EXPECT_EQ(toolbar.bottom - toolbar.top, 40);
    EXPECT_EQ(ChildRect(Main().MenuBar()).bottom, 40);
    EXPECT_EQ(ChildRect(Main().Tabs()).top, 84);
    EXPECT_EQ(ChildRect(Main().Tabs()).bottom, 124);
    // The UI font is twice as tall.
    LOGFONTW font = {};
    ASSERT_TRUE(GetObjectW(Main().UiFont(), sizeof font, &font));
    EXPECT_EQ(font.lfHeight, 26);
    // The status line's icons come in the 200 % size.
    EXPECT_EQ(IconWidth(Main().SavedStateIcon(true)), 32);
}

BOOL CALLBACK CollectDropDown(HWND window, LPARAM found)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    if (lstrcmpW(name, L"Quillet Popup") == 0)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

TEST_F(MainWindowTest, HighDpiTheDropDownsAndTheAboutWindowAreTwiceTheirDesignSize)
{
    if (dpi::OfSystem() != 192)
        GTEST_SKIP() << "the screen is not at 192 DPI";
    ASSERT_TRUE(app.Start());
    std::vector<HWND> dropDowns;
    EnumThreadWindows(GetCurrentThreadId(), &CollectDropDown, reinterpret_cast<LPARAM>(&dropDowns));
    ASSERT_EQ(dropDowns.size(), 2u);
    std::vector<int> rowHeights;
    for (HWND dropDown : dropDowns) {
        RECT rect = {};
        GetWindowRect(dropDown, &rect);
        EXPECT_EQ(rect.right - rect.left, 340);
        EXPECT_EQ(rect.bottom - rect.top, 364);
        HWND list = GetDlgItem(dropDown, 100);
        ASSERT_NE(list, nullptr);
        rowHeights.push_back(static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)));
    }
    std::sort(rowHeights.begin(), rowHeights.end());
    EXPECT_EQ(rowHeights, (std::vector<int>{60, 120}));  // the favourites' 30 and the clipboard's 60

    ShowAboutWindow();
    HWND about = FindWindowW(L"Quillet", L"Quillet About");
    ASSERT_NE(about, nullptr);
    RECT rect = {};
    GetWindowRect(about, &rect);
    EXPECT_EQ(rect.right - rect.left, 2 * (296 + 4));
    EXPECT_EQ(rect.bottom - rect.top, 2 * (200 + 4));
    RECT client = {};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 592);
    EXPECT_EQ(client.bottom, 400);
}

TEST_F(MainWindowTest, DroppedFilesOpenInDropOrderAndAnOpenOneIsSelected)
{
    ASSERT_TRUE(app.Start());
    const std::string a = MakeFile("a.txt"), b = MakeFile("b.txt"), c = MakeFile("c.txt");
    SendMessageA(app.Frame(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, b, c})), 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(currentIndex, 2);

    SendMessageA(app.Frame(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a})), 0);
    EXPECT_EQ(Captions().size(), 3u);
    EXPECT_EQ(currentIndex, 0);
    EXPECT_TRUE(IsWindowVisible(DocumentList[0].control));
    EXPECT_FALSE(IsWindowVisible(DocumentList[2].control));
}

TEST_F(MainWindowTest, HandedOverPathsAreUnquotedAndMatchedIgnoringCase)
{
    ASSERT_TRUE(app.Start());
    const std::string path = MakeFile("Notes File.txt");
    std::string quoted = "\"" + path + "\"";
    COPYDATASTRUCT data = {7, static_cast<DWORD>(quoted.size() + 1), &quoted[0]};
    EXPECT_EQ(SendMessageA(app.Frame(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), 1);
    ASSERT_EQ(DocumentList.size(), 1u);
    EXPECT_EQ(DocumentList[0].path, WidenAnsi(path));

    std::string upper = path;
    for (char& ch : upper)
        ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    COPYDATASTRUCT again = {0, static_cast<DWORD>(upper.size() + 1), &upper[0]};
    SendMessageA(app.Frame(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&again));
    EXPECT_EQ(DocumentList.size(), 1u);
}

TEST_F(MainWindowTest, HandedOverDataWithoutNulIsNeverReadPastItsSize)
{
    ASSERT_TRUE(app.Start());
    const std::string path = MakeFile("x.txt");
    // The path followed by junk that lies outside cbData.
    std::string bytes = path + "JUNK";
    COPYDATASTRUCT data = {0, static_cast<DWORD>(path.size()), &bytes[0]};
    SendMessageA(app.Frame(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    ASSERT_EQ(DocumentList.size(), 1u);
    EXPECT_EQ(DocumentList[0].path, WidenAnsi(path));
    EXPECT_TRUE(app.messages.empty());
}

TEST_F(MainWindowTest, MissingFileLeavesAnUntitledTabAfterTheMessage)
{
    ASSERT_TRUE(app.Start());
    OpenDocument(app.Folder() + "nope.txt");
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Error, cannot open the file\n" + app.Folder() + "nope.txt");
    EXPECT_EQ(app.messages[0].owner, app.Frame());
    EXPECT_EQ(Captions(), std::vector<std::string>{"Untitled"});
    EXPECT_EQ(DocumentList[0].path, L"");
}

TEST_F(MainWindowTest, MenuMnemonicsMatchTheCharacterAfterTheAmpersandExactly)
{
    ASSERT_TRUE(app.Start());
    static const char open[] = "&open", separator[] = "-", closeAll[] = "c&lose all";
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, 1, open);
    AppendMenuA(menu, MF_OWNERDRAW | MF_SEPARATOR, 0, separator);
    AppendMenuA(menu, MF_OWNERDRAW, 2, closeAll);
    auto ask = [&](char c) {
        return SendMessageA(app.Frame(), WM_MENUCHAR, MAKEWPARAM(c, MF_POPUP), reinterpret_cast<LPARAM>(menu));
    };
    EXPECT_EQ(ask('l'), MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_EQ(ask('o'), MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_NE(HIWORD(ask('O')), MNC_EXECUTE);
    EXPECT_NE(HIWORD(ask('-')), MNC_EXECUTE);
    DestroyMenu(menu);
}

TEST_F(MainWindowTest, HighDpiTheKeptSizeIsA96DpiSize)
{
    if (dpi::OfSystem() != 192)
        GTEST_SKIP() << "the screen is not at 192 DPI";
    app.SetConfig("Position", "MainLeft", "20");
    app.SetConfig("Position", "MainTop", "10");
    app.SetConfig("Position", "MainWidth", "500");
    app.SetConfig("Position", "MainHeight", "350");
    ASSERT_TRUE(app.Start());
    RECT rect = {};
    GetWindowRect(app.Frame(), &rect);
    EXPECT_EQ(rect.right - rect.left, 1000);
    EXPECT_EQ(rect.bottom - rect.top, 700);
    SetWindowPos(app.Frame(), nullptr, 30, 40, 1200, 760, SWP_NOZORDER);
    app.Close();
    EXPECT_EQ(app.Config("Position", "MainLeft"), "30");
    EXPECT_EQ(app.Config("Position", "MainWidth"), "600");
    EXPECT_EQ(app.Config("Position", "MainHeight"), "380");
}

TEST_F(MainWindowTest, ExitInTheNormalStateWritesPositionFoldersAndFilters)
{
    ASSERT_TRUE(app.Start());
    SetWindowPos(app.Frame(), nullptr, 40, 50, 700, 500, SWP_NOZORDER);
    App().openDir = L"C:\\open";
    App().saveFilter = 4;
    app.Close();
    EXPECT_EQ(app.Config("Position", "MainLeft"), "40");
    EXPECT_EQ(app.Config("Position", "MainTop"), "50");
    EXPECT_EQ(app.Config("Position", "MainWidth"), "700");
    EXPECT_EQ(app.Config("Position", "MainHeight"), "500");
    EXPECT_EQ(app.Config("Position", "MainState"), "0");
    EXPECT_EQ(app.Config("Main", "OpenDir"), "C:\\open");
    EXPECT_EQ(app.Config("Main", "SaveDir"), app.Folder());
    EXPECT_EQ(app.Config("Main", "SFFilter"), "4");
    EXPECT_EQ(app.Config("Main", "OFFilter"), "1");
}

TEST_F(MainWindowTest, ExitWhileMaximisedOrMinimisedKeepsTheLastNormalPosition)
{
    for (WPARAM command : {static_cast<WPARAM>(SC_MAXIMIZE), static_cast<WPARAM>(SC_MINIMIZE)}) {
        InProcessApp run;
        run.SetConfig("Position", "MainLeft", "11");
        run.SetConfig("Position", "MainWidth", "613");
        ASSERT_TRUE(run.Start());
        SendMessageA(run.Frame(), WM_SYSCOMMAND, command, 0);
        InProcessApp::Pump();
        run.Close();
        EXPECT_EQ(run.Config("Position", "MainLeft"), "11");
        EXPECT_EQ(run.Config("Position", "MainWidth"), "613");
        EXPECT_EQ(run.Config("Position", "MainState"), command == SC_MAXIMIZE ? "1" : "0");
    }
}

// Names outside the ANSI code page, in a folder named so too, arrive from each way in:
// the command line's and the Open dialog's road (OpenDocument), the launcher's and the
// extension's hand-off in its UTF-16 form, and a drop; each shows its own name, saves
// byte for byte, and comes back at the next start from the list of open files.
TEST_F(MainWindowTest, NamesInAnyScriptOpenSaveAndComeBackWhole)
{
    const std::wstring folder = WidenAnsi(app.Folder()) + L"\u041F\u0440\u043E\u0435\u043A\u0442\\";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::vector<std::wstring> names = {L"\u65E5\u672C\u8A9E.txt", L"\u03A9\u03BC\u03AD\u03B3\u03B1.txt",
                                             L"\U0001F600 notes.txt"};
    for (const std::wstring& name : names)
        ASSERT_TRUE(e2e::WriteWideFile(folder + name, "text\r\n"));
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    ASSERT_TRUE(app.Start());

    OpenDocument(L"\"" + folder + names[0] + L"\"");
    const std::wstring handed = folder + names[1];
    COPYDATASTRUCT data = {handoff::kUtf16Path, static_cast<DWORD>((handed.size() + 1) * sizeof(wchar_t)),
                           const_cast<wchar_t*>(handed.c_str())};
    SendMessageW(app.Frame(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    SendMessageW(app.Frame(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeWideDrop({folder + names[2]})), 0);
    ASSERT_EQ(WideCaptions(), names);
    EXPECT_TRUE(app.messages.empty()) << app.messages[0].text;

    for (int i = 0; i < 3; ++i) {
        ActivateDocument(i);
        SendMessageW(DocumentList[static_cast<std::size_t>(i)].control, WM_CHAR, L'\u00E9', 1);
        ASSERT_TRUE(WriteDocument());
        EXPECT_EQ(e2e::ReadWideFile(folder + names[static_cast<std::size_t>(i)]), "\xC3\xA9text\r\n") << i;
    }
    app.Close();
    const std::string config = harness::ReadFile(app.Folder() + "Config.ini");
    EXPECT_EQ(config.find('?'), std::string::npos) << config;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(WideCaptions(), names);
    app.Close();
    for (const std::wstring& name : names)
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(MainWindowTest, StartupFilesAreRememberedOnlyWhileTheOptionIsOn)
{
    const std::string a = MakeFile("one.txt"), b = MakeFile("two.txt");
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    ASSERT_TRUE(app.Start());
    OpenDocument(a);
    OpenDocument("");  // untitled, left out
    OpenDocument(b);
    app.Close();
    EXPECT_EQ(app.Config("StartupFiles", "0"), a);
    EXPECT_EQ(app.Config("StartupFiles", "1"), b);
    EXPECT_EQ(app.Config("StartupFiles", "2"), "");

    // The next start reopens them; switched off, the next exit forgets them.
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"one.txt", "two.txt"}));
    // The exit asks the Options dialog's box, not the stored key.
    HWND box = GetDlgItem(GetDlgItem(OptionsDialogWindow(), 202), 113);
    ASSERT_NE(box, nullptr);
    SendMessageA(box, BM_CLICK, 0, 0);
    ASSERT_FALSE(IsOpenLastFilesChecked());
    app.Close();
    EXPECT_EQ(app.Config("StartupFiles", "0"), "");
}

TEST_F(MainWindowTest, AStartupListWithAGapReopensOnlyTheFilesBeforeIt)
{
    const std::string a = MakeFile("a.txt"), c = MakeFile("c.txt");
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    app.SetConfig("StartupFiles", "0", a);
    app.SetConfig("StartupFiles", "2", c);
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(Captions(), std::vector<std::string>{"a.txt"});
}

} // namespace

namespace {

// The program becoming active again looks at its files: a file another program rewrote
// is asked about once (No keeps the text and the question does not come back for the
// same change), and a document with no change is not asked about at all.
TEST_F(MainWindowTest, BecomingActiveAsksOnceAboutAFileChangedByAnotherProgram)
{
    const std::string path = MakeFile("watched.txt", "before\r\n");
    const std::string quiet = MakeFile("quiet.txt", "same\r\n");
    ASSERT_TRUE(app.Start());
    OpenDocument(path);
    OpenDocument(quiet);
    app.messages.clear();
    harness::WriteFile(path, "after, longer\r\n");
    for (int round = 0; round < 2; ++round) {
        app.answers.push_back(IDNO);
        SendMessageW(app.Frame(), WM_ACTIVATEAPP, TRUE, 0);
        InProcessApp::Pump();
    }
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "watched.txt was changed by another program. Reload it?");
    EXPECT_EQ(app.messages[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    // Yes at the next change reloads the file.
    harness::WriteFile(path, "after again\r\n");
    app.answers.clear();
    app.answers.push_back(IDYES);
    SendMessageW(app.Frame(), WM_ACTIVATEAPP, TRUE, 0);
    InProcessApp::Pump();
    ASSERT_EQ(app.messages.size(), 2u);
    char text[64] = {};
    const LRESULT size = SendMessageW(DocumentList[0].control, corvex::GetText, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::string(text, static_cast<std::size_t>(size)), "after again\n");
    EXPECT_EQ(SendMessageW(DocumentList[0].control, corvex::IsModified, 0, 0), 0);
    app.Close();
}

} // namespace

namespace {

// A backup left by a run that is over, but broken: the start names it and leaves it where
// it is, and the documents that could be read come back beside it.
TEST_F(MainWindowTest, ABackupThatCannotBeReadIsNamedAndKept)
{
    const std::wstring run = WidenAnsi(app.Folder()) + L"Backups\\run-1-1\\";
    ASSERT_EQ(SHCreateDirectoryExW(nullptr, run.c_str(), nullptr), ERROR_SUCCESS);
    harness::WriteFile(NarrowToAnsi(run) + "doc1.record", "Quillet backup record 1\norder=0\npath=\n");
    harness::WriteFile(NarrowToAnsi(run) + "doc1.text", "not a backup at all");
    harness::WriteFile(NarrowToAnsi(run) + "doc2.record", "Quillet backup record 1\norder=1\npath=\n");
    harness::WriteFile(NarrowToAnsi(run) + "doc2.text", "Corvex backup 1 1 0 5\nkept text");
    ASSERT_TRUE(app.Start());
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_NE(app.messages[0].text.find("could not be read"), std::string::npos) << app.messages[0].text;
    EXPECT_NE(app.messages[0].text.find("doc1.text"), std::string::npos) << app.messages[0].text;
    EXPECT_EQ(harness::ReadFile(NarrowToAnsi(run) + "doc1.text"), "not a backup at all");
    ASSERT_EQ(DocumentList.size(), 1u);
    char text[32] = {};
    const LRESULT size = SendMessageW(DocumentList[0].control, corvex::GetText, sizeof text, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::string(text, static_cast<std::size_t>(size)), "kept text");
    EXPECT_EQ(SendMessageW(DocumentList[0].control, corvex::IsModified, 0, 0), 1);
    app.Close();
}

} // namespace
