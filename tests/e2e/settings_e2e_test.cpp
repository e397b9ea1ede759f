// The real Quillet.exe: the Options dialog opened from the tray menu, its pages chosen
// with the mouse, and the tray menu opened by a click on the frame's menu button.
#include "tests/harness/menu_reader.h"
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using e2e::StagedApp;

namespace {

constexpr WPARAM kOptionsCommand = 403;

// The centre of the frame's menu button on the screen. The skin places it at [Buttons]
// MenuX, MenuY from the window's top left corner (the installed skins' values are not
// negative); its size is one state of "menu button.bmp", a column of three states, or of
// six when MenuButtonOnTbar is true.
POINT MenuButtonCentre(const std::string& skinFolder, HWND main)
{
    const std::string ini = skinFolder + "Skin.ini";
    const int x = static_cast<int>(GetPrivateProfileIntA("Buttons", "MenuX", 5, ini.c_str()));
    const int y = static_cast<int>(GetPrivateProfileIntA("Buttons", "MenuY", 5, ini.c_str()));
    EXPECT_GE(x, 0);
    EXPECT_GE(y, 0);
    char onTitleBar[16] = "";
    GetPrivateProfileStringA("Buttons", "MenuButtonOnTbar", "false", onTitleBar, sizeof onTitleBar, ini.c_str());
    const int states = lstrcmpiA(onTitleBar, "true") == 0 ? 6 : 3;
    const std::string bitmap = e2e::ReadTextFile(skinFolder + "menu button.bmp");
    BITMAPINFOHEADER header = {};
    EXPECT_GE(bitmap.size(), sizeof(BITMAPFILEHEADER) + sizeof header);
    if (bitmap.size() >= sizeof(BITMAPFILEHEADER) + sizeof header)
        std::memcpy(&header, bitmap.data() + sizeof(BITMAPFILEHEADER), sizeof header);
    RECT window = {};
    GetWindowRect(main, &window);
    return {window.left + x + header.biWidth / 2, window.top + y + std::abs(header.biHeight) / states / 2};
}

class SettingsE2E : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (main_ && IsWindow(main_)) {
            EXPECT_EQ(app_.CloseWithoutSaving(main_), 0);
        }
    }
    void Launch()
    {
        app_.SetConfig("Main", "Skin", "Quillblue");
        ASSERT_TRUE(app_.Launch());
        main_ = app_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }));
        ASSERT_TRUE(e2e::FocusForInput(main_));
    }
    StagedApp app_;
    HWND main_ = nullptr;
};

TEST_F(SettingsE2E, OptionsPagesAreChosenFromTheListWithTheMouse)
{
    Launch();
    PostMessageA(main_, WM_COMMAND, kOptionsCommand, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        dialog = e2e::FindProcessWindow(app_.ProcessId(), "Quillet", "Quillet Options");
        return dialog && IsWindowVisible(dialog);
    }));
    e2e::Sync(main_);
    e2e::ShotIfAsked("options-general");
    HWND list = GetDlgItem(dialog, 100);
    const char* const shots[] = {"options-general", "options-file-association", "options-startup"};
    for (int page : {1, 2, 0}) {
        RECT item = {};
        GetWindowRect(list, &item);
        const int rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        const POINT at = {item.left + 20, item.top + 2 + rowHeight * page + rowHeight / 2};
        // The click goes wherever the screen shows the list: wait until it does.
        ASSERT_TRUE(e2e::WaitUntil([&] { return WindowFromPoint(at) == list; }));
        e2e::Click(at);
        ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, 200 + page)) != FALSE; }))
            << "page " << page;
        for (int other = 0; other < 3; ++other) {
            if (other != page) {
                EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 200 + other)));
            }
        }
        if (page != 0)
            e2e::ShotIfAsked(shots[page]);
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(dialog); }));
}

TEST_F(SettingsE2E, TheFrameMenuButtonOpensTheTrayMenu)
{
    Launch();
    // The button where the window stands once it has stopped moving: the same place
    // before and after the program has handled everything sent to it.
    POINT button = {-1, -1};
    ASSERT_TRUE(e2e::WaitUntil([&] {
        const POINT before = MenuButtonCentre(app_.Folder() + "Skin\\Quillblue\\", main_);
        e2e::Sync(main_);
        const POINT after = MenuButtonCentre(app_.Folder() + "Skin\\Quillblue\\", main_);
        const bool settled = before.x == after.x && before.y == after.y && after.x == button.x && after.y == button.y;
        button = after;
        return settled && WindowFromPoint(button) == main_;
    })) << "the button is on the screen";
    e2e::Click(button);
    HWND menu = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] { return (menu = e2e::VisibleMenu(app_.ProcessId())) != nullptr; }));
    e2e::ShotIfAsked("tray-menu");
    // The tray menu, at the cursor.
    const std::vector<e2e::MenuItem> items = e2e::ReadMenu(menu);
    const std::vector<std::pair<UINT, std::string>> expected = {
        {400, "&always on top"}, {0, ""}, {402, "&skins"}, {403, "&options"}, {0, ""},
        {405, "&help"},          {406, "a&bout"}, {0, ""}, {408, "&exit"},
    };
    std::string captions;
    for (const e2e::MenuItem& item : items)
        captions += " '" + item.caption + "'";
    RECT window = {};
    GetWindowRect(main_, &window);
    ASSERT_EQ(items.size(), expected.size()) << "the menu read:" << captions << "; clicked at " << button.x << ","
                                             << button.y << " in the window at " << window.left << "," << window.top;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        if (expected[i].first == 0) {
            EXPECT_TRUE(items[i].state & MF_SEPARATOR);
        } else {
            EXPECT_EQ(items[i].id, expected[i].first);
            EXPECT_EQ(items[i].caption, expected[i].second);
        }
    }
    RECT placed = {};
    GetWindowRect(menu, &placed);
    EXPECT_EQ(placed.left, button.x);
    EXPECT_EQ(placed.top, button.y);
    e2e::PressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::VisibleMenu(app_.ProcessId()) == nullptr; }));
}

} // namespace
