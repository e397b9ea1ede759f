// Opening, finding, switching and closing documents; the open dialog's record and
// what it remembers; files too large for memory.
#include "platform/app_state.h"
#include "platform/ansi_text.h"
#include "app/commands.h"
#include "app/main_window.h"
#include "corvex/include/corvex.h"
#include "platform/ui_seam.h"
#include "docs/document_commands.h"
#include "docs/documents.h"
#include "tests/docs/docs_fixture.h"
#include "tests/support/huge_file.h"

#include <commctrl.h>
#include <commdlg.h>

using testing_support::DocsTest;

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

using DocumentsTest = DocsTest;

TEST_F(DocumentsTest, ThePathInAnotherCaseOrInQuotesSelectsItsTabAndAddsNothing)
{
    const std::string a = MakeFile("alpha.txt"), b = MakeFile("beta.txt");
    OpenDocument(a);
    OpenDocument(b);
    ASSERT_EQ(currentIndex, 1);

    OpenDocument("\"\"" + Upper(a) + "\"");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"alpha.txt", "beta.txt"}));
    EXPECT_EQ(currentIndex, 0);
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_TRUE(IsWindowVisible(DocumentList[0].control));
    EXPECT_FALSE(IsWindowVisible(DocumentList[1].control));
    EXPECT_TRUE(app.messages.empty());

    // Case-blind for every letter, as the file system is: \xC4 and \xE4 are one letter.
    const std::string umlaut = MakeFile("\xC4pfel.txt");
    OpenDocument(umlaut);
    ASSERT_EQ(DocumentList.size(), 3u);
    std::string lower = umlaut;
    lower[lower.size() - std::string("\xC4pfel.txt").size()] = '\xE4';
    OpenDocument(lower);
    EXPECT_EQ(DocumentList.size(), 3u);
    EXPECT_EQ(currentIndex, 2);

    // A path of quotes only is an empty path: a new untitled document.
    OpenDocument("\"\"");
    EXPECT_EQ(Captions().back(), "Untitled");
}

TEST_F(DocumentsTest, ClosingMakesTheFirstTabActiveAndTheLastLeavesNothing)
{
    for (const char* name : {"one.txt", "two.txt", "three.txt"})
        OpenDocument(MakeFile(name));
    ASSERT_EQ(currentIndex, 2);
    CloseDocument();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"one.txt", "two.txt"}));
    EXPECT_EQ(currentIndex, 0);
    EXPECT_TRUE(IsWindowVisible(DocumentList[0].control));

    CloseDocument();
    CloseDocument();
    EXPECT_TRUE(DocumentList.empty());
    EXPECT_EQ(currentIndex, -1);
    for (int field = 0; field < 4; ++field)
        EXPECT_EQ(StatusText(field), "") << field;
    EXPECT_EQ(SendMessageA(Main().StatusBar(), SB_GETICON, 1, 0), 0);
}

TEST_F(DocumentsTest, CtrlTabMovesToTheNextTabAndCtrlShiftTabBackWrappingAround)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        OpenDocument(MakeFile(name));
    ASSERT_EQ(currentIndex, 2);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    auto press = [&](bool shift) {
        keys[VK_CONTROL] = 0x80;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message = {DocumentList[currentIndex].control, WM_KEYDOWN, VK_TAB, 1, 0, {}};
        const bool taken = TranslateTabSwitchKey(message);
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return taken;
    };
    EXPECT_TRUE(press(false));
    EXPECT_EQ(currentIndex, 0);
    EXPECT_EQ(SelectedTab(), 0);
    EXPECT_TRUE(press(true));
    EXPECT_EQ(currentIndex, 2);
    EXPECT_TRUE(press(true));
    EXPECT_EQ(currentIndex, 1);
    EXPECT_TRUE(IsWindowVisible(DocumentList[1].control));

    // Tab without Ctrl is the editor's.
    MSG plain = {DocumentList[1].control, WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_FALSE(TranslateTabSwitchKey(plain));
    EXPECT_EQ(currentIndex, 1);
}

TEST_F(DocumentsTest, TheOpenDialogGetsTheOldRecordAndRemembersFolderAndFilter)
{
    App().openDir = L"C:\\start";
    App().openFilter = 3;
    const int saveFilter = App().saveFilter;
    const std::string path = MakeFile("chosen.txt");
    HWND seenOwner = nullptr;
    DWORD seenFilter = 0, seenFlags = 0;
    std::string seenFolder;
    std::vector<std::string> filterList;
    ui::SetFileDialogHandler([&](bool, OPENFILENAMEW& request) {
        seenOwner = request.hwndOwner;
        seenFilter = request.nFilterIndex;
        seenFlags = request.Flags;
        seenFolder = request.lpstrInitialDir ? NarrowToAnsi(request.lpstrInitialDir) : "";
        for (const wchar_t* item = request.lpstrFilter; item && *item; item += lstrlenW(item) + 1)
            filterList.push_back(NarrowToAnsi(item));
        request.nFilterIndex = 2;
        lstrcpyW(request.lpstrFile, WidenAnsi(path).c_str());
        return true;
    });
    OpenFileCommand();
    // Modal to the main window, in the folder and on the filter used last time.
    EXPECT_EQ(seenOwner, app.Frame());
    EXPECT_EQ(seenFolder, "C:\\start");
    EXPECT_EQ(seenFilter, 3u);
    ASSERT_EQ(filterList.size() % 2, 0u) << "the filters come as name and pattern pairs";
    EXPECT_GE(filterList.size() / 2, 3u) << "the remembered filter is one of the list";
    // One existing file is chosen: a name typed that is not there is refused by the dialog.
    EXPECT_TRUE(seenFlags & OFN_FILEMUSTEXIST);
    EXPECT_TRUE(seenFlags & OFN_PATHMUSTEXIST);
    EXPECT_FALSE(seenFlags & OFN_ALLOWMULTISELECT);
    ASSERT_EQ(DocumentList.size(), 1u);
    EXPECT_EQ(DocumentList[0].path, WidenAnsi(path));
    EXPECT_EQ(App().openFilter, 2);
    EXPECT_EQ(App().openDir + L"\\", WidenAnsi(app.Folder()));
    EXPECT_EQ(App().saveFilter, saveFilter);  // the save items are the save dialog's

    // Cancelled: nothing opens and nothing is remembered.
    ui::SetFileDialogHandler([](bool, OPENFILENAMEW& request) {
        request.nFilterIndex = 9;
        return false;
    });
    OpenFileCommand();
    EXPECT_EQ(DocumentList.size(), 1u);
    EXPECT_EQ(App().openFilter, 2);

    // A name longer than the buffer: the dialog fails and leaves the length it needs in
    // the buffer's first characters, which must not be taken for a path.
    ui::SetFileDialogHandler([](bool, OPENFILENAMEW& request) {
        request.lpstrFile[0] = static_cast<wchar_t>(300);
        request.lpstrFile[1] = L'\0';
        return false;
    });
    OpenFileCommand();
    EXPECT_EQ(DocumentList.size(), 1u);
    EXPECT_TRUE(app.messages.empty());
}

} // namespace

namespace {

using testing_support::kGigabyte;

std::string TextOf(HWND control)
{
    const auto size = static_cast<std::size_t>(SendMessageA(control, corvex::GetText, 0, 0));
    std::string text(size, '\0');
    SendMessageA(control, corvex::GetText, size, reinterpret_cast<LPARAM>(&text[0]));
    return text;
}

// A file too large for the memory the program can use: the message names the file and
// its size; the document already open keeps its text, its changes and its tab, and the
// new tab stays untitled, as after any file that cannot be opened.
TEST_F(DocumentsTest, AFileTooLargeForMemoryIsNamedWithItsSizeAndTheOpenDocumentIsUntouched)
{
    const std::string kept = MakeFile("kept.txt", "kept text\r\n");
    OpenDocument(kept);
    Type(0, "more ");
    const std::string huge = app.Folder() + "huge.log";
    const testing_support::FileRemover remover(WidenAnsi(huge));
    const unsigned long long size = testing_support::SizeBeyondMemory();
    ASSERT_TRUE(testing_support::SetSparseSize(WidenAnsi(huge), size));
    app.messages.clear();

    OpenDocument(huge);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].text,
              "The file does not fit in memory\n" + huge + "\n(" + std::to_string(size / kGigabyte) + ".0 GB)");
    EXPECT_EQ(app.messages[0].owner, app.Frame());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"kept.txt*", "Untitled"}));  // * : changed
    ASSERT_EQ(DocumentList.size(), 2u);
    EXPECT_EQ(DocumentList[1].path, L"");
    EXPECT_EQ(TextOf(DocumentList[1].control), "");
    EXPECT_EQ(DocumentList[0].path, WidenAnsi(kept));
    EXPECT_EQ(TextOf(DocumentList[0].control), "more kept text\n");
    EXPECT_TRUE(Modified(0));
}

// A file that grew beyond memory while open, reloaded on the user's word: the message
// names it with its new size and says the document keeps its text, which it does.
TEST_F(DocumentsTest, AReloadOfAFileGrownBeyondMemoryKeepsTheDocumentsText)
{
    const std::string path = MakeFile("grows.log", "first\r\n");
    const testing_support::FileRemover remover(WidenAnsi(path));
    OpenDocument(path);
    const unsigned long long size = testing_support::SizeBeyondMemory();
    ASSERT_TRUE(testing_support::SetSparseSize(WidenAnsi(path), size));
    app.messages.clear();

    app.answers.push_back(IDYES);
    SendMessageW(app.Frame(), WM_ACTIVATEAPP, TRUE, 0);
    harness::InProcessApp::Pump();
    ASSERT_EQ(app.messages.size(), 2u);
    EXPECT_EQ(app.messages[0].text, "grows.log was changed by another program. Reload it?");
    EXPECT_EQ(app.messages[1].text, "The file does not fit in memory\n" + path + "\n(" +
                                        std::to_string(size / kGigabyte) +
                                        ".0 GB)\nThe document keeps the text it had.");
    EXPECT_EQ(app.messages[1].owner, app.Frame());
    EXPECT_EQ(TextOf(DocumentList[0].control), "first\n");
    EXPECT_FALSE(Modified(0));
    EXPECT_EQ(Captions(), std::vector<std::string>{"grows.log"});
}

} // namespace
