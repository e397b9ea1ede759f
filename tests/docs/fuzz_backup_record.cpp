// Any bytes as a backup's record: reading them never fails badly, and a record that reads
// is written back in a form that reads the same.
#include "docs/backup_record.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<backups::BackupRecord> read = backups::ParseRecord(bytes);
    if (!read)
        return 0;
    const std::optional<backups::BackupRecord> again = backups::ParseRecord(backups::FormatRecord(*read));
    if (!again || again->path != read->path || again->order != read->order || again->hasFile != read->hasFile ||
        again->fileExisted != read->fileExisted || again->fileSize != read->fileSize ||
        again->fileWritten != read->fileWritten)
        std::abort();
    return 0;
}
