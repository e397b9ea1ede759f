#include "docs/backups.h"

#include "docs/backup_record.h"
#include "docs/docs_host.h"
#include "docs/documents.h"
#include "docs/editor_control.h"
#include "docs/languages.h"
#include "docs/tab_strip.h"
#include "platform/ui_seam.h"

#include <shlobj.h>

#include <algorithm>
#include <map>
#include <vector>

namespace backups {

namespace {

constexpr wchar_t kKeeperClass[] = L"Quillet Backups";
constexpr wchar_t kLockName[] = L"session.lock";
constexpr UINT_PTR kCheckTimer = 1;
constexpr UINT_PTR kWriteTimer = 2;
constexpr UINT kCheckMs = 500;
constexpr UINT kWriteMs = 10;
// Bytes written per step: about a millisecond of work, so a keystroke never waits longer.
constexpr std::size_t kSlice = 1 << 20;

struct DocumentBackup {
    int id = 0;
    LRESULT seenEdits = -1;       // the edit count last seen
    DWORD changedAt = 0;          // when it was seen to change
    bool onDisk = false;          // a backup of this document is in the folder
    LRESULT writtenEdits = -1;    // the edit count the backup on disk holds
};

struct Run {
    HWND keeper = nullptr;
    HANDLE lock = INVALID_HANDLE_VALUE;
    std::wstring folder;          // this run's, ending in a backslash
    int seconds = 0;
    int nextId = 1;
    std::map<HWND, DocumentBackup> documents;
    std::vector<HWND> queue;      // documents whose backup is due, the one being written first
};

Run g_run;

std::wstring TextPath(const std::wstring& folder, int id) { return folder + L"doc" + std::to_wstring(id) + L".text"; }
std::wstring RecordPath(const std::wstring& folder, int id)
{
    return folder + L"doc" + std::to_wstring(id) + L".record";
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    const std::wstring temporary = path + L".writing";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (!ok || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

bool ReadSmallFile(const std::wstring& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char buffer[65536];
    DWORD read = 0;
    const bool ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr) != FALSE && read < sizeof buffer;
    CloseHandle(file);
    if (ok)
        bytes.assign(buffer, read);
    return ok;
}

std::vector<std::wstring> FilesIn(const std::wstring& folder, const wchar_t* pattern, bool folders)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name != L"." && name != L".." && isFolder == folders)
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void RemoveBackupFiles(const std::wstring& folder, int id)
{
    DeleteFileW(TextPath(folder, id).c_str());
    DeleteFileW(RecordPath(folder, id).c_str());
}

bool IsModified(HWND control) { return editor::Send(control, corvex::IsModified) != 0; }

// The record of a document whose text is on disk; false when it could not be written.
bool WriteRecord(HWND control, const DocumentBackup& backup)
{
    const int order = IndexOfControl(control);
    if (order < 0)
        return false;
    const Document& document = DocumentList[static_cast<std::size_t>(order)];
    BackupRecord record{document.path, order};
    if (!document.path.empty()) {
        record.hasFile = true;
        record.fileExisted = document.stamp.exists;
        record.fileSize = document.stamp.size;
        record.fileWritten = document.stamp.written;
    }
    return WriteWholeFile(RecordPath(g_run.folder, backup.id), FormatRecord(record));
}

// A test seam: the process ends in the middle of writing a backup over an earlier one.
bool HaltInTheMiddle(HWND control, const DocumentBackup& backup)
{
    wchar_t value[8] = {};
    if (!backup.onDisk || GetEnvironmentVariableW(L"QUILLET_TEST_HALT_IN_BACKUP", value, 8) == 0)
        return false;
    const LRESULT size = editor::Send(control, corvex::GetText, 0, 0);
    editor::Send(control, corvex::BackupStep, static_cast<WPARAM>(std::max<LRESULT>(1, size / 2)),
                 reinterpret_cast<LPARAM>(TextPath(g_run.folder, backup.id).c_str()));
    TerminateProcess(GetCurrentProcess(), 9);
    return true;
}

// One step of the backup due first; true while there is more to write.
bool WriteStep()
{
    while (!g_run.queue.empty()) {
        HWND control = g_run.queue.front();
        auto found = g_run.documents.find(control);
        const LRESULT edits = found != g_run.documents.end() ? editor::Send(control, corvex::GetEditCount) : -1;
        if (found == g_run.documents.end() || IndexOfControl(control) < 0 || edits != found->second.seenEdits) {
            // Gone, or changed again: it is due again a few seconds after its last change.
            g_run.queue.erase(g_run.queue.begin());
            continue;
        }
        DocumentBackup& backup = found->second;
        HaltInTheMiddle(control, backup);
        const LRESULT step = editor::Send(control, corvex::BackupStep, kSlice,
                                          reinterpret_cast<LPARAM>(TextPath(g_run.folder, backup.id).c_str()));
        if (step == 1)
            return true;
        g_run.queue.erase(g_run.queue.begin());
        if (step == 0 && WriteRecord(control, backup)) {
            backup.onDisk = true;
            backup.writtenEdits = edits;
        } else {
            backup.changedAt = GetTickCount();  // tried again after another interval
        }
        return !g_run.queue.empty();
    }
    return false;
}

void KeepWriting()
{
    if (WriteStep())
        SetTimer(g_run.keeper, kWriteTimer, kWriteMs, nullptr);
    else
        KillTimer(g_run.keeper, kWriteTimer);
}

// Finds the documents whose backup is due; forgets those that are gone or saved.
void Check()
{
    const DWORD now = GetTickCount();
    for (auto it = g_run.documents.begin(); it != g_run.documents.end();) {
        if (IndexOfControl(it->first) < 0) {
            RemoveBackupFiles(g_run.folder, it->second.id);
            it = g_run.documents.erase(it);
        } else {
            ++it;
        }
    }
    for (const Document& document : DocumentList) {
        DocumentBackup& backup = g_run.documents[document.control];
        if (backup.id == 0)
            backup.id = g_run.nextId++;
        if (!IsModified(document.control)) {
            if (backup.onDisk)
                RemoveBackupFiles(g_run.folder, backup.id);
            backup.onDisk = false;
            backup.writtenEdits = -1;
            continue;
        }
        const LRESULT edits = editor::Send(document.control, corvex::GetEditCount);
        if (edits != backup.seenEdits) {
            backup.seenEdits = edits;
            backup.changedAt = now;
        }
        const bool due = g_run.seconds > 0 && now - backup.changedAt >= static_cast<DWORD>(g_run.seconds) * 1000 &&
                         (!backup.onDisk || backup.writtenEdits != edits);
        if (due && std::find(g_run.queue.begin(), g_run.queue.end(), document.control) == g_run.queue.end())
            g_run.queue.push_back(document.control);
    }
    if (!g_run.queue.empty())
        KeepWriting();
}

LRESULT CALLBACK KeeperProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kCheckTimer) {
        Check();
        return 0;
    }
    if (message == WM_TIMER && wParam == kWriteTimer) {
        KeepWriting();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A lock file held for as long as the handle is open, and removed when it closes however
// the process ends; invalid when the file is there already (another run holds it).
HANDLE TakeLock(const std::wstring& folder)
{
    return CreateFileW((folder + kLockName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

// The folder of a run that is over, taken for this run to recover (the lock is held until
// the recovery is done); invalid when its run still holds it or another start took it
// first. A lock left behind by a power cut is held by nobody and can be removed.
HANDLE ClaimRunThatIsOver(const std::wstring& folder)
{
    DeleteFileW((folder + kLockName).c_str());
    return TakeLock(folder);
}

struct Kept {
    BackupRecord record;
    std::wstring text;
    std::wstring recordFile;
};

// Writes the backup of a recovered document into this run's folder at once, so that the
// old one may go.
bool AdoptBackup(HWND control)
{
    DocumentBackup& backup = g_run.documents[control];
    if (backup.id == 0)
        backup.id = g_run.nextId++;
    const std::wstring path = TextPath(g_run.folder, backup.id);
    LRESULT step = editor::Send(control, corvex::BackupStep, 64 << 20, reinterpret_cast<LPARAM>(path.c_str()));
    while (step == 1) {
        Sleep(1);  // the last steps wait for the flush
        step = editor::Send(control, corvex::BackupStep, 64 << 20, reinterpret_cast<LPARAM>(path.c_str()));
    }
    if (step != 0 || !WriteRecord(control, backup))
        return false;
    backup.onDisk = true;
    backup.seenEdits = backup.writtenEdits = editor::Send(control, corvex::GetEditCount);
    return true;
}

std::wstring NameOf(const BackupRecord& record) { return record.path.empty() ? L"Untitled" : FileNameOf(record.path); }

} // namespace

std::wstring BackupFolder()
{
    wchar_t named[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"QUILLET_BACKUP_FOLDER", named, MAX_PATH);
    std::wstring folder;
    if (length > 0 && length < MAX_PATH) {
        folder = named;
    } else {
        wchar_t local[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, local)))
            return {};
        folder = std::wstring(local) + L"\\Quillet\\Backup";
    }
    if (folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

bool Start(int seconds)
{
    g_run.seconds = std::max(0, seconds);
    const std::wstring root = BackupFolder();
    if (root.empty())
        return false;
    SHCreateDirectoryExW(nullptr, root.c_str(), nullptr);
    // A folder of this run's own, made new and locked before anything goes into it, so that
    // no other start takes it for one that is over.
    for (int attempt = 0; attempt < 10 && g_run.lock == INVALID_HANDLE_VALUE; ++attempt) {
        const std::wstring folder = root + L"run-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                    std::to_wstring(GetTickCount() + static_cast<DWORD>(attempt)) + L"\\";
        if (!CreateDirectoryW(folder.c_str(), nullptr))
            continue;
        g_run.lock = TakeLock(folder);
        if (g_run.lock == INVALID_HANDLE_VALUE)
            RemoveDirectoryW(folder.c_str());
        else
            g_run.folder = folder;
    }
    if (g_run.lock == INVALID_HANDLE_VALUE)
        return false;
    WNDCLASSW keeperClass = {};
    keeperClass.lpfnWndProc = &KeeperProcedure;
    keeperClass.hInstance = GetModuleHandleW(nullptr);
    keeperClass.lpszClassName = kKeeperClass;
    RegisterClassW(&keeperClass);
    g_run.keeper = CreateWindowExW(0, kKeeperClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    if (!g_run.keeper)
        return false;
    SetTimer(g_run.keeper, kCheckTimer, kCheckMs, nullptr);
    return true;
}

void SetInterval(int seconds) { g_run.seconds = std::max(0, seconds); }

void RecoverDocuments()
{
    const std::wstring root = BackupFolder();
    if (root.empty() || g_run.folder.empty())
        return;
    std::wstring recovered, unreadable;
    for (const std::wstring& name : FilesIn(root, L"run-*", true)) {
        const std::wstring folder = root + name + L"\\";
        if (folder == g_run.folder)
            continue;
        const HANDLE claim = ClaimRunThatIsOver(folder);
        if (claim == INVALID_HANDLE_VALUE)
            continue;
        std::vector<Kept> kept;
        for (const std::wstring& recordName : FilesIn(folder, L"*.record", false)) {
            const std::wstring recordFile = folder + recordName;
            const std::wstring text = recordFile.substr(0, recordFile.size() - 7) + L".text";
            std::string bytes;
            std::optional<BackupRecord> record;
            if (ReadSmallFile(recordFile, bytes))
                record = ParseRecord(bytes);
            if (!record) {
                unreadable += L"\n" + recordFile;
                continue;
            }
            kept.push_back({*record, text, recordFile});
        }
        std::stable_sort(kept.begin(), kept.end(),
                         [](const Kept& a, const Kept& b) { return a.record.order < b.record.order; });
        for (const Kept& backup : kept) {
            OpenDocument(L"");
            Document* document = ActiveDocument();
            if (!document)
                break;
            HWND control = document->control;
            if (editor::Send(control, corvex::RestoreBackup, 0, reinterpret_cast<LPARAM>(backup.text.c_str())) != 1) {
                CloseDocument();
                unreadable += L"\n" + backup.text + L" (" + NameOf(backup.record) + L")";
                continue;
            }
            document->path = backup.record.path;
            // The file as the document knew it: a change made since by another program
            // is asked about as any other.
            document->stamp = backup.record.hasFile
                                  ? FileStamp{backup.record.fileExisted, backup.record.fileSize, backup.record.fileWritten}
                                  : StampOf(backup.record.path);
            tabs::SetCaption(currentIndex, NameOf(backup.record));
            if (!document->path.empty())
                SelectLanguageForPath();
            recovered += L"\n" + (backup.record.path.empty() ? NameOf(backup.record) : backup.record.path);
            if (AdoptBackup(control)) {
                DeleteFileW(backup.text.c_str());
                DeleteFileW(backup.recordFile.c_str());
            }
        }
        // A write that was cut off never replaced its backup, and a text without its record
        // belongs to no document (its document was saved or closed as it was written):
        // neither is of any use.
        for (const std::wstring& partial : FilesIn(folder, L"*.writing", false))
            DeleteFileW((folder + partial).c_str());
        for (const std::wstring& text : FilesIn(folder, L"*.text", false)) {
            const std::wstring base = folder + text.substr(0, text.size() - 5);
            if (GetFileAttributesW((base + L".record").c_str()) == INVALID_FILE_ATTRIBUTES)
                DeleteFileW((base + L".text").c_str());
        }
        CloseHandle(claim);  // the lock goes with it
        if (FilesIn(folder, L"*", false).empty())
            RemoveDirectoryW(folder.c_str());
    }
    if (recovered.empty() && unreadable.empty())
        return;
    std::wstring message;
    if (!recovered.empty())
        message = L"Quillet did not close normally last time. These documents had changes that were not saved, "
                  L"and are open again:\n" + recovered + L"\n\nSave them to keep the changes.";
    if (!unreadable.empty())
        message += std::wstring(message.empty() ? L"" : L"\n\n") +
                   L"These backups of unsaved documents could not be read, and are kept where they are:\n" +
                   unreadable;
    ui::Message(docs::Host().Frame(), message, MB_OK | MB_ICONINFORMATION);
}

void Forget(HWND control)
{
    const auto found = g_run.documents.find(control);
    if (found == g_run.documents.end())
        return;
    RemoveBackupFiles(g_run.folder, found->second.id);
    g_run.queue.erase(std::remove(g_run.queue.begin(), g_run.queue.end(), control), g_run.queue.end());
    g_run.documents.erase(found);
}

void Stop()
{
    if (g_run.keeper)
        DestroyWindow(g_run.keeper);
    g_run.keeper = nullptr;
    for (const auto& entry : g_run.documents)
        RemoveBackupFiles(g_run.folder, entry.second.id);
    g_run.documents.clear();
    g_run.queue.clear();
    if (g_run.lock != INVALID_HANDLE_VALUE)
        CloseHandle(g_run.lock);  // deleted on closing
    g_run.lock = INVALID_HANDLE_VALUE;
    if (!g_run.folder.empty()) {
        for (const std::wstring& left : FilesIn(g_run.folder, L"*", false))
            DeleteFileW((g_run.folder + left).c_str());
        RemoveDirectoryW(g_run.folder.c_str());
    }
    g_run.folder.clear();
}

} // namespace backups
