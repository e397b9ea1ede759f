// Save, Save As, Save all, and the save prompt of Close.
#include "platform/app_state.h"
#include "platform/ansi_text.h"
#include "app/main_window.h"
#include "docs/document_commands.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "tests/docs/docs_fixture.h"

#include <commdlg.h>

using testing_support::DocsTest;

namespace {

using SavingTest = DocsTest;

TEST_F(SavingTest, SaveOnAnUnmodifiedDocumentWritesNothingAndSaveAsWritesIt)
{
    const std::string path = MakeFile("readme.txt", "original");
    OpenDocument(path);
    harness::WriteFile(path, "changed on disk");
    SaveDocument();
    EXPECT_EQ(harness::ReadFile(path), "changed on disk");
    EXPECT_TRUE(app.dialogWasSave.empty());

    const std::string copy = app.Folder() + "copy.txt";
    app.dialogPaths.push_back(copy);
    SaveDocumentAs();
    EXPECT_EQ(harness::ReadFile(copy), "original");
    EXPECT_EQ(DocumentList[0].path, WidenAnsi(copy));
    EXPECT_EQ(Captions(), std::vector<std::string>{"copy.txt"});
    ASSERT_EQ(app.dialogWasSave, std::vector<bool>{true});
    // The dialog asks before replacing a file and lets a new name be typed.
    EXPECT_TRUE(app.lastDialogFlags & OFN_OVERWRITEPROMPT);
    EXPECT_FALSE(app.lastDialogFlags & OFN_FILEMUSTEXIST);
    EXPECT_EQ(App().saveDir + L"\\", WidenAnsi(app.Folder()));
}

TEST_F(SavingTest, SavingAModifiedUntitledDocumentAsksForANameOnce)
{
    OpenDocument("");
    Type(0, "abc");
    app.dialogPaths.push_back("");  // cancelled: nothing written, still modified
    SaveDocument();
    EXPECT_TRUE(Modified(0));
    EXPECT_EQ(DocumentList[0].path, L"");

    const std::string path = app.Folder() + "new.txt";
    app.dialogPaths.push_back(path);
    SaveDocument();
    EXPECT_EQ(harness::ReadFile(path), "abc");
    EXPECT_FALSE(Modified(0));
    EXPECT_EQ(Captions(), std::vector<std::string>{"new.txt"});
    EXPECT_EQ(app.dialogWasSave.size(), 2u);
}

TEST_F(SavingTest, ThePromptNamesTheCaptionWithoutItsAsteriskAndNoClosesWithoutSaving)
{
    const std::string path = MakeFile("readme.txt", "text");
    OpenDocument(path);
    Type(0, "x");
    ASSERT_EQ(Captions(), std::vector<std::string>{"readme.txt*"});
    app.answers.push_back(IDNO);
    EXPECT_TRUE(CloseWithPrompt());
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text, "Save changes to readme.txt ?");
    EXPECT_EQ(app.messages[0].owner, app.Frame());
    EXPECT_EQ(app.messages[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_TRUE(DocumentList.empty());
    EXPECT_EQ(harness::ReadFile(path), "text");
}

TEST_F(SavingTest, YesSavesAndCloses)
{
    const std::string path = MakeFile("notes.txt", "");
    OpenDocument(path);
    Type(0, "kept");
    app.answers.push_back(IDYES);
    EXPECT_TRUE(CloseWithPrompt());
    EXPECT_TRUE(DocumentList.empty());
    EXPECT_EQ(harness::ReadFile(path), "kept");
}

TEST_F(SavingTest, CancelOrACancelledSaveDialogAfterYesKeepsTheDocumentModified)
{
    OpenDocument("");
    Type(0, "draft");
    app.answers.push_back(IDCANCEL);
    EXPECT_FALSE(CloseWithPrompt());
    app.answers.push_back(IDYES);
    app.dialogPaths.push_back("");
    EXPECT_FALSE(CloseWithPrompt());
    ASSERT_EQ(DocumentList.size(), 1u);
    EXPECT_TRUE(Modified(0));
    EXPECT_EQ(Captions(), std::vector<std::string>{"Untitled*"});
    EXPECT_EQ(app.messages.size(), 2u);
}

TEST_F(SavingTest, YesWhenTheSaveFailsKeepsTheDocumentOpenAndModified)
{
    const std::string path = MakeFile("locked.txt", "before");
    OpenDocument(path);
    Type(0, "edit ");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    app.answers.push_back(IDYES);
    EXPECT_FALSE(CloseWithPrompt());
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(app.messages.size(), 2u);
    EXPECT_EQ(app.messages[1].text, "Error, cannot save file");
    EXPECT_EQ(app.messages[1].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    ASSERT_EQ(DocumentList.size(), 1u);
    EXPECT_TRUE(Modified(0));
    EXPECT_EQ(harness::ReadFile(path), "before");
}

TEST_F(SavingTest, SaveAllWritesEveryModifiedDocumentAndKeepsTheSelectedTab)
{
    const std::string a = MakeFile("a.txt", ""), b = MakeFile("b.txt", "b"), c = MakeFile("c.txt", "");
    for (const std::string& path : {a, b, c})
        OpenDocument(path);
    ActivateDocument(0);
    Type(0, "A");
    ActivateDocument(2);
    Type(2, "C");
    ActivateDocument(1);
    harness::WriteFile(b, "untouched");
    SaveAllDocuments();
    EXPECT_EQ(harness::ReadFile(a), "A");
    EXPECT_EQ(harness::ReadFile(b), "untouched");
    EXPECT_EQ(harness::ReadFile(c), "C");
    EXPECT_EQ(currentIndex, 1);
    EXPECT_EQ(SelectedTab(), 1);
    EXPECT_TRUE(IsWindowVisible(DocumentList[1].control));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(StatusText(1), "Saved");
}

} // namespace
