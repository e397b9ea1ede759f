// In-process harness: builds the real main window inside the test program, with
// message boxes and file dialogs answered by the test instead of a user, and files the
// shell would open only recorded.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <deque>
#include <string>
#include <vector>

namespace harness {

struct AskedMessage {
    HWND owner;
    std::string text;
    UINT type;
};

class InProcessApp {
public:
    // Stages a temporary application folder (a copy of build/dist, optionally
    // without Config.ini) and installs the answering dialogs.
    explicit InProcessApp(bool withConfig = true);
    ~InProcessApp();
    InProcessApp(const InProcessApp&) = delete;
    InProcessApp& operator=(const InProcessApp&) = delete;

    const std::string& Folder() const { return folder_; }
    std::string ConfigPath() const { return folder_ + "Config.ini"; }
    void SetConfig(const char* section, const char* key, const std::string& value);
    std::string Config(const char* section, const char* key) const;

    // Runs the start-up routine as Quillet.exe in the staged folder would.
    bool Start();
    // Closes the main window and pumps messages until the quit message.
    void Close();
    bool Running() const;
    HWND Frame() const;

    // Handles whatever is queued for this thread.
    static void Pump();

    // Message boxes: every one is recorded and answered with the next queued
    // answer (IDOK / IDCANCEL for plain boxes when nothing is queued).
    std::vector<AskedMessage> messages;
    std::deque<int> answers;
    // File dialogs: answered with the next queued path ("" = cancelled).
    std::deque<std::string> dialogPaths;
    std::vector<bool> dialogWasSave;
    int lastDialogFlags = 0;
    // Files handed to the shell to open (nothing is started).
    std::vector<std::string> shellOpened;

private:
    std::string folder_;
    bool started_ = false;
};

// Writes a file with the given bytes (in a folder of the test's choosing).
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

} // namespace harness
