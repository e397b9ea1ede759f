// The open documents: one editor control and one tab each, in tab order.
#pragma once

#include "docs/file_stamp.h"

#include <windows.h>
#include <string>
#include <vector>

// Paths are UTF-16 throughout: any file name, in any folder, can be opened and saved.
struct Document {
    HWND control = nullptr;
    std::wstring path;  // "" while untitled
    FileStamp stamp;    // the file as the document last read, wrote or was told of it
    bool asking = false;  // a question about the file changing on disk is on screen
};

extern std::vector<Document> DocumentList;
extern int currentIndex;  // -1 while no document is open

// The active document, or null while none is open.
Document* ActiveDocument();
// The active document's editor control, or null while none is open.
HWND ActiveControl();
// The editor controls of the open documents, in tab order.
std::vector<HWND> DocumentControls();
// The index of the document whose editor control this is, -1 when there is none (it closed).
int IndexOfControl(HWND control);
// Makes document `index` the active one and shows it, through the tab switch.
void ActivateDocument(int index);

// Opens `path` in a new tab (or selects it when already open); "" creates an untitled document.
void OpenDocument(std::wstring path);
// The same for a path in the ANSI code page.
void OpenDocument(const std::string& ansiPath);
// True when a document with this path (compared ignoring A-Z case) is open; it is then active.
bool FindOpenDocument(const std::wstring& path);
// Closes the active document without asking.
void CloseDocument();

// The message about a file whose text does not fit in the memory the program can still
// use: "The file does not fit in memory", its path and its size ("(12.4 GB)") on lines
// of their own.
std::wstring DoesNotFitText(const std::wstring& path, ULONGLONG size);

// The tab caption for a path: the part after its last backslash.
std::wstring FileNameOf(const std::wstring& path);
// Removes double quotes at the start and at the end of a path.
std::wstring StripQuotes(const std::wstring& path);
