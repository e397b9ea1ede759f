// The favourites drop-down and the clipboard history in this process, with a host of the
// test's own: what is read from and written to [Favs], and what the item commands do with
// the chosen entry, and when their entry is gone.
#include "corvex/include/corvex.h"
#include "platform/ansi_text.h"
#include "tests/harness/clipboard_text.h"
#include "tests/harness/staged_app.h"
#include "tools/clip_viewer.h"
#include "tools/favs_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A hidden window of a class of the test's own, which finds `owner` in its property `property`.
HWND MakeHiddenWindow(const char* className, WNDPROC procedure, const char* property, void* owner)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, className, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, windowClass.hInstance,
                                  nullptr);
    SetPropA(window, property, owner);
    return window;
}

// The main window's part: records the commands the drop-down sends and the paths it opens.
class TestHost : public tools::ToolHost {
public:
    explicit TestHost(std::string config) : config_(std::move(config))
    {
        main_ = MakeHiddenWindow("Quillet test host", &RecordingProc, "TestHost", this);
        tools::SetToolHost(this);
    }
    ~TestHost() override
    {
        tools::SetToolHost(nullptr);
        DestroyWindow(main_);
    }

    HWND MainWindow() const override { return main_; }
    HWND MenuBar() const override { return nullptr; }
    HMENU Menu(tools::ItemMenu) const override { return nullptr; }
    UINT CommandOf(tools::ItemMenu menu, tools::ItemCommand command) const override
    {
        return (menu == tools::ItemMenu::Clipboard ? 700 : 800) + static_cast<UINT>(command);
    }
    HFONT UiFont() const override { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
    bool DropShadowPlatform() const override { return false; }
    std::string ConfigPath() const override { return config_; }
    void OpenPath(const std::wstring& path) override { opened.push_back(NarrowToAnsi(path)); }
    HINSTANCE Resources() const override { return GetModuleHandleA(nullptr); }

    std::vector<WPARAM> commands;
    std::vector<std::string> opened;

private:
    std::string config_;
    HWND main_ = nullptr;
};

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        if (auto* host = static_cast<TestHost*>(GetPropA(window, "TestHost")))
            host->commands.push_back(wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A click on the text of row `row` of a drop-down's list (past the last entry, too).
void ClickRow(HWND list, int row)
{
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(20, row * height + 10);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
}

class FavouritesTest : public ::testing::Test {
protected:
    FavouritesTest()
        : folder_(e2e::MakeTempFolder("quillet-favs")), config_(folder_ + "Config.ini"), host_(config_)
    {
        e2e::WriteTextFile(config_, "[Main]\r\nSkin=Quillblue\r\n");
    }
    ~FavouritesTest() override { e2e::RemoveFolder(folder_); }

    void Write(const char* key, const std::string& value)
    {
        WritePrivateProfileStringA("Favs", key, value.c_str(), config_.c_str());
    }
    std::string Stored(const char* key) const { return e2e::IniValue(config_, "Favs", key); }

    std::string folder_;
    std::string config_;
    TestHost host_;
};

TEST_F(FavouritesTest, LoadsUpToTheFirstGapAndWritesTheListBackWithoutGaps)
{
    Write("0", "C:\\a.txt");
    Write("1", "C:\\b.txt|");
    Write("3", "C:\\d.txt");
    tools::FavsWindow favourites;
    favourites.Show(false, nullptr, 0);
    ASSERT_EQ(favourites.Entries().size(), 2u);
    EXPECT_TRUE(favourites.Entries()[1].openOnStartup);
    EXPECT_EQ(favourites.Entries()[1].path, L"C:\\b.txt");
    EXPECT_EQ(SendMessageA(favourites.List(), LB_GETCOUNT, 0, 0), 2);

    favourites.OpenMarked();
    EXPECT_EQ(host_.opened, std::vector<std::string>{"C:\\b.txt"});
    favourites.Add(L"C:\\e.txt");
    favourites.Destroy();
    EXPECT_EQ(Stored("0"), "C:\\a.txt");
    EXPECT_EQ(Stored("1"), "C:\\b.txt|");
    EXPECT_EQ(Stored("2"), "C:\\e.txt");
    EXPECT_EQ(Stored("3"), "");
}

// A favourite outside the ANSI code page is stored as marked UTF-8 and comes back whole,
// however long its path (up to MAX_PATH units, three UTF-8 bytes each).
TEST_F(FavouritesTest, NamesOutsideTheCodePageOfAnyLengthComeBackWhole)
{
    const std::wstring deep = L"C:\\" + std::wstring(240, L'\u65E5') + L"\\\U0001F600.txt";
    {
        tools::FavsWindow favourites;
        favourites.Show(false, nullptr, 0);
        favourites.Add(deep + L"|");
        favourites.Add(L"C:\\\u03A9.txt");
        favourites.Destroy();
    }
    EXPECT_EQ(Stored("1"), "\xEF\xBB\xBF" "C:\\\xCE\xA9.txt");
    tools::FavsWindow favourites;
    favourites.Show(false, nullptr, 0);
    ASSERT_EQ(favourites.Entries().size(), 2u);
    EXPECT_EQ(favourites.Entries()[0].path, deep);
    EXPECT_TRUE(favourites.Entries()[0].openOnStartup);
    EXPECT_EQ(favourites.Entries()[1].path, L"C:\\\u03A9.txt");
    favourites.Destroy();
}

// The pixels of a window's client area, painted anew.
std::vector<DWORD> Painted(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT client = {};
    GetClientRect(window, &client);
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = client.right;
    format.bmiHeader.biHeight = -client.bottom;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(client.right * client.bottom));
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(client.bottom), pixels.data(), &format, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return pixels;
}

// A favourite named in another script shows as it is, not as the code page's question
// marks and best fits.
TEST_F(FavouritesTest, AFavouriteOutsideTheCodePageShowsAsItIs)
{
    const std::wstring greek = L"C:\\\u03A9\u03BC\u03AD\u03B3\u03B1.txt";
    const std::wstring asAnsi = WidenAnsi(NarrowToAnsi(greek));
    ASSERT_NE(asAnsi, greek);
    tools::FavsWindow favourites;
    favourites.Show(false, nullptr, 0);
    ASSERT_NE(favourites.List(), nullptr);
    SetWindowPos(favourites.Popup(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    favourites.Add(greek);
    const std::vector<DWORD> whole = Painted(favourites.List());
    favourites.DeleteAll();
    favourites.Add(asAnsi);
    const std::vector<DWORD> narrowed = Painted(favourites.List());
    ShowWindow(favourites.Popup(), SW_HIDE);
    ASSERT_EQ(whole.size(), narrowed.size());
    int changed = 0;
    for (std::size_t i = 0; i < whole.size(); ++i)
        changed += whole[i] != narrowed[i];
    EXPECT_GT(changed, 10);
    favourites.Destroy();
}

TEST_F(FavouritesTest, AClickOnAnEntryOpensItThroughTheMainWindow)
{
    Write("0", "C:\\a.txt");
    Write("1", "C:\\b.txt");
    tools::FavsWindow favourites;
    favourites.Show(false, nullptr, 0);
    ClickRow(favourites.List(), 1);
    EXPECT_EQ(host_.commands, std::vector<WPARAM>{800});
    EXPECT_EQ(favourites.Marks().chosen, 1);
    EXPECT_EQ(favourites.Marks().selected, 1);
    favourites.OpenChosen();  // what the main window does with 800
    EXPECT_EQ(host_.opened, std::vector<std::string>{"C:\\b.txt"});
    ClickRow(favourites.List(), 5);  // below the last entry: nothing
    EXPECT_EQ(host_.commands.size(), 1u);
    favourites.Destroy();
}

TEST_F(FavouritesTest, ItemCommandsIgnoreAChosenEntryThatIsGone)
{
    Write("0", "C:\\a.txt");
    Write("1", "C:\\b.txt");
    tools::FavsWindow favourites;
    favourites.Show(false, nullptr, 0);
    ClickRow(favourites.List(), 1);
    favourites.DeleteAll();  // the chosen entry goes with the rest
    EXPECT_TRUE(favourites.Entries().empty());
    favourites.OpenChosen();
    favourites.ToggleChosen();
    favourites.DeleteChosen();
    EXPECT_TRUE(host_.opened.empty());
    EXPECT_EQ(SendMessageA(favourites.List(), LB_GETCOUNT, 0, 0), 0);
    favourites.Destroy();
    EXPECT_EQ(Stored("0"), "") << "the emptied list is written back empty";
}

TEST_F(FavouritesTest, ToggleFlipsTheMarkOfTheChosenEntry)
{
    Write("0", "C:\\a.txt|");
    tools::FavsWindow favourites;
    favourites.Show(false, nullptr, 0);
    ClickRow(favourites.List(), 0);
    favourites.ToggleChosen();
    EXPECT_FALSE(favourites.Entries()[0].openOnStartup);
    favourites.Destroy();
    EXPECT_EQ(Stored("0"), "C:\\a.txt");
}

TEST_F(FavouritesTest, AListThatWasNeverLoadedIsNeverWritten)
{
    Write("0", "C:\\kept.txt");
    {
        tools::FavsWindow favourites;  // never created: nothing loaded
        favourites.Add(L"C:\\other.txt");
        favourites.Destroy();
    }
    EXPECT_EQ(Stored("0"), "C:\\kept.txt");
}

// Stands in for the active document's editor control: records every message of the
// control's range it is sent, answers GetPosition with a selection, and keeps the text
// and the record of a wide save.
class EditorStandIn {
public:
    struct Received {
        UINT message;
        int record[2];       // SaveRecordWide: the selection it replaces
        std::wstring text;   // SaveRecordWide: the text put there
    };
    static constexpr int kSelection[4] = {5, 9, 0, 5};

    EditorStandIn() : window_(MakeHiddenWindow("Quillet test editor", &Proc, "EditorStandIn", this)) {}
    ~EditorStandIn() { DestroyWindow(window_); }
    HWND Window() const { return window_; }

    std::vector<Received> received;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = static_cast<EditorStandIn*>(GetPropA(window, "EditorStandIn"));
        if (!self || message < WM_USER)
            return DefWindowProcA(window, message, wParam, lParam);
        Received got = {message, {-1, -1}, {}};
        if (message == corvex::GetPosition && lParam) {
            std::copy(std::begin(kSelection), std::end(kSelection), reinterpret_cast<int*>(lParam));
        } else if (message == corvex::SaveRecordWide) {
            if (const auto* record = reinterpret_cast<const int*>(wParam)) {
                got.record[0] = record[0];
                got.record[1] = record[1];
            }
            if (lParam)
                got.text = reinterpret_cast<const wchar_t*>(lParam);
        }
        self->received.push_back(got);
        return 1;
    }

    HWND window_ = nullptr;
};

// The clipboard history fed through the real clipboard (these tests hold its lock): each
// copy is followed by the change notice that the viewer chain would deliver.
class ClipHistoryCommands : public ::testing::Test {
protected:
    ClipHistoryCommands() : folder_(e2e::MakeTempFolder("quillet-clip")), host_(folder_ + "Config.ini")
    {
        tools::ClipViewer::JoinChainAtCreation(false);  // the test delivers the notices itself
        viewer_.Show(false, nullptr, 0);
    }
    ~ClipHistoryCommands() override
    {
        viewer_.Destroy();
        e2e::RemoveFolder(folder_);
    }

    void Copy(const std::wstring& text)
    {
        ASSERT_TRUE(OpenClipboard(host_.MainWindow()));
        PutTextOnOpenClipboard(text);
        CloseClipboard();
        SendMessageA(viewer_.Popup(), WM_DRAWCLIPBOARD, 0, 0);
    }
    int ListCount() const { return static_cast<int>(SendMessageA(viewer_.List(), LB_GETCOUNT, 0, 0)); }

    std::string folder_;
    TestHost host_;
    EditorStandIn editor_;
    tools::ClipViewer viewer_;
};

TEST_F(ClipHistoryCommands, PasteAndDeleteActOnTheChosenEntry)
{
    ASSERT_NE(viewer_.List(), nullptr);
    Copy(L"older");
    Copy(L"newer");
    ASSERT_EQ(viewer_.History(), (std::vector<std::wstring>{L"newer", L"older"}));
    ClickRow(viewer_.List(), 1);
    EXPECT_EQ(host_.commands, std::vector<WPARAM>{700}) << "a click activates the row through the main window";
    EXPECT_EQ(viewer_.Marks().chosen, 1);

    viewer_.PasteChosen(editor_.Window());  // what the main window does with 700
    ASSERT_EQ(editor_.received.size(), 2u) << "the selection is asked for, then replaced";
    EXPECT_EQ(editor_.received[0].message, static_cast<UINT>(corvex::GetPosition));
    EXPECT_EQ(editor_.received[1].message, static_cast<UINT>(corvex::SaveRecordWide));
    EXPECT_EQ(editor_.received[1].record[0], EditorStandIn::kSelection[0]);
    EXPECT_EQ(editor_.received[1].record[1], EditorStandIn::kSelection[1]);
    EXPECT_EQ(editor_.received[1].text, L"older") << "the chosen entry, not the newest";
    EXPECT_EQ(viewer_.History().size(), 2u) << "pasting keeps the entry";

    viewer_.DeleteChosen();
    EXPECT_EQ(viewer_.History(), std::vector<std::wstring>{L"newer"});
    EXPECT_EQ(ListCount(), 1);
}

TEST_F(ClipHistoryCommands, PasteAndDeleteIgnoreAChosenEntryThatIsGone)
{
    ASSERT_NE(viewer_.List(), nullptr);
    Copy(L"older");
    Copy(L"newer");
    const std::vector<std::wstring> both = {L"newer", L"older"};
    ASSERT_EQ(viewer_.History(), both);

    // Nothing chosen yet.
    viewer_.PasteChosen(editor_.Window());
    viewer_.DeleteChosen();
    EXPECT_TRUE(editor_.received.empty());
    EXPECT_EQ(viewer_.History(), both);
    EXPECT_EQ(ListCount(), 2);
    EXPECT_EQ(SendMessageA(viewer_.List(), LB_DELETESTRING, 3, 0), LB_ERR) << "an index the list does not have";
    EXPECT_EQ(viewer_.History(), both);

    // The second row chosen, then the list emptied and one new copy taken: the chosen row is gone.
    ClickRow(viewer_.List(), 1);
    ASSERT_EQ(viewer_.Marks().chosen, 1);
    viewer_.DeleteAll();
    Copy(L"fresh");
    ASSERT_EQ(viewer_.History(), std::vector<std::wstring>{L"fresh"});
    viewer_.PasteChosen(editor_.Window());
    viewer_.DeleteChosen();
    EXPECT_TRUE(editor_.received.empty()) << "nothing reaches the editor";
    EXPECT_EQ(viewer_.History(), std::vector<std::wstring>{L"fresh"}) << "the remaining entry stays";
    EXPECT_EQ(ListCount(), 1);
}

} // namespace
