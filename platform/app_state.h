// Program-wide state set up at start-up and alive until the process ends.
#pragma once

#include <windows.h>
#include <string>

struct AppState {
    HINSTANCE instance = nullptr;
    std::wstring appFolder;  // folder of Quillet.exe, ending in a backslash
    // appFolder + "Config.ini" in the form the narrow profile functions open (see AnsiPathOf).
    std::string configPath;
    bool isWin9x = false;
    bool isNT5x = false;
    // Remembered state of the file dialogs ([Main] OpenDir, SaveDir, OFFilter, SFFilter).
    std::wstring openDir;
    std::wstring saveDir;
    int openFilter = 0;
    int saveFilter = 0;
};

AppState& App();
