// Loading and saving: encodings, line ends and NUL bytes survive; failures return 0 (a
// file too large for memory 2) and leave both the document and the file on disk as they
// were.
#include "control_fixture.h"
#include "corvex/memory_room.h"
#include "tests/support/huge_file.h"
#include "tests/support/wide_files.h"

#include <random>

namespace {

class FileTest : public ControlTest {
protected:
    bool Save(const std::string& path) const
    {
        return Send(corvex::SaveFile, 0, reinterpret_cast<LPARAM>(path.c_str())) == 1;
    }
    std::string RoundTrip(const std::string& bytes)
    {
        WriteBytes(folder.File("in.txt"), bytes);
        Load(folder.File("in.txt"));
        EXPECT_TRUE(Save(folder.File("out.txt")));
        return ReadBytes(folder.File("out.txt"));
    }
    ScratchFolder folder;
};

TEST_F(FileTest, EncodingsAndLineEndsAreKept)
{
    const std::string samples[] = {
        "plain ascii\r\nsecond line\r\n",
        "unix\nlines\n",
        "old mac\rlines\r",
        "\xEF\xBB\xBFwith a BOM\r\n",
        "utf-8 caf\xC3\xA9\nna\xC3\xAFve\n",
        std::string("\xFF\xFEh\0i\0\r\0\n\0", 10),
        std::string("\xFE\xFF\0h\0i\0\n", 8),
        std::string("\xFF\xFEh\0i\0\r", 7),          // not UTF-16: kept as its bytes
        std::string("\xFF\xFEh\0\x00\xD8i\0", 8),    // a lone surrogate: likewise
        "ansi caf\xE9\r\n",
        std::string("nul\0bytes\0\r\nkept\0", 18),
        "invalid \xC3\x28 utf-8 \xF5\x80\n",
        "",
    };
    for (const std::string& sample : samples)
        EXPECT_EQ(RoundTrip(sample), sample);
}

TEST_F(FileTest, EditsAreSavedInTheFilesStyle)
{
    WriteBytes(folder.File("in.txt"), std::string("\xFF\xFE" "a\0\r\0\n\0", 8));
    Load(folder.File("in.txt"));
    Select(1, 1);
    Send(corvex::SetAutoIndent, 0);
    SendMessageW(control, WM_CHAR, '\r', 1);
    SendMessageW(control, WM_CHAR, 0x00E9, 1);
    ASSERT_TRUE(Save(folder.File("out.txt")));
    EXPECT_EQ(ReadBytes(folder.File("out.txt")), std::string("\xFF\xFE" "a\0\r\0\n\0\xE9\0\r\0\n\0", 14));
}

TEST_F(FileTest, BigEndianUtf16IsDecodedAndEditsAreSavedBigEndian)
{
    const std::string file("\xFE\xFF\0h\0i\0\n", 8);
    EXPECT_EQ(RoundTrip(file), file);
    EXPECT_EQ(Text(), "hi\n");  // decoded, not kept as bytes
    EXPECT_EQ(Send(corvex::GetEncoding), corvex::EncodingUtf16BE);

    Select(2, 2);
    SendMessageW(control, WM_CHAR, 0x00E9, 1);
    SendMessageW(control, WM_CHAR, 0x20AC, 1);
    EXPECT_EQ(Text(), "hi\xC3\xA9\xE2\x82\xAC\n");
    ASSERT_TRUE(Save(folder.File("out.txt")));
    EXPECT_EQ(ReadBytes(folder.File("out.txt")), std::string("\xFE\xFF\0h\0i\0\xE9\x20\xAC\0\n", 12));
}

TEST_F(FileTest, BinaryFilesRoundTripExactly)
{
    std::mt19937 random(7);
    std::string bytes(64 * 1024, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    bytes[0] = 'x'; // not a BOM
    WriteBytes(folder.File("in.bin"), bytes);
    Load(folder.File("in.bin"));
    UpdateWindow(control);
    ASSERT_TRUE(Save(folder.File("out.bin")));
    EXPECT_EQ(ReadBytes(folder.File("out.bin")), bytes);
}

TEST_F(FileTest, LoadFailuresKeepTheDocument)
{
    Type("kept");
    for (const char* path : {"", "Z:\\no\\such\\folder\\file.txt"}) {
        EXPECT_EQ(Send(corvex::LoadFile, 0, reinterpret_cast<LPARAM>(path)), 0) << path;
    }
    EXPECT_EQ(Send(corvex::LoadFile, 0, 0), 0);
    CreateDirectoryA(folder.File("sub").c_str(), nullptr);
    EXPECT_EQ(Send(corvex::LoadFile, 0, reinterpret_cast<LPARAM>(folder.File("sub").c_str())), 0);
    RemoveDirectoryA(folder.File("sub").c_str());
    EXPECT_EQ(Text(), "kept");
    EXPECT_NE(Send(corvex::IsModified), 0);
}

TEST_F(FileTest, LoadingClearsTheModifiedFlagAndHistory)
{
    Type("typed");
    WriteBytes(folder.File("a.txt"), "loaded");
    Load(folder.File("a.txt"));
    EXPECT_EQ(Text(), "loaded");
    EXPECT_EQ(Send(corvex::IsModified), 0);
    EXPECT_EQ(Send(corvex::CanUndo), 0);
}

TEST_F(FileTest, SavingMarksTheDocumentSavedAndLeavesNoTemporaryFile)
{
    Type("new file");
    notifications.clear();
    ASSERT_TRUE(Save(folder.File("new.txt")));
    EXPECT_EQ(Send(corvex::IsModified), 0);
    EXPECT_EQ(Count(corvex::NotifyModifiedChanged), 1);
    EXPECT_EQ(ReadBytes(folder.File("new.txt")), "new file");
    Type("!");
    ASSERT_TRUE(Save(folder.File("new.txt")));
    EXPECT_EQ(ReadBytes(folder.File("new.txt")), "new file!");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"new.txt"});
}

TEST_F(FileTest, ACharacterTheCodePageLacksSavesTheFileAsUtf8AndLeavesNoTemporaryFile)
{
    WriteBytes(folder.File("ansi.txt"), "caf\xE9\r\n");
    Load(folder.File("ansi.txt"));
    Select(3, 3);
    SendMessageW(control, WM_CHAR, 0x4E2D, 1);  // no byte for it in a Western code page
    ASSERT_TRUE(Save(folder.File("ansi.txt")));
    EXPECT_EQ(ReadBytes(folder.File("ansi.txt")), "caf\xE4\xB8\xAD\xC3\xA9\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"ansi.txt"});
    Select(0, 0);
    SendMessageW(control, WM_CHAR, 'x', 1);
    ASSERT_TRUE(Save(folder.File("ansi.txt")));
    EXPECT_EQ(ReadBytes(folder.File("ansi.txt")), "xcaf\xE4\xB8\xAD\xC3\xA9\r\n") << "it stays UTF-8";
}

TEST_F(FileTest, SavingKeepsTheTargetsAttributes)
{
    WriteBytes(folder.File("hidden.txt"), "old");
    SetFileAttributesA(folder.File("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
    Type("new");
    ASSERT_TRUE(Save(folder.File("hidden.txt")));
    EXPECT_NE(GetFileAttributesA(folder.File("hidden.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(ReadBytes(folder.File("hidden.txt")), "new");
}

TEST_F(FileTest, FailingSavesLeaveTheOriginalAndTheDocument)
{
    const std::string target = folder.File("target.txt");
    WriteBytes(target, "original");
    Type("replacement");

    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Save(target));
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(target), "original");

    HANDLE lock = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(Save(target));
    CloseHandle(lock);
    EXPECT_EQ(ReadBytes(target), "original");

    EXPECT_FALSE(Save(folder.File("missing\\folder.txt")));
    EXPECT_FALSE(Save(""));
    EXPECT_EQ(Send(corvex::SaveFile, 0, 0), 0);
    EXPECT_FALSE(Save(folder.File("")));

    EXPECT_NE(Send(corvex::IsModified), 0);
    EXPECT_EQ(Text(), "replacement");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"target.txt"});
}

} // namespace

namespace {

std::wstring Widen(const std::string& ansi)
{
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], static_cast<int>(wide.size()))));
    return wide;
}

TEST_F(FileTest, WidePathsReachNamesTheCodePageCannotSpell)
{
    const std::wstring folderPath = Widen(folder.File("")) + L"\u041F\u0440\u043E\u0435\u043A\u0442";  // Проект
    ASSERT_TRUE(CreateDirectoryW(folderPath.c_str(), nullptr));
    const std::wstring japanese = folderPath + L"\\\u65E5\u672C\u8A9E.txt";
    const std::wstring emoji = folderPath + L"\\\U0001F600 notes.txt";
    const std::string bytes = "caf\xC3\xA9 \xE6\x97\xA5\r\nline two\n";
    ASSERT_TRUE(e2e::WriteWideFile(japanese, bytes));

    EXPECT_EQ(Send(corvex::LoadFileWide, 0, reinterpret_cast<LPARAM>(japanese.c_str())), 1);
    EXPECT_EQ(Send(corvex::SaveFileWide, 0, reinterpret_cast<LPARAM>(emoji.c_str())), 1);
    EXPECT_EQ(e2e::ReadWideFile(emoji), bytes);
    EXPECT_EQ(Send(corvex::SaveFileWide, 0, reinterpret_cast<LPARAM>(japanese.c_str())), 1);
    EXPECT_EQ(e2e::ReadWideFile(japanese), bytes) << "saved over itself byte for byte";
    EXPECT_EQ(Send(corvex::LoadFileWide, 0, 0), 0) << "no path";
    EXPECT_EQ(Send(corvex::SaveFileWide, 0, reinterpret_cast<LPARAM>(L"")), 0);

    for (const std::wstring& path : {japanese, emoji})
        DeleteFileW(path.c_str());
    RemoveDirectoryW(folderPath.c_str());
}

} // namespace

namespace {

// A file needs its size and a fifth more; a size near the top of the range saturates
// instead of wrapping round to a small need.
TEST(MemoryRoomTest, AFileNeedsItsSizeAndAFifthMoreAndNoNeedWrapsRound)
{
    EXPECT_TRUE(corvex::FileFitsInRoom(1000, 1200));
    EXPECT_FALSE(corvex::FileFitsInRoom(1000, 1199));
    EXPECT_TRUE(corvex::FileFitsInRoom(0, 0));
    EXPECT_FALSE(corvex::FileFitsInRoom(0xF000000000000000ull, 1ull << 40));
    EXPECT_EQ(corvex::MemoryForFile(0xF000000000000000ull), ~0ull);

    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    const unsigned long long room = corvex::MemoryRoomNow();
    EXPECT_GT(room, 0u);
    EXPECT_LE(room, status.ullTotalVirtual);
    EXPECT_LE(room, status.ullTotalPageFile);
}

// A file larger than all the memory the machine can commit: LoadFileWide refuses it with
// LoadTooLarge (LoadFile, the older contract, with 0), and the document keeps its text,
// its selection, its modified state and its undo history. Once the file is small again
// it loads as any other.
TEST_F(FileTest, AFileLargerThanMemoryIsRefusedAndTheDocumentKeepsItsText)
{
    const std::string ansiPath = folder.File("huge.log");
    const std::wstring path = Widen(ansiPath);
    const testing_support::FileRemover remover(path);
    const unsigned long long size = testing_support::SizeBeyondMemory();
    ASSERT_TRUE(testing_support::SetSparseSize(path, size)) << GetLastError();
    ASSERT_GT(size, corvex::MemoryRoomNow());

    Type("kept text");
    Select(1, 4);
    EXPECT_EQ(SendMessageW(control, corvex::LoadFileWide, 0, reinterpret_cast<LPARAM>(path.c_str())),
              corvex::LoadTooLarge);
    EXPECT_EQ(Send(corvex::LoadFile, 0, reinterpret_cast<LPARAM>(ansiPath.c_str())), corvex::LoadFailed);
    EXPECT_EQ(Text(), "kept text");
    int position[4] = {};
    Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(position));
    EXPECT_EQ(position[0], 1);
    EXPECT_EQ(position[1], 4);
    EXPECT_NE(Send(corvex::IsModified), 0);
    EXPECT_EQ(Send(corvex::CanUndo), 1);

    ASSERT_TRUE(e2e::WriteWideFile(path, "small now\r\n"));
    EXPECT_EQ(SendMessageW(control, corvex::LoadFileWide, 0, reinterpret_cast<LPARAM>(path.c_str())),
              corvex::LoadDone);
    EXPECT_EQ(Text(), "small now\n");
}

} // namespace
