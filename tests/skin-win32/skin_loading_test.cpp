// Loading a skin into the real main window: the refusals and their messages, the
// installed skins, the minimum size, reloading, and the editor colours.
#include "app/main_window.h"
#include "corvex/include/corvex.h"
#include "docs/documents.h"
#include "docs/editor_settings.h"
#include "options/options_dialog.h"
#include "platform/registry.h"
#include "tests/harness/in_process_app.h"
#include "skin/skin_loader.h"
#include "skin/skinned_frame.h"
#include "tests/skin-win32/skin_fixture.h"

#include <array>

namespace skintest {
namespace {

using LoadingTest = SkinTest;

TEST_F(LoadingTest, RefusalsNameTheirReasonAndLeaveThePreviousSkinInForce)
{
    StartWith();
    const std::string before = MainSkin().Folder();

    CopySkin("Old");
    SetValue("Old", "Info", "Version", "1.00");
    EXPECT_FALSE(Load("Old"));
    WritePrivateProfileStringA("Info", "Version", nullptr, (SkinFolder("Old") + "Skin.ini").c_str());
    EXPECT_FALSE(Load("Old"));
    ASSERT_EQ(app.messages.size(), 2u);
    for (const harness::AskedMessage& message : app.messages) {
        EXPECT_EQ(message.text, "The selected skin is not compatible with this version of Quillet");
        EXPECT_EQ(message.owner, nullptr);
        EXPECT_EQ(message.type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    }
    app.messages.clear();

    CopySkin("Holes");
    DeleteFileA((SkinFolder("Holes") + "window menu.bmp").c_str());
    DeleteFileA((SkinFolder("Holes") + "h scrollbar.bmp").c_str());
    EXPECT_FALSE(Load("Holes"));
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "The h scrollbar.bmp file for the chosen skin was not found");
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    app.messages.clear();

    CreateDirectoryA(SkinFolder("Empty").c_str(), nullptr);
    EXPECT_FALSE(Load("Empty"));
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{"The Skin.ini file for the chosen skin was not found"});

    EXPECT_FALSE(LoadMainWindowSkin(""));
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(MainSkin().Folder(), before);
}

TEST_F(LoadingTest, EveryInstalledSkinLoadsWithoutAMessageAndShowsTheWindow)
{
    for (const char* name : {"Quillblue", "Graphite", "Pebble"}) {
        harness::InProcessApp fresh;
        fresh.SetConfig("Main", "Skin", name);
        ASSERT_TRUE(fresh.Start()) << name;
        EXPECT_TRUE(fresh.messages.empty()) << name << ": " << fresh.messages[0].text;
        EXPECT_TRUE(MainSkin().Loaded()) << name;
        EXPECT_TRUE(IsWindowVisible(fresh.Frame())) << name;
        EXPECT_EQ(MainSkin().Description().info.name, name);
        fresh.Close();
    }
}

TEST_F(LoadingTest, AStartUpSkinThatFailsLeavesTheMainWindowHidden)
{
    CopySkin("Old");
    SetValue("Old", "Info", "Version", "2.0");
    StartWith("Old");
    EXPECT_EQ(TakeMessages(),
              std::vector<std::string>{"The selected skin is not compatible with this version of Quillet"});
    EXPECT_TRUE(IsWindow(Frame()));
    EXPECT_FALSE(IsWindowVisible(Frame()));
}

TEST_F(LoadingTest, ValueMessagesComeInOrderAndLoadingGoesOn)
{
    CopySkin("Typos");
    SetValue("Typos", "Caption", "ActiveColour", "255,255");
    SetValue("Typos", "Tabs", "BackColour", "1,2,3");
    SetValue("Typos", "General", "MinSkinSize", "500");
    SetValue("Typos", "Caption", "InActiveColour", "");
    StartWith("Typos");
    EXPECT_EQ(TakeMessages(), (std::vector<std::string>{
                                  "The 'ActiveColour' setting in the skin.ini file contains an invalid value, ensure "
                                  "it's in the ###,###,### format",
                                  "The 'BackColour' setting for 'Tabs' in the skin.ini file contains an invalid value, "
                                  "ensure it's in the ###,###,### format",
                                  "The 'MinSkinSize' setting in the skin.ini file contains an invalid value, ensure "
                                  "it's in the ###,### format"}));
    EXPECT_TRUE(MainSkin().Loaded());
    EXPECT_TRUE(IsWindowVisible(Frame()));
    const skin::CaptionDescription& caption = MainSkin().Description().caption;
    EXPECT_EQ(caption.active, (skin::Rgb{255, 255, 255}));
    EXPECT_EQ(caption.inactive, (skin::Rgb{0, 0, 0}));
    EXPECT_EQ(MainSkin().Description().general.minimumSize, (skin::Size{300, 300}));

    // The window moving to a screen of another DPI loads the skin again without saying
    // the same things twice.
    EXPECT_TRUE(ReloadMainWindowSkinForDpi(192));
    EXPECT_EQ(MainSkin().Dpi(), 192);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_TRUE(ReloadMainWindowSkinForDpi(96));
    EXPECT_TRUE(TakeMessages().empty());
    // A new choice of skin still says them.
    EXPECT_TRUE(Load("Typos"));
    EXPECT_EQ(TakeMessages().size(), 3u);
}

TEST_F(LoadingTest, MinSkinSizeEnlargesANarrowWindowAndKeepsItsHeight)
{
    app.SetConfig("Position", "MainWidth", "180");
    app.SetConfig("Position", "MainHeight", "640");
    StartWith();
    EXPECT_EQ(WindowSize().cx, 420);
    EXPECT_EQ(WindowSize().cy, 640);

    CopySkin("Small");
    SetValue("Small", "General", "MinSkinSize", "200,150");
    SetWindowPos(Frame(), nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(Load("Small"));
    EXPECT_EQ(WindowSize().cx, 640);
    EXPECT_EQ(WindowSize().cy, 480);

    MINMAXINFO info = {};
    SendMessageA(Frame(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxSize.x, work.right - work.left);
    EXPECT_EQ(info.ptMaxSize.y, work.bottom - work.top);
    EXPECT_EQ(info.ptMaxPosition.x, work.left);
}

TEST_F(LoadingTest, ReloadingTheSameSkinKeepsOneSubclassAndTheSameLook)
{
    StartWith("Pebble");
    const LONG_PTR procedure = GetWindowLongPtrA(Frame(), GWLP_WNDPROC);
    HWND tips = MainSkin().ButtonTips().Window();
    ASSERT_NE(tips, nullptr);
    // Pixels outside the window region are not the window's: only those inside count.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Frame(), region), ERROR);
    auto look = [&] {
        Repaint();
        std::vector<skin::Rgb> pixels;
        for (int y = 0; y < 40; y += 3)
            for (int x = 0; x < WindowSize().cx; x += 7)
                if (PtInRegion(region, x, y))
                    pixels.push_back(WindowPixel(x, y));
        return pixels;
    };
    const std::vector<skin::Rgb> before = look();

    ASSERT_TRUE(Load("Pebble"));
    ASSERT_TRUE(Load("Pebble"));
    EXPECT_EQ(GetWindowLongPtrA(Frame(), GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetPropA(Frame(), "CSkinSubcls"), static_cast<HANDLE>(&MainSkin()));
    EXPECT_EQ(MainSkin().ButtonTips().Window(), tips);
    EXPECT_EQ(look(), before);
    DeleteObject(region);
    EXPECT_TRUE(app.messages.empty());
}

std::array<COLORREF, corvex::kColourCount> ColoursOf(HWND control)
{
    std::array<COLORREF, corvex::kColourCount> colours{};
    SendMessageA(control, corvex::GetColours, 0, reinterpret_cast<LPARAM>(colours.data()));
    return colours;
}

std::array<COLORREF, corvex::kColourCount> ShownColoursOf(HWND control)
{
    std::array<COLORREF, corvex::kColourCount> colours{};
    SendMessageA(control, corvex::GetShownColours, 0, reinterpret_cast<LPARAM>(colours.data()));
    return colours;
}

TEST_F(LoadingTest, TheSkinOverrideShowsTheSkinsColoursInEveryEditorAndKeepsTheirOwn)
{
    app.SetConfig("Editor", "SkinOverride", "1");
    StartWith();
    OpenDocument("");
    OpenDocument("");
    ASSERT_EQ(DocumentList.size(), 2u);
    CopySkin("Odd");
    SetValue("Odd", "Editor", "EditorBackColour", "001,002,003");
    SetValue("Odd", "Editor", "EditorTextColour", "004,005,006");
    SetValue("Odd", "Editor", "EditorLeftMarginColour", "007,008,009");
    SetValue("Odd", "Editor", "EditorLineNumbersColour", "010,011,012");
    SetValue("Odd", "Editor", "EditorLineNumbersBackColour", "013,014,015");
    SetValue("Odd", "Editor", "EditorHighlitedColour", "16,17,18");
    const auto own = ColoursOf(DocumentList[0].control);
    ASSERT_TRUE(Load("Odd"));
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{
                                  "The 'EditorHighlitedColour' setting for 'Editor' in the skin.ini file contains an "
                                  "invalid value, ensure it's in the ###,###,### format"});
    OpenDocument("");
    ASSERT_EQ(DocumentList.size(), 3u);
    for (std::size_t i = 0; i < DocumentList.size(); ++i) {
        const auto shown = ShownColoursOf(DocumentList[i].control);
        EXPECT_EQ(shown[0], RGB(1, 2, 3));
        EXPECT_EQ(shown[4], RGB(4, 5, 6));
        EXPECT_EQ(shown[1], RGB(7, 8, 9));
        EXPECT_EQ(shown[26], RGB(10, 11, 12));
        EXPECT_EQ(shown[27], RGB(13, 14, 15));
        EXPECT_EQ(shown[2], own[2]);
        EXPECT_EQ(shown[30], own[30]);  // an invalid colour shows the editor's own
        EXPECT_EQ(ColoursOf(DocumentList[i].control), own);  // the editor's own colours stay its own
    }
}

// A user's colour set survives any skin: the skin's colours are shown, the user's are
// stored byte for byte, and they are shown again when the option is switched off.
TEST_F(LoadingTest, TheUsersColoursAreStoredWhileASkinsAreShownAndComeBackWithTheOptionOff)
{
    app.SetConfig("Editor", "SkinOverride", "1");
    CopySkin("Odd");
    SetValue("Odd", "Editor", "EditorBackColour", "001,002,003");
    SetValue("Odd", "Editor", "EditorTextColour", "004,005,006");
    StartWith("Odd");
    OpenDocument("");
    ASSERT_EQ(DocumentList.size(), 1u);
    std::array<COLORREF, corvex::kColourCount> user{};
    for (int i = 0; i < corvex::kColourCount; ++i)
        user[static_cast<std::size_t>(i)] = RGB(100 + i, 60, 220 - i);
    // As the editor's settings dialog hands a changed colour set over and the program stores it.
    SendMessageA(DocumentList[0].control, corvex::SetColours, 0, reinterpret_cast<LPARAM>(user.data()));
    SaveEditorSettings(DocumentList[0].control);
    const std::string userBytes(reinterpret_cast<const char*>(user.data()), sizeof user);
    auto stored = [] {
        std::vector<unsigned char> data;
        registry::RegReadBinary(EditorSettingsKey(), "COLORS", data);
        return std::string(data.begin(), data.end());
    };
    EXPECT_EQ(stored(), userBytes);
    EXPECT_EQ(ShownColoursOf(DocumentList[0].control)[0], RGB(1, 2, 3));

    app.Close();
    ASSERT_TRUE(app.Start());
    OpenDocument("");
    ASSERT_EQ(DocumentList.size(), 1u);
    HWND control = DocumentList[0].control;
    EXPECT_EQ(ShownColoursOf(control)[0], RGB(1, 2, 3));
    EXPECT_EQ(ShownColoursOf(control)[4], RGB(4, 5, 6));
    EXPECT_EQ(ColoursOf(control), user);
    SaveEditorSettings(control);
    EXPECT_EQ(stored(), userBytes);

    // The option switched off on the Options page and applied: the user's colours at once.
    CreateOptionsDialog();
    HWND box = GetDlgItem(GetDlgItem(OptionsDialogWindow(), 200), 107);
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(box, BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(OptionsDialogWindow(), 303), BM_CLICK, 0, 0);
    harness::InProcessApp::Pump();
    EXPECT_EQ(app.Config("Editor", "SkinOverride"), "0");
    EXPECT_EQ(ShownColoursOf(control), user);
    app.Close();
    EXPECT_EQ(stored(), userBytes);
}

TEST_F(LoadingTest, WithoutTheSkinOverrideTheEditorsKeepTheirColours)
{
    app.SetConfig("Editor", "SkinOverride", "0");
    StartWith();
    OpenDocument("");
    const auto before = ColoursOf(DocumentList[0].control);
    CopySkin("Odd");
    SetValue("Odd", "Editor", "EditorBackColour", "001,002,003");
    ASSERT_TRUE(Load("Odd"));
    EXPECT_EQ(ColoursOf(DocumentList[0].control), before);
    EXPECT_EQ(ShownColoursOf(DocumentList[0].control), before);
    EXPECT_TRUE(app.messages.empty());
}

} // namespace
} // namespace skintest
