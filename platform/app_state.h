// Program-wide state set up at start-up and alive until the process ends.
#pragma once

#include <windows.h>
#include <string>

struct AppState {
    HINSTANCE instance = nullptr;
    std::string appFolder;   // folder of Quillet.exe, ending in a backslash
    std::string configPath;  // appFolder + "Config.ini"
    bool isWin9x = false;
    bool isNT5x = false;
    // Remembered state of the file dialogs ([Main] OpenDir, SaveDir, OFFilter, SFFilter).
    std::wstring openDir;
    std::wstring saveDir;
    int openFilter = 0;
    int saveFilter = 0;
};

AppState& App();
