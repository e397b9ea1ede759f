// The Options dialog: what it loads, how its buttons behave, and the refusal of a state
// with neither a taskbar button nor a tray icon.
#include "tests/options-dialog/options_fixture.h"

#include "app/main_window.h"
#include "tests/harness/staged_app.h"
#include "platform/ansi_text.h"
#include "platform/process_seam.h"

#include <map>
#include <string>
#include <vector>

namespace {

enum : int {
    kRealTimeResize = 101, kTaskbar = 102, kTray = 103, kMinimise = 104, kShellExtension = 105,
    kSkinOverride = 107, kOpenLastFiles = 113, kOk = 301, kCancel = 302, kApply = 303, kPageList = 100,
};

// A 32-bit program on 64-bit Windows, as the process seam answers it: regsvr32 runs are
// recorded and answered with `exitCode` instead of being started.
class WideWindows {
public:
    explicit WideWindows(long exitCode) : exitCode_(exitCode)
    {
        proc::SetWow64Handler([] { return true; });
        proc::SetRunHandler([this](const std::wstring& program, const std::wstring& arguments) {
            runs.push_back({program, arguments});
            return exitCode_;
        });
    }
    ~WideWindows()
    {
        proc::SetWow64Handler(nullptr);
        proc::SetRunHandler(nullptr);
    }
    void Answer(long exitCode) { exitCode_ = exitCode; }
    struct Run {
        std::wstring program;
        std::wstring arguments;
    };
    std::vector<Run> runs;

private:
    long exitCode_;
};

bool ContextMenuHandlerRegistered()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "*\\shellex\\ContextMenuHandlers\\Quillet", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool EndsWithNoCase(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() &&
           CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str() + text.size() - end.size(), -1, end.c_str(),
                          -1) == CSTR_EQUAL;
}

using OptionsDialogTest = OptionsFixture;

TEST_F(OptionsDialogTest, WithoutStoredOptionsOnlyTheTaskbarAndTrayBoxesAreChecked)
{
    for (const char* key : {"SysTrayShow", "TaskbarShow", "RealTimeResize", "MinOnLoad", "OpenFilesAtStartup"})
        Forget("Main", key);
    Forget("Editor", "ShellEx");
    Forget("Editor", "SkinOverride");
    Start();
    EXPECT_TRUE(Checked(kTaskbar));
    EXPECT_TRUE(Checked(kTray));
    for (int box : {kRealTimeResize, kMinimise, kShellExtension, kSkinOverride, kOpenLastFiles})
        EXPECT_FALSE(Checked(box)) << box;
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(OptionsDialogTest, OnlyExactlyOneCountsAsOn)
{
    app.SetConfig("Main", "RealTimeResize", "yes");
    app.SetConfig("Main", "MinOnLoad", "true");
    app.SetConfig("Main", "OpenFilesAtStartup", "01");
    app.SetConfig("Editor", "SkinOverride", "1");
    Start();
    EXPECT_FALSE(Checked(kRealTimeResize));
    EXPECT_FALSE(Checked(kMinimise));
    EXPECT_FALSE(Checked(kOpenLastFiles));
    EXPECT_TRUE(Checked(kSkinOverride));
    EXPECT_TRUE(IsSkinOverrideChecked());
    EXPECT_FALSE(IsOpenLastFilesChecked());
}

TEST_F(OptionsDialogTest, NeitherTaskbarButtonNorTrayIconIsRefused)
{
    app.SetConfig("Main", "SysTrayShow", "0");
    Start();
    ASSERT_FALSE(Checked(kTray));
    Click(kTaskbar);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text,
              "You cannot remove Quillet from the Taskbar and also not show it in the Tray, how will you access it?");
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(app.messages[0].owner, Dialog());
    EXPECT_TRUE(Checked(kTaskbar));
    EXPECT_FALSE(ApplyEnabled());

    Click(kTray);  // the tray on, now the taskbar may go
    Click(kTaskbar);
    EXPECT_FALSE(Checked(kTaskbar));
    Click(kTray);
    ASSERT_EQ(app.messages.size(), 2u);
    EXPECT_EQ(app.messages[1].text,
              "You cannot remove Quillet from the Tray and also not show it in the Taskbar, how will you access it?");
    EXPECT_TRUE(Checked(kTray));
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionsDialogTest, OkWithoutChangesOnlyHides)
{
    Start();
    ShowOptionsDialog(false);
    ASSERT_TRUE(IsWindowVisible(Dialog()));
    const std::string before = harness::ReadFile(app.ConfigPath());
    Click(kOk);
    EXPECT_FALSE(IsWindowVisible(Dialog()));
    EXPECT_EQ(harness::ReadFile(app.ConfigPath()), before);
}

TEST_F(OptionsDialogTest, ApplyStoresAndCancelAfterApplyKeepsWhatWasStored)
{
    Start();
    ShowOptionsDialog(false);
    ASSERT_FALSE(Checked(kMinimise));
    Click(kMinimise);
    EXPECT_TRUE(ApplyEnabled());
    Click(kApply);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_EQ(Stored("Main", "MinOnLoad"), "1");
    Click(kRealTimeResize);  // changed, never applied
    Click(kCancel);
    EXPECT_FALSE(IsWindowVisible(Dialog()));
    EXPECT_EQ(Stored("Main", "MinOnLoad"), "1");
    EXPECT_TRUE(Checked(kMinimise));
    EXPECT_FALSE(Checked(kRealTimeResize)) << "Cancel returns the boxes to what is stored";
    EXPECT_EQ(Stored("Main", "RealTimeResize"), "0");
}

TEST_F(OptionsDialogTest, OkAppliesPendingChanges)
{
    Start();
    Click(kSkinOverride);  // stored "1" in the installed Config.ini
    Click(kOk);
    harness::InProcessApp::Pump();
    EXPECT_EQ(Stored("Editor", "SkinOverride"), "0");
    EXPECT_FALSE(IsSkinOverrideChecked());
}

TEST_F(OptionsDialogTest, ThePageListSwitchesPages)
{
    Start();
    HWND list = Control(kPageList);
    for (int index : {1, 2, 0}) {
        SendMessageA(list, LB_SETCURSEL, index, 0);
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(kPageList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        for (int page = 0; page < 3; ++page)
            EXPECT_EQ((GetWindowLongA(GetDlgItem(Dialog(), 200 + page), GWL_STYLE) & WS_VISIBLE) != 0, page == index)
                << index << page;
    }
}

TEST_F(OptionsDialogTest, EditorSettingsNeedAnActiveDocument)
{
    Start();
    ShowOptionsDialog(false);
    Click(106);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Editor Settings are only available when there is at least one active document");
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_TRUE(IsWindowVisible(Dialog()));
}

TEST_F(OptionsDialogTest, ExplorerOptionWithoutTheExtensionLibraryStaysOff)
{
    DeleteFileA((app.Folder() + "Vantrix.dll").c_str());
    Start();
    EXPECT_TRUE(app.messages.empty()) << "no message at start-up for an extension that is off";
    Click(kShellExtension);
    Click(kApply);
    bool reported = false;
    for (const auto& message : app.messages)
        reported = reported || message.text == "Failed to load Vantrix.dll";
    EXPECT_TRUE(reported);
    EXPECT_EQ(Stored("Editor", "ShellEx"), "0");
}

// Registers the real extension class: runs alone (see CMakeLists.txt).
TEST_F(OptionsDialogTest, ShellExtensionSwitchRegistersAndUnregistersTheExtension)
{
    Start();
    EXPECT_TRUE(app.messages.empty());
    Click(kShellExtension);
    Click(kApply);
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(Stored("Editor", "ShellEx"), "1");
    EXPECT_TRUE(ContextMenuHandlerRegistered());
    Click(kShellExtension);
    Click(kApply);
    EXPECT_EQ(Stored("Editor", "ShellEx"), "0");
    EXPECT_FALSE(ContextMenuHandlerRegistered());
}

// Registers the real extension class: runs alone (see CMakeLists.txt).
TEST_F(OptionsDialogTest, ShellExtensionSwitchOn64BitWindowsRegistersBothExtensions)
{
    harness::WriteFile(app.Folder() + "Vantrix64.dll", "the 64-bit build; regsvr32 is answered by the test");
    Start();
    WideWindows windows(0);
    Click(kShellExtension);
    Click(kApply);
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(Stored("Editor", "ShellEx"), "1");
    EXPECT_TRUE(ContextMenuHandlerRegistered());
    ASSERT_EQ(windows.runs.size(), 1u);
    EXPECT_TRUE(EndsWithNoCase(windows.runs[0].program, L"\\Sysnative\\regsvr32.exe")) << "the 64-bit regsvr32";
    const std::wstring library = L"\"" + WidenAnsi(app.Folder()) + L"Vantrix64.dll\"";
    EXPECT_EQ(windows.runs[0].arguments, L"/s " + library);

    Click(kShellExtension);
    Click(kApply);
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(Stored("Editor", "ShellEx"), "0");
    EXPECT_FALSE(ContextMenuHandlerRegistered());
    ASSERT_EQ(windows.runs.size(), 2u);
    EXPECT_EQ(windows.runs[1].arguments, L"/s /u " + library);
}

TEST_F(OptionsDialogTest, ShellExtensionSwitchOn64BitWindowsStoresNothingWhenThe64BitOneFails)
{
    harness::WriteFile(app.Folder() + "Vantrix64.dll", "the 64-bit build; regsvr32 is answered by the test");
    Start();
    struct Case {
        long exitCode;
        const char* message;
    };
    for (const Case& failure : {Case{3, "Failed to load Vantrix64.dll"},
                                Case{4, "Failed to find the Proc Address in Vantrix64.dll"},
                                Case{5, "Failed to register Vantrix64.dll"}, Case{-1, "Failed to load Vantrix64.dll"}}) {
        app.messages.clear();
        WideWindows windows(failure.exitCode);
        Click(kShellExtension);
        Click(kApply);
        ASSERT_EQ(app.messages.size(), 1u) << failure.exitCode;
        EXPECT_EQ(app.messages[0].text, failure.message);
        EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
        EXPECT_EQ(app.messages[0].owner, Dialog());
        EXPECT_EQ(Stored("Editor", "ShellEx"), "0") << failure.exitCode;
        EXPECT_FALSE(ContextMenuHandlerRegistered()) << "the 32-bit half is taken back";
        Click(kShellExtension);  // off again in the box, for the next case
    }

    // Registered, then the 64-bit unregistration fails: the switch stays on.
    WideWindows windows(0);
    Click(kShellExtension);
    Click(kApply);
    ASSERT_EQ(Stored("Editor", "ShellEx"), "1");
    app.messages.clear();
    windows.Answer(5);
    Click(kShellExtension);
    Click(kApply);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Failed to unregister Vantrix64.dll");
    EXPECT_EQ(Stored("Editor", "ShellEx"), "1");
    windows.Answer(0);
    Click(kApply);
}

TEST_F(OptionsDialogTest, ShellExtensionSwitchOn64BitWindowsWithoutThe64BitLibraryFailsWithoutRunningAnything)
{
    DeleteFileA((app.Folder() + "Vantrix64.dll").c_str());
    Start();
    WideWindows windows(0);
    Click(kShellExtension);
    Click(kApply);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Failed to load Vantrix64.dll");
    EXPECT_TRUE(windows.runs.empty());
    EXPECT_EQ(Stored("Editor", "ShellEx"), "0");
    EXPECT_FALSE(ContextMenuHandlerRegistered());
}

struct PositionCase {
    const char* left;
    bool defaultPlace;
};

class OptionsPositionTest : public OptionsFixture, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(OptionsPositionTest, ZeroMissingOrGarbageLeftMeansTheDefaultPlace)
{
    if (GetParam().left)
        app.SetConfig("Position", "OptsLeft", GetParam().left);
    else
        Forget("Position", "OptsLeft");
    app.SetConfig("Position", "OptsTop", "150");
    Start();
    RECT rect = {};
    GetWindowRect(Dialog(), &rect);
    if (GetParam().defaultPlace) {
        // Where the system puts a window of the dialog's kind that asks for the default
        // place (here it gives every such window the same place); OptsTop plays no part.
        HWND placedBySystem = CreateWindowExA(WS_EX_TOOLWINDOW, "Static", "", WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU,
                                              CW_USEDEFAULT, 0, 350, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(placedBySystem, nullptr);
        RECT expected = {};
        GetWindowRect(placedBySystem, &expected);
        DestroyWindow(placedBySystem);
        EXPECT_EQ(rect.left, expected.left);
        EXPECT_EQ(rect.top, expected.top);
    } else {
        EXPECT_EQ(rect.left, 200);
        EXPECT_EQ(rect.top, 150);
    }
    EXPECT_EQ(rect.right - rect.left, 350);
    SetWindowPos(Dialog(), nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app.Close();
    EXPECT_EQ(Stored("Position", "OptsLeft"), "123");
    EXPECT_EQ(Stored("Position", "OptsTop"), "77");
}

INSTANTIATE_TEST_SUITE_P(Positions, OptionsPositionTest,
                         ::testing::Values(PositionCase{"0", true}, PositionCase{nullptr, true},
                                           PositionCase{"abc", true}, PositionCase{"200", false}));

// ---- the dialog's window and controls, as built -----------------------------------------

using e2e::ClassOf;
using e2e::TitleOf;

// What the program asked for when it created each window of this thread: place, size and
// styles as handed to CreateWindowEx (a control may change its own later: a list box drops
// WS_VSCROLL while it has nothing to scroll, an etched line gives itself an edge).
struct Creation {
    int x, y, width, height;
    DWORD style, exStyle;
};
std::map<HWND, Creation> g_creations;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA& create = *reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
        g_creations[reinterpret_cast<HWND>(wParam)] = {create.x, create.y, create.cx, create.cy,
                                                       static_cast<DWORD>(create.style), create.dwExStyle};
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class OptionsDialogBuildTest : public OptionsFixture {
protected:
    void StartRecording()
    {
        g_creations.clear();
        HHOOK hook = SetWindowsHookExA(WH_CBT, &RecordCreation, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        Start();
        UnhookWindowsHookEx(hook);
    }
};

TEST_F(OptionsDialogBuildTest, IsAHiddenToolWindowOfItsOwnSizeWithThreePagesToChooseFrom)
{
    StartRecording();
    HWND dialog = Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowVisible(dialog)) << "created hidden at start-up";
    EXPECT_EQ(ClassOf(dialog), "Quillet");
    EXPECT_EQ(TitleOf(dialog), "Quillet Options");
    ASSERT_EQ(g_creations.count(dialog), 1u);
    EXPECT_EQ(g_creations[dialog].style, static_cast<DWORD>(WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU));
    // A captioned window gets the window edge from the system.
    EXPECT_EQ(g_creations[dialog].exStyle & ~WS_EX_WINDOWEDGE, static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_EQ(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetParent(dialog), nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    EXPECT_NE(GetPropA(dialog, "CWOSubcls"), nullptr);
    RECT rect = {};
    GetWindowRect(dialog, &rect);
    EXPECT_EQ(rect.right - rect.left, 350);
    EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYSMCAPTION) + 180);

    HWND list = Control(kPageList);
    ASSERT_NE(list, nullptr);
    std::vector<std::string> pages;
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[64] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        pages.push_back(text);
    }
    EXPECT_EQ(pages, (std::vector<std::string>{"General", "File Association", "Startup"}));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    for (int page = 200; page <= 202; ++page)
        EXPECT_EQ((GetWindowLongA(GetDlgItem(dialog, page), GWL_STYLE) & WS_VISIBLE) != 0, page == 200)
            << "only the General page shows: " << page;
}

TEST_F(OptionsDialogBuildTest, HasEveryControlOfItsTablesWhereItBelongs)
{
    StartRecording();
    ASSERT_NE(Dialog(), nullptr);
    constexpr int kDialog = 0;
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    constexpr DWORD kPageListStyle = WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | LBS_NOTIFY;
    constexpr DWORD kTypeListStyle = WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
    const struct {
        int parent;  // kDialog, or the page's id
        int id;
        const char* className;
        const char* text;
        int x, y, width, height;
        DWORD style;  // as created, besides WS_CHILD | WS_VISIBLE
        DWORD exStyle;
    } expected[] = {
        {kDialog, kPageList, "ListBox", "", 5, 5, 85, 134, kPageListStyle, WS_EX_CLIENTEDGE},
        {kDialog, 300, "Static", "", 2, 145, 342, 2, WS_TABSTOP | SS_ETCHEDHORZ, 0},
        {kDialog, kOk, "Button", "OK", 165, 150, 55, 20, WS_TABSTOP | BS_PUSHBUTTON, 0},
        {kDialog, kCancel, "Button", "Cancel", 225, 150, 55, 20, WS_TABSTOP | BS_PUSHBUTTON, 0},
        {kDialog, kApply, "Button", "Apply", 285, 150, 55, 20, WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 0},
        {kDialog, 200, "Static", "", 100, 5, 245, 140, 0, 0},
        {kDialog, 201, "Static", "", 100, 5, 245, 140, 0, 0},
        {kDialog, 202, "Static", "", 100, 5, 245, 140, 0, 0},
        // General: the taskbar, tray and Explorer boxes are checked by the program, the others by a click.
        {200, kTaskbar, "Button", "Show Taskbar Button", 0, 3, 130, 17, BS_CHECKBOX, 0},
        {200, kTray, "Button", "Show System Tray Button", 0, 21, 150, 17, BS_CHECKBOX, 0},
        {200, kRealTimeResize, "Button", "Enable Real Time Resizing Of Main Window", 0, 39, 230, 17, BS_AUTOCHECKBOX,
         0},
        {200, kShellExtension, "Button", "Enable The Explorer Context Menu Extension", 0, 57, 250, 17, BS_CHECKBOX, 0},
        {200, kSkinOverride, "Button", "Allow Skins To Override Editor Settings", 0, 75, 210, 17, BS_AUTOCHECKBOX, 0},
        {200, 106, "Button", "Editor Settings", 66, 93, 105, 20, BS_PUSHBUTTON, 0},
        // File Association
        {201, 112, "Static", "Enter File Type :", 30, 0, 80, 17, SS_LEFTNOWORDWRAP, 0},
        {201, 108, "Edit", "", 115, 0, 70, 17, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
        {201, 109, "ListBox", "", 25, 20, 85, 114, kTypeListStyle, WS_EX_CLIENTEDGE},
        {201, 110, "Button", "Add", 115, 20, 70, 20, WS_TABSTOP | BS_PUSHBUTTON, 0},
        {201, 111, "Button", "Remove", 115, 43, 70, 20, WS_TABSTOP | BS_PUSHBUTTON, 0},
        // Startup
        {202, kMinimise, "Button", "Minimise Main Window On Startup", 0, 3, 220, 17, BS_AUTOCHECKBOX, 0},
        {202, kOpenLastFiles, "Button", "Open Last Files Used On Startup", 0, 21, 220, 17, BS_AUTOCHECKBOX, 0},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        HWND parent = e.parent == kDialog ? Dialog() : GetDlgItem(Dialog(), e.parent);
        ASSERT_NE(parent, nullptr);
        HWND control = GetDlgItem(parent, e.id);
        ASSERT_NE(control, nullptr) << "a child of " << e.parent;
        EXPECT_EQ(ClassOf(control), e.className);
        EXPECT_EQ(TitleOf(control), e.text);
        ASSERT_EQ(g_creations.count(control), 1u);
        const Creation& made = g_creations[control];
        EXPECT_EQ(made.x, e.x);
        EXPECT_EQ(made.y, e.y);
        EXPECT_EQ(made.width, e.width);
        EXPECT_EQ(made.height, e.height);
        EXPECT_EQ(made.style, kChild | e.style) << std::hex << made.style;
        EXPECT_EQ(made.exStyle, e.exStyle) << std::hex << made.exStyle;
        // Where it stayed.
        RECT place = {};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, e.x);
        EXPECT_EQ(place.top, e.y);
        if (e.id != 300) {  // the etched line adds an edge of its own to its width
            EXPECT_EQ(place.right - place.left, e.width);
            EXPECT_EQ(place.bottom - place.top, e.height);
        }
        // Every control that shows text shows it in the UI font.
        if (*e.text || e.className != std::string("Static")) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), Main().UiFont());
        }
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, e.id != kApply);
    }
}

} // namespace
