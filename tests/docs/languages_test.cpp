// Syntax languages chosen from the extension and from the language menu.
#include "app/main_window.h"
#include "platform/ansi_text.h"
#include "corvex/include/corvex.h"
#include "docs/document_saving.h"
#include "docs/documents.h"
#include "docs/languages.h"
#include "tests/docs/docs_fixture.h"
#include "tests/docs/message_recorder.h"

using testing_support::DocsTest;
using testing_support::MessageRecorder;

namespace {

std::string NameFor(const std::string& path)
{
    const LanguageChoice choice = LanguageForPath(path);
    if (!choice.send)
        return "(nothing sent)";
    return choice.name ? choice.name : "(none)";
}

TEST(LanguageForPath, TheExtensionAfterTheLastDotDecidesInAnyCase)
{
    EXPECT_EQ(NameFor("C:\\work\\notes.Php4"), "PHP");
    EXPECT_EQ(NameFor("C:\\web\\page.asp"), "HTML");
    EXPECT_EQ(NameFor("C:\\src\\Makefile"), "(nothing sent)");
    EXPECT_EQ(NameFor("C:\\readme.txt"), "(none)");
    EXPECT_EQ(NameFor("x.HPP"), "C/C++");
    EXPECT_EQ(NameFor("x.cfn"), "ColdFusion");
    EXPECT_EQ(NameFor("x.shtml"), "HTML");
    EXPECT_EQ(NameFor("x.ddl"), "SQL");
    EXPECT_EQ(NameFor("x.frm"), "Basic");
    // A dot only in a folder name leaves a text with a backslash, which matches nothing.
    EXPECT_EQ(NameFor("C:\\v1.c\\Makefile"), "(none)");
    EXPECT_EQ(NameFor("x." + std::string(300, 'c')), "(none)");
}

class LanguagesTest : public DocsTest {
protected:
    void SetUp() override
    {
        DocsTest::SetUp();
        OpenDocument("");
        recorder.reset(new MessageRecorder(DocumentList[0].control));
        recorder->textMessages = {corvex::SetLanguage};
        recorder->answer = [this](UINT message, WPARAM, LPARAM, LRESULT& result) {
            if (message != corvex::GetColourSyntax)
                return false;
            result = colourSyntax;
            return true;
        };
    }
    std::vector<std::string> LanguagesSent() const
    {
        std::vector<std::string> names;
        for (const auto& call : recorder->Of(corvex::SetLanguage))
            names.push_back(call.lParam ? call.text : "(none)");
        return names;
    }
    LRESULT colourSyntax = 1;
    std::unique_ptr<MessageRecorder> recorder;
};

TEST_F(LanguagesTest, TheActiveDocumentGetsTheLanguageOfItsPath)
{
    DocumentList[0].path = WidenAnsi(app.Folder() + "notes.Php4");
    SelectLanguageForPath();
    DocumentList[0].path = WidenAnsi(app.Folder() + "Makefile");
    SelectLanguageForPath();
    DocumentList[0].path = WidenAnsi(app.Folder() + "readme.txt");
    SelectLanguageForPath();
    EXPECT_EQ(LanguagesSent(), (std::vector<std::string>{"PHP", "(none)"}));
}

TEST_F(LanguagesTest, SaveAsUnderANewExtensionKeepsTheLanguage)
{
    app.dialogPaths.push_back(app.Folder() + "renamed.php");
    SaveDocumentAs();
    EXPECT_EQ(DocumentList[0].path, WidenAnsi(app.Folder() + "renamed.php"));
    EXPECT_TRUE(LanguagesSent().empty());
}

TEST_F(LanguagesTest, TheMenuSetsTheChosenLanguageOrNone)
{
    SendMessageA(app.Frame(), WM_COMMAND, 1001, 0);
    SendMessageA(app.Frame(), WM_COMMAND, 1004, 0);
    SendMessageA(app.Frame(), WM_COMMAND, 1000, 0);
    EXPECT_EQ(LanguagesSent(), (std::vector<std::string>{"ASP", "ColdFusion", "(none)"}));
    EXPECT_TRUE(app.messages.empty());
}

TEST_F(LanguagesTest, WithColourSyntaxOffAChoiceOnlyShowsTheMessage)
{
    colourSyntax = 0;
    SendMessageA(app.Frame(), WM_COMMAND, 1008, 0);
    SendMessageA(app.Frame(), WM_COMMAND, 1000, 0);
    EXPECT_TRUE(LanguagesSent().empty());
    ASSERT_EQ(app.messages.size(), 2u);
    EXPECT_EQ(app.messages[0].text,
              "Syntax Highlighting is not currently enabled. Go to the Editor Settings dialog > Miscellaneous tab "
              "and enable it there");
    EXPECT_EQ(app.messages[0].owner, app.Frame());
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
}

} // namespace
