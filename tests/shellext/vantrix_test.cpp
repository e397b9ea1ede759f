// Vantrix.dll as Explorer uses it: the class factory, the menu item and its help text,
// the hand-off of the selected files to the editor, and what registration writes.
#include "platform/ansi_text.h"
#include "platform/hand_off.h"
#include "tests/harness/staged_app.h"
#include "tests/support/drop_data.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <olectl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using e2e::DropData;

// {4E492C5C-4659-43F0-8A28-3BCE8E69EED1}
const CLSID kClassId = {0x4E492C5C, 0x4659, 0x43F0, {0x8A, 0x28, 0x3B, 0xCE, 0x8E, 0x69, 0xEE, 0xD1}};
// {16178665-8A39-40E2-9C5B-935F95924A53}
const IID kInterfaceId = {0x16178665, 0x8A39, 0x40E2, {0x9C, 0x5B, 0x93, 0x5F, 0x95, 0x92, 0x4A, 0x53}};
constexpr const char* kClassKey = "CLSID\\{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}";

class VantrixLibrary {
public:
    explicit VantrixLibrary(const std::string& path = e2e::DistFolder() + "Vantrix.dll")
        : module_(LoadLibraryA(path.c_str()))
    {
    }
    ~VantrixLibrary()
    {
        if (module_)
            FreeLibrary(module_);
    }
    HMODULE Module() const { return module_; }
    template <class F>
    F Export(const char* name) const
    {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }
    // A new VantrixMnu object, asked for IContextMenu.
    IContextMenu* NewMenu() const
    {
        using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        IClassFactory* factory = nullptr;
        if (FAILED(Export<GetClassObject>("DllGetClassObject")(kClassId, IID_IClassFactory,
                                                                 reinterpret_cast<void**>(&factory))))
            return nullptr;
        IContextMenu* menu = nullptr;
        factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu));
        factory->Release();
        return menu;
    }
    HRESULT CanUnloadNow() const
    {
        return Export<HRESULT(STDAPICALLTYPE*)()>("DllCanUnloadNow")();
    }

private:
    HMODULE module_;
};

IShellExtInit* InitOf(IContextMenu* menu)
{
    IShellExtInit* init = nullptr;
    menu->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init));
    return init;
}

std::string HelpText(IContextMenu* menu, UINT size = 260)
{
    char text[260] = "";
    EXPECT_EQ(menu->GetCommandString(0, GCS_HELPTEXTA, nullptr, text, size), S_OK);
    return text;
}

class VantrixTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(library.Module(), nullptr);
        CoInitialize(nullptr);
    }
    void TearDown() override { CoUninitialize(); }
    VantrixLibrary library;
};

TEST_F(VantrixTest, TheObjectAnswersItsFourInterfacesAndKeepsTheLibraryLoaded)
{
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
    IContextMenu* menu = library.NewMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(library.CanUnloadNow(), S_FALSE);
    for (const IID* iid : {&kInterfaceId, &IID_IDispatch, &IID_IShellExtInit, &IID_IContextMenu, &IID_IUnknown}) {
        IUnknown* other = nullptr;
        EXPECT_EQ(menu->QueryInterface(*iid, reinterpret_cast<void**>(&other)), S_OK);
        if (other)
            other->Release();
    }
    IUnknown* none = nullptr;
    EXPECT_EQ(menu->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&none)), E_NOINTERFACE);
    IDispatch* dispatch = nullptr;
    menu->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    UINT count = 0;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ITypeInfo* type = nullptr;
    EXPECT_EQ(dispatch->GetTypeInfo(0, 0, &type), S_OK) << "the embedded type library";
    if (type)
        type->Release();
    dispatch->Release();
    menu->Release();
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

TEST_F(VantrixTest, OneMenuItemWithItsBitmapAndNoneForTheDefaultOnly)
{
    IContextMenu* menu = library.NewMenu();
    ASSERT_NE(menu, nullptr);
    DropData data({"C:\\a.txt"});
    IShellExtInit* init = InitOf(menu);
    ASSERT_EQ(init->Initialize(nullptr, &data, nullptr), S_OK);
    init->Release();

    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 1, "First");
    AppendMenuA(popup, MF_STRING, 2, "Second");
    EXPECT_EQ(menu->QueryContextMenu(popup, 1, 40, 50, CMF_DEFAULTONLY), MAKE_HRESULT(0, 0, 0));
    EXPECT_EQ(GetMenuItemCount(popup), 2);
    EXPECT_EQ(menu->QueryContextMenu(popup, 1, 40, 50, CMF_NORMAL), MAKE_HRESULT(0, 0, 1));
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    char caption[64] = "";
    GetMenuStringA(popup, 1, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "Open with Quillet");
    EXPECT_EQ(GetMenuItemID(popup, 1), 40u);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    GetMenuItemInfoA(popup, 1, TRUE, &info);
    EXPECT_NE(info.hbmpUnchecked, nullptr) << "the bitmap of resource 201";
    EXPECT_EQ(info.hbmpChecked, nullptr);
    DestroyMenu(popup);
    menu->Release();
}

TEST_F(VantrixTest, HelpTextNamesOneFileOrSeveralAndIsCutToTheBuffer)
{
    IContextMenu* one = library.NewMenu();
    DropData single({"C:\\a.txt"});
    IShellExtInit* init = InitOf(one);
    init->Initialize(nullptr, &single, nullptr);
    init->Release();
    EXPECT_EQ(HelpText(one), "Open the selected file with Quillet");
    EXPECT_EQ(HelpText(one, 9), "Open the");  // 8 characters and the terminator
    wchar_t wide[64] = L"";
    EXPECT_EQ(one->GetCommandString(0, GCS_HELPTEXTW, nullptr, reinterpret_cast<char*>(wide), 64), S_OK);
    EXPECT_STREQ(wide, L"Open the selected file with Quillet");
    EXPECT_EQ(one->GetCommandString(0, GCS_HELPTEXTW, nullptr, reinterpret_cast<char*>(wide), 5), S_OK);
    EXPECT_STREQ(wide, L"Open");
    char verb[64] = "";
    EXPECT_EQ(one->GetCommandString(0, GCS_VERBA, nullptr, verb, 64), E_INVALIDARG);
    EXPECT_EQ(one->GetCommandString(1, GCS_HELPTEXTA, nullptr, verb, 64), E_INVALIDARG);
    one->Release();

    IContextMenu* three = library.NewMenu();
    DropData several({"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"});
    init = InitOf(three);
    init->Initialize(nullptr, &several, nullptr);
    init->Release();
    EXPECT_EQ(HelpText(three), "Open the selected files with Quillet");
    three->Release();
}

TEST_F(VantrixTest, InitializeWithoutFilesIsRefused)
{
    IContextMenu* menu = library.NewMenu();
    DropData empty(std::vector<std::string>{});
    IShellExtInit* init = InitOf(menu);
    EXPECT_EQ(init->Initialize(nullptr, &empty, nullptr), E_INVALIDARG);
    EXPECT_EQ(init->Initialize(nullptr, nullptr, nullptr), E_INVALIDARG);
    init->Release();
    menu->Release();
}

// ---- alone: the editor's window and the registry keys are the machine's ---------------

// A window of class and title "Quillet" on a thread of its own, as the editor's is in its
// own process: it records each path handed over, or (hung) takes the first and then does
// not answer until it is destroyed.
class FakeEditor {
public:
    explicit FakeEditor(bool hung = false) : hung_(hung)
    {
        release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, ready] { Run(ready); });
        WaitForSingleObject(ready, 10000);
        CloseHandle(ready);
    }
    ~FakeEditor()
    {
        SetEvent(release_);
        if (window_)
            PostMessageA(window_, WM_CLOSE, 0, 0);
        thread_.join();
        CloseHandle(release_);
    }
    HWND Window() const { return window_; }
    // The paths received, in the ANSI code page (the tests' names all fit it).
    std::vector<std::string> Received() const
    {
        std::vector<std::string> narrow;
        for (const std::wstring& path : ReceivedWide())
            narrow.push_back(NarrowToAnsi(path));
        return narrow;
    }
    std::vector<std::wstring> ReceivedWide() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return received_;
    }
    // Every path came in the UTF-16 form, its NUL counted in cbData.
    bool SizesRight() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return sizesRight_;
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<FakeEditor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_COPYDATA && self) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            const std::wstring path(static_cast<const wchar_t*>(data->lpData));
            {
                std::lock_guard<std::mutex> lock(self->mutex_);
                self->received_.push_back(path);
                self->sizesRight_ = self->sizesRight_ && data->cbData == (path.size() + 1) * sizeof(wchar_t) &&
                                    data->dwData == handoff::kUtf16Path;
            }
            if (self->hung_)
                WaitForSingleObject(self->release_, 120000);
            return 1;
        }
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    void Run(HANDLE ready)
    {
        WNDCLASSA editorClass = {};
        editorClass.lpfnWndProc = &Procedure;
        editorClass.hInstance = GetModuleHandleA(nullptr);
        editorClass.lpszClassName = "Quillet";
        const bool registered = RegisterClassA(&editorClass) != 0;
        if (registered)
            window_ = CreateWindowExA(0, "Quillet", "Quillet", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      editorClass.hInstance, nullptr);
        if (window_)
            SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetEvent(ready);
        MSG message;
        while (window_ && GetMessageA(&message, nullptr, 0, 0) > 0)
            DispatchMessageA(&message);
        if (registered)
            UnregisterClassA("Quillet", editorClass.hInstance);
    }

    const bool hung_;
    HANDLE release_ = nullptr;
    HWND window_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<std::wstring> received_;
    bool sizesRight_ = true;
    std::thread thread_;
};

// Initialises `menu` with `paths`; the result of Initialize.
HRESULT Select(IContextMenu* menu, const std::vector<std::string>& paths)
{
    DropData data(paths);
    IShellExtInit* init = InitOf(menu);
    const HRESULT result = init->Initialize(nullptr, &data, nullptr);
    init->Release();
    return result;
}

HRESULT InvokeOffset(IContextMenu* menu, UINT_PTR offset)
{
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    info.lpVerb = MAKEINTRESOURCEA(offset);
    return menu->InvokeCommand(&info);
}

using VantrixHandOff = VantrixTest;

TEST_F(VantrixHandOff, EachSelectedFileGoesToTheEditorInOrderAndOnlyTheLastSelectionCounts)
{
    FakeEditor editor;
    ASSERT_NE(editor.Window(), nullptr);
    IContextMenu* menu = library.NewMenu();
    // Explorer may initialise one object twice: the first selection is forgotten.
    ASSERT_EQ(Select(menu, {"C:\\stale.txt", "C:\\older.txt"}), S_OK);
    ASSERT_EQ(Select(menu, {"C:\\one.txt", "C:\\two words.txt", "C:\\three.c"}), S_OK);

    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    info.lpVerb = "open";
    EXPECT_EQ(menu->InvokeCommand(&info), E_INVALIDARG) << "a verb string is not ours";
    EXPECT_EQ(InvokeOffset(menu, 1), E_INVALIDARG);
    EXPECT_TRUE(editor.Received().empty());
    EXPECT_EQ(InvokeOffset(menu, 0), S_OK);
    EXPECT_EQ(editor.Received(), (std::vector<std::string>{"C:\\one.txt", "C:\\two words.txt", "C:\\three.c"}));
    EXPECT_TRUE(editor.SizesRight()) << "dwData kUtf16Path, the NUL counted in cbData";

    // A selection that cannot be read leaves none behind: nothing more goes out.
    EXPECT_EQ(Select(menu, {}), E_INVALIDARG);
    EXPECT_EQ(InvokeOffset(menu, 0), S_OK);
    EXPECT_EQ(editor.Received().size(), 3u);
    menu->Release();
}

// Explorer hands the selection over as UTF-16: names outside the ANSI code page reach
// the editor whole, in the UTF-16 form of the hand-off.
TEST_F(VantrixHandOff, NamesInAnyScriptReachTheEditorWhole)
{
    FakeEditor editor;
    ASSERT_NE(editor.Window(), nullptr);
    IContextMenu* menu = library.NewMenu();
    const std::vector<std::wstring> names = {L"C:\\\u041F\u0440\u043E\u0435\u043A\u0442\\\u65E5\u672C\u8A9E.txt",
                                             L"C:\\\u03A9\u03BC\u03AD\u03B3\u03B1.txt",
                                             L"C:\\\U0001F600 notes.txt"};
    DropData data(names);
    IShellExtInit* init = InitOf(menu);
    ASSERT_EQ(init->Initialize(nullptr, &data, nullptr), S_OK);
    init->Release();
    EXPECT_EQ(InvokeOffset(menu, 0), S_OK);
    EXPECT_EQ(editor.ReceivedWide(), names);
    EXPECT_TRUE(editor.SizesRight());
    menu->Release();
}

TEST_F(VantrixHandOff, AnEditorThatDoesNotAnswerDoesNotHoldExplorer)
{
    FakeEditor editor(true);
    ASSERT_NE(editor.Window(), nullptr);
    IContextMenu* menu = library.NewMenu();
    ASSERT_EQ(Select(menu, {"C:\\one.txt", "C:\\two.txt", "C:\\three.txt"}), S_OK);
    const DWORD start = GetTickCount();
    EXPECT_EQ(InvokeOffset(menu, 0), E_INVALIDARG);
    const DWORD waited = GetTickCount() - start;
    // The editor holds each path two minutes: returning well before means the extension
    // gave up on it, after the first path, not once per path.
    EXPECT_LT(waited, 60000u);
    EXPECT_EQ(editor.Received(), std::vector<std::string>{"C:\\one.txt"});
    menu->Release();
}

// The extension's install-folder value, HKLM\Software\Quillet, for the length of a test,
// and put back as it was afterwards.
class InstallFolderValue {
public:
    InstallFolderValue()
    {
        wchar_t value[MAX_PATH] = L"";
        DWORD size = sizeof value;
        had_ = SHGetValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, nullptr, value, &size) == ERROR_SUCCESS;
        previous_ = value;
    }
    ~InstallFolderValue()
    {
        if (had_)
            Set(previous_);
        else
            Remove();
    }
    static void Set(const std::wstring& folder)
    {
        SHSetValueW(HKEY_LOCAL_MACHINE, kKey, nullptr, REG_SZ, folder.c_str(),
                    static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    }
    static void Remove() { SHDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }

private:
    static constexpr const wchar_t* kKey = L"Software\\Quillet";
    bool had_ = false;
    std::wstring previous_;
};

// The client program beside this test program, or in the folder QUILLET_TEST_CLIENTS
// names: the 32-bit build's, when the 32-bit program is the one under test.
std::wstring ClientProgram()
{
    wchar_t folder[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(L"QUILLET_TEST_CLIENTS", folder, MAX_PATH);
    if (!length || length >= MAX_PATH)
        return WidenAnsi(e2e::FromTestProgramFolder("vantrix_client.exe"));
    std::wstring path = folder;
    if (path.back() != L'\\')
        path += L'\\';
    return path + L"vantrix_client.exe";
}

struct ClientRun {
    int exitCode = -1;
    std::string output;  // stdout and stderr, without carriage returns
};

ClientRun RunClient(const std::vector<std::string>& arguments)
{
    ClientRun run;
    std::wstring commandLine = L"\"" + ClientProgram() + L"\"";
    for (const std::string& argument : arguments)
        commandLine += L" \"" + WidenAnsi(argument) + L"\"";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[512];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read)
            run.output.append(buffer, read);
        if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(60000 * e2e::Patience())) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            run.exitCode = static_cast<int>(code);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        run.output = "the client did not start: " + std::to_string(GetLastError());
    }
    CloseHandle(readEnd);
    run.output.erase(std::remove(run.output.begin(), run.output.end(), '\r'), run.output.end());
    return run;
}

// A process of the extension's own bitness (a 32-bit one for the 32-bit program) uses it
// as Explorer does: registers it, creates it through the registry, shows its item and
// hands the selected files over in order; it unregisters it again at the end.
TEST(VantrixClient, AClientProcessRegistersItGetsTheItemAndHandsThreeFilesOverInOrder)
{
    FakeEditor editor;
    ASSERT_NE(editor.Window(), nullptr);
    const ClientRun run =
        RunClient({e2e::DistFolder() + "Vantrix.dll", "C:\\one.txt", "C:\\two words.txt", "C:\\three.c"});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("menu: Open with Quillet\n"), std::string::npos) << run.output;
    EXPECT_EQ(editor.Received(), (std::vector<std::string>{"C:\\one.txt", "C:\\two words.txt", "C:\\three.c"}));
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CLASSES_ROOT, kClassKey, 0, KEY_READ | e2e::ProgramRegistryView(), &key),
              ERROR_SUCCESS)
        << "unregistered again";
    if (key)
        RegCloseKey(key);
}

TEST_F(VantrixHandOff, WithoutAnEditorOrAnInstallFolderNothingHappens)
{
    ASSERT_EQ(FindWindowA("Quillet", "Quillet"), nullptr);
    InstallFolderValue keep;
    InstallFolderValue::Remove();
    IContextMenu* menu = library.NewMenu();
    ASSERT_EQ(Select(menu, {"C:\\a.txt"}), S_OK);
    EXPECT_EQ(InvokeOffset(menu, 0), E_INVALIDARG);
    InstallFolderValue::Set(L"");
    EXPECT_EQ(InvokeOffset(menu, 0), E_INVALIDARG);
    EXPECT_EQ(FindWindowA("Quillet", "Quillet"), nullptr);
    menu->Release();
}

TEST_F(VantrixHandOff, WithoutAnEditorTheInstalledOneIsStartedAndGetsTheFilesInOrder)
{
    ASSERT_EQ(FindWindowA("Quillet", "Quillet"), nullptr) << "no editor may run beside this test";
    InstallFolderValue keep;
    e2e::StagedApp app;
    std::string folder = app.Folder();
    folder.pop_back();  // the value may lack its backslash
    InstallFolderValue::Set(WidenAnsi(folder));
    const std::vector<std::string> files = {app.Folder() + "first.txt", app.Folder() + "second.txt",
                                            app.Folder() + "third.txt"};
    for (const std::string& file : files)
        e2e::WriteTextFile(file, "text\r\n");
    IContextMenu* menu = library.NewMenu();
    ASSERT_EQ(Select(menu, files), S_OK);
    // The editor inherits this process's environment: it keeps its settings in the
    // staged app's key, not in the machine's.
    SetEnvironmentVariableA("QUILLET_SETTINGS_PRODUCT", app.SettingsProduct().c_str());
    const HRESULT invoked = InvokeOffset(menu, 0);
    SetEnvironmentVariableA("QUILLET_SETTINGS_PRODUCT", nullptr);
    menu->Release();
    EXPECT_EQ(invoked, S_OK);
    HWND main = FindWindowA("Quillet", "Quillet");
    ASSERT_NE(main, nullptr) << "the extension waited for the editor it started";
    const std::vector<std::string> expected = {"first.txt", "second.txt", "third.txt"};
    EXPECT_TRUE(e2e::WaitUntil([&] {
        const std::vector<std::string> tabs = e2e::TabCaptionsOf(main);
        return tabs.size() >= 3 && std::vector<std::string>(tabs.end() - 3, tabs.end()) == expected;
    })) << "the three files, in the order of the selection";
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
    CloseHandle(process);
}

std::string ClassesValue(const std::string& key, const char* name = nullptr)
{
    char value[512] = "";
    DWORD size = sizeof value;
    if (SHGetValueA(HKEY_CLASSES_ROOT, key.c_str(), name, nullptr, value, &size) != ERROR_SUCCESS)
        return "<missing>";
    return value;
}

bool ClassesKey(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

using VantrixRegistration = VantrixTest;

TEST_F(VantrixRegistration, RegisteringWritesTheLayoutAndUnregisteringRemovesOnlyItsOwnKeys)
{
    using Call = HRESULT(STDAPICALLTYPE*)();
    ASSERT_EQ(library.Export<Call>("DllRegisterServer")(), S_OK);
    EXPECT_EQ(ClassesValue("Vantrix.VantrixMnu.1"), "VantrixMnu Class");
    EXPECT_EQ(ClassesValue("Vantrix.VantrixMnu.1\\CLSID"), "{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}");
    EXPECT_EQ(ClassesValue("Vantrix.VantrixMnu"), "VantrixMnu Class");
    EXPECT_EQ(ClassesValue("Vantrix.VantrixMnu\\CurVer"), "Vantrix.VantrixMnu.1");
    EXPECT_EQ(ClassesValue(kClassKey), "VantrixMnu Class");
    EXPECT_EQ(ClassesValue(std::string(kClassKey) + "\\ProgID"), "Vantrix.VantrixMnu.1");
    EXPECT_EQ(ClassesValue(std::string(kClassKey) + "\\VersionIndependentProgID"), "Vantrix.VantrixMnu");
    EXPECT_TRUE(ClassesKey(std::string(kClassKey) + "\\Programmable"));
    char path[MAX_PATH] = "";
    GetModuleFileNameA(library.Module(), path, MAX_PATH);
    EXPECT_EQ(ClassesValue(std::string(kClassKey) + "\\InprocServer32"), path);
    EXPECT_EQ(ClassesValue(std::string(kClassKey) + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(ClassesValue(std::string(kClassKey) + "\\TypeLib"), "{753DDBFF-76A4-44A2-B507-6D803117C8DF}");
    EXPECT_EQ(ClassesValue("*\\shellex\\ContextMenuHandlers\\Quillet"), "{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}");
    EXPECT_TRUE(ClassesKey("TypeLib\\{753DDBFF-76A4-44A2-B507-6D803117C8DF}"));
    char approved[128] = "";
    DWORD size = sizeof approved;
    EXPECT_EQ(SHGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved",
                          "{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}", nullptr, approved, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(approved, "Quillet Shell Extension");

    ASSERT_EQ(library.Export<Call>("DllUnregisterServer")(), S_OK);
    for (const char* gone : {"Vantrix.VantrixMnu.1", "Vantrix.VantrixMnu", kClassKey,
                             "*\\shellex\\ContextMenuHandlers\\Quillet"})
        EXPECT_FALSE(ClassesKey(gone)) << gone;
    for (const char* kept : {"CLSID", "*", "*\\shellex", "*\\shellex\\ContextMenuHandlers"})
        EXPECT_TRUE(ClassesKey(kept)) << kept;
    size = sizeof approved;
    EXPECT_NE(SHGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved",
                          "{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}", nullptr, approved, &size),
              ERROR_SUCCESS);
}

using Registration = HRESULT(STDAPICALLTYPE*)();

const char* const kLayoutKeys[] = {"Vantrix.VantrixMnu.1", "Vantrix.VantrixMnu", kClassKey,
                                   "*\\shellex\\ContextMenuHandlers\\Quillet",
                                   "TypeLib\\{753DDBFF-76A4-44A2-B507-6D803117C8DF}"};

bool Approved()
{
    char approved[128] = "";
    DWORD size = sizeof approved;
    return SHGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved",
                       "{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}", nullptr, approved, &size) == ERROR_SUCCESS;
}

// What registration writes, none of which may be left after a failed one.
void ExpectNothingRegistered()
{
    for (const char* key : kLayoutKeys)
        EXPECT_FALSE(ClassesKey(key)) << key;
    EXPECT_FALSE(Approved());
}

TEST_F(VantrixRegistration, AFolderOutsideTheAnsiCodePageIsRecordedAsItIs)
{
    const std::wstring folder = WidenAnsi(e2e::MakeTempFolder("quillet-ext")) + L"\u03A9\u03BC\u03AD\u03B3\u03B1 \u65E5\u672C\\";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring copy = folder + L"Vantrix.dll";
    ASSERT_TRUE(CopyFileW(WidenAnsi(e2e::DistFolder() + "Vantrix.dll").c_str(), copy.c_str(), FALSE));
    HMODULE module = LoadLibraryW(copy.c_str());
    ASSERT_NE(module, nullptr);
    const auto call = [&](const char* name) {
        return reinterpret_cast<Registration>(reinterpret_cast<void*>(GetProcAddress(module, name)))();
    };
    ASSERT_EQ(call("DllRegisterServer"), S_OK);
    wchar_t server[MAX_PATH] = L"";
    DWORD size = sizeof server;
    EXPECT_EQ(SHGetValueW(HKEY_CLASSES_ROOT, L"CLSID\\{4E492C5C-4659-43F0-8A28-3BCE8E69EED1}\\InprocServer32", nullptr,
                          nullptr, server, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(server), copy);
    EXPECT_EQ(call("DllUnregisterServer"), S_OK);
    FreeLibrary(module);
    ExpectNothingRegistered();
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
}

// The extension's test build, which can be told to fail: 1 denies the Approved value,
// 2 fails every allocation, 4 fails the type library.
class VantrixFaults : public VantrixTest {
protected:
    VantrixFaults() : faulty(e2e::FromTestProgramFolder("VantrixFaults.dll")) {}
    void SetUp() override
    {
        VantrixTest::SetUp();
        ASSERT_NE(faulty.Module(), nullptr);
        library.Export<Registration>("DllUnregisterServer")();  // nothing of an earlier run
    }
    void TearDown() override
    {
        SetFaults(0);
        faulty.Export<Registration>("DllUnregisterServer")();
        VantrixTest::TearDown();
    }
    void SetFaults(int faults) { faulty.Export<void (*)(int)>("VantrixSetFaults")(faults); }
    VantrixLibrary faulty;
};

TEST_F(VantrixFaults, RegistrationWithoutTheRightToApproveWritesNothing)
{
    SetFaults(1);
    EXPECT_EQ(faulty.Export<Registration>("DllRegisterServer")(), E_ACCESSDENIED);
    ExpectNothingRegistered();
}

TEST_F(VantrixFaults, ARegistrationThatFailsPartWayTakesBackWhatItWrote)
{
    SetFaults(4);  // every key written, then the type library refused
    EXPECT_EQ(faulty.Export<Registration>("DllRegisterServer")(), SELFREG_E_TYPELIB);
    ExpectNothingRegistered();
    SetFaults(2);
    EXPECT_EQ(faulty.Export<Registration>("DllRegisterServer")(), E_OUTOFMEMORY);
    SetFaults(0);
    ExpectNothingRegistered();
    EXPECT_EQ(faulty.Export<Registration>("DllRegisterServer")(), S_OK) << "the library still works";
    EXPECT_TRUE(ClassesKey(kClassKey));
}

TEST_F(VantrixFaults, AnUnregistrationThatCannotDeleteTheMenusKeyReportsFailure)
{
    ASSERT_EQ(faulty.Export<Registration>("DllRegisterServer")(), S_OK);
    SetFaults(8);
    EXPECT_EQ(faulty.Export<Registration>("DllUnregisterServer")(), SELFREG_E_CLASS);
    SetFaults(0);
    EXPECT_EQ(faulty.Export<Registration>("DllUnregisterServer")(), S_OK);
    ExpectNothingRegistered();
    EXPECT_EQ(faulty.Export<Registration>("DllUnregisterServer")(), S_OK) << "nothing left to remove is no failure";
}

TEST_F(VantrixFaults, AFailedAllocationInAnyMethodIsAnErrorAndTheCallerLivesOn)
{
    ASSERT_EQ(FindWindowA("Quillet", "Quillet"), nullptr);
    InstallFolderValue keep;
    InstallFolderValue::Set(WidenAnsi(e2e::MakeTempFolder("quillet-nothing-installed")));  // read, then out of memory
    IContextMenu* menu = faulty.NewMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(Select(menu, {"C:\\kept.txt"}), S_OK);

    SetFaults(2);
    EXPECT_EQ(Select(menu, {"C:\\a.txt", "C:\\b.txt"}), E_OUTOFMEMORY);
    wchar_t wide[64] = L"";
    EXPECT_EQ(menu->GetCommandString(0, GCS_HELPTEXTW, nullptr, reinterpret_cast<char*>(wide), 64), E_OUTOFMEMORY);
    EXPECT_EQ(InvokeOffset(menu, 0), E_OUTOFMEMORY);
    SetFaults(0);

    // The object is whole afterwards.
    EXPECT_EQ(Select(menu, {"C:\\a.txt"}), S_OK);
    EXPECT_EQ(menu->GetCommandString(0, GCS_HELPTEXTW, nullptr, reinterpret_cast<char*>(wide), 64), S_OK);
    EXPECT_STREQ(wide, L"Open the selected file with Quillet");
    menu->Release();
    EXPECT_EQ(faulty.CanUnloadNow(), S_OK);
}

} // namespace

namespace {

// The extension for the other architecture lies beside the program, built for it.
TEST(VantrixCompanion, TheOtherArchitecturesExtensionIsStaged)
{
    const bool wide = sizeof(void*) == 8;
    const std::string path = e2e::DistFolder() + (wide ? "Vantrix32.dll" : "Vantrix64.dll");
    const std::string bytes = e2e::ReadTextFile(path);
    if (bytes.empty())
        GTEST_SKIP() << "no cross compiler for the other architecture on this machine";
    ASSERT_GT(bytes.size(), 0x40u);
    const auto peOffset = *reinterpret_cast<const std::uint32_t*>(bytes.data() + 0x3C);
    ASSERT_LT(peOffset + 6, bytes.size());
    EXPECT_EQ(bytes.compare(peOffset, 4, std::string("PE\0\0", 4)), 0);
    const auto machine = *reinterpret_cast<const std::uint16_t*>(bytes.data() + peOffset + 4);
    EXPECT_EQ(machine, wide ? IMAGE_FILE_MACHINE_I386 : IMAGE_FILE_MACHINE_AMD64);
}

} // namespace
