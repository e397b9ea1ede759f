// Backups of unsaved work. A few seconds after a modified document last changed, its text
// is written to a backup in this run's own folder under the backup folder, a slice at a
// time so that typing never waits; a record beside it says which file it belongs to. A
// document that is saved, or closed without saving, loses its backup; a normal exit
// removes this run's folder. A run that ended otherwise (a crash, a kill, a power cut)
// leaves its folder behind, and the next start opens its documents again.
//
// Each run holds a lock file in its folder for as long as it runs (the system lets go of
// it when the process ends in any way): a folder whose lock can be removed belongs to a
// run that is over.
#pragma once

#include <windows.h>

#include <string>

namespace backups {

// Where the runs keep their backups: %LOCALAPPDATA%\Quillet\Backup\ (the environment
// variable QUILLET_BACKUP_FOLDER names another, for tests), ending in a backslash.
std::wstring BackupFolder();

// Starts this run's backups, written `seconds` after the last change of a document (0:
// none). False when the backup folder cannot be made (the program then runs without).
bool Start(int seconds);
void SetInterval(int seconds);
// Opens the documents of runs that ended without removing their backups, each in a tab of
// its own, with its name and path, modified, the caret where it was; tells the user in one
// message which came back. A backup that cannot be read is named in that message and kept.
void RecoverDocuments();
// The document of `control` was saved or closed: its backup goes.
void Forget(HWND control);
// A normal exit: this run's backups and its folder go.
void Stop();

} // namespace backups
