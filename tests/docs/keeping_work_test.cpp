// Ways work could be lost: a Save As that fails, a window destroyed without being
// closed, the end of the Windows session, and text the file's encoding cannot hold.
#include "app/main_window.h"
#include "platform/ansi_text.h"
#include "corvex/include/corvex.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "tests/docs/docs_fixture.h"

using testing_support::DocsTest;

namespace {

using KeepingWorkTest = DocsTest;

TEST_F(KeepingWorkTest, ASaveAsThatFailsOrIsCancelledKeepsThePathNameAndCaption)
{
    const std::string path = MakeFile("notes.txt", "text");
    OpenDocument(path);
    Type(0, "more ");

    // A folder that does not exist: the write fails.
    app.dialogPaths.push_back(app.Folder() + "no such folder\\other.txt");
    SaveDocumentAs();
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Error, cannot save file");
    EXPECT_EQ(DocumentList[0].path, WidenAnsi(path));
    EXPECT_EQ(Captions(), std::vector<std::string>{"notes.txt*"});
    EXPECT_TRUE(Modified(0));

    app.dialogPaths.push_back("");  // cancelled
    SaveDocumentAs();
    EXPECT_EQ(DocumentList[0].path, WidenAnsi(path));

    // An untitled document whose first save fails stays untitled.
    OpenDocument("");
    Type(1, "draft");
    app.dialogPaths.push_back(app.Folder() + "no such folder\\draft.txt");
    SaveDocument();
    EXPECT_EQ(DocumentList[1].path, L"");
    EXPECT_EQ(Captions()[1], "Untitled*");
}

TEST_F(KeepingWorkTest, ADestructionWithoutCloseAsksAboutEveryDocumentAndCancelSparesOnlyThatOne)
{
    const std::string a = MakeFile("a.txt", "a"), b = MakeFile("b.txt", "b"), c = MakeFile("c.txt", "c");
    for (const std::string& path : {a, b, c})
        OpenDocument(path);
    for (int i = 0; i < 3; ++i)
        Type(i, "x");
    app.answers = {IDCANCEL, IDYES, IDNO};
    DestroyWindow(Main().Frame());
    harness::InProcessApp::Pump();

    ASSERT_EQ(app.messages.size(), 3u);
    EXPECT_EQ(app.messages[0].text, "Save changes to a.txt ?");
    EXPECT_EQ(app.messages[1].text, "Save changes to b.txt ?");
    EXPECT_EQ(app.messages[2].text, "Save changes to c.txt ?");
    EXPECT_EQ(harness::ReadFile(a), "a");
    EXPECT_EQ(harness::ReadFile(b), "xb");
    EXPECT_EQ(harness::ReadFile(c), "c");
}

TEST_F(KeepingWorkTest, TheSessionEndAsksFirstAndCancelRefusesIt)
{
    const std::string path = MakeFile("session.txt", "s");
    OpenDocument(path);
    Type(0, "x");
    HWND frame = Main().Frame();

    app.answers.push_back(IDCANCEL);
    EXPECT_EQ(SendMessageA(frame, WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_TRUE(Modified(0));

    // Someone else refused the end of the session: the exit asks again later.
    app.answers.push_back(IDNO);
    EXPECT_EQ(SendMessageA(frame, WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageA(frame, WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_EQ(app.messages.size(), 2u);

    // The session ends: the exit sequence runs without asking again.
    app.answers.push_back(IDYES);
    EXPECT_EQ(SendMessageA(frame, WM_QUERYENDSESSION, 0, 0), TRUE);
    app.SetConfig("Position", "MainState", "");
    SendMessageA(frame, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(app.messages.size(), 3u);
    EXPECT_EQ(harness::ReadFile(path), "xs");
    EXPECT_EQ(app.Config("Position", "MainState"), "0");
}

TEST_F(KeepingWorkTest, WideningToUtf8IsToldOnceWithTheInformationIcon)
{
    const std::string path = MakeFile("latin.txt", "caf\xE9");
    OpenDocument(path);
    HWND control = DocumentList[0].control;
    EXPECT_EQ(SendMessageA(control, corvex::GetEncoding, 0, 0), corvex::EncodingAnsi);
    SendMessageW(control, WM_CHAR, 0x65E5, 1);
    SaveDocument();
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_NE(app.messages[0].text.find("latin.txt"), std::string::npos);
    EXPECT_EQ(SendMessageA(control, corvex::GetEncoding, 0, 0), corvex::EncodingUtf8);
    EXPECT_EQ(harness::ReadFile(path), "\xE6\x97\xA5" "caf\xC3\xA9");

    SendMessageW(control, WM_CHAR, 0x41, 1);
    SaveDocument();
    EXPECT_EQ(app.messages.size(), 1u);

    // A failed save changes nothing, the encoding included.
    const std::string other = MakeFile("other.txt", "\xE9");
    OpenDocument(other);
    HWND second = DocumentList[1].control;
    SendMessageW(second, WM_CHAR, 0x65E5, 1);
    SetFileAttributesA(other.c_str(), FILE_ATTRIBUTE_READONLY);
    SaveDocument();
    SetFileAttributesA(other.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(SendMessageA(second, corvex::GetEncoding, 0, 0), corvex::EncodingAnsi);
    EXPECT_EQ(app.messages.back().text, "Error, cannot save file");
}

} // namespace
