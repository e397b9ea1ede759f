// The real Quillet.exe and its tool windows, driven from outside with real keys and
// mouse clicks: the clipboard history (every text copied anywhere, newest first, pasted
// back whole), the favourites kept in Config.ini [Favs], and the About window with its
// shadow painted from the screen behind it.
#include "tests/harness/clipboard_text.h"
#include "tests/harness/menu_reader.h"
#include "tests/harness/real_input.h"
#include "tests/harness/remote_memory.h"
#include "tests/harness/staged_app.h"
#include "tools/about_shadow.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

using e2e::StagedApp;

namespace {

constexpr int kListId = 100;
constexpr int kToolbarId = 102;
constexpr int kPasteButton = 710;
constexpr int kOpenButton = 701;
constexpr WPARAM kSaveCommand = 1105;
constexpr WPARAM kAboutCommand = 406;
constexpr WPARAM kOptionsCommand = 403;
constexpr WPARAM kAddToFavouritesCommand = 502;

// Puts text on the clipboard as a copying program does (the editor may hold the
// clipboard open for a moment while it reads the previous text).
void CopyText(const std::wstring& text)
{
    ASSERT_TRUE(e2e::WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5000));
    PutTextOnOpenClipboard(text);
    CloseClipboard();
}

void CopyBitmap()
{
    ASSERT_TRUE(e2e::WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5000));
    EmptyClipboard();
    HDC screen = GetDC(nullptr);
    SetClipboardData(CF_BITMAP, CreateCompatibleBitmap(screen, 8, 8));
    ReleaseDC(nullptr, screen);
    CloseClipboard();
}

void EmptyTheClipboard()
{
    ASSERT_TRUE(e2e::WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5000));
    EmptyClipboard();
    CloseClipboard();
}

int Count(HWND list) { return list ? static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)) : -1; }

std::string Utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
    return bytes;
}

class ToolWindowsE2E : public ::testing::Test {
protected:
    void TearDown() override { Close(); }

    // Closes the program, leaving changes unsaved.
    void Close()
    {
        if (!main_ || !IsWindow(main_))
            return;
        EXPECT_EQ(app_.CloseWithoutSaving(main_), 0);
        main_ = nullptr;
    }

    std::string MakeFile(const char* name, const std::string& bytes = "")
    {
        const std::string path = app_.Folder() + name;
        e2e::WriteTextFile(path, bytes);
        return path;
    }

    void Launch(const std::string& path = "", const char* skin = "Quillblue")
    {
        app_.SetConfig("Main", "Skin", skin);
        ASSERT_TRUE(app_.Launch(path.empty() ? "" : "\"" + path + "\""));
        main_ = app_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main_) && (path.empty() || e2e::ActiveEditor(main_)); }));
        ASSERT_TRUE(e2e::FocusForInput(main_, path.empty() ? nullptr : e2e::ActiveEditor(main_)));
        // The mouse out of the way, so that no row of a drop-down is hot by accident.
        e2e::MoveMouse({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
    }

    HWND Popup(const char* title) const { return e2e::FindProcessWindow(app_.ProcessId(), "Quillet Popup", title); }
    HWND ClipPopup() const { return Popup("Quillet ClipViewer"); }
    HWND FavsPopup() const { return Popup("Quillet /Favs"); }
    HWND ClipList() const { return GetDlgItem(ClipPopup(), kListId); }
    HWND FavsList() const { return GetDlgItem(FavsPopup(), kListId); }

    // Opens a drop-down from the menu bar with Alt+C or Alt+A and waits until its list has the focus.
    bool OpenWithAlt(WORD key, HWND popup)
    {
        if (!e2e::FocusForInput(main_))
            return false;
        e2e::PressKey(key, VK_MENU);
        return e2e::WaitUntil([&] { return IsWindowVisible(popup) && e2e::FocusedWindow(main_) == GetDlgItem(popup, kListId); },
                              5000);
    }

    bool WaitClosed(HWND popup)
    {
        return e2e::WaitUntil([&] { return !IsWindowVisible(popup); }, 5000);
    }

    HWND WaitForMenu()
    {
        HWND menu = nullptr;
        e2e::WaitUntil([&] { return (menu = e2e::VisibleMenu(app_.ProcessId())) != nullptr; }, 5000);
        return menu;
    }

    bool WaitNoMenu()
    {
        return e2e::WaitUntil([&] { return e2e::VisibleMenu(app_.ProcessId()) == nullptr; }, 5000);
    }

    // Presses one key and waits until the program has handled it.
    void Key(WORD key, WORD modifier = 0)
    {
        e2e::PressKey(key, modifier);
        e2e::Sync(main_);
    }

    // Saves the active document from the File menu and waits until the file holds `expected`.
    std::string SaveAndRead(const std::string& path, const std::string& expected)
    {
        PostMessageA(main_, WM_COMMAND, kSaveCommand, 0);
        std::string bytes;
        e2e::WaitUntil([&] { return (bytes = e2e::ReadTextFile(path)) == expected; }, 5000);
        return bytes;
    }

    StagedApp app_;
    HWND main_ = nullptr;
};

// ---- the clipboard history ------------------------------------------------------------

TEST_F(ToolWindowsE2E, ClipboardHistoryKeepsEveryTextNewestFirstAndPastesItWhole)
{
    const std::wstring wide = L"B\u0436\u4E2D";  // characters no single-byte code page holds together
    CopyText(L"S");
    const std::string path = MakeFile("paste.txt");
    Launch(path);
    HWND list = ClipList();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Count(list) == 1; })) << "the text on the clipboard at start";

    CopyText(L"A");
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(list) == 2; }));
    CopyText(wide);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(list) == 3; }));
    CopyText(L"A");
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(list) == 4; })) << "A again after B is a new entry";
    CopyText(L"A");   // an immediate repeat
    CopyBitmap();     // no text
    CopyText(L"C");
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(list) >= 5; }));
    e2e::Sync(main_);
    EXPECT_EQ(Count(list), 5) << "the repeat and the bitmap add nothing";

    // Each entry in turn, newest first: Down makes it hot, Enter pastes it.
    ASSERT_TRUE(OpenWithAlt('C', ClipPopup()));
    for (int i = 0; i < 5; ++i) {
        Key(VK_DOWN);
        Key(VK_RETURN);
    }
    EXPECT_TRUE(IsWindowVisible(ClipPopup())) << "pasting leaves the drop-down open";
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitClosed(ClipPopup()));
    const std::string expected = "CA" + Utf8(wide) + "AS";
    EXPECT_EQ(SaveAndRead(path, expected), expected);
}

TEST_F(ToolWindowsE2E, ItemMenuDeletesTheOnlyEntryAndDeleteAllEmptiesTheList)
{
    CopyText(L"only entry");
    Launch();
    HWND list = ClipList();
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(list) == 1; }));

    ASSERT_TRUE(OpenWithAlt('C', ClipPopup()));
    Key(VK_DOWN);   // the entry is hot
    Key(VK_RIGHT);  // its arrow button
    e2e::ShotIfAsked("clipboard-hot-arrow-button");
    Key(VK_RIGHT);  // opens the item menu
    ASSERT_NE(WaitForMenu(), nullptr);
    e2e::ShotIfAsked("clipboard-item-menu");
    Key('D');  // "&delete"
    EXPECT_TRUE(WaitNoMenu());
    EXPECT_TRUE(e2e::WaitUntil([&] { return Count(list) == 0; }));
    e2e::ShotIfAsked("clipboard-empty");

    CopyText(L"one");
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(list) == 1; }));
    CopyText(L"two");
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(list) == 2; }));
    Key(VK_DOWN);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    ASSERT_NE(WaitForMenu(), nullptr);
    Key('A');  // "delete &all"
    EXPECT_TRUE(WaitNoMenu());
    EXPECT_TRUE(e2e::WaitUntil([&] { return Count(list) == 0; }));
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitClosed(ClipPopup()));
}

TEST_F(ToolWindowsE2E, UpFromNoRowReachesTheLastEntryDownTheFirst)
{
    EmptyTheClipboard();
    const std::string path = MakeFile("keys.txt");
    Launch(path);
    HWND list = ClipList();
    // Each change is taken in turn (a notification reads what the clipboard holds when it arrives).
    int count = 0;
    for (const wchar_t* text : {L"first", L"second", L"third"}) {
        CopyText(text);
        ++count;
        ASSERT_TRUE(e2e::WaitUntil([&] { return Count(list) == count; })) << count;
    }

    ASSERT_TRUE(OpenWithAlt('C', ClipPopup()));
    Key(VK_UP);
    Key(VK_RETURN);  // the oldest
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(ClipPopup()));
    ASSERT_TRUE(OpenWithAlt('C', ClipPopup()));
    Key(VK_DOWN);
    Key(VK_RETURN);  // the newest
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(ClipPopup()));
    EXPECT_EQ(SaveAndRead(path, "firstthird"), "firstthird");
}

// The centre of a toolbar button, in screen coordinates.
POINT ButtonCentre(const StagedApp& app, HWND main, int command)
{
    HWND toolbar = GetDlgItem(main, kToolbarId);
    e2e::RemoteMemory memory(app.Process(), sizeof(RECT));
    RECT rect = {};
    SendMessageA(toolbar, TB_GETRECT, command, memory.AsLParam());
    memory.Read(&rect, sizeof rect);
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(toolbar, &centre);
    return centre;
}

void PressMouse(bool down)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

TEST_F(ToolWindowsE2E, HoldingPasteOrOpenOpensTheirDropDownUnderTheButton)
{
    CopyText(L"held");
    Launch(MakeFile("held.txt"));
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(ClipList()) == 1; }));
    const struct {
        int button;
        HWND popup;
    } holds[] = {{kPasteButton, ClipPopup()}, {kOpenButton, FavsPopup()}};
    for (const auto& hold : holds) {
        SCOPED_TRACE(hold.button);
        const POINT centre = ButtonCentre(app_, main_, hold.button);
        e2e::MoveMouse(centre);
        PressMouse(true);
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(hold.popup) != FALSE; }, 5000));
        PressMouse(false);
        RECT popup = {};
        GetWindowRect(hold.popup, &popup);
        RECT toolbar = {};
        GetWindowRect(GetDlgItem(main_, kToolbarId), &toolbar);
        EXPECT_EQ(popup.top, toolbar.top + 20) << "hangs 20 pixels below the bar's top";
        EXPECT_LE(std::abs(popup.left - centre.x), 20) << "under the button";
        Key(VK_ESCAPE);
        EXPECT_TRUE(WaitClosed(hold.popup));
    }
    // Holding Paste opened the history instead of pasting: the document is still empty.
    EXPECT_EQ(SendMessageA(e2e::ActiveEditor(main_), 3484 /* modified? */, 0, 0), 0);
}

TEST_F(ToolWindowsE2E, LeftAndRightWithNoHotRowMoveToTheNeighbouringMenus)
{
    Launch();
    // The menu a key opens is seen from inside the program: under Wine without a window
    // manager a focus change of the X server can arrive late and close it again at once.
    e2e::MenuOpenings openings(main_);
    ASSERT_TRUE(openings.Watching());
    const struct {
        WORD alt, key;
        HWND popup;
        UINT firstItem;
        const char* what;
    } moves[] = {
        {'C', VK_RIGHT, ClipPopup(), 1400 /* "&contents" */, "Right from the clipboard opens the Help menu"},
        {'A', VK_LEFT, FavsPopup(), 1300 /* "&find" */, "Left from the favourites opens the Search menu"},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.what);
        const int before = openings.Count();
        const int endedBefore = openings.LoopsEnded();
        ASSERT_TRUE(OpenWithAlt(move.alt, move.popup));
        Key(move.key);
        EXPECT_TRUE(WaitClosed(move.popup));
        ASSERT_TRUE(e2e::WaitUntil([&] { return openings.Count() > before; }, 5000));
        EXPECT_EQ(openings.FirstItemOf(before), move.firstItem);
        // Shown, or already closed by the system.
        ASSERT_TRUE(e2e::WaitUntil(
            [&] { return e2e::VisibleMenu(app_.ProcessId()) || openings.LoopsEnded() > endedBefore; }, 5000));
        if (openings.LoopsEnded() == endedBefore)
            Key(VK_ESCAPE);
        ASSERT_TRUE(WaitNoMenu());
    }
}

// ---- the favourites -------------------------------------------------------------------

TEST_F(ToolWindowsE2E, FavouritesLoadToTheFirstGapOpenMarkedOnesAndAreRewrittenWithoutGaps)
{
    const std::string one = MakeFile("one.txt", "1");
    const std::string two = MakeFile("two.txt", "2");
    const std::string four = MakeFile("four.txt", "4");
    app_.SetConfig("Favs", "0", one);
    app_.SetConfig("Favs", "1", two + "|");
    app_.SetConfig("Favs", "3", four);
    Launch();
    EXPECT_EQ(Count(FavsList()), 2);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !app_.TabCaptions(main_).empty(); }));
    const std::vector<std::string> tabs = app_.TabCaptions(main_);
    ASSERT_EQ(tabs.size(), 1u) << "only the marked favourite opens at start-up";
    EXPECT_NE(tabs[0].find("two.txt"), std::string::npos);

    Close();
    EXPECT_EQ(e2e::IniValue(app_.ConfigPath(), "Favs", "0"), one);
    EXPECT_EQ(e2e::IniValue(app_.ConfigPath(), "Favs", "1"), two + "|");
    EXPECT_EQ(e2e::IniValue(app_.ConfigPath(), "Favs", "2"), "");
    EXPECT_EQ(e2e::IniValue(app_.ConfigPath(), "Favs", "3"), "");
}

TEST_F(ToolWindowsE2E, StartupMarkTogglesFromTheItemMenuAndTheTabMenuAddsTheDocument)
{
    const std::string one = MakeFile("one.txt", "1");
    const std::string three = MakeFile("three.txt", "3");
    app_.SetConfig("Favs", "0", one + "|");
    Launch(three);
    PostMessageA(main_, WM_COMMAND, kAddToFavouritesCommand, 0);  // the tab menu's "&add to favourites"
    ASSERT_TRUE(e2e::WaitUntil([&] { return Count(FavsList()) == 2; }));

    ASSERT_TRUE(OpenWithAlt('A', FavsPopup()));
    for (int round = 0; round < 2; ++round) {
        Key(VK_DOWN);  // from no row to the first
        Key(VK_RIGHT);
        Key(VK_RIGHT);
        HWND menu = WaitForMenu();
        ASSERT_NE(menu, nullptr);
        if (round == 0)
            e2e::ShotIfAsked("favourites-item-menu");
        const std::vector<e2e::MenuItem> items = e2e::ReadMenu(menu);
        const e2e::MenuItem* startup = e2e::FindMenuItem(items, 808);
        ASSERT_NE(startup, nullptr) << "the item menu holds \"open on &startup\" (" << items.size() << " items read)";
        EXPECT_EQ(startup->caption, "open on &startup");
        EXPECT_EQ((startup->state & MF_CHECKED) != 0, round == 0) << "the check shows the entry's mark";
        EXPECT_FALSE(startup->state & MF_GRAYED);
        Key('S');  // "open on &startup"
        ASSERT_TRUE(WaitNoMenu());
    }
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(FavsPopup()));
    Close();
    EXPECT_EQ(e2e::IniValue(app_.ConfigPath(), "Favs", "0"), one + "|") << "toggled twice: as it was";
    EXPECT_EQ(e2e::IniValue(app_.ConfigPath(), "Favs", "1"), three);
}

TEST_F(ToolWindowsE2E, RightClickOnTheEmptyAreaOffersOnlyAddAndDeleteAll)
{
    const std::string one = MakeFile("one.txt", "1");
    app_.SetConfig("Favs", "0", one);
    Launch();
    ASSERT_TRUE(OpenWithAlt('A', FavsPopup()));
    RECT list = {};
    GetWindowRect(FavsList(), &list);
    const POINT below = {list.left + 40, list.top + 120};  // well below the only row
    ASSERT_TRUE(e2e::WaitUntil([&] { return WindowFromPoint(below) == FavsList(); })) << "the list is on screen";
    e2e::Click(below, true);
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr);
    const std::vector<e2e::MenuItem> items = e2e::ReadMenu(menu);
    for (UINT grayed : {800u, 801u, 804u, 808u}) {
        const e2e::MenuItem* item = e2e::FindMenuItem(items, grayed);
        ASSERT_NE(item, nullptr) << "the favourites' item menu holds " << grayed << " (" << items.size()
                                 << " items read)";
        EXPECT_TRUE(item->state & MF_GRAYED) << grayed << " " << item->caption;
    }
    for (UINT enabled : {803u, 806u}) {
        const e2e::MenuItem* item = e2e::FindMenuItem(items, enabled);
        ASSERT_NE(item, nullptr) << "the favourites' item menu holds " << enabled;
        EXPECT_FALSE(item->state & MF_GRAYED) << enabled << " " << item->caption;
    }
    Key('O');  // "&open" is grayed: nothing opens
    Key('L');  // "delete a&ll"
    EXPECT_TRUE(WaitNoMenu());
    EXPECT_TRUE(e2e::WaitUntil([&] { return Count(FavsList()) == 0; }));
    EXPECT_TRUE(app_.TabCaptions(main_).empty());
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitClosed(FavsPopup()));
}

// ---- the About window -----------------------------------------------------------------

TEST_F(ToolWindowsE2E, AboutIsCentredAndHidesOnAClickOrWhenAnotherWindowIsActivated)
{
    Launch();
    PostMessageA(main_, WM_COMMAND, kAboutCommand, 0);
    HWND about = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        about = e2e::FindProcessWindow(app_.ProcessId(), "Quillet", "Quillet About");
        return about && IsWindowVisible(about);
    }));
    RECT rect = {};
    GetWindowRect(about, &rect);
    EXPECT_EQ(rect.left, tools::AboutLeft(GetSystemMetrics(SM_CXSCREEN)));
    EXPECT_EQ(rect.top, tools::AboutTop(GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 204);
    e2e::Sync(main_);
    e2e::ShotIfAsked("about");

    const POINT inside = {rect.left + 100, rect.top + 100};
    ASSERT_TRUE(e2e::WaitUntil([&] { return WindowFromPoint(inside) == about; })) << "the window is on screen";
    e2e::Click(inside);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(about); })) << "a click hides it";

    // Once the activation has gone back to the main window (it would hide the window again).
    ASSERT_TRUE(e2e::FocusForInput(main_));
    e2e::Sync(main_);
    PostMessageA(main_, WM_COMMAND, kAboutCommand, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(about) != FALSE; }));
    HWND other = CreateWindowExA(0, "STATIC", "another window", WS_POPUP | WS_VISIBLE, 10, 10, 80, 40, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    e2e::FocusForInput(other);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(about); })) << "activating another window hides it";
    DestroyWindow(other);
}

std::string WindowName(HWND window)
{
    char name[128] = "", title[128] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, title, sizeof title);
    return std::string(name) + " \"" + title + "\"";
}

LRESULT CALLBACK SolidProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(ToolWindowsE2E, AboutShadowDarkensTheScreenBehindItByTheBands)
{
    Launch();
    // A known solid background where the About window will be.
    constexpr COLORREF kBack = RGB(200, 100, 50);
    WNDCLASSA solid = {};
    solid.lpfnWndProc = &SolidProc;
    solid.hInstance = GetModuleHandleA(nullptr);
    solid.hbrBackground = CreateSolidBrush(kBack);
    solid.lpszClassName = "Quillet test solid";
    RegisterClassA(&solid);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int left = tools::AboutLeft(screenWidth), top = tools::AboutTop(screenHeight);
    HWND back = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, solid.lpszClassName, "", WS_POPUP, left - 40,
                                top - 40, 380, 284, nullptr, nullptr, solid.hInstance, nullptr);
    ASSERT_NE(back, nullptr);
    ShowWindow(back, SW_SHOWNOACTIVATE);
    UpdateWindow(back);
    HDC screen = GetDC(nullptr);
    const POINT probe = {left + 299, top + 100};
    // Wine hands a window's pixels to the display a moment after painting, and the
    // display may stack a window that a finished test left behind over it: raise it and
    // paint again until the screen shows its pixels.
    const bool backShown = e2e::WaitUntil([&] {
        SetWindowPos(back, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        RedrawWindow(back, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        GdiFlush();
        return GetPixel(screen, probe.x, probe.y) == kBack;
    });
    if (!backShown)
        std::printf("the screen shows %06lx, not the background, at the probe (under %s)\n",
                    static_cast<unsigned long>(GetPixel(screen, probe.x, probe.y)),
                    WindowName(WindowFromPoint(probe)).c_str());
    // What the screen shows where the bands will be is what the window darkens; read in
    // window coordinates of the About window.
    const int right = 300, bottom = 204;
    struct Sample {
        POINT at;
        int amount;  // 0: left as it is
        const char* what;
    };
    const Sample samples[] = {
        {{right - 4, 100}, 113, "the strongest band, next to the picture"},
        {{right - 1, 100}, 28, "the outermost band"},
        {{right - 4, 2}, 0, "the band starts 4 pixels down"},
        {{right - 4, 4}, 25, "the band's first shaded row"},
        {{right - 4, bottom - 1}, 25, "and fades at its end"},
        {{150, bottom - 4}, 113, "the strongest bottom band"},
        {{2, bottom - 4}, 0, "the bottom band starts 4 pixels right"},
        {{5, bottom - 1}, 12, "the bottom band's first shaded column"},
    };
    COLORREF behind[std::size(samples)] = {};
    for (std::size_t i = 0; i < std::size(samples); ++i)
        behind[i] = GetPixel(screen, left + samples[i].at.x, top + samples[i].at.y);
    ReleaseDC(nullptr, screen);

    PostMessageA(main_, WM_COMMAND, kAboutCommand, 0);
    HWND about = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        about = e2e::FindProcessWindow(app_.ProcessId(), "Quillet", "Quillet About");
        return about && IsWindowVisible(about);
    }));
    // The window's own pixels (right even where another window covers it).
    HDC window = GetWindowDC(about);
    auto expected = [&](std::size_t i) {
        return samples[i].amount ? static_cast<COLORREF>(tools::DarkenColour(behind[i], samples[i].amount))
                                 : behind[i];
    };
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetPixel(window, samples[0].at.x, samples[0].at.y) == expected(0); }))
        << std::hex << GetPixel(window, samples[0].at.x, samples[0].at.y) << " over " << behind[0];
    for (std::size_t i = 1; i < std::size(samples); ++i)
        EXPECT_EQ(GetPixel(window, samples[i].at.x, samples[i].at.y), expected(i))
            << samples[i].what << std::hex << ", over " << behind[i];
    ReleaseDC(about, window);
    e2e::ShotIfAsked("about-shadow");
    PostMessageA(about, WM_CLOSE, 0, 0);
    DestroyWindow(back);
}

// ---- pictures of the drop-downs in every installed skin (./quillet shots) --------------

class ToolWindowsPictures : public ToolWindowsE2E, public ::testing::WithParamInterface<const char*> {};

TEST_P(ToolWindowsPictures, DropDownsAndAboutInTheSkin)
{
    char folder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("QUILLET_SHOTS_DIR", folder, sizeof folder))
        GTEST_SKIP() << "pictures only for ./quillet shots";
    const std::string skin = GetParam();
    const std::string one = MakeFile("notes.txt", "1");
    const std::string two = MakeFile("a folder with a longer name\\todo list.txt", "2");
    app_.SetConfig("Favs", "0", one);
    app_.SetConfig("Favs", "1", app_.Folder() + "Skin\\" + skin + "\\Skin.ini|");
    app_.SetConfig("Favs", "2", two);
    EmptyTheClipboard();
    // Longer and wider than the window, so both scroll bars have a thumb to show.
    std::string text = "#include <stdio.h>\r\n\r\n/* Greets the world, and then every continent by name, one line "
                       "for each, so that the greeting reads like a roll call. */\r\nint main(void)\r\n{\r\n"
                       "    printf(\"hello, world\\n\");\r\n";
    for (const char* name : {"Africa", "Antarctica", "Asia", "Australia", "Europe", "North America", "South America"})
        for (int k = 1; k <= 6; ++k)
            text += std::string("    printf(\"hello, ") + name + " (" + std::to_string(k) + ")\\n\");\r\n";
    text += "    return 0;\r\n}\r\n";
    const std::string document = MakeFile("hello.c", text);
    Launch(document, skin.c_str());
    const auto shot = [&](const char* what) { e2e::ShotIfAsked((skin + "-" + what).c_str()); };

    shot("main-window");
    ASSERT_TRUE(OpenWithAlt('C', ClipPopup()));
    shot("clipboard-empty");
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(ClipPopup()));
    int count = 0;
    for (const wchar_t* text : {L"int main(void)\r\n{\r\n    return 0;\r\n}",
                                L"A line copied from somewhere else, long enough to wrap across the row.",
                                L"hello, world"}) {
        CopyText(text);
        ++count;
        ASSERT_TRUE(e2e::WaitUntil([&] { return Count(ClipList()) == count; }));
    }
    ASSERT_TRUE(OpenWithAlt('C', ClipPopup()));
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    shot("clipboard-hot-arrow-button");
    Key(VK_RIGHT);
    ASSERT_NE(WaitForMenu(), nullptr);
    shot("clipboard-item-menu");
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitNoMenu());
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(ClipPopup()));

    ASSERT_TRUE(OpenWithAlt('A', FavsPopup()));
    Key(VK_DOWN);
    Key(VK_DOWN);
    shot("favourites-hot");
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    ASSERT_NE(WaitForMenu(), nullptr);
    shot("favourites-item-menu");
    Key('L');  // "delete a&ll"
    ASSERT_TRUE(WaitNoMenu());
    shot("favourites-empty");
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(FavsPopup()));

    ASSERT_TRUE(e2e::FocusForInput(main_));
    Key('F', VK_MENU);
    ASSERT_NE(WaitForMenu(), nullptr);
    shot("file-menu");
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitNoMenu());
    Key(VK_ESCAPE);

    PostMessageA(main_, WM_COMMAND, kOptionsCommand, 0);
    HWND options = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        options = e2e::FindProcessWindow(app_.ProcessId(), "Quillet", "Quillet Options");
        return options && IsWindowVisible(options);
    }));
    e2e::Sync(main_);
    shot("options");
    PostMessageA(options, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(options) || !IsWindowVisible(options); }));

    PostMessageA(main_, WM_COMMAND, kAboutCommand, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] {
        HWND about = e2e::FindProcessWindow(app_.ProcessId(), "Quillet", "Quillet About");
        return about && IsWindowVisible(about);
    }));
    e2e::Sync(main_);
    shot("about");
}

INSTANTIATE_TEST_SUITE_P(InstalledSkins, ToolWindowsPictures, ::testing::Values("Quillblue", "Graphite", "Pebble"));

} // namespace
