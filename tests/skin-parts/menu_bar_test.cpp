// The menu bar behaving like a real one, and the flat border of the program's popups.
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "skin/menu_skin.h"
#include "skin/skinned_menus.h"
#include "tests/skin-parts/parts_fixture.h"

#include <commctrl.h>

namespace skintest {
namespace {

class MenuBarTest : public PartsTest {
protected:
    void SetUp() override { StartWith(); }
    // Where each step found itself: the open menu-bar button and the menu showing.
    struct Seen {
        int button;
        HMENU menu;
    };
    std::function<void(HWND)> Record(std::vector<Seen>& seen, UINT key = 0)
    {
        return [&seen, key](HWND popup) {
            seen.push_back({OpenMenuBarButton(), FlatMenuOfPopup(popup)});
            if (key)
                PostMessageA(popup, WM_KEYDOWN, key, 0);
        };
    }
    // Whether a menu opens once the messages queued so far are handled: a menu opened
    // then would be tracked inside the pump, so a timer notes it and closes it.
    static bool MenuStillOpen()
    {
        menuOpened_ = OpenPopupMenu() != nullptr;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseOpenMenu);
        harness::InProcessApp::Pump();
        KillTimer(nullptr, timer);
        return menuOpened_ || OpenPopupMenu() != nullptr;
    }
    static void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD)
    {
        if (OpenPopupMenu()) {
            menuOpened_ = true;
            EndMenu();
        }
    }
    static bool menuOpened_;
    static HMENU MenuOf(MenuIndex index) { return Main().Menu(index); }
};

bool MenuBarTest::menuOpened_ = false;

TEST_F(MenuBarTest, LeftAndRightStepThroughTheMenusAndEscapeClosesThemAll)
{
    std::vector<Seen> seen;
    DriveMenus([] { OpenMenuBarMenu(kFileButton); },
               {Record(seen, VK_LEFT), Record(seen, VK_RIGHT), Record(seen, VK_RIGHT), Record(seen, VK_ESCAPE)});
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].button, kFileButton);
    EXPECT_EQ(seen[0].menu, MenuOf(kFileMenu));
    EXPECT_EQ(seen[1].button, kHelpButton);  // Left from File wraps to Help
    EXPECT_EQ(seen[1].menu, MenuOf(kHelpMenu));
    EXPECT_EQ(seen[2].button, kFileButton);  // Right from Help wraps to File
    EXPECT_EQ(seen[3].button, kEditButton);
    EXPECT_EQ(seen[3].menu, MenuOf(kEditMenu));
    EXPECT_FALSE(MenuStillOpen());
    EXPECT_EQ(OpenMenuBarButton(), 0);
    EXPECT_FALSE(SendMessageA(Main().MenuBar(), TB_ISBUTTONPRESSED, kEditButton, 0));
}

TEST_F(MenuBarTest, TheMouseSlidesToAnotherMenuAndAClickOnTheOpenButtonClosesIt)
{
    std::vector<Seen> seen;
    const POINT edit = MenuBarButtonCentre(kEditButton);
    DriveMenus([] { OpenMenuBarMenu(kFileButton); },
               {[&](HWND popup) {
                    seen.push_back({OpenMenuBarButton(), FlatMenuOfPopup(popup)});
                    SetCursorPos(edit.x, edit.y);
                    PostMessageA(popup, WM_MOUSEMOVE, 0, 0);
                },
                [&](HWND popup) {
                    seen.push_back({OpenMenuBarButton(), FlatMenuOfPopup(popup)});
                    SetCursorPos(edit.x, edit.y);
                    PostMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, 0);
                }});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].button, kFileButton);
    EXPECT_EQ(seen[1].button, kEditButton);
    EXPECT_EQ(seen[1].menu, MenuOf(kEditMenu));
    EXPECT_FALSE(MenuStillOpen());
}

TEST_F(MenuBarTest, MenusOpenGrayedForNoDocumentAndEnabledForOne)
{
    UINT closeState = 0, findState = 0;
    auto states = [&](HWND) {
        closeState = GetMenuState(MenuOf(kFileMenu), 1102, MF_BYCOMMAND);
        findState = GetMenuState(MenuOf(kSearchMenu), 1300, MF_BYCOMMAND);
        EndMenu();
    };
    DriveMenus([] { OpenMenuBarMenu(kFileButton); }, {states});
    EXPECT_TRUE(closeState & MF_GRAYED);
    DriveMenus([] { OpenMenuBarMenu(kSearchButton); }, {states});
    EXPECT_TRUE(findState & MF_GRAYED);
    OpenDocuments(1);
    DriveMenus([] { OpenMenuBarMenu(kFileButton); }, {states});
    EXPECT_FALSE(closeState & MF_GRAYED);
    DriveMenus([] { OpenMenuBarMenu(kSearchButton); }, {states});
    EXPECT_FALSE(findState & MF_GRAYED);
}

struct DropDownCall {
    int command = 0;
    RECT under = {};
    bool barSubclassed = false;
    bool buttonPressed = false;
};
DropDownCall g_call;

void RecordDropDown(int command, const RECT& under)
{
    g_call.command = command;
    g_call.under = under;
    g_call.barSubclassed = GetPropA(Main().MenuBar(), "SCProc") != nullptr;
    g_call.buttonPressed = SendMessageA(Main().MenuBar(), TB_ISBUTTONPRESSED, command, 0) != 0;
}

TEST_F(MenuBarTest, AltAHandsTheFavouritesButtonToItsDropDown)
{
    g_call = {};
    const DropDownOpener real = ReplaceDropDownOpener(&RecordDropDown);
    SendMessageA(Main().Frame(), WM_SYSKEYDOWN, 'A', 0x20000000);
    harness::InProcessApp::Pump();
    ReplaceDropDownOpener(real);
    EXPECT_EQ(g_call.command, kFavouritesButton);
    EXPECT_TRUE(g_call.barSubclassed);
    EXPECT_TRUE(g_call.buttonPressed);
    RECT button = {};
    SendMessageA(Main().MenuBar(), TB_GETRECT, kFavouritesButton, reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(Main().MenuBar(), nullptr, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_TRUE(EqualRect(&button, &g_call.under));
    EXPECT_EQ(GetPropA(Main().MenuBar(), "SCProc"), nullptr);
    EXPECT_FALSE(SendMessageA(Main().MenuBar(), TB_ISBUTTONPRESSED, kFavouritesButton, 0));
}

TEST_F(MenuBarTest, EveryCaptionFitsItsButtonAndTheButtonsFitTheBar)
{
    RECT bar = {};
    GetClientRect(Main().MenuBar(), &bar);
    for (int command = kFileButton; command <= kHelpButton; ++command) {
        char text[64] = "";
        SendMessageA(Main().MenuBar(), TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(text));
        RECT button = {};
        SendMessageA(Main().MenuBar(), TB_GETRECT, command, reinterpret_cast<LPARAM>(&button));
        SCOPED_TRACE(text);
        EXPECT_GE(button.right - button.left, MenuBarButtonWidth(text));
        EXPECT_LE(button.right, bar.right);
    }
}

TEST_F(MenuBarTest, TheProgramsPopupsHaveAOnePixelBorderOfTheSkinsColour)
{
    const skin::Rgb border = skin::FromColorRef(Menus().border);
    Picture popup;
    bool subclassed = false;
    DriveMenus([] { OpenMenuBarMenu(kHelpButton); }, {[&](HWND window) {
                   subclassed = GetPropA(window, "CMenuHookProc") != nullptr;
                   popup = ClientPicture(window, true);
                   EndMenu();
               }});
    EXPECT_TRUE(subclassed);
    ASSERT_GT(popup.width, 10);
    const int w = popup.width, h = popup.height;
    EXPECT_EQ(popup.At(0, h / 2), border);
    EXPECT_EQ(popup.At(w - 1, h / 2), border);
    EXPECT_EQ(popup.At(w / 2, 0), border);
    EXPECT_EQ(popup.At(w / 2, h - 1), border);
    // Inside the border (and the few pixels of margin the system keeps): the items,
    // drawn from the item bitmap's left end.
    const Picture item = Bitmap("Quillblue", "menu item.bmp");
    int itemLeft = -1;
    for (int x = 1; x < 8 && itemLeft < 0; ++x)
        if (popup.At(x, h / 2) == item.At(0, 10))
            itemLeft = x;
    ASSERT_GE(itemLeft, 1);
    EXPECT_EQ(popup.At(itemLeft + 2, h / 2), item.At(2, 10));
}

TEST_F(MenuBarTest, TheWindowMenuKeepsTheSystemsLook)
{
    bool subclassed = true;
    HMENU found = reinterpret_cast<HMENU>(1);
    DriveMenus(
        [] {
            TrackPopupMenu(GetSystemMenu(Main().Frame(), FALSE), 0, 100, 100, 0, Main().Frame(), nullptr);
        },
        {[&](HWND window) {
            subclassed = GetPropA(window, "CMenuHookProc") != nullptr;
            found = FlatMenuOfPopup(window);
            EndMenu();
        }});
    EXPECT_FALSE(subclassed);
    EXPECT_EQ(found, nullptr);
    // The program's own menus are flat again afterwards.
    DriveMenus([] { OpenMenuBarMenu(kFileButton); }, {[&](HWND window) {
                   subclassed = GetPropA(window, "CMenuHookProc") != nullptr;
                   EndMenu();
               }});
    EXPECT_TRUE(subclassed);
}

} // namespace
} // namespace skintest
