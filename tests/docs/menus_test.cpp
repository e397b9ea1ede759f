// The menus as built, what the menu bar and context menus gray and check before they
// open, and how commands reach the editor.
#include "app/commands.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/menus.h"
#include "corvex/include/corvex.h"
#include "docs/documents.h"
#include "tests/docs/docs_fixture.h"
#include "tests/docs/message_recorder.h"

#include <cstring>
#include <map>

using testing_support::DocsTest;
using testing_support::MessageRecorder;

namespace {

struct Item {
    UINT command;
    std::string caption;
    UINT state;
};

std::vector<Item> ItemsOf(HMENU menu)
{
    std::vector<Item> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE | MIIM_STATE;
        GetMenuItemInfoA(menu, position, TRUE, &info);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << position;
        items.push_back({info.wID, reinterpret_cast<const char*>(info.dwItemData), info.fState});
    }
    return items;
}

std::vector<std::string> EnabledCaptions(HMENU menu)
{
    std::vector<std::string> captions;
    for (const Item& item : ItemsOf(menu))
        if (item.caption != "-" && !(item.state & MFS_GRAYED))
            captions.push_back(item.caption);
    return captions;
}

class MenusTest : public DocsTest {
protected:
    HMENU Menu(MenuIndex index) const { return Main().Menu(index); }
    void OpenAndClose(int button)
    {
        CloseNextMenu();
        OpenMenuBarMenu(button);
    }
    // Records what reaches the active control; answers the listed messages itself.
    MessageRecorder& RecordActive(std::map<UINT, LRESULT> answers = {})
    {
        recorder_.reset();  // the previous one unhooks first
        recorder_.reset(new MessageRecorder(DocumentList[currentIndex].control));
        recorder_->answer = [answers](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
            auto found = answers.find(message);
            if (found == answers.end())
                return false;
            if (message == corvex::GetLanguage)
                std::strcpy(reinterpret_cast<char*>(lParam), reinterpret_cast<const char*>(found->second));
            result = message == corvex::GetLanguage ? 1 : found->second;
            return true;
        };
        return *recorder_;
    }
    std::unique_ptr<MessageRecorder> recorder_;
};

TEST_F(MenusTest, EveryItemIsOwnerDrawnWithItsCaptionAndThePlayMacroItemsStartGrayed)
{
    for (int index = 0; index < kMenuCount; ++index)
        for (const Item& item : ItemsOf(Menu(static_cast<MenuIndex>(index))))
            EXPECT_FALSE(item.caption.empty()) << index << " " << item.command;
    const std::vector<Item> edit = ItemsOf(Menu(kEditMenu));
    EXPECT_EQ(edit[2].caption, "-");
    EXPECT_TRUE(GetMenuState(Menu(kEditMenu), 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(EnabledCaptions(Menu(kMacroMenu)), std::vector<std::string>{"&record a macro"});
}

TEST_F(MenusTest, WithoutADocumentTheMenuBarMenusOfferOnlyWhatNeedsNone)
{
    OpenAndClose(kFileButton);
    EXPECT_EQ(EnabledCaptions(Menu(kFileMenu)), (std::vector<std::string>{"&new", "&open", "&exit"}));
    OpenAndClose(kSearchButton);
    EXPECT_TRUE(EnabledCaptions(Menu(kSearchMenu)).empty());
    OpenAndClose(kEditButton);
    EXPECT_TRUE(EnabledCaptions(Menu(kEditMenu)).empty());
    EXPECT_EQ(SendMessageA(Main().MenuBar(), TB_ISBUTTONPRESSED, kEditButton, 0), 0);

    OpenDocument("");
    OpenAndClose(kFileButton);
    EXPECT_EQ(EnabledCaptions(Menu(kFileMenu)).size(), 9u);
    OpenAndClose(kSearchButton);
    EXPECT_EQ(EnabledCaptions(Menu(kSearchMenu)).size(), 10u);
}

TEST_F(MenusTest, TheEditMenuFollowsTheEditorsQueriesAndWhitespace)
{
    OpenDocument("");
    RecordActive({{corvex::CanUndo, 1}, {corvex::CanRedo, 0}, {corvex::CanCut, 0}, {corvex::CanCopy, 0},
                  {corvex::CanPaste, 1}, {corvex::IsWhitespaceShown, 1}});
    OpenAndClose(kEditButton);
    EXPECT_EQ(EnabledCaptions(Menu(kEditMenu)),
              (std::vector<std::string>{"&undo", "&paste", "&select all", "to &lower case", "to upp&er case",
                                        "show &whitespaces"}));
    EXPECT_TRUE(GetMenuState(Menu(kEditMenu), 1211, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MenusTest, TheTabMenuGraysAddToFavouritesForAnUntitledDocument)
{
    OpenDocument(MakeFile("named.txt"));
    CloseNextMenu();
    ShowTabMenu();
    EXPECT_FALSE(GetMenuState(Menu(kTabMenu), 502, MF_BYCOMMAND) & MF_GRAYED);
    OpenDocument("");
    CloseNextMenu();
    ShowTabMenu();
    EXPECT_TRUE(GetMenuState(Menu(kTabMenu), 502, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MenusTest, TheEditorMenuGraysByTheQueriesAndChecksWhitespace)
{
    OpenDocument("");
    RecordActive({{corvex::CanUndo, 0}, {corvex::CanRedo, 1}, {corvex::CanCut, 1}, {corvex::CanCopy, 0},
                  {corvex::CanPaste, 0}, {corvex::IsWhitespaceShown, 0}});
    CloseNextMenu();
    ShowEditorMenu();
    HMENU menu = Menu(kEditorMenu);
    EXPECT_TRUE(GetMenuState(menu, 600, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, 601, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, 603, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, 605, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, 611, MF_BYCOMMAND) & MF_CHECKED);

    // "show &whitespaces" flips the editor's state and the check.
    SendMessageA(app.Frame(), WM_COMMAND, 611, 0);
    EXPECT_TRUE(GetMenuState(menu, 611, MF_BYCOMMAND) & MF_CHECKED);
    ASSERT_EQ(recorder_->Of(corvex::ShowWhitespace).size(), 1u);
    EXPECT_EQ(recorder_->Of(corvex::ShowWhitespace)[0].wParam, 1u);
}

TEST_F(MenusTest, TheLanguageMenuChecksTheEditorsLanguageOnly)
{
    OpenDocument("");
    RecordActive({{corvex::GetLanguage, reinterpret_cast<LRESULT>("PHP")}});
    CloseNextMenu();
    SendMessageA(app.Frame(), WM_COMMAND, 713, reinterpret_cast<LPARAM>(Main().Toolbar()));
    for (UINT command = 1000; command <= 1010; ++command)
        EXPECT_EQ((GetMenuState(Menu(kLanguageMenu), command, MF_BYCOMMAND) & MF_CHECKED) != 0, command == 1008)
            << command;

    RecordActive({{corvex::GetLanguage, reinterpret_cast<LRESULT>("")}});
    OnEditorKeyCommand(250);  // posts the toolbar's command
    CloseNextMenu();
    harness::InProcessApp::Pump();
    EXPECT_TRUE(GetMenuState(Menu(kLanguageMenu), 1000, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(Menu(kLanguageMenu), 1008, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MenusTest, MacroCommandsDoNothingWhileAMacroIsRecordingOrPlaying)
{
    OpenDocument("");
    MessageRecorder& busy = RecordActive({{corvex::MacroRecording, 1}});
    SendMessageA(app.Frame(), WM_COMMAND, 902, 0);
    SendMessageA(app.Frame(), WM_COMMAND, 911, 0);
    EXPECT_TRUE(busy.Of(corvex::Command).empty());

    MessageRecorder& idle =
        RecordActive({{corvex::MacroRecording, 0}, {corvex::MacroPlaying, 0}, {corvex::Command, 1}});
    SendMessageA(app.Frame(), WM_COMMAND, 902, 0);
    SendMessageA(app.Frame(), WM_COMMAND, 911, 0);
    const auto commands = idle.Of(corvex::Command);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].wParam, 216u);  // play macro 3
    EXPECT_EQ(commands[1].wParam, 213u);
    EXPECT_EQ(commands[1].lParam, 1);
}

TEST_F(MenusTest, MenuItemsThatRepeatAToolbarButtonRunTheToolbarsCode)
{
    OpenDocument("");
    // Answered here: the control's print and go-to-line dialogs would wait for a user.
    MessageRecorder& recorder = RecordActive({{corvex::Print, 1}, {corvex::Command, 1}});
    SendMessageA(app.Frame(), WM_COMMAND, 1109, 0);  // "&print" posts toolbar command 705
    EXPECT_TRUE(recorder.Of(corvex::Print).empty());
    harness::InProcessApp::Pump();
    ASSERT_EQ(recorder.Of(corvex::Print).size(), 1u);
    EXPECT_EQ(recorder.Of(corvex::Print)[0].lParam, 12);

    // 700-715 from another sender with a notification code are not toolbar commands.
    SendMessageA(app.Frame(), WM_COMMAND, MAKEWPARAM(705, 1), 0);
    SendMessageA(app.Frame(), WM_COMMAND, 705, reinterpret_cast<LPARAM>(Main().MenuBar()));
    EXPECT_EQ(recorder.Of(corvex::Print).size(), 1u);

    SendMessageA(app.Frame(), WM_COMMAND, 1310, 0);
    const auto commands = recorder.Of(corvex::Command);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, 168u);
    EXPECT_EQ(commands[0].lParam, -1);
}

TEST_F(MenusTest, AlwaysOnTopTogglesTheCheckTheWindowAndTheSetting)
{
    SendMessageA(app.Frame(), WM_COMMAND, 400, 0);
    EXPECT_TRUE(GetMenuState(Menu(kTrayMenu), 400, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetWindowLongA(app.Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(app.Config("Main", "OnTop"), "1");
    SendMessageA(app.Frame(), WM_COMMAND, 400, 0);
    EXPECT_FALSE(GetWindowLongA(app.Frame(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(app.Config("Main", "OnTop"), "0");
}

TEST_F(MenusTest, HelpWithoutHelpChmSaysSo)
{
    DeleteFileA((app.Folder() + "Help.chm").c_str());
    SendMessageA(app.Frame(), WM_COMMAND, 1400, 0);
    harness::InProcessApp::Pump();
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "The Help file was not found");
    EXPECT_EQ(app.messages[0].owner, app.Frame());
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(MenusTest, HelpAndContentsOpenTheApplicationFoldersHelpFileThroughTheShell)
{
    for (WPARAM command : {405, 1400}) {
        app.shellOpened.clear();
        SendMessageA(app.Frame(), WM_COMMAND, command, 0);
        harness::InProcessApp::Pump();
        EXPECT_EQ(app.shellOpened, std::vector<std::string>{app.Folder() + "Help.chm"}) << command;
    }
    EXPECT_TRUE(app.messages.empty());
}

TEST_F(MenusTest, OwnerDrawnItemsAreMeasuredFromTheirCaption)
{
    MEASUREITEMSTRUCT separator = {ODT_MENU, 0, 1104, 0, 0, reinterpret_cast<ULONG_PTR>("-")};
    SendMessageA(app.Frame(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&separator));
    EXPECT_EQ(separator.itemHeight, 3u);
    MEASUREITEMSTRUCT shortItem = {ODT_MENU, 0, 1100, 0, 0, reinterpret_cast<ULONG_PTR>("&new")};
    MEASUREITEMSTRUCT longItem = {ODT_MENU, 0, 1210, 0, 0, reinterpret_cast<ULONG_PTR>("clear &all bookmarks")};
    EXPECT_EQ(SendMessageA(app.Frame(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&shortItem)), 1);
    SendMessageA(app.Frame(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&longItem));
    EXPECT_GT(longItem.itemWidth, shortItem.itemWidth);
    EXPECT_GT(shortItem.itemHeight, 3u);
}

} // namespace
