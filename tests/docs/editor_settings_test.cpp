// Editor settings in the registry: the helpers, what a control is handed and what is
// read back from it, the shared editor font, and the library-wide values at exit.
#include "app/main_window.h"
#include "corvex/include/corvex.h"
#include "docs/editor_settings.h"
#include "docs/registry.h"
#include "tests/docs/docs_fixture.h"
#include "tests/docs/message_recorder.h"

#include <map>

using testing_support::DocsTest;
using testing_support::MessageRecorder;

namespace {

class EditorSettingsTest : public DocsTest {
protected:
    const registry::KeyPath& Key() const { return EditorSettingsKey(); }
    // A stand-in control that records what it is sent and answers the get messages.
    std::unique_ptr<MessageRecorder> StandIn(std::map<UINT, LRESULT> answers = {})
    {
        HWND window = testing_support::CreateStandInWindow();
        windows_.push_back(window);
        std::unique_ptr<MessageRecorder> recorder(new MessageRecorder(window));
        recorder->blockSizes = {{corvex::SetColours, 124}, {corvex::SetFontStyles, 12},
                                {corvex::SetLineNumbering, 12}};
        recorder->answer = [answers](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            if (message == corvex::GetColours || message == corvex::GetFontStyles ||
                message == corvex::GetLineNumbering) {
                const int size = message == corvex::GetColours ? 124 : 12;
                for (int i = 0; i < size; ++i)
                    reinterpret_cast<unsigned char*>(lParam)[i] = static_cast<unsigned char>(i + message % 7);
                return true;
            }
            auto found = answers.find(message + static_cast<UINT>(wParam) * 100000);
            if (found == answers.end())
                return false;
            result = found->second;
            return true;
        };
        return recorder;
    }
    ~EditorSettingsTest() override
    {
        for (HWND window : windows_)
            DestroyWindow(window);
    }
    std::vector<HWND> windows_;
};

// Set messages of the numbers, in order: (message, wParam, lParam).
std::vector<std::vector<long>> NumberSets(const MessageRecorder& recorder)
{
    std::vector<std::vector<long>> sets;
    for (const auto& call : recorder.calls)
        if (call.message != WM_SETFONT && call.message >= 2000 && call.message <= 5300 &&
            call.message != corvex::SetColours && call.message != corvex::SetFontStyles &&
            call.message != corvex::SetLineNumbering)
            sets.push_back({static_cast<long>(call.message), static_cast<long>(call.wParam),
                            static_cast<long>(call.lParam)});
    return sets;
}

TEST_F(EditorSettingsTest, WithoutStoredValuesAControlGetsTheDefaultsInOrderAndNoBlocks)
{
    auto control = StandIn();
    LoadEditorSettings(windows_.back());
    const std::vector<std::vector<long>> expected = {
        {2634, 1, 0}, {4724, 1, 1}, {4724, 0, 1}, {4744, 1, 1}, {4744, 0, 1}, {2964, 0, 0}, {4124, 2, 0},
        {2844, 0, 0}, {2884, 1, 0}, {5244, 1, 0}, {2904, 1, 0}, {2915, 1, 0}, {2917, 1, 0}, {2944, 0, 0},
        {2955, 0, 0}, {2835, 0, 0}, {2845, 4, 0}, {4994, 0, 0}, {4784, 1, 0},
    };
    EXPECT_EQ(NumberSets(*control), expected);
    EXPECT_TRUE(control->Of(corvex::SetColours).empty());
    EXPECT_TRUE(control->Of(corvex::SetFontStyles).empty());
    EXPECT_TRUE(control->Of(corvex::SetLineNumbering).empty());
    ASSERT_EQ(control->Of(WM_SETFONT).size(), 1u);
    EXPECT_EQ(control->Of(WM_SETFONT)[0].wParam, 0u);

    HKEY section = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.SectionPath().c_str(), 0, KEY_READ, &section), ERROR_SUCCESS);
    RegCloseKey(section);
}

TEST_F(EditorSettingsTest, BlocksOfTheWrongSizeAreNotSent)
{
    for (unsigned size : {120u, 128u, 124u}) {
        std::vector<unsigned char> colours(size, 0x5A);
        registry::RegWriteBinary(Key(), "COLORS", colours.data(), size);
        registry::RegWriteBinary(Key(), "FONTSTYLES", colours.data(), size == 124 ? 12 : 13);
        auto control = StandIn();
        LoadEditorSettings(windows_.back());
        if (size != 124) {
            EXPECT_TRUE(control->Of(corvex::SetColours).empty()) << size;
            EXPECT_TRUE(control->Of(corvex::SetFontStyles).empty()) << size;
        } else {
            ASSERT_EQ(control->Of(corvex::SetColours).size(), 1u);
            EXPECT_EQ(control->Of(corvex::SetColours)[0].bytes, colours);
            EXPECT_EQ(control->Of(corvex::SetFontStyles).size(), 1u);
        }
    }
}

TEST_F(EditorSettingsTest, ValuesSavedFromOneControlAreWhatTheNextOneStartsWith)
{
    // Answers keyed by message + wParam * 100000.
    auto first = StandIn({{corvex::GetTabSize, 8}, {corvex::GetScrollBar + 100000, 0},
                          {corvex::GetColourSyntax, 0}, {corvex::GetAutoIndent, 1}});
    SaveEditorSettings(windows_.back());
    EXPECT_EQ(registry::RegReadDword(Key(), "TABSIZE", 99), 8u);
    EXPECT_EQ(registry::RegReadDword(Key(), "HSCROLLBAR", 99), 0u);
    EXPECT_EQ(registry::RegReadDword(Key(), "VSCROLLBAR", 99), 0u);  // unanswered: the control's 0
    std::vector<unsigned char> block;
    ASSERT_TRUE(registry::RegReadBinary(Key(), "COLORS", block));
    EXPECT_EQ(block.size(), 124u);
    ASSERT_TRUE(registry::RegReadBinary(Key(), "LINENUMBERING", block));
    EXPECT_EQ(block.size(), 12u);

    auto second = StandIn();
    LoadEditorSettings(windows_.back());
    const auto sets = NumberSets(*second);
    ASSERT_EQ(sets.size(), 19u);
    EXPECT_EQ(sets[0], (std::vector<long>{2634, 0, 0}));
    EXPECT_EQ(sets[1], (std::vector<long>{4724, 1, 0}));
    EXPECT_EQ(sets[6], (std::vector<long>{4124, 1, 0}));
    EXPECT_EQ(sets[16], (std::vector<long>{2845, 8, 0}));
    ASSERT_EQ(second->Of(corvex::SetColours).size(), 1u);
    EXPECT_EQ(second->Of(corvex::SetLineNumbering).size(), 1u);
}

TEST_F(EditorSettingsTest, TheSharedFontIsReplacedWhenAControlGivesItUpButNotDeleted)
{
    LOGFONTA stored = {};
    stored.lfHeight = -15;
    lstrcpyA(stored.lfFaceName, "Courier New");
    registry::RegWriteBinary(Key(), "FONT", &stored, sizeof stored);

    auto first = StandIn();
    LoadEditorSettings(windows_.back());
    auto second = StandIn();
    LoadEditorSettings(windows_.back());
    const HFONT shared = reinterpret_cast<HFONT>(first->Of(WM_SETFONT).at(0).wParam);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(second->Of(WM_SETFONT).at(0).wParam), shared);

    // The first control now uses a font of its own: the shared one is given up.
    HFONT own = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
    first->answer = [own](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_GETFONT)
            return false;
        result = reinterpret_cast<LRESULT>(own);
        return true;
    };
    SaveEditorSettings(windows_[0]);
    std::vector<unsigned char> font;
    ASSERT_TRUE(registry::RegReadBinary(Key(), "FONT", font));
    ASSERT_EQ(font.size(), sizeof(LOGFONTA));
    EXPECT_EQ(reinterpret_cast<const LOGFONTA*>(font.data())->lfHeight, -20);

    auto third = StandIn();
    LoadEditorSettings(windows_.back());
    const HFONT renewed = reinterpret_cast<HFONT>(third->Of(WM_SETFONT).at(0).wParam);
    EXPECT_NE(renewed, shared);
    LOGFONTA still = {};
    EXPECT_EQ(GetObjectA(shared, sizeof still, &still), static_cast<int>(sizeof still))
        << "the second control still uses the given-up font";
    DeleteObject(own);
}

TEST_F(EditorSettingsTest, StoredMacrosEnableTheirItemsAndTheExitWritesAllTenAndTheHotKeys)
{
    const unsigned char macro[] = {8, 0, 0, 0, 'a', 'b', 'c', 'd'};
    registry::RegWriteBinary(Key(), "Macro2", macro, sizeof macro);
    LoadEditorSettings(nullptr);
    HMENU menu = Main().menus[kMacroMenu];
    EXPECT_FALSE(GetMenuState(menu, 902, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, 901, MF_BYCOMMAND) & MF_GRAYED);

    registry::RegWriteString(Key(), "Macro2", nullptr);
    CorvexSetMacro(2, nullptr);
    app.Close();
    std::vector<unsigned char> data;
    for (int i = 0; i < 10; ++i) {
        const std::string name = "Macro" + std::to_string(i);
        EXPECT_TRUE(registry::RegReadBinary(Key(), name.c_str(), data)) << name;
        EXPECT_TRUE(data.empty()) << name;
    }
    EXPECT_TRUE(registry::RegReadBinary(Key(), "HOTKEYS", data));
    EXPECT_TRUE(registry::RegReadBinary(Key(), "FINDMRULIST", data));
    EXPECT_TRUE(registry::RegReadBinary(Key(), "REPLMRULIST", data));
}

TEST_F(EditorSettingsTest, TheHelpersReadDefaultsTruncateLongStringsAndDelete)
{
    EXPECT_EQ(registry::RegReadDword(Key(), "ABSENT", 42), 42u);
    EXPECT_EQ(registry::RegReadString(Key(), "ABSENT", "fallback"), "fallback");
    std::vector<unsigned char> data;
    EXPECT_FALSE(registry::RegReadBinary(Key(), "ABSENT", data));

    const std::string longText(1500, 'q');
    EXPECT_TRUE(registry::RegWriteString(Key(), "LONG", longText.c_str()));
    EXPECT_EQ(registry::RegReadString(Key(), "LONG", ""), std::string(1024, 'q'));
    EXPECT_TRUE(registry::RegWriteString(Key(), "LONG", nullptr));
    EXPECT_EQ(registry::RegReadString(Key(), "LONG", "gone"), "gone");

    EXPECT_TRUE(registry::RegWriteDword(Key(), "KEPT", 7));
    EXPECT_TRUE(registry::RegWriteString(Key(), nullptr, nullptr));  // the whole section key
    HKEY section = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.SectionPath().c_str(), 0, KEY_READ, &section), ERROR_SUCCESS);
    EXPECT_EQ(registry::RegReadDword(Key(), "KEPT", 0), 0u);
}

} // namespace
