// The record beside a backup: written and read back whole, names in any script included,
// and anything else refused rather than half read.
#include "docs/backup_record.h"

#include <gtest/gtest.h>

namespace {

using backups::BackupRecord;
using backups::FormatRecord;
using backups::ParseRecord;

TEST(BackupRecord, ComesBackWholeWithANameInAnyScriptOrNoneWhileUntitled)
{
    const std::wstring name = std::wstring(L"C:\\\u041F\u0440\u043E\u0435\u043A\u0442\\\u65E5\u672C\u8A9E ") +
                              wchar_t(0xD83D) + wchar_t(0xDE00) + L".txt";
    for (const BackupRecord& record : {BackupRecord{name, 3}, BackupRecord{L"", 0}, BackupRecord{L"a=b.txt", 12}}) {
        const std::optional<BackupRecord> read = ParseRecord(FormatRecord(record));
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->path, record.path);
        EXPECT_EQ(read->order, record.order);
    }
    BackupRecord withFile{L"C:\\a.txt", 1};
    withFile.hasFile = withFile.fileExisted = true;
    withFile.fileSize = 5000000000ull;
    withFile.fileWritten = 133000000000000000ull;
    const std::optional<BackupRecord> read = ParseRecord(FormatRecord(withFile));
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->hasFile && read->fileExisted);
    EXPECT_EQ(read->fileSize, withFile.fileSize);
    EXPECT_EQ(read->fileWritten, withFile.fileWritten);
    // A lone surrogate, as a Windows file name may hold.
    const std::wstring lone = std::wstring(L"C:\\x") + wchar_t(0xDC00) + L".txt";
    EXPECT_EQ(ParseRecord(FormatRecord({lone, 1}))->path, lone);
}

TEST(BackupRecord, ToleratesCrLfAndUnknownKeys)
{
    const std::optional<BackupRecord> read =
        ParseRecord("Quillet backup record 1\r\nlater=1\r\norder=2\r\npath=C:\\a.txt\r\n\r\n");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->order, 2);
    EXPECT_EQ(read->path, L"C:\\a.txt");
}

TEST(BackupRecord, RefusesWhatIsNotAWholeRecord)
{
    for (const char* bytes : {"", "Quillet backup record 2\norder=1\n", "order=1\npath=x\n",
                              "Quillet backup record 1\npath=x\n", "Quillet backup record 1\norder=-1\n",
                              "Quillet backup record 1\norder=99999999\n", "Quillet backup record 1\norder=1x\n",
                              "Quillet backup record 1\norder=1\npath=\xC3(\n",
                              "Quillet backup record 1\norder=1\npath=\xF5\x80\x80\x80\n",
                              "Quillet backup record 1\norder=1\nfile=2 1 1\n", "Quillet backup record 1\norder=1\nfile=1 1\n",
                              "Quillet backup record 1\norder=1\nfile=1 x 1\n",
                              "Quillet backup record 1\norder=1\npath=a\r\r\n", "Quillet backup record 1\norder=1\npath=a\tb\n"})
        EXPECT_FALSE(ParseRecord(bytes).has_value()) << bytes;
}

} // namespace
