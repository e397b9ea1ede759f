// The Keyboard page of the settings dialog. Against a fake control it edits this test
// program's own copy of the library's hot-key table: OK hands the edited table over,
// conflicts are asked about, Cancel keeps the table. Against the real control in
// Corvex.dll a key assigned on the page then runs its command, and the table's bytes
// carry the change across a restart of the library.
#include "control_fixture.h"
#include "dialog_driver.h"
#include "fake_control.h"

#include "corvex/dialogs/dialogs.h"
#include "corvex/dialogs/keyboard_page.h"
#include "corvex/dialogs/settings_dialog.h"
#include "corvex/hotkeys.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

using namespace corvex;
using namespace corvex::dialogs;
using formats::CommandTarget;
using formats::EditorCommand;
using formats::HotKey;

namespace {

const EditorCommand kUpperCase{CommandTarget::Control, CmdUpperCase};
const EditorCommand kFind{CommandTarget::Control, CmdFindDialog};
const EditorCommand kPaste{CommandTarget::Message, Paste};

int RowOf(HWND dialog, const char* command)
{
    LVFINDINFOA find{};
    find.flags = LVFI_STRING;
    find.psz = command;
    return static_cast<int>(SendMessageA(Find(dialog, kHotKeyList), LVM_FINDITEMA, -1, reinterpret_cast<LPARAM>(&find)));
}

std::string Cell(HWND dialog, int row, int column)
{
    char text[128] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Find(dialog, kHotKeyList), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

// The page's "Key" cell of `command`.
std::string KeysShown(HWND dialog, const char* command) { return Cell(dialog, RowOf(dialog, command), 1); }

void SelectCommand(HWND dialog, const char* command)
{
    const int row = RowOf(dialog, command);
    ASSERT_GE(row, 0) << command;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Find(dialog, kHotKeyList), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}

// What the user's key press leaves in the key field; `flags` of HOTKEYF_CONTROL and the like.
void EnterKey(HWND dialog, BYTE key, BYTE flags)
{
    SendMessageA(Find(dialog, kNewKeyField), HKM_SETHOTKEY, MAKEWORD(key, flags), 0);
}

void AssignKey(HWND dialog, const char* command, BYTE key, BYTE flags)
{
    SelectCommand(dialog, command);
    EnterKey(dialog, key, flags);
    Press(dialog, kAssignKey);
}

class KeyboardPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetActiveHotKeys(formats::defaultHotKeys());
        // A control shows some font; the font page gives back what it was shown.
        font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
        control.font = font;
    }
    void TearDown() override
    {
        ShutdownDialogs();
        DeleteObject(font);
        SetActiveHotKeys(formats::defaultHotKeys());
    }

    // Opens the dialog, runs `action` in it, then presses `button`.
    bool Run(std::function<void(HWND)> action, int button)
    {
        return RunSettingsDialog(control.window(), std::move(action), button);
    }

    int SettingsNotifications() const
    {
        return static_cast<int>(std::count(control.notifications.begin(), control.notifications.end(),
                                           static_cast<UINT>(NotifySettingsChanged)));
    }

    FakeControl control;
    HFONT font = nullptr;
};

TEST_F(KeyboardPageTest, ListsEveryCommandAKeyCanRunWithItsKeysOrNone)
{
    Run([&](HWND dialog) {
        EXPECT_EQ(SendMessageA(Find(dialog, kHotKeyList), LVM_GETITEMCOUNT, 0, 0),
                  static_cast<LRESULT>(formats::knownCommands().size()));
        EXPECT_EQ(KeysShown(dialog, "Find"), "Ctrl+F");
        EXPECT_EQ(KeysShown(dialog, "Close document"), "Ctrl+W, Ctrl+F4");
        EXPECT_EQ(KeysShown(dialog, "Play macro 1"), "Ctrl+Shift+P");
        EXPECT_EQ(KeysShown(dialog, "Play macro 2"), "") << "a command without a key is listed too";
        EXPECT_GE(RowOf(dialog, "Editor settings"), 0);
    }, IDCANCEL);
}

TEST_F(KeyboardPageTest, AnAssignedKeyReachesTheLibraryOnOkAndTheParentHears)
{
    EXPECT_TRUE(Run([&](HWND dialog) {
        AssignKey(dialog, "Upper case", 'K', HOTKEYF_CONTROL | HOTKEYF_ALT);
        EXPECT_EQ(KeysShown(dialog, "Upper case"), "Ctrl+Shift+U, Ctrl+Alt+K");
        EXPECT_EQ(ActiveHotKeys().find('K', formats::kCtrl | formats::kAlt), nullptr)
            << "the library's table changes only on OK";
    }, IDOK));
    const EditorCommand* command = ActiveHotKeys().find('K', formats::kCtrl | formats::kAlt);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(*command, kUpperCase);
    EXPECT_NE(ActiveHotKeys().find('U', formats::kCtrl | formats::kShift), nullptr) << "the old key stays";
    EXPECT_EQ(SettingsNotifications(), 1);
}

TEST_F(KeyboardPageTest, ApplyHandsTheTableOverOnlyWhenItChanged)
{
    Run([&](HWND dialog) {
        // The other pages put the fake control's values into their ranges once.
        Press(dialog, kApplyButton);
        const int settled = SettingsNotifications();
        Press(dialog, kApplyButton);
        EXPECT_EQ(SettingsNotifications(), settled) << "nothing changed";
        AssignKey(dialog, "Play macro 2", VK_F7, 0);
        Press(dialog, kApplyButton);
        EXPECT_EQ(SettingsNotifications(), settled + 1);
        EXPECT_NE(ActiveHotKeys().find(VK_F7, 0), nullptr);
    }, IDCANCEL);
    EXPECT_NE(ActiveHotKeys().find(VK_F7, 0), nullptr) << "Cancel after Apply keeps what was applied";
}

TEST_F(KeyboardPageTest, AKeyOfAnotherCommandMovesOnlyWhenTheUserSaysYes)
{
    MessageRecorder yes(IDYES);
    Run([&](HWND dialog) {
        AssignKey(dialog, "Upper case", 'F', HOTKEYF_CONTROL);
        ASSERT_EQ(yes.shown().size(), 1u);
        EXPECT_NE(yes.shown()[0].text.find("Ctrl+F"), std::string::npos) << yes.shown()[0].text;
        EXPECT_NE(yes.shown()[0].text.find("\"Find\""), std::string::npos) << yes.shown()[0].text;
        EXPECT_EQ(KeysShown(dialog, "Find"), "");
        EXPECT_EQ(KeysShown(dialog, "Upper case"), "Ctrl+Shift+U, Ctrl+F");
    }, IDOK);
    ASSERT_NE(ActiveHotKeys().find('F', formats::kCtrl), nullptr);
    EXPECT_EQ(*ActiveHotKeys().find('F', formats::kCtrl), kUpperCase);
    EXPECT_TRUE(ActiveHotKeys().keysOf(kFind).empty());
}

TEST_F(KeyboardPageTest, AKeyOfAnotherCommandStaysWhereItWasWhenTheUserSaysNo)
{
    MessageRecorder no(IDNO);
    Run([&](HWND dialog) {
        AssignKey(dialog, "Upper case", 'F', HOTKEYF_CONTROL);
        EXPECT_EQ(no.shown().size(), 1u);
        EXPECT_EQ(KeysShown(dialog, "Find"), "Ctrl+F");
        EXPECT_EQ(KeysShown(dialog, "Upper case"), "Ctrl+Shift+U");
    }, IDOK);
    EXPECT_EQ(ActiveHotKeys(), formats::defaultHotKeys());
    EXPECT_EQ(SettingsNotifications(), 1) << "OK always tells the parent";
}

TEST_F(KeyboardPageTest, KeysThatTypeTextAreRefused)
{
    MessageRecorder messages;
    Run([&](HWND dialog) {
        AssignKey(dialog, "Find", 'Q', 0);
        AssignKey(dialog, "Find", '7', HOTKEYF_SHIFT);
        AssignKey(dialog, "Find", VK_SPACE, 0);
        EXPECT_EQ(KeysShown(dialog, "Find"), "Ctrl+F");
    }, IDOK);
    ASSERT_EQ(messages.shown().size(), 3u);
    EXPECT_NE(messages.shown()[0].text.find("Q "), std::string::npos) << messages.shown()[0].text;
    EXPECT_NE(messages.shown()[1].text.find("Shift+7"), std::string::npos) << messages.shown()[1].text;
    EXPECT_EQ(ActiveHotKeys(), formats::defaultHotKeys());
}

TEST_F(KeyboardPageTest, RemoveTakesEveryKeyAwayFromTheCommand)
{
    Run([&](HWND dialog) {
        SelectCommand(dialog, "Paste");
        Press(dialog, kRemoveKeys);
        EXPECT_EQ(KeysShown(dialog, "Paste"), "");
        EXPECT_EQ(KeysShown(dialog, "Copy"), "Ctrl+C, Ctrl+Insert");
    }, IDOK);
    EXPECT_TRUE(ActiveHotKeys().keysOf(kPaste).empty());
    EXPECT_EQ(ActiveHotKeys().keys.size(), formats::defaultHotKeys().keys.size() - 2);
}

TEST_F(KeyboardPageTest, ResetToDefaultsBringsBackTheDefaultTable)
{
    formats::HotKeyTable changed = formats::defaultHotKeys();
    changed.removeKeysOf(kFind);
    changed.assign(VK_F9, 0, kUpperCase);
    SetActiveHotKeys(changed);
    Run([&](HWND dialog) {
        EXPECT_EQ(KeysShown(dialog, "Find"), "");
        Press(dialog, kResetKeys);
        EXPECT_EQ(KeysShown(dialog, "Find"), "Ctrl+F");
        EXPECT_EQ(KeysShown(dialog, "Upper case"), "Ctrl+Shift+U");
    }, IDOK);
    EXPECT_EQ(ActiveHotKeys(), formats::defaultHotKeys());
}

TEST_F(KeyboardPageTest, CancelLeavesTheTableAsItWas)
{
    MessageRecorder yes(IDYES);
    EXPECT_FALSE(Run([&](HWND dialog) {
        AssignKey(dialog, "Upper case", 'F', HOTKEYF_CONTROL);
        SelectCommand(dialog, "Copy");
        Press(dialog, kRemoveKeys);
        AssignKey(dialog, "Play macro 3", VK_F8, HOTKEYF_ALT);
    }, IDCANCEL));
    EXPECT_EQ(ActiveHotKeys(), formats::defaultHotKeys());
    EXPECT_EQ(SettingsNotifications(), 0);
}

// The settings dialog of the real control, opened by its command: the key assigned on
// the Keyboard page runs the command in the control.
class KeyboardPageInControlTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        SetLibraryTable(formats::defaultHotKeys());
    }
    void TearDown() override
    {
        SetLibraryTable(formats::defaultHotKeys());
        ControlTest::TearDown();
    }
    static void SetLibraryTable(const formats::HotKeyTable& table)
    {
        const std::vector<std::uint8_t> bytes = formats::serializeHotKeys(table);
        ASSERT_EQ(CorvexSetHotKeys(bytes.data()), 1);
    }
    // The library's table as the program stores it at exit.
    static std::vector<std::uint8_t> LibraryBytes()
    {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(CorvexGetHotKeys(nullptr)));
        CorvexGetHotKeys(bytes.data());
        return bytes;
    }
    // Makes the text "abc", selects it and presses Ctrl+Alt+K: the text that leaves.
    std::string AfterCtrlAltK() const
    {
        Select(0, Text().size());
        Type("abc");
        Select(0, 3);
        Press('K', {VK_CONTROL, VK_MENU});
        return Text();
    }
};

TEST_F(KeyboardPageInControlTest, AKeyAssignedOnThePageRunsItsCommandAndSurvivesARestart)
{
    ASSERT_EQ(AfterCtrlAltK(), "abc") << "Ctrl+Alt+K runs nothing by default";

    WhenDialogShows(SettingsDialog::kTitle, [](HWND dialog) {
        AssignKey(dialog, "Upper case", 'K', HOTKEYF_CONTROL | HOTKEYF_ALT);
        ::Press(dialog, IDOK);
    });
    Send(Command, CmdSettingsDialog, 0);
    EXPECT_EQ(Count(NotifySettingsChanged), 1);
    EXPECT_EQ(AfterCtrlAltK(), "ABC");

    // What the program stores at exit and hands back at the next start.
    const std::vector<std::uint8_t> stored = LibraryBytes();
    SetLibraryTable(formats::defaultHotKeys());
    ASSERT_EQ(AfterCtrlAltK(), "abc");
    ASSERT_EQ(CorvexSetHotKeys(stored.data()), 1);
    EXPECT_EQ(AfterCtrlAltK(), "ABC");
}

} // namespace
