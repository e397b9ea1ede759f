// MainWindow: the object behind the program's single top-level frame, holding the
// handles of its parts. Its window procedure is the hub through which commands,
// notifications, dropped files and handed-over paths reach the rest of the program.
#pragma once

#include "app/command_table.h"
#include "platform/subclass.h"

#include <windows.h>
#include <string>
#include <vector>

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

    // The parts, owned by this object and alive from Create until WM_DESTROY.
    HWND Frame() const { return frame_; }
    HWND MenuBar() const { return menuBar_; }
    HWND Toolbar() const { return toolbar_; }
    HWND Tabs() const { return tabs_; }
    HWND StatusBar() const { return statusBar_; }
    HWND ToolbarTips() const { return toolbarTips_; }
    // The program's UI font (Tahoma, 13 pixels at 96 DPI); the system's GUI font before it exists.
    HFONT UiFont() const { return uiFont_ ? uiFont_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }
    // The DPI the window is laid out at: its screen's, followed on WM_DPICHANGED.
    int Dpi() const { return dpi_; }
    HICON SavedStateIcon(bool saved) const { return saved ? savedIcon_ : unsavedIcon_; }
    HMENU Menu(MenuIndex index) const { return menus_[index]; }

private:
    void OpenPendingPaths();
    bool CreateMenuBar();
    bool CreateToolbar();
    LRESULT OnNotify(NMHDR* header);
    void OnDropFiles(HDROP drop);
    LRESULT OnMenuChar(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnTabSelectionChange();
    static HFONT CreateUiFont(int dpiValue);
    // The saved and unsaved icons at the small-icon size of the window's DPI.
    void LoadStateIcons();
    static void HandOverFont(HFONT from, HFONT to);
    void TellEditorsOfDpi();
    void OnDpiChanged(int dpiValue, const RECT* suggested);

    HWND frame_ = nullptr;
    HWND menuBar_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND tabs_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND toolbarTips_ = nullptr;
    HFONT uiFont_ = nullptr;
    int dpi_ = 96;
    // The bars' padding as made (TB_GETPADDING) and their buttons' size as 96-DPI sizes.
    DWORD menuBarPadding_ = 0;
    DWORD toolbarPadding_ = 0;
    SIZE menuBarButton_ = {};
    SIZE toolbarButton_ = {};
    HICON savedIcon_ = nullptr;
    HICON unsavedIcon_ = nullptr;
    UINT taskbarCreatedMessage_ = 0;
    HMENU menus_[kMenuCount] = {};

    bool exitConfirmed_ = false;  // the changes were asked about before the destruction
    bool filesCheckWaiting_ = false;  // a look at the files waits for a modal window to close
    // Start-up calls out of the process (the shell, the Explorer extension), and a path
    // handed over meanwhile arrives in the middle of it: such paths wait here.
    bool takingPaths_ = false;
    bool openingPaths_ = false;  // OpenPendingPaths is running further up the stack
    std::vector<std::wstring> pendingPaths_;
};

MainWindow& Main();

// The window class "Quillet", registered once before anything else.
void RegisterMainWindowClass();

// Sends the main window WM_SIZE with its current client size so its parts are laid out again.
void RelayoutMainWindow();
