// Documents in the real Quillet.exe: typing and saving as the status line and the
// tabs show it, the exit that asks first, a missing file, languages, and the editor
// settings read at start-up and left in the registry at the exit (in a key of the
// test's own).
#include "tests/harness/remote_memory.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>
#include <vector>

using e2e::RemoteMemory;
using e2e::StagedApp;

namespace {

constexpr UINT kGetLanguage = 2625;
constexpr UINT kSetColourSyntax = 2634;
constexpr UINT kGetColours = 2664;

// The editor control of the active document.
HWND ActiveControl(HWND main) { return e2e::ActiveEditor(main); }

void Type(HWND control, const std::string& text)
{
    for (char c : text)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

std::string Language(const StagedApp& app, HWND control)
{
    RemoteMemory buffer(app.Process(), 20);
    char name[20] = {};
    buffer.Write(name, sizeof name);
    SendMessageA(control, kGetLanguage, 0, buffer.AsLParam());
    buffer.Read(name, sizeof name);
    name[19] = '\0';
    return name;
}

// Waits until the condition holds; the test fails when it never does.
#define EXPECT_SOON(condition) EXPECT_TRUE(e2e::WaitUntil([&] { return (condition); })) << #condition

class DocumentsE2E : public ::testing::Test {
protected:
    // Starts the program on the file and waits until the file's tab shows.
    HWND Launch(const std::string& file)
    {
        EXPECT_TRUE(app.Launch("\"" + file + "\""));
        HWND main = app.WaitForMainWindow();
        if (!main)
            return nullptr;
        const std::string name = file.substr(file.find_last_of('\\') + 1);
        EXPECT_SOON(HasTab(main, name) && ActiveControl(main));
        return main;
    }
    bool HasTab(HWND main, const std::string& caption) const
    {
        const std::vector<std::string> captions = app.TabCaptions(main);
        return std::find(captions.begin(), captions.end(), caption) != captions.end();
    }
    // Waits until the message box is gone and the program has finished what it was doing.
    static void AfterTheBox(HWND main, HWND box)
    {
        EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); })) << "the message box stays";
        EXPECT_TRUE(e2e::Sync(main)) << "the program does not take messages";
    }
    StagedApp app;
};

TEST_F(DocumentsE2E, TypingMarksTheTabAndTheStatusLineAndSavingClearsBoth)
{
    const std::string file = app.Folder() + "readme.txt";
    e2e::WriteTextFile(file, "text\r\n");
    HWND main = Launch(file);
    ASSERT_NE(main, nullptr);
    HWND control = ActiveControl(main);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(app.StatusText(main, 1), "Saved");
    EXPECT_EQ(app.StatusText(main, 3), "INS");

    Type(control, "ab");
    EXPECT_SOON(app.TabCaptions(main) == std::vector<std::string>{"readme.txt*"} &&
                app.StatusText(main, 1) == "Unsaved");
    EXPECT_EQ(app.TabCaptions(main), std::vector<std::string>{"readme.txt*"});
    EXPECT_EQ(app.StatusText(main, 1), "Unsaved");
    EXPECT_EQ(app.StatusText(main, 2), "Ln 1, Col 3");

    PostMessageA(main, WM_COMMAND, 1105, 0);  // "&save"
    EXPECT_SOON(app.TabCaptions(main) == std::vector<std::string>{"readme.txt"} &&
                app.StatusText(main, 1) == "Saved");
    EXPECT_EQ(app.TabCaptions(main), std::vector<std::string>{"readme.txt"});
    EXPECT_EQ(app.StatusText(main, 1), "Saved");
    EXPECT_EQ(e2e::ReadTextFile(file), "abtext\r\n");

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

TEST_F(DocumentsE2E, ClosingTheWindowAsksFirstCancelKeepsItAndTheListStaysWhole)
{
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    const std::string file = app.Folder() + "readme.txt";
    e2e::WriteTextFile(file, "text");
    HWND main = Launch(file);
    ASSERT_NE(main, nullptr);
    Type(ActiveControl(main), "x");

    PostMessageA(main, WM_CLOSE, 0, 0);
    e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "Save changes to readme.txt ?");
    StagedApp::Press(box.window, IDCANCEL);
    AfterTheBox(main, box.window);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(app.WaitForExit(0), -1);

    PostMessageA(main, WM_COMMAND, 1111, 0);  // "&exit" asks the same way
    box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    StagedApp::Press(box.window, IDNO);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(e2e::ReadTextFile(file), "text");
    EXPECT_EQ(e2e::IniValue(app.ConfigPath(), "StartupFiles", "0"), file);
}

TEST_F(DocumentsE2E, AMissingFileIsReportedAndLeavesAnUntitledTab)
{
    const std::string missing = app.Folder() + "not there.txt";
    ASSERT_TRUE(app.Launch("\"" + missing + "\""));
    e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "Error, cannot open the file\n" + missing);
    StagedApp::Press(box.window, IDOK);
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_SOON(app.TabCaptions(main) == std::vector<std::string>{"Untitled"});
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

TEST_F(DocumentsE2E, TheExtensionChoosesTheLanguageAndWithColourSyntaxOffTheMenuOnlyTells)
{
    const std::string php = app.Folder() + "notes.Php4", asp = app.Folder() + "page.asp",
                      make = app.Folder() + "Makefile";
    for (const std::string& path : {php, asp, make})
        e2e::WriteTextFile(path, "x\r\n");
    HWND main = Launch(php);
    ASSERT_NE(main, nullptr);
    HWND phpControl = ActiveControl(main);
    EXPECT_EQ(Language(app, phpControl), "PHP");
    StagedApp::SendPath(main, asp);
    EXPECT_SOON(HasTab(main, "page.asp") && ActiveControl(main) != phpControl);
    EXPECT_EQ(Language(app, ActiveControl(main)), "HTML");
    StagedApp::SendPath(main, make);
    EXPECT_SOON(HasTab(main, "Makefile"));
    EXPECT_EQ(Language(app, ActiveControl(main)), "");

    StagedApp::SendPath(main, php);
    EXPECT_SOON(ActiveControl(main) == phpControl);
    ASSERT_EQ(ActiveControl(main), phpControl);
    SendMessageA(phpControl, kSetColourSyntax, 0, 0);
    PostMessageA(main, WM_COMMAND, 1009, 0);  // "&sql"
    e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text,
              "Syntax Highlighting is not currently enabled. Go to the Editor Settings dialog > Miscellaneous tab "
              "and enable it there");
    StagedApp::Press(box.window, IDOK);
    AfterTheBox(main, box.window);
    EXPECT_EQ(Language(app, phpControl), "PHP");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

// The editor settings key the started program uses (one of this test's own).
class SettingsKeyE2E : public DocumentsE2E {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, app.SettingsSectionPath().c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegCloseKey(key_); }
    bool HasValue(const std::string& name) const
    {
        return RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }
    // The colour block of the active document's control, read into a buffer that held
    // 0xA5 bytes before.
    std::vector<unsigned char> ControlColours(HWND main) const
    {
        RemoteMemory colours(app.Process(), 124);
        std::vector<unsigned char> read(124, 0xA5);
        EXPECT_TRUE(colours.Write(read.data(), read.size()));
        SendMessageA(ActiveControl(main), kGetColours, 0, colours.AsLParam());
        EXPECT_TRUE(colours.Read(read.data(), read.size()));
        return read;
    }
    HKEY key_ = nullptr;
};

TEST_F(SettingsKeyE2E, AStoredColoursValueOf124BytesIsWhatTheControlShows)
{
    std::vector<unsigned char> stored(124);
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<unsigned char>(i * 7 + 3);
    for (std::size_t i = 3; i < stored.size(); i += 4)
        stored[i] = 0;  // COLORREFs
    ASSERT_EQ(RegSetValueExA(key_, "COLORS", 0, REG_BINARY, stored.data(), 124), ERROR_SUCCESS);

    const std::string file = app.Folder() + "a.txt";
    e2e::WriteTextFile(file, "a");
    HWND main = Launch(file);
    ASSERT_NE(main, nullptr);
    const std::vector<unsigned char> shown = ControlColours(main);
    // The skin's [Editor] colours replace the background, margin, text, line-number and
    // highlighted-line entries; every other entry is the stored one.
    const int skinEntries[] = {0, 1, 4, 26, 27, 30};
    for (int entry = 0; entry < 31; ++entry) {
        if (std::find(std::begin(skinEntries), std::end(skinEntries), entry) == std::end(skinEntries)) {
            EXPECT_TRUE(std::equal(shown.begin() + entry * 4, shown.begin() + entry * 4 + 4, stored.begin() + entry * 4))
                << "colour " << entry;
        }
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

TEST_F(SettingsKeyE2E, AColoursValueOf120BytesIsNotSentAndTheExitWritesMacrosAndHotKeys)
{
    const std::vector<unsigned char> shortColours(120, 0x11);
    ASSERT_EQ(RegSetValueExA(key_, "COLORS", 0, REG_BINARY, shortColours.data(), 120), ERROR_SUCCESS);

    const std::string file = app.Folder() + "a.txt";
    e2e::WriteTextFile(file, "a");
    HWND main = Launch(file);
    ASSERT_NE(main, nullptr);
    const std::vector<unsigned char> read = ControlColours(main);
    EXPECT_NE(read, std::vector<unsigned char>(124, 0xA5)) << "the control gave no colours";
    EXPECT_NE(std::vector<unsigned char>(read.begin(), read.begin() + 120), shortColours);

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(app.WaitForExit(), 0);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(HasValue("Macro" + std::to_string(i))) << i;
    EXPECT_TRUE(HasValue("HOTKEYS"));
}

} // namespace
