// Close all, Close other tabs and the exit: Cancel keeps what it was asked about.
#include "app/commands.h"
#include "app/main_window.h"
#include "docs/document_commands.h"
#include "docs/documents.h"
#include "tests/docs/docs_fixture.h"

using testing_support::DocsTest;

namespace {

class ClosingTest : public DocsTest {
protected:
    void OpenFive()
    {
        for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"})
            OpenDocument(MakeFile(name));
    }
};

TEST_F(ClosingTest, CloseOtherTabsWithTheThirdOfFiveActiveLeavesItAsIndexZero)
{
    OpenFive();
    ActivateDocument(2);
    const HWND third = DocumentList[2].control;
    CloseOtherTabs();
    ASSERT_EQ(DocumentList.size(), 1u);
    EXPECT_EQ(DocumentList[0].control, third);
    EXPECT_EQ(Captions(), std::vector<std::string>{"3.txt"});
    EXPECT_EQ(currentIndex, 0);
    EXPECT_TRUE(IsWindowVisible(third));
}

TEST_F(ClosingTest, CancelInCloseOtherTabsEndsTheLoopAndKeepsTheActiveTab)
{
    OpenFive();
    ActivateDocument(1);
    Type(1, "x");
    ActivateDocument(3);
    app.answers.push_back(IDCANCEL);
    CloseOtherTabs();
    // Document 0 went without a question; document 1 was asked about once.
    EXPECT_EQ(Captions(), (std::vector<std::string>{"2.txt*", "3.txt", "4.txt", "5.txt"}));
    EXPECT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(currentIndex, 2);
    EXPECT_EQ(SelectedTab(), 2);
}

TEST_F(ClosingTest, CancelInCloseAllEndsTheLoopAndKeepsTheRest)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        OpenDocument(MakeFile(name));
        Type(currentIndex, "x");
    }
    app.answers = {IDNO, IDCANCEL};
    SendMessageA(app.Frame(), WM_COMMAND, 1103, 0);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a.txt*", "b.txt*"}));
    EXPECT_EQ(app.messages.size(), 2u);
    EXPECT_EQ(app.messages[1].text, "Save changes to a.txt ?");

    app.answers = {IDNO, IDNO};
    SendMessageA(app.Frame(), WM_COMMAND, 1103, 0);
    EXPECT_TRUE(DocumentList.empty());
}

TEST_F(ClosingTest, ExitAsksFirstAndCancelKeepsTheWindow)
{
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    const std::string a = MakeFile("a.txt"), b = MakeFile("b.txt", "");
    OpenDocument(a);
    OpenDocument(b);
    Type(1, "changed");
    app.answers.push_back(IDCANCEL);
    SendMessageA(app.Frame(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(DocumentList.size(), 2u);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Save changes to b.txt ?");

    // "&exit" goes the same way; Yes saves, and the exit does not ask again.
    app.answers.push_back(IDYES);
    SendMessageA(app.Frame(), WM_COMMAND, 1111, 0);
    harness::InProcessApp::Pump();
    EXPECT_FALSE(IsWindow(Main().Frame()));
    EXPECT_EQ(app.messages.size(), 2u);
    EXPECT_EQ(harness::ReadFile(b), "changed");
    EXPECT_EQ(app.Config("StartupFiles", "0"), a);
    EXPECT_EQ(app.Config("StartupFiles", "1"), b);
}

TEST_F(ClosingTest, NoAtTheExitLosesOnlyThatDocumentsChangesAndStillListsIt)
{
    app.SetConfig("Main", "OpenFilesAtStartup", "1");
    const std::string a = MakeFile("a.txt", "disk");
    OpenDocument(a);
    Type(0, "lost ");
    app.answers.push_back(IDNO);
    PostMessageA(app.Frame(), WM_CLOSE, 0, 0);
    harness::InProcessApp::Pump();
    EXPECT_FALSE(IsWindow(Main().Frame()));
    EXPECT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(harness::ReadFile(a), "disk");
    EXPECT_EQ(app.Config("StartupFiles", "0"), a);
}

TEST_F(ClosingTest, TheCloseKeyCommandClosesOnceTheNotificationHasReturned)
{
    OpenDocument(MakeFile("a.txt"));
    OnEditorKeyCommand(244);
    EXPECT_EQ(DocumentList.size(), 1u);
    harness::InProcessApp::Pump();
    EXPECT_TRUE(DocumentList.empty());
}

} // namespace
