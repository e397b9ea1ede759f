// The favourites drop-down in this process, with a host of the test's own: what is read
// from and written to [Favs], and what the item commands do when their entry is gone.
#include "tests/harness/staged_app.h"
#include "tools/clip_viewer.h"
#include "tools/favs_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The main window's part: records the commands the drop-down sends and the paths it opens.
class TestHost : public tools::ToolHost {
public:
    explicit TestHost(std::string config) : config_(std::move(config))
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &RecordingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "Quillet test host";
        RegisterClassA(&windowClass);
        main_ = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
        SetPropA(main_, "TestHost", this);
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
    HFONT UiFont() const override { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
    bool DropShadowPlatform() const override { return false; }
    std::string ConfigPath() const override { return config_; }
    void OpenPath(const std::string& path) override { opened.push_back(path); }
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

    // A click on the text of row `row` of the list (rows are 30 pixels high).
    static void ClickRow(HWND list, int row)
    {
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, row * 30 + 10));
        SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(20, row * 30 + 10));
    }

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
    EXPECT_EQ(favourites.Entries()[1].path, "C:\\b.txt");
    EXPECT_EQ(SendMessageA(favourites.List(), LB_GETCOUNT, 0, 0), 2);

    favourites.OpenMarked();
    EXPECT_EQ(host_.opened, std::vector<std::string>{"C:\\b.txt"});
    favourites.Add("C:\\e.txt");
    favourites.Destroy();
    EXPECT_EQ(Stored("0"), "C:\\a.txt");
    EXPECT_EQ(Stored("1"), "C:\\b.txt|");
    EXPECT_EQ(Stored("2"), "C:\\e.txt");
    EXPECT_EQ(Stored("3"), "");
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
        favourites.Add("C:\\other.txt");
        favourites.Destroy();
    }
    EXPECT_EQ(Stored("0"), "C:\\kept.txt");
}

TEST(ClipHistoryCommands, PasteAndDeleteIgnoreAChosenEntryThatIsGone)
{
    const std::string folder = e2e::MakeTempFolder("quillet-clip");
    TestHost host(folder + "Config.ini");
    tools::ClipViewer::JoinChainAtCreation(false);  // no clipboard here: the list is driven directly
    tools::ClipViewer viewer;
    viewer.Show(false, nullptr, 0);
    ASSERT_NE(viewer.List(), nullptr);
    EXPECT_TRUE(viewer.History().empty());
    // An index the list does not have is refused, and nothing else changes.
    EXPECT_EQ(SendMessageA(viewer.List(), LB_DELETESTRING, 3, 0), LB_ERR);
    viewer.DeleteChosen();
    viewer.PasteChosen(host.MainWindow());  // nothing chosen: nothing is sent
    EXPECT_TRUE(host.commands.empty());
    viewer.Destroy();
    e2e::RemoveFolder(folder);
}

} // namespace
