// Program start-up: finding the application folder and Config.ini, building the
// main window, restoring the previous run's state, and the message loop.
#pragma once

#include <string>

// Runs the start-up routine for a program at `programPath` (the full path of
// Quillet.exe). False when the program must end; the reason has been reported.
bool Startup(const std::wstring& programPath);

// Opens the command line as one document path when it is not empty.
void OpenCommandLine(const std::wstring& commandLine);

// One message of the loop: the main window's keys first, then dialog navigation of the
// foreground window, then translation and dispatch (all in the Unicode forms).
struct tagMSG;
void ProcessLoopMessage(tagMSG& message);

// Pumps messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

// The application folder of a program path: everything up to and including the
// last backslash ("" when there is none).
std::wstring ApplicationFolderOf(const std::wstring& programPath);
