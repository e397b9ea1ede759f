// The skin selector inside the real program: driven with the messages that clicks on
// its list and buttons produce, its message boxes answered by the test.
#include "app/main_window.h"
#include "docs/documents.h"
#include "options/skin_selector.h"
#include "platform/ansi_text.h"
#include "skin/skinned_frame.h"
#include "tests/harness/in_process_app.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using harness::InProcessApp;

namespace {

constexpr int kList = 200;
constexpr int kInfo = 201;
constexpr int kAutoApply = 202;
constexpr int kDelete = 203;
constexpr int kApply = 204;
constexpr int kSkinsCommand = 402;
constexpr int kAlwaysOnTopCommand = 400;

const std::vector<std::string> kInstalled = {"Graphite", "Pebble", "Quillblue"};

// The selector of this process (other programs may have one of their own).
HWND Selector()
{
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "Quillet", "Quillet Skin Selector"))) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId())
            return window;
    }
    return nullptr;
}

HWND Control(int id) { return GetDlgItem(Selector(), id); }

std::vector<std::string> ListItems()
{
    std::vector<std::string> items;
    HWND list = Control(kList);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool Checked(int id) { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

class SkinSelectorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.Start()); }

    // The "&skins" command of the main window.
    HWND Open()
    {
        SendMessageA(app.Frame(), WM_COMMAND, kSkinsCommand, 0);
        InProcessApp::Pump();
        return Selector();
    }
    // As a click on a list entry: the list selects it and tells its parent.
    void Pick(const std::string& name)
    {
        HWND list = Control(kList);
        const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_NE(index, LB_ERR) << name;
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(Selector(), WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        InProcessApp::Pump();
    }
    void Click(int id)
    {
        SendMessageA(Control(id), BM_CLICK, 0, 0);
        InProcessApp::Pump();
    }
    std::string SkinFolder(const std::string& name) const { return app.Folder() + "Skin\\" + name + "\\"; }
    bool FolderExists(const std::string& name) const
    {
        const DWORD attributes = GetFileAttributesA((app.Folder() + "Skin\\" + name).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    // The messages asked so far, their texts only.
    std::vector<std::string> Asked() const
    {
        std::vector<std::string> texts;
        for (const auto& message : app.messages)
            texts.push_back(message.text);
        return texts;
    }

    InProcessApp app;
};

TEST_F(SkinSelectorTest, IsAHiddenToolWindowUntilOpened)
{
    EXPECT_EQ(Selector(), nullptr);
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    EXPECT_TRUE(IsWindowVisible(selector));
    EXPECT_TRUE(GetWindowLongA(selector, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    const LONG style = GetWindowLongA(selector, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetParent(selector), nullptr);
    RECT rect = {};
    GetWindowRect(selector, &rect);
    EXPECT_EQ(rect.right - rect.left, 391);
    EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYSMCAPTION) + 190);
    EXPECT_NE(GetPropA(selector, "CWSSSubcls"), nullptr);
}

TEST_F(SkinSelectorTest, HasItsFiveControlsWhereTheyBelong)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    const struct {
        int id;
        const char* className;
        const char* text;
        RECT place;
    } expected[] = {
        {kList, "ListBox", "", {8, 8, 188, 158}},
        {kInfo, "Edit", "", {196, 8, 376, 158}},
        {kAutoApply, "Button", "Auto apply selected skin", {8, 161, 148, 181}},
        {kDelete, "Button", "Delete Skin", {196, 161, 266, 181}},
        {kApply, "Button", "Apply Skin", {306, 161, 376, 181}},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        HWND control = Control(e.id);
        ASSERT_NE(control, nullptr);
        char name[32] = {};
        GetClassNameA(control, name, sizeof name);
        EXPECT_STREQ(name, e.className);
        EXPECT_EQ(TextOf(control), e.text);
        RECT rect = {};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, selector, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, e.place.left);
        EXPECT_EQ(rect.top, e.place.top);
        EXPECT_EQ(rect.right, e.place.right);
        EXPECT_EQ(rect.bottom, e.place.bottom);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), Main().UiFont());
    }
    const LONG list = GetWindowLongA(Control(kList), GWL_STYLE);
    EXPECT_TRUE(list & LBS_SORT);
    EXPECT_TRUE(list & LBS_NOTIFY);
    EXPECT_TRUE(list & LBS_NOINTEGRALHEIGHT);
    EXPECT_TRUE(list & LBS_HASSTRINGS);
    EXPECT_TRUE(GetWindowLongA(Control(kList), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(Control(kInfo), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    const LONG info = GetWindowLongA(Control(kInfo), GWL_STYLE);
    EXPECT_TRUE(info & ES_READONLY);
    EXPECT_TRUE(info & ES_MULTILINE);
    EXPECT_TRUE(info & ES_AUTOVSCROLL);
    EXPECT_EQ(GetWindowLongA(Control(kAutoApply), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_FALSE(Checked(kAutoApply));
}

// Moved to a screen of another scaling, the selector lays itself out again at that DPI
// and takes the rectangle Windows suggests; back on the first screen it is as it was.
TEST_F(SkinSelectorTest, MovingToAScreenOfTwiceTheDpiDoublesItsLayoutAndFont)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    auto placeOf = [&](int id) {
        RECT rect = {};
        GetWindowRect(Control(id), &rect);
        MapWindowPoints(nullptr, selector, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    auto fontHeight = [&](int id) {
        LOGFONTW face = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(id), WM_GETFONT, 0, 0)), sizeof face, &face);
        return face.lfHeight;
    };
    const RECT apply = placeOf(kApply);
    const LONG height = fontHeight(kApply);
    RECT window = {};
    GetWindowRect(selector, &window);
    RECT suggested = {window.left, window.top, window.left + 2 * (window.right - window.left),
                      window.top + 2 * (window.bottom - window.top)};
    SendMessageW(selector, 0x02E0, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    const RECT twice = placeOf(kApply);
    EXPECT_EQ(twice.right - twice.left, 2 * (apply.right - apply.left));
    EXPECT_EQ(twice.bottom - twice.top, 2 * (apply.bottom - apply.top));
    EXPECT_EQ(fontHeight(kApply), 2 * height);
    EXPECT_EQ(fontHeight(kList), 2 * height);
    RECT now = {};
    GetWindowRect(selector, &now);
    EXPECT_EQ(now.right - now.left, suggested.right - suggested.left);
    EXPECT_EQ(now.bottom - now.top, suggested.bottom - suggested.top);

    SendMessageW(selector, 0x02E0, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&window));
    const RECT back = placeOf(kApply);
    EXPECT_EQ(back.right - back.left, apply.right - apply.left);
    EXPECT_EQ(back.bottom - back.top, apply.bottom - apply.top);
    EXPECT_EQ(fontHeight(kApply), height);
}

// The selector's font follows the main window's DPI while both are on one screen; moved
// after the main window, it takes the font made for its own DPI, not that one scaled again.
TEST_F(SkinSelectorTest, FollowingTheMainWindowToAnotherScreenItsFontIsScaledOnce)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    auto fontHeight = [&](HFONT font) {
        LOGFONTW face = {};
        GetObjectW(font, sizeof face, &face);
        return face.lfHeight;
    };
    const LONG at96 = fontHeight(Main().UiFont());
    SendMessageW(Main().Frame(), 0x02E0, MAKEWPARAM(192, 192), 0);
    ASSERT_EQ(Main().Dpi(), 192);
    ASSERT_EQ(reinterpret_cast<HFONT>(SendMessageW(Control(kApply), WM_GETFONT, 0, 0)), Main().UiFont());
    SendMessageW(selector, 0x02E0, MAKEWPARAM(192, 192), 0);
    EXPECT_EQ(fontHeight(reinterpret_cast<HFONT>(SendMessageW(Control(kApply), WM_GETFONT, 0, 0))), 2 * at96);
    SendMessageW(selector, 0x02E0, MAKEWPARAM(96, 96), 0);
    EXPECT_EQ(fontHeight(reinterpret_cast<HFONT>(SendMessageW(Control(kApply), WM_GETFONT, 0, 0))), at96);
    SendMessageW(Main().Frame(), 0x02E0, MAKEWPARAM(96, 96), 0);
    EXPECT_EQ(fontHeight(Main().UiFont()), at96);
}

TEST_F(SkinSelectorTest, ListsTheInstalledSkinsSorted)
{
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ListItems(), kInstalled);
    EXPECT_TRUE(IsWindowEnabled(Control(kList)));
    EXPECT_EQ(TextOf(Control(kInfo)), "");
    EXPECT_TRUE(app.messages.empty());
}

TEST_F(SkinSelectorTest, SystemFoldersAndPlainFilesAreNotListed)
{
    const std::string skins = app.Folder() + "Skin\\";
    ASSERT_TRUE(CreateDirectoryA((skins + "Hidden").c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributesA((skins + "Hidden").c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(GetFileAttributesA((skins + "Hidden").c_str()) & FILE_ATTRIBUTE_SYSTEM);
    harness::WriteFile(skins + "Readme.txt", "not a skin\r\n");
    ASSERT_TRUE(CreateDirectoryA((skins + "Amber").c_str(), nullptr));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ListItems(), (std::vector<std::string>{"Amber", "Graphite", "Pebble", "Quillblue"}));
}

// The skin loader and [Main] Skin take a skin's name in the ANSI code page: a skin the
// code page spells is listed, applied and stored in its ANSI bytes; one it cannot spell
// is left out.
TEST_F(SkinSelectorTest, SkinsAreListedWhenTheCodePageSpellsTheirNames)
{
    const std::wstring greek = L"\u0395\u03BB";  // Ελ
    const std::wstring latin = L"Caf\u00E9";      // Café
    std::string greekBytes, latinBytes;
    if (AnsiCodePage().ToAnsi(greek, greekBytes) || !AnsiCodePage().ToAnsi(latin, latinBytes))
        GTEST_SKIP() << "needs a Western ANSI code page";
    ASSERT_TRUE(CreateDirectoryW((WidenAnsi(app.Folder()) + L"Skin\\" + greek).c_str(), nullptr));
    e2e::CopyFolder(SkinFolder("Quillblue"), SkinFolder(latinBytes));
    const std::string ini = SkinFolder(latinBytes) + "Skin.ini";
    WritePrivateProfileStringA("Info", "Name", "Caf\xE9 cr\xE8me", ini.c_str());  // Skin.ini is ANSI
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ListItems(), (std::vector<std::string>{latinBytes, "Graphite", "Pebble", "Quillblue"}));
    Pick(latinBytes);
    wchar_t info[256] = L"";
    GetWindowTextW(Control(kInfo), info, 256);
    EXPECT_EQ(std::wstring(info).find(L"Name : Caf\u00E9 cr\u00E8me\r\nAuthor"), 0u);
    Click(kApply);
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(MainSkin().Folder(), SkinFolder(latinBytes));
    EXPECT_EQ(app.Config("Main", "Skin"), latinBytes);
}

TEST_F(SkinSelectorTest, EveryOpeningListsTheSkinsFolderAsItIsNow)
{
    ASSERT_NE(Open(), nullptr);
    Pick("Pebble");
    SendMessageA(Selector(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(CreateDirectoryA((app.Folder() + "Skin\\Zinc").c_str(), nullptr));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ListItems(), (std::vector<std::string>{"Graphite", "Pebble", "Quillblue", "Zinc"}));
    EXPECT_EQ(TextOf(Control(kInfo)), "");
    // The pick went with the old list.
    Click(kApply);
    EXPECT_EQ(Asked(), std::vector<std::string>{"Select a skin from the list first."});
}

TEST_F(SkinSelectorTest, PickingShowsTheSkinsInfoWithAboutSplitAtTheBar)
{
    const std::string ini = SkinFolder("Pebble") + "Skin.ini";
    WritePrivateProfileStringA("Info", "Name", "Pebble stone", ini.c_str());
    WritePrivateProfileStringA("Info", "Author", "Ann Author", ini.c_str());
    WritePrivateProfileStringA("Info", "Email", "ann@example.org", ini.c_str());
    WritePrivateProfileStringA("Info", "URL", "http://example.org/pebble", ini.c_str());
    WritePrivateProfileStringA("Info", "About", "a|b", ini.c_str());
    ASSERT_NE(Open(), nullptr);
    Pick("Pebble");
    EXPECT_EQ(TextOf(Control(kInfo)), "Name : Pebble stone\r\nAuthor: Ann Author\r\nEmail: ann@example.org\r\n"
                                      "URL: http://example.org/pebble\r\nAbout: a\r\nb");
    // Without auto-apply a pick only shows.
    EXPECT_EQ(MainSkin().Folder(), SkinFolder("Quillblue"));
    EXPECT_EQ(app.Config("Main", "Skin"), "Quillblue");
}

TEST_F(SkinSelectorTest, PickingASkinWithoutInfoShowsTheLabelsOnly)
{
    ASSERT_TRUE(CreateDirectoryA((app.Folder() + "Skin\\Bare").c_str(), nullptr));
    ASSERT_NE(Open(), nullptr);
    Pick("Pebble");
    Pick("Bare");
    EXPECT_EQ(TextOf(Control(kInfo)), "Name : \r\nAuthor: \r\nEmail: \r\nURL: \r\nAbout: ");
}

TEST_F(SkinSelectorTest, AutoApplyAppliesAndStoresEachPickedSkin)
{
    ASSERT_NE(Open(), nullptr);
    Click(kAutoApply);
    ASSERT_TRUE(Checked(kAutoApply));
    for (const char* name : {"Graphite", "Pebble", "Quillblue", "Graphite"}) {
        SCOPED_TRACE(name);
        Pick(name);
        EXPECT_EQ(MainSkin().Folder(), SkinFolder(name));
        EXPECT_EQ(app.Config("Main", "Skin"), name);
    }
    EXPECT_TRUE(app.messages.empty());
    EXPECT_TRUE(IsWindowVisible(Selector()));
}

TEST_F(SkinSelectorTest, ApplyWithNothingSelectedAsksForASelection)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    Click(kApply);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Select a skin from the list first.");
    EXPECT_EQ(app.messages[0].owner, selector);
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(app.messages[0].type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_EQ(MainSkin().Folder(), SkinFolder("Quillblue"));
}

TEST_F(SkinSelectorTest, ApplyLoadsThePickedSkinAndStoresIt)
{
    ASSERT_NE(Open(), nullptr);
    Pick("Graphite");
    EXPECT_EQ(MainSkin().Folder(), SkinFolder("Quillblue"));
    Click(kApply);
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(MainSkin().Folder(), SkinFolder("Graphite"));
    EXPECT_EQ(app.Config("Main", "Skin"), "Graphite");
    EXPECT_TRUE(IsWindowVisible(Selector()));
}

TEST_F(SkinSelectorTest, ASkinTheLoaderRefusesChangesNothing)
{
    e2e::CopyFolder(SkinFolder("Quillblue"), SkinFolder("Broken"));
    ASSERT_TRUE(DeleteFileA((SkinFolder("Broken") + "Skin.ini").c_str()));
    ASSERT_NE(Open(), nullptr);
    Click(kAutoApply);
    Pick("Broken");
    EXPECT_EQ(Asked(), std::vector<std::string>{"The Skin.ini file for the chosen skin was not found"});
    EXPECT_EQ(MainSkin().Folder(), SkinFolder("Quillblue"));
    EXPECT_EQ(app.Config("Main", "Skin"), "Quillblue");
    EXPECT_TRUE(IsWindowVisible(Selector()));
    EXPECT_TRUE(IsWindowVisible(app.Frame()));
}

TEST_F(SkinSelectorTest, DeleteWithNothingSelectedAsksForASelection)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    Click(kDelete);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Select a skin in the list to delete");
    EXPECT_EQ(app.messages[0].owner, selector);
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(SkinSelectorTest, TheDefaultSkinIsNeverDeletedEvenWhenAnotherIsActive)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    Pick("Pebble");
    Click(kApply);
    ASSERT_EQ(MainSkin().Folder(), SkinFolder("Pebble"));
    Pick("Quillblue");
    app.answers.push_back(IDYES);  // for a confirmation that must not come
    Click(kDelete);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Cannot delete the default skin");
    EXPECT_EQ(app.messages[0].owner, selector);
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_TRUE(e2e::FileExists(SkinFolder("Quillblue") + "Skin.ini"));
    EXPECT_EQ(ListItems(), kInstalled);
}

TEST_F(SkinSelectorTest, DeletingACopiedSkinRemovesItsFolderAndRefillsTheList)
{
    e2e::CopyFolder(SkinFolder("Quillblue"), SkinFolder("Spare"));
    CreateDirectoryA((SkinFolder("Spare") + "extras").c_str(), nullptr);
    harness::WriteFile(SkinFolder("Spare") + "extras\\notes.txt", "inside a subfolder\r\n");
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    Pick("Spare");
    ASSERT_FALSE(TextOf(Control(kInfo)).empty());
    app.answers.push_back(IDYES);
    Click(kDelete);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Are you sure you want to delete the skin 'Spare' ?");
    EXPECT_EQ(app.messages[0].owner, selector);
    EXPECT_EQ(app.messages[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_FALSE(FolderExists("Spare"));
    EXPECT_EQ(ListItems(), kInstalled);
    EXPECT_EQ(TextOf(Control(kInfo)), "");
    EXPECT_TRUE(FolderExists("Pebble"));
    EXPECT_TRUE(e2e::FileExists(app.ConfigPath()));
    // The deleted pick is gone with the old list.
    Click(kApply);
    ASSERT_EQ(app.messages.size(), 2u);
    EXPECT_EQ(app.messages[1].text, "Select a skin from the list first.");
}

TEST_F(SkinSelectorTest, AnsweringNoKeepsTheSkin)
{
    e2e::CopyFolder(SkinFolder("Quillblue"), SkinFolder("Spare"));
    ASSERT_NE(Open(), nullptr);
    Pick("Spare");
    app.answers.push_back(IDNO);
    Click(kDelete);
    EXPECT_EQ(Asked(), std::vector<std::string>{"Are you sure you want to delete the skin 'Spare' ?"});
    EXPECT_TRUE(e2e::FileExists(SkinFolder("Spare") + "Skin.ini"));
    EXPECT_EQ(ListItems(), (std::vector<std::string>{"Graphite", "Pebble", "Quillblue", "Spare"}));
}

TEST_F(SkinSelectorTest, TheSkinInUseMayBeDeleted)
{
    e2e::CopyFolder(SkinFolder("Graphite"), SkinFolder("Slate"));
    ASSERT_NE(Open(), nullptr);
    Pick("Slate");
    Click(kApply);
    ASSERT_EQ(MainSkin().Folder(), SkinFolder("Slate"));
    app.answers.push_back(IDYES);
    Click(kDelete);
    EXPECT_FALSE(FolderExists("Slate"));
    EXPECT_EQ(ListItems(), kInstalled);
    EXPECT_TRUE(IsWindow(app.Frame()));
}

TEST_F(SkinSelectorTest, ADeletionThatFailsLeavesTheListAsItWas)
{
    e2e::CopyFolder(SkinFolder("Quillblue"), SkinFolder("Spare"));
    ASSERT_NE(Open(), nullptr);
    Pick("Spare");
    // The folder goes away behind the selector's back: nothing is left to delete.
    e2e::RemoveFolder(SkinFolder("Spare"));
    ASSERT_FALSE(FolderExists("Spare"));
    app.answers.push_back(IDYES);
    Click(kDelete);
    EXPECT_EQ(Asked(), std::vector<std::string>{"Are you sure you want to delete the skin 'Spare' ?"});
    EXPECT_EQ(ListItems(), (std::vector<std::string>{"Graphite", "Pebble", "Quillblue", "Spare"}));
    EXPECT_TRUE(FolderExists("Pebble"));
    EXPECT_TRUE(e2e::FileExists(app.Folder() + "Quillet.exe"));
}

TEST_F(SkinSelectorTest, WithoutASkinFolderTheListIsDisabledWithANote)
{
    e2e::RemoveFolder(app.Folder() + "Skin\\");
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ListItems(), std::vector<std::string>{"You don't have any skins"});
    EXPECT_FALSE(IsWindowEnabled(Control(kList)));
    EXPECT_TRUE(app.messages.empty());
    // The list stays disabled for the rest of the run, even once skins are back.
    ASSERT_TRUE(CreateDirectoryA((app.Folder() + "Skin").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((app.Folder() + "Skin\\Amber").c_str(), nullptr));
    SendMessageA(Selector(), WM_CLOSE, 0, 0);
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ListItems(), std::vector<std::string>{"Amber"});
    EXPECT_FALSE(IsWindowEnabled(Control(kList)));
}

TEST_F(SkinSelectorTest, TheInfoBoxIsPaintedLikeAnEditableBox)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(selector, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Control(kInfo))));
    ASSERT_NE(brush, nullptr);
    LOGBRUSH described = {};
    ASSERT_TRUE(GetObjectA(brush, sizeof described, &described));
    EXPECT_EQ(described.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(described.lbColor, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    DeleteDC(dc);
}

TEST_F(SkinSelectorTest, FollowsTheMainWindowInAndOutOfTheTopMostBand)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    EXPECT_FALSE(GetWindowLongA(selector, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageA(selector, WM_CLOSE, 0, 0);
    SendMessageA(app.Frame(), WM_COMMAND, kAlwaysOnTopCommand, 0);
    ASSERT_TRUE(GetWindowLongA(app.Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ASSERT_EQ(Open(), selector);
    EXPECT_TRUE(GetWindowLongA(selector, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageA(selector, WM_CLOSE, 0, 0);
    SendMessageA(app.Frame(), WM_COMMAND, kAlwaysOnTopCommand, 0);
    ASSERT_FALSE(GetWindowLongA(app.Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ASSERT_EQ(Open(), selector);
    EXPECT_FALSE(GetWindowLongA(selector, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(SkinSelectorTest, ClosingBesideAShownMainWindowOnlyHides)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    SendMessageA(selector, WM_CLOSE, 0, 0);
    InProcessApp::Pump();
    EXPECT_TRUE(IsWindow(selector));
    EXPECT_FALSE(IsWindowVisible(selector));
    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(IsWindowVisible(app.Frame()));
    // Shown again where it was, the same window.
    SetWindowPos(selector, nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(Open(), selector);
    RECT rect = {};
    GetWindowRect(selector, &rect);
    EXPECT_EQ(rect.left, 140);
    EXPECT_EQ(rect.top, 90);
}

TEST_F(SkinSelectorTest, ClosingBesideAMinimisedMainWindowOnlyHides)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    SendMessageA(app.Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    InProcessApp::Pump();
    ASSERT_TRUE(MainSkin().Minimised());
    ShowWindow(app.Frame(), SW_HIDE);  // as with the taskbar button off
    SendMessageA(selector, WM_CLOSE, 0, 0);
    InProcessApp::Pump();
    EXPECT_TRUE(app.Running());
    EXPECT_FALSE(IsWindowVisible(selector));
}

TEST_F(SkinSelectorTest, DestroyingWritesPositionAndAutoApply)
{
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    SetWindowPos(selector, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Click(kAutoApply);
    app.SetConfig("Main", "AutoApplySkin", "0");
    app.Close();
    EXPECT_EQ(Selector(), nullptr);
    EXPECT_EQ(app.Config("Position", "SkinLeft"), "123");
    EXPECT_EQ(app.Config("Position", "SkinTop"), "77");
    EXPECT_EQ(app.Config("Main", "AutoApplySkin"), "1");
}

TEST_F(SkinSelectorTest, DestroyingWritesAnUncheckedBoxAsZero)
{
    app.SetConfig("Main", "AutoApplySkin", "1");
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Checked(kAutoApply));
    Click(kAutoApply);
    app.Close();
    EXPECT_EQ(app.Config("Main", "AutoApplySkin"), "0");
}

TEST_F(SkinSelectorTest, NeverOpenedWritesNothing)
{
    app.SetConfig("Position", "SkinLeft", "55");
    app.Close();
    EXPECT_EQ(app.Config("Position", "SkinLeft"), "55");
    EXPECT_EQ(app.Config("Position", "SkinTop"), "");
}

TEST_F(SkinSelectorTest, OpensWhereItWasLeftWithItsBoxAsStored)
{
    app.SetConfig("Position", "SkinLeft", "210");
    app.SetConfig("Position", "SkinTop", "130");
    app.SetConfig("Main", "AutoApplySkin", "1");
    HWND selector = Open();
    ASSERT_NE(selector, nullptr);
    RECT rect = {};
    GetWindowRect(selector, &rect);
    EXPECT_EQ(rect.left, 210);
    EXPECT_EQ(rect.top, 130);
    EXPECT_TRUE(Checked(kAutoApply));
}

TEST(SkinSelectorAtStartup, ABrokenSkinOpensItBesideTheHiddenMainWindow)
{
    InProcessApp app;
    app.SetConfig("Main", "Skin", "Missing");
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.messages.size(), 1u);
    HWND selector = Selector();
    ASSERT_NE(selector, nullptr);
    EXPECT_TRUE(IsWindowVisible(selector));
    EXPECT_FALSE(IsWindowVisible(app.Frame()));
    EXPECT_EQ(ListItems(), kInstalled);

    // Applying a good skin brings the main window up; the selector stays.
    const HWND list = GetDlgItem(selector, kList);
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    SendMessageA(selector, WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    SendMessageA(GetDlgItem(selector, kApply), BM_CLICK, 0, 0);
    InProcessApp::Pump();
    EXPECT_TRUE(IsWindowVisible(app.Frame()));
    EXPECT_EQ(app.Config("Main", "Skin"), "Pebble");
    EXPECT_TRUE(IsWindowVisible(selector));
    // From now on closing it only hides it.
    SendMessageA(selector, WM_CLOSE, 0, 0);
    InProcessApp::Pump();
    EXPECT_TRUE(app.Running());
}

TEST(SkinSelectorAtStartup, ClosingItWhileTheMainWindowWasNeverShownEndsTheProgram)
{
    InProcessApp app;
    app.SetConfig("Main", "Skin", "Missing");
    ASSERT_TRUE(app.Start());
    HWND selector = Selector();
    ASSERT_NE(selector, nullptr);
    HWND main = app.Frame();
    ASSERT_FALSE(IsWindowVisible(main));
    SendMessageA(selector, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(selector));
    EXPECT_FALSE(app.Running());
    MSG quit = {};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    // The exit sequence ran: the selector wrote its state.
    EXPECT_NE(app.Config("Position", "SkinLeft"), "");
    EXPECT_EQ(app.Config("Main", "AutoApplySkin"), "0");
}

TEST(SkinSelectorAtStartup, WithoutAnySkinsClosingEndsTheProgram)
{
    InProcessApp app;
    e2e::RemoveFolder(app.Folder() + "Skin\\");
    ASSERT_TRUE(app.Start());
    HWND selector = Selector();
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(ListItems(), std::vector<std::string>{"You don't have any skins"});
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(selector, kList)));
    SendMessageA(selector, WM_CLOSE, 0, 0);
    EXPECT_FALSE(app.Running());
}

} // namespace
