// MainWindow: the object behind the program's single top-level frame, holding the
// handles of its parts. Its window procedure is the hub through which commands,
// notifications, dropped files and handed-over paths reach the rest of the program.
#pragma once

#include "platform/subclass.h"

#include <windows.h>
#include <string>
#include <vector>

constexpr int kMenuBarId = 101;
constexpr int kToolbarId = 102;
constexpr int kTabControlId = 100;
constexpr int kStatusBarId = 103;

// Private messages of the main window.
constexpr UINT kTrayCallbackMessage = WM_USER + 1;   // 1025
constexpr UINT kCloseActiveMessage = WM_USER + 2;    // 1026
constexpr UINT kOpenMenuBarMessage = WM_USER + 4;    // 1028, wParam 700-705

constexpr UINT_PTR kPasteHoldTimer = 300;
constexpr UINT_PTR kOpenHoldTimer = 301;
constexpr int kMenuCount = 11;

// Both bars number their buttons from 700: the menu bar 700-705, the toolbar 700-715.
constexpr int kFirstButtonCommand = 700;
constexpr int kMenuBarButtonCount = 6;
constexpr int kToolbarButtonCount = 16;

// Indexes of the eleven menus, in the order they are built.
enum MenuIndex {
    kFileMenu, kEditMenu, kSearchMenu, kHelpMenu, kTrayMenu, kTabMenu, kEditorMenu,
    kClipboardItemMenu, kFavouritesItemMenu, kMacroMenu, kLanguageMenu,
};

class MainWindow : public Subclass<MainWindow> {
public:
    static constexpr const char* kProperty = "CWMSubcls";

    ~MainWindow();

    // Builds the window and all its parts; every failure but the window's own has
    // been reported when this returns false.
    bool Create();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A path handed over (WM_COPYDATA): opened, or kept until start-up has finished.
    LRESULT OnCopyData(const COPYDATASTRUCT* data);
    // From now on paths handed over open at once; those that arrived during start-up open
    // now, in the order they came.
    void TakeHandedOverPaths();

    HWND frame = nullptr;
    HWND menuBar = nullptr;
    HWND toolbar = nullptr;
    HWND tabs = nullptr;
    HWND statusBar = nullptr;
    HWND toolbarTips = nullptr;
    HFONT uiFont = nullptr;
    HICON savedIcon = nullptr;
    HICON unsavedIcon = nullptr;
    UINT taskbarCreatedMessage = 0;
    HMENU menus[kMenuCount] = {};

private:
    bool CreateMenuBar();
    bool CreateToolbar();
    LRESULT OnNotify(NMHDR* header);
    void OnDropFiles(HDROP drop);
    LRESULT OnMenuChar(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnTabSelectionChange();

    bool exitConfirmed_ = false;  // the changes were asked about before the destruction
    // Start-up calls out of the process (the shell, the Explorer extension), and a path
    // handed over meanwhile arrives in the middle of it: such paths wait here.
    bool takingPaths_ = false;
    std::vector<std::string> pendingPaths_;
};

MainWindow& Main();

// The window class "Quillet", registered once before anything else.
void RegisterMainWindowClass();

// Sends the main window WM_SIZE with its current client size so its parts are laid out again.
void RelayoutMainWindow();
