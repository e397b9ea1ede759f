// File associations made on the Options page, checked in the registry. Every type name
// is unique to this test run and removed afterwards; no real type of the system is used.
#include "tests/options-dialog/options_fixture.h"

#include "options/file_associations.h"
#include "platform/files.h"
#include "platform/ansi_text.h"
#include "platform/app_state.h"
#include "tests/harness/real_input.h"

#include <shlwapi.h>

#include <vector>

namespace {

enum : int { kPageList = 100, kTypeBox = 108, kTypeList = 109, kAdd = 110, kRemove = 111 };

std::wstring Unique(const std::wstring& stem)
{
    static int counter = 0;
    return stem + std::to_wstring(GetCurrentProcessId()) + L"x" + std::to_wstring(++counter);
}

// The ANSI form of an ASCII text, as Config.ini stores it.
std::string Ascii(const std::wstring& text) { return NarrowToAnsi(text); }

bool KeyExists(const std::wstring& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

// The default (or named) value of a key under HKEY_CLASSES_ROOT as the registry holds it,
// "" when missing; a value that is not a UTF-16 REG_SZ ending in its zero reads as a note
// saying so.
std::wstring Value(const std::wstring& key, const wchar_t* name = nullptr)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    std::wstring value;
    if (RegQueryValueExW(handle, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
        RegQueryValueExW(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        value.assign(buffer.data());
        if (type != REG_SZ || size != (value.size() + 1) * sizeof(wchar_t))
            value = L"<not a REG_SZ ending in its zero>";
    }
    RegCloseKey(handle);
    return value;
}

void SetValue(const std::wstring& key, const std::wstring& value, const wchar_t* name = nullptr)
{
    HKEY handle = nullptr;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr);
    RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

// The lines of Config.ini's [FileAssoc] section, bytes as the file holds them.
std::vector<std::string> FileAssocLines(const std::string& path)
{
    const std::string text = harness::ReadFile(path);
    std::vector<std::string> lines;
    std::size_t at = text.find("[FileAssoc]");
    if (at == std::string::npos)
        return lines;
    at = text.find('\n', at);
    while (at != std::string::npos && at + 1 < text.size() && text[at + 1] != '[') {
        const std::size_t end = text.find('\n', at + 1);
        std::string line = text.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
        at = end;
    }
    return lines;
}

class AssociationsTest : public OptionsFixture {
protected:
    ~AssociationsTest() override
    {
        for (const std::wstring& key : made_)
            SHDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
    }
    // Keys this test may create, removed at the end whatever happens.
    std::wstring Own(const std::wstring& key)
    {
        made_.push_back(key);
        made_.push_back(L"Quillet" + key);
        return key;
    }
    void Add(const std::wstring& type)
    {
        SetWindowTextW(Control(kTypeBox), type.c_str());
        Click(kAdd);
    }
    void Remove(const std::wstring& type)
    {
        HWND list = Control(kTypeList);
        const LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(type.c_str()));
        ASSERT_NE(index, LB_ERR) << ::testing::PrintToString(type);
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Click(kRemove);
    }
    std::vector<std::wstring> Listed() const
    {
        std::vector<std::wstring> items;
        HWND list = Control(kTypeList);
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[300] = L"";
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    std::wstring Launcher() const { return L"\"" + App().appFolder + L"Lanchet.exe\" \"%1\""; }

    std::vector<std::wstring> made_;
};

TEST_F(AssociationsTest, ATypeWithoutRegistrationGetsAnEmptyBackupAndKeepsAnEmptyKeyAfterRemoval)
{
    const std::wstring type = Own(Unique(L".qa"));
    Start();
    Add(type);
    EXPECT_EQ(Listed(), std::vector<std::wstring>{type});
    EXPECT_EQ(Value(type), L"Quillet" + type);
    EXPECT_TRUE(KeyExists(L"Quillet" + type));
    EXPECT_EQ(Value(L"Quillet" + type, L"Backup"), L"");
    EXPECT_EQ(Value(L"Quillet" + type + L"\\shell\\open\\command"), Launcher());

    Remove(type);
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(KeyExists(type));
    EXPECT_EQ(Value(type), L"");
    EXPECT_FALSE(KeyExists(L"Quillet" + type));
}

TEST_F(AssociationsTest, ATypeOfAnotherProgramIsBackedUpCopiedAndRestored)
{
    const std::wstring type = Own(Unique(L".qb"));
    const std::wstring other = Own(Unique(L"OtherEditor.File"));
    SetValue(type, other);
    SetValue(other, L"Another editor's document");
    SetValue(other + L"\\DefaultIcon", L"C:\\other\\editor.exe,1");
    Start();
    Add(type);
    const std::wstring key = L"Quillet" + type;
    EXPECT_EQ(Value(type), key);
    EXPECT_EQ(Value(key, L"Backup"), other);
    EXPECT_EQ(Value(key), L"Another editor's document");
    EXPECT_EQ(Value(key + L"\\DefaultIcon"), L"C:\\other\\editor.exe,1");
    EXPECT_EQ(Value(key + L"\\shell\\open\\command"), Launcher());

    Remove(type);
    EXPECT_EQ(Value(type), other);
    EXPECT_FALSE(KeyExists(key));
    EXPECT_EQ(Value(other), L"Another editor's document") << "the other program's key is untouched";
}

TEST_F(AssociationsTest, ListIsCaseBlindAndTypesWithoutADotAreWrittenAsTyped)
{
    const std::wstring lower = Own(Unique(L".qc"));
    std::wstring upper = lower;
    for (wchar_t& c : upper)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    const std::wstring bare = Own(Unique(L"qd"));
    Start();
    Add(lower);
    Add(upper);  // the same type in other letters: nothing happens
    Add(bare);
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{lower, bare}));
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(Value(bare), L"Quillet" + bare);
    EXPECT_TRUE(KeyExists(L"Quillet" + bare));
}

TEST_F(AssociationsTest, TheListIsStoredWhenTheDialogClosesAndLoadedAtTheNextStart)
{
    const std::wstring first = Own(Unique(L".qe"));
    const std::wstring second = Own(Unique(L".qf"));
    const std::wstring third = Own(Unique(L".qk"));
    Start();
    Add(first);
    Add(second);
    Add(third);
    Remove(first);
    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Stored("FileAssoc", "0"), Ascii(second));
    EXPECT_EQ(Stored("FileAssoc", "1"), Ascii(third));
    EXPECT_EQ(Stored("FileAssoc", "2"), "");
    app.Close();

    Start();  // the next start reads the list back, in its order
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{second, third}));
}

TEST_F(AssociationsTest, TheListIsStoredAlsoWhenTheProgramEndsWithTheDialogOpen)
{
    const std::wstring type = Own(Unique(L".qj"));
    Start();
    ShowOptionsDialog(false);
    Add(type);
    app.Close();
    EXPECT_EQ(Stored("FileAssoc", "0"), Ascii(type));
}

TEST_F(AssociationsTest, ATypeAlreadyPointingAtTheProgramKeepsItsOriginalBackup)
{
    // The registration of an earlier run, whose Config.ini list was lost.
    const std::wstring type = Own(Unique(L".qg"));
    const std::wstring original = Own(Unique(L"Original.File"));
    const std::wstring key = L"Quillet" + type;
    SetValue(original, L"The original description");
    SetValue(type, L"quillet" + type);  // registry names ignore case
    SetValue(key, L"The original description");
    SetValue(key, original, L"Backup");
    Start();
    Add(type);
    EXPECT_EQ(Value(key, L"Backup"), original);
    EXPECT_EQ(Value(key), L"The original description");
    Remove(type);
    EXPECT_EQ(Value(type), original) << "removal brings the original registration back";
}

TEST_F(AssociationsTest, TextsThatAreNotOneFileTypeAreRefusedAndWriteNothing)
{
    const std::wstring withBackslash = Unique(L".qh") + L"\\shell";
    Own(withBackslash.substr(0, withBackslash.find(L'\\')));
    Start();
    for (const std::wstring& text :
         {withBackslash, std::wstring(L"*"), std::wstring(L" * "), std::wstring(L"   "), std::wstring(L".EXE"),
          std::wstring(L".lnk")}) {
        SCOPED_TRACE(Ascii(text));
        app.messages.clear();
        Add(text);
        ASSERT_EQ(app.messages.size(), 1u);
        EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_TRUE(Listed().empty());
    }
    EXPECT_FALSE(KeyExists(withBackslash.substr(0, withBackslash.find(L'\\'))));
    EXPECT_FALSE(KeyExists(L"Quillet*"));
    EXPECT_FALSE(KeyExists(L"Quillet.EXE"));
    EXPECT_NE(Value(L".exe"), L"Quillet.EXE");
    EXPECT_NE(Value(L"*"), L"Quillet*");
}

TEST_F(AssociationsTest, AFailedWriteIsReportedUndoneAndNotListed)
{
    // A key name longer than the registry allows (255 characters) cannot be created.
    const std::wstring type = Own(L"." + std::wstring(250, L'q') + std::to_wstring(GetCurrentProcessId() % 1000));
    Start();
    Add(type);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(Listed().empty());
    EXPECT_FALSE(KeyExists(L"Quillet" + type));
}

TEST_F(AssociationsTest, ValuesTooLongForTheBufferAreReadAsEmpty)
{
    const std::wstring type = Own(Unique(L".qi"));
    const std::wstring other = Own(Unique(L"Long.File"));
    SetValue(type, other);
    SetValue(other, std::wstring(300, L'd'));
    Start();
    Add(type);
    EXPECT_EQ(Value(L"Quillet" + type), L"");
    EXPECT_EQ(Value(L"Quillet" + type, L"Backup"), other);

    const std::wstring fits = Own(Unique(L".qk"));  // 259 characters still fit
    const std::wstring longest = Own(Unique(L"Longest.File"));
    SetValue(fits, longest);
    SetValue(longest, std::wstring(259, L'e'));
    Add(fits);
    EXPECT_EQ(Value(L"Quillet" + fits), std::wstring(259, L'e'));
}

TEST_F(AssociationsTest, LettersBeyondAsciiAreOneTypeInEitherCase)
{
    const std::wstring number = std::to_wstring(GetCurrentProcessId());
    const std::wstring lower = L".\u00E4q" + number;        // .äq<pid>
    const std::wstring upper = L".\u00C4Q" + number;        // .ÄQ<pid>
    const std::wstring greek = L".\u03B5\u03BBq" + number;  // .ελq<pid>
    EXPECT_TRUE(SameNameIgnoringCase(lower, upper));
    EXPECT_FALSE(SameNameIgnoringCase(lower, L".aq" + number));
    EXPECT_TRUE(SameNameIgnoringCase(greek, L".\u0395\u039BQ" + number));  // .ΕΛQ<pid>
    EXPECT_TRUE(options::ListHolds({L".txt", upper}, lower));
    Own(lower);
    Own(upper);
    Start();
    Add(lower);
    Add(upper);  // the registry's one key: not listed or associated twice
    EXPECT_EQ(Listed(), std::vector<std::wstring>{lower});
    EXPECT_EQ(Value(lower, L"Backup"), L"") << "the first association's backup was not overwritten by the second";
}

TEST_F(AssociationsTest, ATypeAnotherProgramTookSinceKeepsItsNewRegistrationOnRemoval)
{
    const std::wstring type = Own(Unique(L".qm"));
    const std::wstring other = Own(Unique(L"Later.Editor"));
    const std::wstring key = L"Quillet" + type;
    SetValue(type, Own(Unique(L"Before.Editor")));
    Start();
    Add(type);
    ASSERT_EQ(Value(type), key);
    SetValue(type, other);  // another program associates the type afterwards
    Remove(type);
    EXPECT_EQ(Value(type), other) << "the later program keeps the type";
    EXPECT_FALSE(KeyExists(key));
    EXPECT_TRUE(Listed().empty());
}

TEST_F(AssociationsTest, ATypeWhoseProgramKeyIsGoneIsLeftAsItIs)
{
    const std::wstring type = Own(Unique(L".qn"));
    const std::wstring key = L"Quillet" + type;
    Start();
    Add(type);
    SHDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());  // removed by hand, say
    Remove(type);
    EXPECT_EQ(Value(type), key) << "nothing to restore: the type is not rewritten";
    EXPECT_FALSE(KeyExists(key));
    EXPECT_TRUE(Listed().empty());
}

// Typed into the page's type box as a user types (real keystrokes), in a script the ANSI
// code page lacks: the registry gets the type as typed, Config.ini keeps an ANSI type in
// its ANSI bytes and the other as marked UTF-8, the next start lists both, and removal
// brings the earlier registration back.
TEST_F(AssociationsTest, ATypeTypedOutsideTheCodePageIsAssociatedStoredAndRemoved)
{
    const std::wstring suffix = Unique(L"q");
    const std::wstring greek = Own(L".\u03B5\u03BB" + suffix);  // .ελq<pid>x<n>
    std::string unused;
    if (AnsiCodePage().ToAnsi(greek, unused))
        GTEST_SKIP() << "the ANSI code page here holds Greek letters";
    // A letter beyond ASCII that the (Western) ANSI code page holds: stored as its byte.
    std::wstring ansiType = Own(L".\u00E4" + suffix);
    std::string ansiBytes;
    if (!AnsiCodePage().ToAnsi(ansiType, ansiBytes)) {
        ansiType = Own(L".a" + suffix);
        ansiBytes = Ascii(ansiType);
    }
    // The earlier registration of the type, in the same script.
    // Πρόγραμμα.<suffix>
    const std::wstring before = Own(L"\u03A0\u03C1\u03CC\u03B3\u03C1\u03B1\u03BC\u03BC\u03B1." + suffix);
    SetValue(greek, before);
    SetValue(before, L"\u0388\u03B3\u03B3\u03C1\u03B1\u03C6\u03BF");  // Έγγραφο
    Start();
    ShowOptionsDialog(false);
    HWND pages = Control(kPageList);
    SendMessageW(pages, LB_SETCURSEL, 1, 0);
    SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(kPageList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(pages));
    Add(ansiType);

    HWND box = Control(kTypeBox);
    SetWindowTextW(box, L"");
    ASSERT_TRUE(IsWindowVisible(box));
    SetForegroundWindow(Dialog());
    SetFocus(box);
    ASSERT_TRUE(e2e::FocusForInput(Dialog(), box));
    e2e::TypeUnicode(greek);
    const auto typed = [&] {
        const int length = GetWindowTextLengthW(box);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(box, &text[0], length + 1)));
        return text;
    };
    // The program's own message loop takes the keystrokes (the wide forms throughout).
    const DWORD start = GetTickCount();
    while (typed() != greek && GetTickCount() - start < 10000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        harness::InProcessApp::Pump();
    }
    ASSERT_EQ(typed(), greek);
    Click(kAdd);

    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{ansiType, greek}));
    const std::wstring key = L"Quillet" + greek;
    EXPECT_EQ(Value(greek), key);
    EXPECT_EQ(Value(key, L"Backup"), before);
    EXPECT_EQ(Value(key), L"\u0388\u03B3\u03B3\u03C1\u03B1\u03C6\u03BF");
    EXPECT_EQ(Value(key + L"\\shell\\open\\command"), Launcher());

    SendMessageW(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(FileAssocLines(app.ConfigPath()),
              (std::vector<std::string>{"0=" + ansiBytes, "1=\xEF\xBB\xBF.\xCE\xB5\xCE\xBB" + Ascii(suffix)}));
    app.Close();

    Start();  // read back at the next start
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{ansiType, greek}));
    Remove(greek);
    EXPECT_EQ(Value(greek), before) << "removal brings the earlier registration back";
    EXPECT_FALSE(KeyExists(key));
    EXPECT_EQ(Listed(), std::vector<std::wstring>{ansiType});
    Remove(ansiType);
    EXPECT_FALSE(KeyExists(L"Quillet" + ansiType));
}

} // namespace
