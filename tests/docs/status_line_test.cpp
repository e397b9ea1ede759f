// The status line: the saved field with the tab's "*" marker, the caret field and
// the layout of the four fields.
#include "app/main_window.h"
#include "corvex/include/corvex.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "docs/status_line.h"
#include "docs/tab_strip.h"
#include "tests/docs/docs_fixture.h"
#include "tests/docs/message_recorder.h"

#include <commctrl.h>

using testing_support::DocsTest;
using testing_support::MessageRecorder;

namespace {

using StatusLineTest = DocsTest;

std::vector<int> FieldEdges()
{
    int edges[4] = {};
    const int count = static_cast<int>(SendMessageA(Main().StatusBar(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)));
    return std::vector<int>(edges, edges + count);
}

int ClientWidth()
{
    RECT client = {};
    GetClientRect(Main().Frame(), &client);
    return client.right;
}

// What the control sends when its caret moved.
void ReportCaretMove(HWND control)
{
    NMHDR header = {control, static_cast<UINT_PTR>(corvex::kControlId), corvex::NotifyCaretMoved};
    SendMessageA(GetParent(control), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

TEST_F(StatusLineTest, TypingMarksTheTabAndTheSavedFieldAndSavingClearsBoth)
{
    const std::string path = MakeFile("readme.txt", "");
    OpenDocument(path);
    EXPECT_EQ(Captions(), std::vector<std::string>{"readme.txt"});
    EXPECT_EQ(StatusText(1), "Saved");
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Main().StatusBar(), SB_GETICON, 1, 0)), Main().SavedStateIcon(true));

    Type(0, "x");
    EXPECT_EQ(Captions(), std::vector<std::string>{"readme.txt*"});
    EXPECT_EQ(StatusText(1), "Unsaved");
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Main().StatusBar(), SB_GETICON, 1, 0)), Main().SavedStateIcon(false));
    Type(0, "y");
    EXPECT_EQ(Captions(), std::vector<std::string>{"readme.txt*"});

    SendMessageA(app.Frame(), WM_COMMAND, 1105, 0);
    EXPECT_EQ(Captions(), std::vector<std::string>{"readme.txt"});
    EXPECT_EQ(StatusText(1), "Saved");
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Main().StatusBar(), SB_GETICON, 1, 0)), Main().SavedStateIcon(true));
    EXPECT_EQ(harness::ReadFile(path), "xy");
}

TEST_F(StatusLineTest, ACaptionEndingInSeveralAsterisksLosesThemAllOnceSaved)
{
    OpenDocument(MakeFile("stars.txt"));
    tabs::SetCaption(0, L"stars.txt***");
    status::UpdateSavedField();
    EXPECT_EQ(Captions(), std::vector<std::string>{"stars.txt"});
}

TEST_F(StatusLineTest, TheCaretFieldShowsTheReportedPositionOrNothing)
{
    OpenDocument("");
    Type(0, "ab\rc");
    ReportCaretMove(DocumentList[0].control);
    EXPECT_EQ(StatusText(2), "Ln 2, Col 2");

    MessageRecorder recorder(DocumentList[0].control);
    recorder.answer = [](UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
        if (message != corvex::GetPosition)
            return false;
        int* record = reinterpret_cast<int*>(lParam);
        record[2] = 7;
        record[3] = -1;
        result = 1;
        return true;
    };
    ReportCaretMove(DocumentList[0].control);
    EXPECT_EQ(StatusText(2), "");
}

TEST_F(StatusLineTest, AFieldHoldsANameOutsideTheCodePageWhole)
{
    const std::wstring name = L"C:\\\u03A9\u03BC\u03AD\u03B3\u03B1\\\u65E5\u672C \U0001F600.txt";
    status::SetStatusText(0, name);
    wchar_t shown[64] = L"";
    SendMessageW(Main().StatusBar(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown), name);
}

TEST_F(StatusLineTest, TheFieldsSpanTheBarWithoutADocumentAndSplitWithOne)
{
    const int w = ClientWidth();
    EXPECT_EQ(FieldEdges(), (std::vector<int>{w, w, w, w}));
    OpenDocument("");
    RelayoutMainWindow();
    EXPECT_EQ(FieldEdges(), (std::vector<int>{w - 230, w - 160, w - 60, w}));
    EXPECT_EQ(StatusText(3), "INS");
    CloseDocument();
    EXPECT_EQ(FieldEdges(), (std::vector<int>{w, w, w, w}));
}

} // namespace
