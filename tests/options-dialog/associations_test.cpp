// File associations made on the Options page, checked in the registry. Every type name
// is unique to this test run and removed afterwards; no real type of the system is used.
#include "tests/options-dialog/options_fixture.h"

#include "platform/app_state.h"
#include "options/file_associations.h"

#include <shlwapi.h>

#include <algorithm>
#include <vector>

namespace {

enum : int { kPageList = 100, kTypeBox = 108, kTypeList = 109, kAdd = 110, kRemove = 111 };

std::string Unique(const char* stem)
{
    static int counter = 0;
    return std::string(stem) + std::to_string(GetCurrentProcessId()) + "x" + std::to_string(++counter);
}

std::string Value(const std::string& key, const char* name = nullptr) { return options::ReadClassesValue(key, name); }

bool KeyExists(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

void SetValue(const std::string& key, const std::string& value)
{
    HKEY handle = nullptr;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr);
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

class AssociationsTest : public OptionsFixture {
protected:
    ~AssociationsTest() override
    {
        for (const std::string& key : made_)
            SHDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
    }
    // Keys this test may create, removed at the end whatever happens.
    std::string Own(const std::string& key)
    {
        made_.push_back(key);
        made_.push_back("Quillet" + key);
        return key;
    }
    void Add(const std::string& type)
    {
        SetWindowTextA(Control(kTypeBox), type.c_str());
        Click(kAdd);
    }
    void Remove(const std::string& type)
    {
        HWND list = Control(kTypeList);
        const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(type.c_str()));
        ASSERT_NE(index, LB_ERR) << type;
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Click(kRemove);
    }
    std::vector<std::string> Listed() const
    {
        std::vector<std::string> items;
        HWND list = Control(kTypeList);
        const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[260] = "";
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    std::string Launcher() const { return "\"" + App().appFolder + "Lanchet.exe\" \"%1\""; }

    std::vector<std::string> made_;
};

TEST_F(AssociationsTest, ATypeWithoutRegistrationGetsAnEmptyBackupAndKeepsAnEmptyKeyAfterRemoval)
{
    const std::string type = Own(Unique(".qa"));
    Start();
    Add(type);
    EXPECT_EQ(Listed(), std::vector<std::string>{type});
    EXPECT_EQ(Value(type), "Quillet" + type);
    EXPECT_TRUE(KeyExists("Quillet" + type));
    EXPECT_EQ(Value("Quillet" + type, "Backup"), "");
    EXPECT_EQ(Value("Quillet" + type + "\\shell\\open\\command"), Launcher());

    Remove(type);
    EXPECT_TRUE(Listed().empty());
    EXPECT_TRUE(KeyExists(type));
    EXPECT_EQ(Value(type), "");
    EXPECT_FALSE(KeyExists("Quillet" + type));
}

TEST_F(AssociationsTest, ATypeOfAnotherProgramIsBackedUpCopiedAndRestored)
{
    const std::string type = Own(Unique(".qb"));
    const std::string other = Own(Unique("OtherEditor.File"));
    SetValue(type, other);
    SetValue(other, "Another editor's document");
    SetValue(other + "\\DefaultIcon", "C:\\other\\editor.exe,1");
    Start();
    Add(type);
    const std::string key = "Quillet" + type;
    EXPECT_EQ(Value(type), key);
    EXPECT_EQ(Value(key, "Backup"), other);
    EXPECT_EQ(Value(key), "Another editor's document");
    EXPECT_EQ(Value(key + "\\DefaultIcon"), "C:\\other\\editor.exe,1");
    EXPECT_EQ(Value(key + "\\shell\\open\\command"), Launcher());

    Remove(type);
    EXPECT_EQ(Value(type), other);
    EXPECT_FALSE(KeyExists(key));
    EXPECT_EQ(Value(other), "Another editor's document") << "the other program's key is untouched";
}

TEST_F(AssociationsTest, ListIsCaseBlindAndTypesWithoutADotAreWrittenAsTyped)
{
    const std::string lower = Own(Unique(".qc"));
    std::string upper = lower;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    const std::string bare = Own(Unique("qd"));
    Start();
    Add(lower);
    Add(upper);  // the same type in other letters: nothing happens
    Add(bare);
    EXPECT_EQ(Listed(), (std::vector<std::string>{lower, bare}));
    EXPECT_TRUE(app.messages.empty());
    EXPECT_EQ(Value(bare), "Quillet" + bare);
    EXPECT_TRUE(KeyExists("Quillet" + bare));
}

TEST_F(AssociationsTest, TheListIsStoredWhenTheDialogClosesAndLoadedAtTheNextStart)
{
    const std::string first = Own(Unique(".qe"));
    const std::string second = Own(Unique(".qf"));
    const std::string third = Own(Unique(".qk"));
    Start();
    Add(first);
    Add(second);
    Add(third);
    Remove(first);
    SendMessageA(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Stored("FileAssoc", "0"), second);
    EXPECT_EQ(Stored("FileAssoc", "1"), third);
    EXPECT_EQ(Stored("FileAssoc", "2"), "");
    app.Close();

    Start();  // the next start reads the list back, in its order
    EXPECT_EQ(Listed(), (std::vector<std::string>{second, third}));
}

TEST_F(AssociationsTest, TheListIsStoredAlsoWhenTheProgramEndsWithTheDialogOpen)
{
    const std::string type = Own(Unique(".qj"));
    Start();
    ShowOptionsDialog(false);
    Add(type);
    app.Close();
    EXPECT_EQ(Stored("FileAssoc", "0"), type);
}

TEST_F(AssociationsTest, ATypeAlreadyPointingAtTheProgramKeepsItsOriginalBackup)
{
    // The registration of an earlier run, whose Config.ini list was lost.
    const std::string type = Own(Unique(".qg"));
    const std::string original = Own(Unique("Original.File"));
    const std::string key = "Quillet" + type;
    SetValue(original, "The original description");
    SetValue(type, "quillet" + type);  // registry names ignore case
    SetValue(key, "The original description");
    HKEY handle = nullptr;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr);
    RegSetValueExA(handle, "Backup", 0, REG_SZ, reinterpret_cast<const BYTE*>(original.c_str()),
                   static_cast<DWORD>(original.size() + 1));
    RegCloseKey(handle);
    Start();
    Add(type);
    EXPECT_EQ(Value(key, "Backup"), original);
    EXPECT_EQ(Value(key), "The original description");
    Remove(type);
    EXPECT_EQ(Value(type), original) << "removal brings the original registration back";
}

TEST_F(AssociationsTest, TextsThatAreNotOneFileTypeAreRefusedAndWriteNothing)
{
    const std::string withBackslash = Unique(".qh") + "\\shell";
    Own(withBackslash.substr(0, withBackslash.find('\\')));
    Start();
    for (const std::string& text :
         {withBackslash, std::string("*"), std::string(" * "), std::string("   "), std::string(".EXE"),
          std::string(".lnk")}) {
        SCOPED_TRACE(text);
        app.messages.clear();
        Add(text);
        ASSERT_EQ(app.messages.size(), 1u);
        EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_TRUE(Listed().empty());
    }
    EXPECT_FALSE(KeyExists(withBackslash.substr(0, withBackslash.find('\\'))));
    EXPECT_FALSE(KeyExists("Quillet*"));
    EXPECT_FALSE(KeyExists("Quillet.EXE"));
    EXPECT_NE(Value(".exe"), "Quillet.EXE");
    EXPECT_NE(Value("*"), "Quillet*");
}

TEST_F(AssociationsTest, AFailedWriteIsReportedUndoneAndNotListed)
{
    // A key name longer than the registry allows (255 characters) cannot be created.
    const std::string type = Own("." + std::string(250, 'q') + std::to_string(GetCurrentProcessId() % 1000));
    Start();
    Add(type);
    ASSERT_EQ(app.messages.size(), 1u);
    EXPECT_EQ(app.messages[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(Listed().empty());
    EXPECT_FALSE(KeyExists("Quillet" + type));
}

TEST_F(AssociationsTest, ValuesTooLongForTheBufferAreReadAsEmpty)
{
    const std::string type = Own(Unique(".qi"));
    const std::string other = Own(Unique("Long.File"));
    SetValue(type, other);
    SetValue(other, std::string(300, 'd'));
    Start();
    Add(type);
    EXPECT_EQ(Value("Quillet" + type), "");
    EXPECT_EQ(Value("Quillet" + type, "Backup"), other);

    const std::string fits = Own(Unique(".qk"));  // 259 characters still fit
    const std::string longest = Own(Unique("Longest.File"));
    SetValue(fits, longest);
    SetValue(longest, std::string(259, 'e'));
    Add(fits);
    EXPECT_EQ(Value("Quillet" + fits), std::string(259, 'e'));
}

} // namespace

namespace {

// A type text with a letter outside ASCII, in the ANSI code page the page's texts use;
// "" when that code page has no such letter.
std::string AnsiText(const std::wstring& text)
{
    char bytes[64] = "";
    BOOL lost = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, &lost) == 0 || lost)
        return {};
    return bytes;
}

TEST_F(AssociationsTest, LettersBeyondAsciiAreOneTypeInEitherCase)
{
    const std::wstring number = std::to_wstring(GetCurrentProcessId());
    const std::string lower = AnsiText(L".\u00E4q" + number);  // .äq<pid>
    const std::string upper = AnsiText(L".\u00C4Q" + number);  // .ÄQ<pid>
    if (lower.empty())
        GTEST_SKIP() << "the ANSI code page here has no a-umlaut";
    EXPECT_TRUE(options::SameKeyName(lower, upper));
    EXPECT_FALSE(options::SameKeyName(lower, AnsiText(L".aq" + number)));
    EXPECT_TRUE(options::ListHolds({".txt", upper}, lower));
    Own(lower);
    Own(upper);
    Start();
    Add(lower);
    Add(upper);  // the registry's one key: not listed or associated twice
    EXPECT_EQ(Listed(), std::vector<std::string>{lower});
    EXPECT_EQ(Value(lower, "Backup"), "") << "the first association's backup was not overwritten by the second";
}

TEST_F(AssociationsTest, ATypeAnotherProgramTookSinceKeepsItsNewRegistrationOnRemoval)
{
    const std::string type = Own(Unique(".qm"));
    const std::string other = Own(Unique("Later.Editor"));
    const std::string key = "Quillet" + type;
    SetValue(type, Own(Unique("Before.Editor")));
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
    const std::string type = Own(Unique(".qn"));
    const std::string key = "Quillet" + type;
    Start();
    Add(type);
    SHDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());  // removed by hand, say
    Remove(type);
    EXPECT_EQ(Value(type), key) << "nothing to restore: the type is not rewritten";
    EXPECT_FALSE(KeyExists(key));
    EXPECT_TRUE(Listed().empty());
}

} // namespace
