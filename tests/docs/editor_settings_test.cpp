// Editor settings in the registry: the helpers, what a document's control does with the
// stored values and what is stored back from it, the shared editor font, and the
// library-wide values at exit.
#include "app/main_window.h"
#include "corvex/include/corvex.h"
#include "docs/documents.h"
#include "docs/editor_settings.h"
#include "platform/registry.h"
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

std::string TextOf(HWND control)
{
    std::string text(static_cast<std::size_t>(SendMessageA(control, corvex::GetText, 0, 0)), '\0');
    SendMessageA(control, corvex::GetText, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text;
}

// Whether the control shows its horizontal (or vertical) scroll bar: with the skin's
// bitmaps it draws them itself, so its window styles do not tell.
bool ShowsBar(HWND control, bool horizontal)
{
    return SendMessageA(control, corvex::GetScrollBar, horizontal ? 1 : 0, 0) != 0;
}

// Where FindText stops first, from the start of the document (-1: nothing found).
int FirstMatch(HWND control, const char* text)
{
    SendMessageA(control, corvex::SelectRange, 0, 0);
    if (!SendMessageA(control, corvex::FindText, 0, reinterpret_cast<LPARAM>(text)))
        return -1;
    int record[4] = {};
    SendMessageA(control, corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    return record[0];
}

TEST_F(EditorSettingsTest, WithoutStoredValuesAControlKeepsItsBlocksAndGetsTheSystemFont)
{
    auto control = StandIn();
    LoadEditorSettings(windows_.back());
    EXPECT_TRUE(control->Of(corvex::SetColours).empty());
    EXPECT_TRUE(control->Of(corvex::SetFontStyles).empty());
    EXPECT_TRUE(control->Of(corvex::SetLineNumbering).empty());
    ASSERT_EQ(control->Of(WM_SETFONT).size(), 1u);
    EXPECT_EQ(control->Of(WM_SETFONT)[0].wParam, 0u);

    HKEY section = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.SectionPath().c_str(), 0, KEY_READ, &section), ERROR_SUCCESS);
    RegCloseKey(section);
}

TEST_F(EditorSettingsTest, WithoutStoredValuesADocumentTypesTabsIndentsAfterABraceAndShowsBothScrollBars)
{
    OpenDocument(MakeFile("a.txt", ""));
    HWND control = DocumentList[0].control;
    Type(0, "{\rx\ty");
    EXPECT_EQ(TextOf(control), "{\n\tx\ty");
    EXPECT_TRUE(ShowsBar(control, true));
    EXPECT_TRUE(ShowsBar(control, false));
    OpenDocument(MakeFile("b.txt", "Word words word"));
    EXPECT_EQ(FirstMatch(DocumentList[1].control, "word"), 0) << "any case, inside words too";
}

TEST_F(EditorSettingsTest, StoredNumbersChangeWhatANewDocumentDoes)
{
    registry::RegWriteDword(Key(), "TABEXPAND", 1);
    registry::RegWriteDword(Key(), "TABSIZE", 3);
    registry::RegWriteDword(Key(), "AUTOINDENTMODE", 0);
    registry::RegWriteDword(Key(), "CASESENSITIVE", 1);
    registry::RegWriteDword(Key(), "WHOLEWORD", 1);
    registry::RegWriteDword(Key(), "HSCROLLBAR", 0);
    registry::RegWriteDword(Key(), "VSCROLLBAR", 1);
    OpenDocument(MakeFile("a.txt", ""));
    HWND control = DocumentList[0].control;
    Type(0, "\tx{\r  y\rz");
    EXPECT_EQ(TextOf(control), "   x{\n  y\nz") << "tabs as three spaces, no indenting";
    EXPECT_FALSE(ShowsBar(control, true));
    EXPECT_TRUE(ShowsBar(control, false));
    OpenDocument(MakeFile("b.txt", "Word words word"));
    EXPECT_EQ(FirstMatch(DocumentList[1].control, "word"), 11) << "this case only, whole words only";
}

TEST_F(EditorSettingsTest, WhatOneDocumentsControlWasSetToIsWhatTheNextOneStartsWith)
{
    OpenDocument(MakeFile("a.txt", ""));
    HWND first = DocumentList[0].control;
    SendMessageA(first, corvex::SetTabExpand, 1, 0);
    SendMessageA(first, corvex::SetTabSize, 5, 0);
    SendMessageA(first, corvex::SetScrollBar, 0, 0);  // the vertical one off
    SendMessageA(first, corvex::SetCaseSensitive, 1, 0);
    SendMessageA(first, corvex::SetWordWrap, 1, 0);
    COLORREF colours[corvex::kColourCount] = {};
    SendMessageA(first, corvex::GetColours, 0, reinterpret_cast<LPARAM>(colours));
    colours[corvex::ColourComment] = RGB(1, 2, 3);  // a colour the skin leaves alone
    colours[corvex::ColourKeyword] = RGB(200, 100, 50);
    SendMessageA(first, corvex::SetColours, 0, reinterpret_cast<LPARAM>(colours));
    SaveEditorSettings(first);

    OpenDocument(MakeFile("b.txt", "Word word"));
    HWND second = DocumentList[1].control;
    EXPECT_EQ(FirstMatch(second, "word"), 5);
    EXPECT_EQ(SendMessageA(second, corvex::GetWordWrap, 0, 0), 1) << "word wrap is kept with the others";
    EXPECT_EQ(registry::RegReadDword(Key(), "WORDWRAP", 0), 1u);
    SendMessageA(second, corvex::SelectRange, 0, 0);
    Type(1, "\t");
    EXPECT_EQ(TextOf(second), "     Word word");
    EXPECT_TRUE(ShowsBar(second, true));
    EXPECT_FALSE(ShowsBar(second, false));
    COLORREF got[corvex::kColourCount] = {};
    SendMessageA(second, corvex::GetColours, 0, reinterpret_cast<LPARAM>(got));
    EXPECT_EQ(got[corvex::ColourComment], RGB(1, 2, 3));
    EXPECT_EQ(got[corvex::ColourKeyword], RGB(200, 100, 50));
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
    HMENU menu = Main().Menu(kMacroMenu);
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
