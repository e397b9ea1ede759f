// Documents in the real Quillet.exe: typing and saving as the status line and the
// tabs show it, the exit that asks first, a missing file, languages, and the editor
// settings the exit leaves in the registry.
#include "tests/harness/remote_memory.h"
#include "tests/harness/staged_app.h"

#include <gtest/gtest.h>
#include <vector>

using e2e::RemoteMemory;
using e2e::StagedApp;

namespace {

constexpr const char* kSettingsKey = "Software\\Brightmoor\\Quillet\\Editor Settings";
constexpr UINT kGetLanguage = 2625;
constexpr UINT kSetColourSyntax = 2634;
constexpr UINT kGetColours = 2664;

BOOL CALLBACK FindVisibleControl(HWND child, LPARAM lParam)
{
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "Corvex" && IsWindowVisible(child)) {
        *reinterpret_cast<HWND*>(lParam) = child;
        return FALSE;
    }
    return TRUE;
}

// The editor control of the active document.
HWND ActiveControl(HWND main)
{
    HWND control = nullptr;
    EnumChildWindows(main, &FindVisibleControl, reinterpret_cast<LPARAM>(&control));
    return control;
}

void Type(HWND control, const std::string& text)
{
    for (char c : text)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    e2e::Settle();
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

class DocumentsE2E : public ::testing::Test {
protected:
    HWND Launch(const std::string& file)
    {
        EXPECT_TRUE(app.Launch("\"" + file + "\""));
        HWND main = app.WaitForMainWindow();
        e2e::Settle(300);
        return main;
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
    EXPECT_EQ(app.TabCaptions(main), std::vector<std::string>{"readme.txt*"});
    EXPECT_EQ(app.StatusText(main, 1), "Unsaved");
    EXPECT_EQ(app.StatusText(main, 2), "Ln 1, Col 3");

    PostMessageA(main, WM_COMMAND, 1105, 0);  // "&save"
    e2e::Settle(300);
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
    e2e::Settle(500);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(app.WaitForExit(100), -1);

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
    e2e::Settle(300);
    EXPECT_EQ(app.TabCaptions(main), std::vector<std::string>{"Untitled"});
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
    e2e::Settle();
    EXPECT_EQ(Language(app, ActiveControl(main)), "HTML");
    StagedApp::SendPath(main, make);
    e2e::Settle();
    EXPECT_EQ(Language(app, ActiveControl(main)), "");

    StagedApp::SendPath(main, php);
    e2e::Settle();
    ASSERT_EQ(ActiveControl(main), phpControl);
    SendMessageA(phpControl, kSetColourSyntax, 0, 0);
    PostMessageA(main, WM_COMMAND, 1009, 0);  // "&sql"
    e2e::MessageBoxInfo box = app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text,
              "Syntax Highlighting is not currently enabled. Go to the Editor Settings dialog > Miscellaneous tab "
              "and enable it there");
    StagedApp::Press(box.window, IDOK);
    e2e::Settle();
    EXPECT_EQ(Language(app, phpControl), "PHP");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
}

// The real settings key; other test processes may use it at the same time, so this
// only adds values that every run writes alike, and puts COLORS back as it was.
class SettingsKeyE2E : public DocumentsE2E {
protected:
    void SetUp() override
    {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = 0;
        hadColours_ = RegQueryValueExA(key_, "COLORS", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
        savedColours_.resize(size);
        if (hadColours_)
            RegQueryValueExA(key_, "COLORS", nullptr, nullptr, savedColours_.data(), &size);
    }
    void TearDown() override
    {
        if (hadColours_)
            RegSetValueExA(key_, "COLORS", 0, REG_BINARY, savedColours_.data(),
                           static_cast<DWORD>(savedColours_.size()));
        else
            RegDeleteValueA(key_, "COLORS");
        RegCloseKey(key_);
    }
    bool HasValue(const std::string& name) const
    {
        return RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }
    HKEY key_ = nullptr;
    bool hadColours_ = false;
    std::vector<unsigned char> savedColours_;
};

TEST_F(SettingsKeyE2E, AColoursValueOf120BytesIsNotSentAndTheExitWritesMacrosAndHotKeys)
{
    const std::vector<unsigned char> shortColours(120, 0x11);
    RegSetValueExA(key_, "COLORS", 0, REG_BINARY, shortColours.data(), 120);
    for (int i = 0; i < 10; ++i)
        RegDeleteValueA(key_, ("Macro" + std::to_string(i)).c_str());
    RegDeleteValueA(key_, "HOTKEYS");

    const std::string file = app.Folder() + "a.txt";
    e2e::WriteTextFile(file, "a");
    HWND main = Launch(file);
    ASSERT_NE(main, nullptr);
    RemoteMemory colours(app.Process(), 124);
    std::vector<unsigned char> read(124, 0);
    colours.Write(read.data(), read.size());
    SendMessageA(ActiveControl(main), kGetColours, 0, colours.AsLParam());
    colours.Read(read.data(), read.size());
    EXPECT_NE(std::vector<unsigned char>(read.begin(), read.begin() + 120), shortColours);

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(app.WaitForExit(), 0);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(HasValue("Macro" + std::to_string(i))) << i;
    EXPECT_TRUE(HasValue("HOTKEYS"));
}

} // namespace
