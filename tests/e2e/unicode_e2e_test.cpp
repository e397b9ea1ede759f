// The real Quillet.exe with names outside the ANSI code page (the tests run with
// Windows-1252): from its command line and from Lanchet.exe with the command line an
// association builds, typed into with real keys, saved, and opened again at the next start.
#include "tests/harness/real_input.h"
#include "tests/harness/staged_app.h"
#include "tests/support/drop_data.h"
#include "tests/support/wide_files.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

using e2e::StagedApp;

namespace {

std::wstring Widen(const std::string& ansi)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

TEST(UnicodeE2E, NamesInAnyScriptFromTheCommandLineAndTheLauncherAreSavedAndComeBack)
{
    ASSERT_EQ(GetACP(), 1252u) << "the names below lie outside the test's code page";
    StagedApp app;
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    const std::wstring folder = Widen(app.Folder()) + L"\u041F\u0440\u043E\u0435\u043A\u0442\\";  // Проект
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring japanese = folder + L"\u65E5\u672C\u8A9E.txt";
    const std::wstring emoji = folder + L"\U0001F600 notes.txt";
    ASSERT_TRUE(e2e::WriteWideFile(japanese, "one\r\n"));
    ASSERT_TRUE(e2e::WriteWideFile(emoji, "two\r\n"));

    ASSERT_TRUE(app.Launch(L"\"" + japanese + L"\""));
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] {
        return e2e::WideTabCaptionsOf(main) == std::vector<std::wstring>{L"\u65E5\u672C\u8A9E.txt"};
    })) << "the command line's file, under its own name";
    // Lanchet.exe, as an association runs it: "<folder>Lanchet.exe" "%1".
    EXPECT_EQ(app.RunLauncher(L"\"" + emoji + L"\""), 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WideTabCaptionsOf(main).size() == 2; }));
    EXPECT_EQ(e2e::WideTabCaptionsOf(main),
              (std::vector<std::wstring>{L"\u65E5\u672C\u8A9E.txt", L"\U0001F600 notes.txt"}));

    // Typed into the file that came from the launcher (the active one), and saved.
    ASSERT_TRUE(e2e::FocusForInput(main, e2e::ActiveEditor(main)));
    e2e::PressKey(VK_END, VK_CONTROL);
    e2e::TypeUnicode(L"\u0416\U0001F600");
    e2e::PressKey('S', VK_CONTROL);
    const std::string saved = "two\r\n\xD0\x96\xF0\x9F\x98\x80";
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ReadWideFile(emoji) == saved; })) << e2e::ReadWideFile(emoji);
    EXPECT_EQ(e2e::ReadWideFile(japanese), "one\r\n") << "the other file untouched";

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(app.WaitForExit(), 0);
    const std::string config = e2e::ReadTextFile(app.ConfigPath());
    EXPECT_EQ(config.find('?'), std::string::npos) << config;

    // The next start opens both again from the list of open files.
    ASSERT_TRUE(app.Launch());
    main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WideTabCaptionsOf(main).size() == 2; }));
    EXPECT_EQ(e2e::WideTabCaptionsOf(main),
              (std::vector<std::wstring>{L"\u65E5\u672C\u8A9E.txt", L"\U0001F600 notes.txt"}));
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
    for (const std::wstring& path : {japanese, emoji})
        DeleteFileW(path.c_str());
    RemoveDirectoryW(folder.c_str());
}

// Starts the program with one file open and its text focused (the program's keys work in a
// document's control); null when it did not get that far.
HWND LaunchWithTextFocused(StagedApp& app, const std::string& path)
{
    if (!app.Launch("\"" + path + "\""))
        return nullptr;
    HWND main = app.WaitForMainWindow();
    if (!main || !e2e::WaitUntil([&] { return e2e::TabCount(main) == 1; }) ||
        !e2e::FocusForInput(main, e2e::ActiveEditor(main)))
        return nullptr;
    return main;
}

// The window of `process` of dialog class titled `title` and owned by `owner` (any owner
// when null), once it shows.
HWND WaitForDialog(DWORD process, const char* title, HWND owner = nullptr)
{
    HWND found = nullptr;
    e2e::WaitUntil([&] {
        found = e2e::FindTopLevelWindow([&](HWND window) {
            return e2e::ProcessOf(window) == process && e2e::ClassOf(window) == "#32770" &&
                   e2e::TitleOf(window) == title && IsWindowVisible(window) &&
                   (!owner || GetWindow(window, GW_OWNER) == owner);
        });
        return found != nullptr;
    });
    return found;
}

std::wstring RegistryText(const std::string& section, const wchar_t* value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(section).c_str(), 0, KEY_READ | e2e::ProgramRegistryView(), &key) !=
        ERROR_SUCCESS)
        return L"(no key)";
    std::wstring text(2048, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    DWORD type = 0;
    const LONG read = RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(&text[0]), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_SZ)
        return L"(no value)";
    text.resize(size / sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

// Text outside the code page typed into the find box and the replace box is found and
// put in, and the histories keep it whole (in the registry, as UTF-16).
TEST(UnicodeE2E, TheFindAndReplaceBoxesTakeAndFindTextOutsideTheCodePage)
{
    ASSERT_EQ(GetACP(), 1252u) << "the text below lies outside the test's code page";
    StagedApp app;
    const std::string path = app.Folder() + "search.txt";
    e2e::WriteTextFile(path, "abc \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E def \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n");
    HWND main = LaunchWithTextFocused(app, path);
    ASSERT_NE(main, nullptr);
    e2e::PressKey(VK_HOME, VK_CONTROL);

    // Find: the first match is selected, and typing replaces it.
    e2e::PressKey('F', VK_CONTROL);
    HWND find = WaitForDialog(app.ProcessId(), "Find");
    ASSERT_NE(find, nullptr);
    ASSERT_TRUE(e2e::FocusForInput(find));
    e2e::TypeUnicode(L"\u65E5\u672C\u8A9E");
    e2e::PressKey(VK_RETURN);
    e2e::PressKey(VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(find); }));
    ASSERT_TRUE(e2e::FocusForInput(main, e2e::ActiveEditor(main)));
    e2e::TypeUnicode(L"X");
    e2e::PressKey('S', VK_CONTROL);
    EXPECT_TRUE(e2e::WaitUntil([&] {
        return e2e::ReadTextFile(path) == "abc X def \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n";
    })) << e2e::ReadTextFile(path);

    // Replace all: the other match becomes Greek.
    e2e::PressKey('H', VK_CONTROL);
    HWND replace = WaitForDialog(app.ProcessId(), "Replace");
    ASSERT_NE(replace, nullptr);
    ASSERT_TRUE(e2e::FocusForInput(replace));
    e2e::TypeUnicode(L"\u65E5\u672C\u8A9E");
    e2e::PressKey(VK_TAB);
    e2e::TypeUnicode(L"\u03B5\u03BB");
    e2e::PressKey('A', VK_MENU);
    HWND report = WaitForDialog(app.ProcessId(), "Replace", replace);
    ASSERT_NE(report, nullptr) << "the report of the replacements";
    StagedApp::Press(report, IDOK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(report); }));
    ASSERT_TRUE(e2e::FocusForInput(replace));
    e2e::PressKey(VK_ESCAPE);
    ASSERT_TRUE(e2e::FocusForInput(main, e2e::ActiveEditor(main)));
    e2e::PressKey('S', VK_CONTROL);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ReadTextFile(path) == "abc X def \xCE\xB5\xCE\xBB\r\n"; }))
        << e2e::ReadTextFile(path);

    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
    EXPECT_EQ(RegistryText(app.SettingsSectionPath(), L"FINDMRULIST"), L"\u65E5\u672C\u8A9E");
    EXPECT_EQ(RegistryText(app.SettingsSectionPath(), L"REPLMRULIST"), L"\u03B5\u03BB");
}

// The Open dialog, as a user works it: Ctrl+O, the name typed into its name box, Enter.
TEST(UnicodeE2E, ANameOutsideTheCodePageTypedIntoTheOpenDialogOpens)
{
    ASSERT_EQ(GetACP(), 1252u) << "the name below lies outside the test's code page";
    StagedApp app;
    const std::wstring folder = Widen(app.Folder()) + L"\u041F\u0440\u043E\u0435\u043A\u0442\\";  // Проект
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring greek = folder + L"\u03A9\u03BC\u03AD\u03B3\u03B1.txt";  // Ωμέγα.txt
    ASSERT_TRUE(e2e::WriteWideFile(greek, "three\r\n"));
    const std::string first = app.Folder() + "first.txt";
    e2e::WriteTextFile(first, "one\r\n");
    HWND main = LaunchWithTextFocused(app, first);
    ASSERT_NE(main, nullptr);
    e2e::PressKey('O', VK_CONTROL);
    HWND open = WaitForDialog(app.ProcessId(), "Open");
    ASSERT_NE(open, nullptr);
    ASSERT_TRUE(e2e::FocusForInput(open));
    e2e::TypeUnicode(greek);
    e2e::PressKey(VK_RETURN);
    EXPECT_TRUE(e2e::WaitUntil([&] {
        return e2e::WideTabCaptionsOf(main) ==
               std::vector<std::wstring>{L"first.txt", L"\u03A9\u03BC\u03AD\u03B3\u03B1.txt"};
    }));
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
    DeleteFileW(greek.c_str());
    RemoveDirectoryW(folder.c_str());
}

// Lets go of the drag after the target has seen it move a few times.
class ReleaseSoon : public IDropSource {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        *object = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource) ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL escape, DWORD) override
    {
        if (escape)
            return DRAGDROP_S_CANCEL;
        return ++asked_ < 6 ? S_OK : DRAGDROP_S_DROP;
    }
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    int asked_ = 0;
};

// Files dragged from another program (as from Explorer, with UTF-16 names) and dropped on
// the text open in tabs of their own.
TEST(UnicodeE2E, NamesOutsideTheCodePageDroppedFromAnotherProgramOpen)
{
    ASSERT_EQ(GetACP(), 1252u) << "the names below lie outside the test's code page";
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    StagedApp app;
    const std::wstring folder = Widen(app.Folder()) + L"\u041F\u0440\u043E\u0435\u043A\u0442\\";  // Проект
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::vector<std::wstring> names = {L"\u65E5\u672C\u8A9E.txt", L"\U0001F600 notes.txt"};
    for (const std::wstring& name : names)
        ASSERT_TRUE(e2e::WriteWideFile(folder + name, "dropped\r\n"));
    const std::string first = app.Folder() + "first.txt";
    e2e::WriteTextFile(first, "one\r\n");
    HWND main = LaunchWithTextFocused(app, first);
    ASSERT_NE(main, nullptr);
    HWND editor = e2e::ActiveEditor(main);
    RECT area = {};
    GetWindowRect(editor, &area);
    e2e::MoveMouse({(area.left + area.right) / 2, (area.top + area.bottom) / 2});

    e2e::DropData files({folder + names[0], folder + names[1]});
    ReleaseSoon source;
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(DoDragDrop(&files, &source, DROPEFFECT_COPY, &effect), DRAGDROP_S_DROP);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WideTabCaptionsOf(main).size() == 3; }));
    EXPECT_EQ(e2e::WideTabCaptionsOf(main), (std::vector<std::wstring>{L"first.txt", names[0], names[1]}));
    EXPECT_EQ(e2e::ReadTextFile(first), "one\r\n") << "the names are not dropped into the text";
    EXPECT_EQ(app.CloseWithoutSaving(main), 0);
    for (const std::wstring& name : names)
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
    OleUninitialize();
}

// Installed in a folder the code page cannot spell: the program finds its Config.ini and
// its skin there (through the folder's short name) and keeps its settings.
TEST(UnicodeE2E, TheProgramRunsFromAFolderOutsideTheCodePage)
{
    ASSERT_EQ(GetACP(), 1252u) << "the folder name below lies outside the test's code page";
    StagedApp app;
    app.SetConfig("Position", "MainWidth", "640");
    const std::wstring folder = app.LaunchCopyIn(L"\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u0430");
    ASSERT_FALSE(folder.empty());
    HWND main = app.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(app.WaitForMessageBox(500).window, nullptr) << app.WaitForMessageBox(1).text;
    EXPECT_EQ(e2e::FindProcessWindow(app.ProcessId(), "Quillet", "Quillet Skin Selector"), nullptr)
        << "the skin was not found";
    EXPECT_TRUE(IsWindowVisible(main)) << "the skin was not found";
    SetWindowPos(main, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(app.WaitForExit(), 0);
    const std::wstring config = folder + L"Config.ini";
    wchar_t width[16] = {};
    GetPrivateProfileStringW(L"Position", L"MainWidth", L"", width, 16, config.c_str());
    EXPECT_STREQ(width, L"700") << "the settings were kept in the folder's own Config.ini";
}

} // namespace
